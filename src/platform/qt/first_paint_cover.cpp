#include "platform/qt/first_paint_cover.hpp"

#include <QChildEvent>
#include <QEvent>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace quillo::qt {
namespace {

// How often a shown, covered view asks its page whether it has painted.
constexpr int kPollMs = 40;

// 2: content (text, pictures) painted; 1: something painted; 0: nothing yet.
// Asked in the program's own script world, out of the page's way.
const QString kPaintQuery = QStringLiteral(
    "(() => { const p = performance.getEntriesByType('paint');"
    " return p.some(e => e.name === 'first-contentful-paint') ? 2 : (p.length > 0 ? 1 : 0); })()");

}  // namespace

FirstPaintCover::FirstPaintCover(QWebEngineView& view, QWebEnginePage& page)
    : QWidget(&view), view_(view), page_(&page) {
    // The view's own colours are its window's: the cover is the background.
    setAutoFillBackground(true);
    setGeometry(view.rect());
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &FirstPaintCover::check);
    connect(&page, &QWebEnginePage::loadStarted, this, [this] {
        loading_ = true;
        loaded_ = false;
        watch();
    });
    connect(&page, &QWebEnginePage::loadFinished, this, [this](bool) {
        loaded_ = true;
        watch();
    });
    view.installEventFilter(this);
    raise();
    show();
}

bool FirstPaintCover::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_) {
        switch (event->type()) {
            case QEvent::Resize:
                setGeometry(view_.rect());
                break;
            case QEvent::ChildAdded:
                // The engine's render widget comes and goes with the page:
                // stay above it.
                if (static_cast<QChildEvent*>(event)->child() != this) {
                    raise();
                }
                break;
            case QEvent::Show:
            case QEvent::Hide:
                watch();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A hidden page paints nothing: only a shown view is asked.
void FirstPaintCover::watch() {
    if (loading_ && view_.isVisible()) {
        if (!poll_.isActive()) {
            poll_.start();
        }
        check();
    } else {
        poll_.stop();
    }
}

void FirstPaintCover::check() {
    if (asking_ || page_.isNull()) {
        return;
    }
    asking_ = true;
    page_->runJavaScript(kPaintQuery, QWebEngineScript::ApplicationWorld,
                         [cover = QPointer<FirstPaintCover>(this)](const QVariant& answer) {
                             if (cover.isNull()) {
                                 return;
                             }
                             cover->asking_ = false;
                             const int painted = answer.toInt();
                             if (painted == 2 || (painted == 1 && cover->loaded_)) {
                                 cover->uncover();
                             }
                         });
}

void FirstPaintCover::uncover() {
    poll_.stop();
    view_.removeEventFilter(this);
    if (!page_.isNull()) {
        disconnect(page_, nullptr, this, nullptr);
    }
    hide();
    deleteLater();
}

}  // namespace quillo::qt
