#pragma once

#include <QPoint>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <functional>

#include "core/text.hpp"
#include "platform/qt/quiet_page.hpp"
#include "ui/model/backend.hpp"

namespace quillo::qt {

// What a browser control reports. Unset callbacks are ignored.
struct BrowserEvents {
    std::function<void(const Text& statusText)> statusTextChange;
    // Returns the handler's cancel flag.
    std::function<bool()> newWindow;
    std::function<void()> documentComplete;
    std::function<void(QPoint position)> rightButtonDown;
};

// The browser control and, without events, the hypertext view box.
//
// Status text: the address of the link under the pointer, empty when the
// pointer leaves it. New window: the program may cancel it; otherwise the
// page opens in a plain browser window of its own. Document complete: every
// finished load. Right button: reported with its position, and the engine's
// own context menu is not shown.
class BrowserView final : public QWebEngineView {
public:
    BrowserView(QWebEngineProfile& profile, QWidget* parent, BrowserEvents events);

    // Navigates; the silent flag holds for this page from now on.
    void navigate(const Text& address, bool silent);
    void command(ui::BrowserCommand command);

private:
    QWebEnginePage* openWindow(QuietPage& opener);

    QWebEngineProfile& profile_;
    QuietPage* page_;  // owned by this view
    BrowserEvents events_;
};

// Opens a page in a plain browser window owned by `owner` (closed with it,
// or deleted when the user closes it) and returns the new page.
QWebEnginePage* openPlainBrowserWindow(QWebEngineProfile& profile, QWidget* owner, bool silent);

}  // namespace quillo::qt
