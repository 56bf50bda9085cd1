#pragma once

#include <QPoint>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "core/text.hpp"
#include "platform/qt/quiet_page.hpp"
#include "ui/model/backend.hpp"

class QWebEngineFullScreenRequest;

namespace quillo::qt {

class FullScreenWindow;

// What a browser control reports. Unset callbacks are ignored. The engine's
// questions are answered at once, inside its callback, by the answer
// callbacks, which decide without waiting on anything; every report, the
// questions' included (with the answer given), comes later from the main
// loop, never from inside the engine's callback.
struct BrowserEvents {
    std::function<void(const Text& statusText)> statusTextChange;
    // Gets the address the new window is asked to show; returns true to
    // refuse the engine its own window.
    std::function<bool(const Text& address)> answerNewWindow;
    std::function<void(const Text& address, bool refused)> newWindow;
    // Gets the address the page is leaving for by itself (a link, a form,
    // a script); returns true to keep the page where it is.
    std::function<bool(const Text& address)> answerLeave;
    std::function<void(const Text& address, bool kept)> leave;
    std::function<void()> documentComplete;
    std::function<void(QPoint position)> rightButtonDown;
};

// The browser control and, without events, the hypertext view box.
//
// Status text: the address of the link under the pointer, empty when the
// pointer leaves it. New window: the program may cancel it; otherwise the
// page opens in a plain browser window of its own. Document complete: every
// finished load. Right button: reported with its position, and the engine's
// own context menu is not shown. HTML5 full screen asked for by the page
// (a video's full-screen button) shows the page on the whole screen until
// the page leaves it or the user presses Esc. Until its first page has
// painted content, the view shows its window's background colour (see
// FirstPaintCover), and the page's own background is that colour too (the
// engine's default is white), so a view never flashes white over a dark
// window. A view
// that is hidden itself (not only with its window) after its page has
// loaded gives up its page (the engine discards it and frees the
// renderer's share); showing or navigating it loads the page again.
//
// A renderer that ends abnormally (a crash, killed for memory) is answered
// from the main loop: the view reloads its page once; when the renderer
// ends again within a minute, the view shows the profile's crashed page
// (setCrashedPage) with a link back to the page. Only the view changes: no
// event reaches the model, and the crashed page's own load is not reported
// as a document complete.
class BrowserView final : public QWebEngineView {
public:
    BrowserView(QWebEngineProfile& profile, QWidget* parent, BrowserEvents events);
    ~BrowserView() override;
    BrowserView(const BrowserView&) = delete;
    BrowserView& operator=(const BrowserView&) = delete;

    // Navigates; the silent flag holds for this page from now on.
    void navigate(const Text& address, bool silent);
    void command(ui::BrowserCommand command);

    bool fullScreen() const { return fullScreen_ != nullptr; }
    // The window is closing: the page leaves full screen and stops loading.
    void shutDown();

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWebEnginePage* openWindow(QuietPage& opener, const QUrl& address);
    bool answerLeave(const QUrl& address);
    // Runs `report` from the main loop once the engine's callback has
    // returned; dropped when this view is gone by then.
    void later(std::function<void()> report);
    void onFullScreenRequested(QWebEngineFullScreenRequest request);
    void leaveFullScreen();
    void onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode);
    // The crashed page with a link back to `address`, or nothing when the
    // profile has none.
    std::optional<QUrl> crashedPageFor(const QUrl& address) const;
    bool showsCrashedPage() const;

    QWebEngineProfile& profile_;
    QuietPage* page_;  // owned by this view; shown by the full-screen window while it is open
    BrowserEvents events_;
    std::unique_ptr<FullScreenWindow> fullScreen_;
    bool loaded_ = false;
    std::optional<std::chrono::steady_clock::time_point> rendererEnded_;
    QUrl crashedAddress_;  // the page the crashed page links back to
};

// The local page every browser view of `profile` shows after its renderer
// ended twice within a minute; an empty path: none, the view stays as the
// engine left it.
void setCrashedPage(QWebEngineProfile& profile, const QString& path);

// Opens a page in a plain browser window owned by `owner` (closed with it,
// or deleted when the user closes it) and returns the new page.
QWebEnginePage* openPlainBrowserWindow(QWebEngineProfile& profile, QWidget* owner, bool silent);

}  // namespace quillo::qt
