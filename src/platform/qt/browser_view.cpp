#include "platform/qt/browser_view.hpp"

#include <QEvent>
#include <QHideEvent>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QOpenGLWidget>
#include <QPalette>
#include <QWebEngineFullScreenRequest>
#include <utility>

#include "platform/qt/first_paint_cover.hpp"
#include "platform/qt/frame_counter.hpp"
#include "platform/qt/full_screen_window.hpp"
#include "platform/qt/qt_text.hpp"
#include "platform/qt/web_engine_environment.hpp"

namespace quillo::qt {
namespace {

Q_LOGGING_CATEGORY(browserLog, "quillo.app")

constexpr QSize kPlainWindowSize{1000, 700};

// A renderer that ends again within this time after the view reloaded its
// page is not given another reload.
constexpr std::chrono::seconds kRendererRetryWindow{60};

// The dynamic property of the profile that holds the crashed page's path.
constexpr char kCrashedPageProperty[] = "quillo_crashedPage";

const char* terminationText(QWebEnginePage::RenderProcessTerminationStatus status) {
    switch (status) {
        case QWebEnginePage::NormalTerminationStatus:
            return "ended normally";
        case QWebEnginePage::AbnormalTerminationStatus:
            return "ended abnormally";
        case QWebEnginePage::CrashedTerminationStatus:
            return "crashed";
        case QWebEnginePage::KilledTerminationStatus:
            return "was killed";
    }
    return "ended";
}

// The engine draws a page into a texture that its top-level window
// composes on the GPU. Such a window must be created for that from the
// start: when the engine's drawing child only arrives after the window was
// first shown (the page starts loading then), the window is destroyed and
// created anew, which maps it again on top of every other window, gives it
// a new task bar entry and shows its first frames twice. A hidden texture
// child, present when the window is first created, declares the need early.
// Pages composed in software need none of this.
void declareTextureComposition(QWidget& view) {
    if (pagesComposedInSoftware()) {
        return;
    }
    auto* placeholder = new QOpenGLWidget(&view);
    placeholder->setObjectName(QStringLiteral("quillo-texture-placeholder"));
    placeholder->setFixedSize(0, 0);
    placeholder->hide();
}

}  // namespace

BrowserView::BrowserView(QWebEngineProfile& profile, QWidget* parent, BrowserEvents events)
    : QWebEngineView(parent),
      profile_(profile),
      page_(new QuietPage(
          profile, this,
          [this](QuietPage& opener, const QUrl& address) { return openWindow(opener, address); },
          [this](const QUrl& address) { return answerLeave(address); })),
      events_(std::move(events)) {
    declareTextureComposition(*this);
    page_->setBackgroundColor(palette().color(QPalette::Window));
    setPage(page_);
    new FirstPaintCover(*this, *page_);  // owned by this view
    connect(page_, &QWebEnginePage::linkHovered, this, [this](const QString& address) {
        if (events_.statusTextChange) {
            later([this, text = addressText(address)] { events_.statusTextChange(text); });
        }
    });
    connect(page_, &QWebEnginePage::loadStarted, this, [this] { loaded_ = false; });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool) {
        loaded_ = true;
        if (events_.documentComplete && !showsCrashedPage()) {
            later([this] { events_.documentComplete(); });
        }
    });
    connect(
        page_, &QWebEnginePage::fullScreenRequested, this,
        [this](QWebEngineFullScreenRequest request) { onFullScreenRequested(std::move(request)); });
    // Answered at once; the view recovers from the main loop, once the
    // engine has finished with the ended renderer.
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
                QMetaObject::invokeMethod(
                    this, [this, status, exitCode] { onRendererEnded(status, exitCode); },
                    Qt::QueuedConnection);
            });
    if (events_.rightButtonDown) {
        setContextMenuPolicy(Qt::CustomContextMenu);
        connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
            later([this, position] { events_.rightButtonDown(position); });
        });
    } else {
        setContextMenuPolicy(Qt::NoContextMenu);
    }
}

BrowserView::~BrowserView() {
    leaveFullScreen();
}

// The page is used directly rather than through the view's own shortcuts,
// which would make the view a fresh page of its own while the full-screen
// window shows this one.
void BrowserView::navigate(const Text& address, bool silent) {
    page_->setSilent(silent);
    page_->load(addressUrl(address));
}

void BrowserView::command(ui::BrowserCommand command) {
    switch (command) {
        case ui::BrowserCommand::Navigate:
            break;
        case ui::BrowserCommand::GoBack:
            page_->triggerAction(QWebEnginePage::Back);
            break;
        case ui::BrowserCommand::GoForward:
            page_->triggerAction(QWebEnginePage::Forward);
            break;
        case ui::BrowserCommand::Refresh:
            page_->triggerAction(QWebEnginePage::Reload);
            break;
        case ui::BrowserCommand::Stop:
            page_->triggerAction(QWebEnginePage::Stop);
            break;
    }
}

void BrowserView::shutDown() {
    leaveFullScreen();
    page_->triggerAction(QWebEnginePage::Stop);
}

void BrowserView::changeEvent(QEvent* event) {
    QWebEngineView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        page_->setBackgroundColor(palette().color(QPalette::Window));
    }
}

void BrowserView::hideEvent(QHideEvent* event) {
    QWebEngineView::hideEvent(event);
    // A page still loading goes on loading hidden (the site behind the
    // loading page); one hidden with its window, or showing full screen,
    // keeps its state.
    if (loaded_ && isHidden() && !fullScreen_ &&
        page_->lifecycleState() == QWebEnginePage::LifecycleState::Active) {
        page_->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
    }
}

void BrowserView::later(std::function<void()> report) {
    QMetaObject::invokeMethod(this, std::move(report), Qt::QueuedConnection);
}

// Inside the engine's new-window callback: the answer now, the event later.
QWebEnginePage* BrowserView::openWindow(QuietPage& opener, const QUrl& address) {
    const Text text = addressText(address.toString(QUrl::FullyEncoded));
    const bool refused = events_.answerNewWindow && events_.answerNewWindow(text);
    if (events_.newWindow) {
        later([this, text, refused] { events_.newWindow(text, refused); });
    }
    if (refused) {
        return nullptr;
    }
    return openPlainBrowserWindow(profile_, window(), opener.silent());
}

// Inside the engine's navigation decision: the answer now, the event later.
bool BrowserView::answerLeave(const QUrl& address) {
    const Text text = addressText(address.toString(QUrl::FullyEncoded));
    const bool kept = events_.answerLeave && events_.answerLeave(text);
    if (events_.leave) {
        later([this, text, kept] { events_.leave(text, kept); });
    }
    return kept;
}

void BrowserView::onFullScreenRequested(QWebEngineFullScreenRequest request) {
    if (request.toggleOn() == fullScreen()) {
        request.accept();
        return;
    }
    request.accept();
    if (request.toggleOn()) {
        fullScreen_ = std::make_unique<FullScreenWindow>(*page_);
        return;
    }
    leaveFullScreen();
    // Back to the skinned window the page was shown in.
    if (QWidget* top = window(); top->isVisible()) {
        top->raise();
        top->activateWindow();
    }
}

void BrowserView::leaveFullScreen() {
    if (fullScreen_) {
        setPage(page_);
        fullScreen_.reset();
    }
}

void BrowserView::onRendererEnded(QWebEnginePage::RenderProcessTerminationStatus status,
                                  int exitCode) {
    // A page given up while hidden ends its renderer on purpose.
    if (status == QWebEnginePage::NormalTerminationStatus ||
        page_->lifecycleState() == QWebEnginePage::LifecycleState::Discarded) {
        return;
    }
    const QUrl shown = page_->url().isEmpty() ? page_->requestedUrl() : page_->url();
    const QUrl address = showsCrashedPage() ? crashedAddress_ : shown;
    const QString what =
        QStringLiteral("the renderer of %1 %2 (exit code %3)")
            .arg(objectName().isEmpty() ? QStringLiteral("a browser view") : objectName(),
                 QString::fromLatin1(terminationText(status)), QString::number(exitCode));
    const auto now = std::chrono::steady_clock::now();
    const bool again = rendererEnded_ && now - *rendererEnded_ < kRendererRetryWindow;
    rendererEnded_ = now;
    if (!again) {
        qCWarning(browserLog).noquote()
            << QStringLiteral("%1; reloading %2").arg(what, address.toDisplayString());
        if (page_->url().isEmpty()) {
            page_->load(address);
        } else {
            page_->triggerAction(QWebEnginePage::Reload);
        }
        return;
    }
    const std::optional<QUrl> crashedPage = crashedPageFor(address);
    qCWarning(browserLog).noquote()
        << QStringLiteral("%1 again within %2 s; %3 %4")
               .arg(what, QString::number(kRendererRetryWindow.count()),
                    crashedPage ? QStringLiteral("showing the crashed page for")
                                : QStringLiteral("no crashed page to show for"),
                    address.toDisplayString());
    if (crashedPage) {
        crashedAddress_ = address;
        page_->load(*crashedPage);
    }
}

std::optional<QUrl> BrowserView::crashedPageFor(const QUrl& address) const {
    const QString path = profile_.property(kCrashedPageProperty).toString();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QUrl page = QUrl::fromLocalFile(path);
    // The page reads the address to go back to from its fragment.
    page.setFragment(QString::fromLatin1(address.toEncoded()), QUrl::DecodedMode);
    return page;
}

bool BrowserView::showsCrashedPage() const {
    const QString path = profile_.property(kCrashedPageProperty).toString();
    return !path.isEmpty() &&
           page_->url().adjusted(QUrl::RemoveFragment) == QUrl::fromLocalFile(path);
}

void setCrashedPage(QWebEngineProfile& profile, const QString& path) {
    profile.setProperty(kCrashedPageProperty, path);
}

QWebEnginePage* openPlainBrowserWindow(QWebEngineProfile& profile, QWidget* owner, bool silent) {
    // Owned by `owner` through Qt's parent ownership; a window of its own.
    auto* view = new QWebEngineView(owner);
    view->setWindowFlag(Qt::Window);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setObjectName(QStringLiteral("quillo-plain-browser"));
    FrameCounter::watch(*view);
    auto* page = new QuietPage(profile, view, [&profile, view](QuietPage& opener, const QUrl&) {
        return openPlainBrowserWindow(profile, view, opener.silent());
    });
    page->setSilent(silent);
    view->setPage(page);
    QObject::connect(page, &QWebEnginePage::titleChanged, view,
                     [view](const QString& title) { view->setWindowTitle(title); });
    QObject::connect(page, &QWebEnginePage::fullScreenRequested, view,
                     [](QWebEngineFullScreenRequest request) { request.reject(); });
    view->resize(kPlainWindowSize);
    view->show();
    return page;
}

}  // namespace quillo::qt
