#include "platform/qt/browser_view.hpp"

#include <utility>

#include "platform/qt/qt_text.hpp"

namespace quillo::qt {
namespace {

constexpr QSize kPlainWindowSize{1000, 700};

}  // namespace

BrowserView::BrowserView(QWebEngineProfile& profile, QWidget* parent, BrowserEvents events)
    : QWebEngineView(parent),
      profile_(profile),
      page_(new QuietPage(profile, this, [this](QuietPage& opener) { return openWindow(opener); })),
      events_(std::move(events)) {
    setPage(page_);
    connect(page_, &QWebEnginePage::linkHovered, this, [this](const QString& address) {
        if (events_.statusTextChange) {
            events_.statusTextChange(addressText(address));
        }
    });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
        if (events_.documentComplete) {
            events_.documentComplete();
        }
    });
    if (events_.rightButtonDown) {
        setContextMenuPolicy(Qt::CustomContextMenu);
        connect(this, &QWidget::customContextMenuRequested, this,
                [this](const QPoint& position) { events_.rightButtonDown(position); });
    } else {
        setContextMenuPolicy(Qt::NoContextMenu);
    }
}

void BrowserView::navigate(const Text& address, bool silent) {
    page_->setSilent(silent);
    load(addressUrl(address));
}

void BrowserView::command(ui::BrowserCommand command) {
    switch (command) {
        case ui::BrowserCommand::Navigate:
            break;
        case ui::BrowserCommand::GoBack:
            back();
            break;
        case ui::BrowserCommand::GoForward:
            forward();
            break;
        case ui::BrowserCommand::Refresh:
            reload();
            break;
        case ui::BrowserCommand::Stop:
            stop();
            break;
    }
}

QWebEnginePage* BrowserView::openWindow(QuietPage& opener) {
    const bool cancel = events_.newWindow ? events_.newWindow() : false;
    if (cancel) {
        return nullptr;
    }
    return openPlainBrowserWindow(profile_, window(), opener.silent());
}

QWebEnginePage* openPlainBrowserWindow(QWebEngineProfile& profile, QWidget* owner, bool silent) {
    // Owned by `owner` through Qt's parent ownership; a window of its own.
    auto* view = new QWebEngineView(owner);
    view->setWindowFlag(Qt::Window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    auto* page = new QuietPage(profile, view, [&profile, view](QuietPage& opener) {
        return openPlainBrowserWindow(profile, view, opener.silent());
    });
    page->setSilent(silent);
    view->setPage(page);
    QObject::connect(page, &QWebEnginePage::titleChanged, view,
                     [view](const QString& title) { view->setWindowTitle(title); });
    view->resize(kPlainWindowSize);
    view->show();
    return page;
}

}  // namespace quillo::qt
