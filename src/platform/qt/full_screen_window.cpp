#include "platform/qt/full_screen_window.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace quillo::qt {

FullScreenWindow::FullScreenWindow(QWebEnginePage& page)
    : QWidget(nullptr), page_(page), view_(new QWebEngineView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setPage(&page_);
    setStyleSheet(QStringLiteral("background: black;"));
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leave->setContext(Qt::WindowShortcut);
    connect(leave, &QShortcut::activated, this,
            [this] { page_.triggerAction(QWebEnginePage::ExitFullScreen); });
    // The screen's whole area even without a window manager to honour the
    // full-screen state (Xvfb, kiosks).
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    showFullScreen();
    raise();
    activateWindow();
    view_->setFocus();
}

void FullScreenWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    page_.triggerAction(QWebEnginePage::ExitFullScreen);
}

}  // namespace quillo::qt
