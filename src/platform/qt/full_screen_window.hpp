#pragma once

#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

namespace quillo::qt {

// A screen-filling window that shows a page while the page is in HTML5
// full screen (a video's full-screen button). It borrows the page from its
// browser view, which takes it back before deleting this window. Esc, or an
// attempt of the window system to close it, asks the page to leave full
// screen, which the page then reports as usual.
class FullScreenWindow final : public QWidget {
public:
    explicit FullScreenWindow(QWebEnginePage& page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWebEnginePage& page_;
    QWebEngineView* view_;  // owned by this widget
};

}  // namespace quillo::qt
