#include "platform/qt/first_paint_cover.hpp"

#include <QChildEvent>
#include <QEvent>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QUuid>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include "platform/qt/quiet_page.hpp"

namespace quillo::qt {
namespace {

Q_LOGGING_CATEGORY(coverLog, "quillo.platform")

// How often a shown, covered view asks its page whether it has painted.
constexpr int kPollMs = 40;

// The latest the cover stays once the page has loaded and the view shows.
// Pages that answer report their first contentful paint well within it;
// one that does not (its renderer busy decoding a film for another window,
// or a page with nothing to paint) shows as it stands after it.
constexpr int kAfterLoadMs = 300;

// 2: content (text, pictures) painted; 1: something painted; 0: nothing yet.
// Asked in the program's own script world, out of the page's way.
const QString kPaintQuery = QStringLiteral(
    "(() => { const p = performance.getEntriesByType('paint');"
    " return p.some(e => e.name === 'first-contentful-paint') ? 2 : (p.length > 0 ? 1 : 0); })()");

const QString kReportScriptName = QStringLiteral("quillo-first-paint-report");

// Runs as each document of the main frame is created, in the program's own
// script world: reports the first contentful paint once, as it happens.
QWebEngineScript paintReport(const QString& token) {
    QWebEngineScript script;
    script.setName(kReportScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(
        QStringLiteral("(() => { try { new PerformanceObserver((list, observer) => {"
                       " if (list.getEntries().some(e => e.name === 'first-contentful-paint')) {"
                       " observer.disconnect(); console.debug('%1'); } })"
                       ".observe({type: 'paint', buffered: true}); } catch (e) {} })();")
            .arg(token));
    return script;
}

}  // namespace

FirstPaintCover::FirstPaintCover(QWebEngineView& view, QuietPage& page)
    : QWidget(&view),
      view_(view),
      page_(&page),
      reportToken_(QStringLiteral("quillo-painted-") +
                   QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    // The view's own colours are its window's: the cover is the background.
    setAutoFillBackground(true);
    setGeometry(view.rect());
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &FirstPaintCover::check);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kAfterLoadMs);
    connect(&deadline_, &QTimer::timeout, this, [this] { uncover("time after the load"); });
    connect(&page, &QWebEnginePage::loadStarted, this, [this] {
        loading_ = true;
        loaded_ = false;
        deadline_.stop();
        watch();
    });
    connect(&page, &QWebEnginePage::loadFinished, this, [this](bool) {
        loaded_ = true;
        sinceLoaded_.start();
        watch();
    });
    page.scripts().insert(paintReport(reportToken_));
    page.setConsoleWatcher(
        [cover = QPointer<FirstPaintCover>(this), token = reportToken_](const QString& message) {
            if (message != token) {
                return false;
            }
            // Inside the engine's callback: lift the cover from the loop.
            if (!cover.isNull()) {
                QMetaObject::invokeMethod(
                    cover.data(),
                    [cover] {
                        if (!cover.isNull()) {
                            cover->uncover("reported first contentful paint");
                        }
                    },
                    Qt::QueuedConnection);
            }
            return true;
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
        if (loaded_ && !deadline_.isActive()) {
            deadline_.start();
        }
        check();
    } else {
        poll_.stop();
        deadline_.stop();
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
                             if (painted == 2) {
                                 cover->uncover("first contentful paint, asked");
                             } else if (painted == 1 && cover->loaded_) {
                                 cover->uncover("first paint after the load");
                             }
                         });
}

void FirstPaintCover::uncover(const char* why) {
    if (lifted_) {
        return;
    }
    lifted_ = true;
    qCDebug(coverLog).noquote()
        << QStringLiteral("cover of a view in %1 lifted at its %2 (%3 the load finished)")
               .arg(view_.window()->objectName(), QLatin1String(why),
                    loaded_ ? QStringLiteral("%1 ms after").arg(sinceLoaded_.elapsed())
                            : QStringLiteral("before"));
    poll_.stop();
    deadline_.stop();
    view_.removeEventFilter(this);
    stopReports();
    hide();
    deleteLater();
}

void FirstPaintCover::stopReports() {
    if (page_.isNull()) {
        return;
    }
    disconnect(page_, nullptr, this, nullptr);
    page_->setConsoleWatcher({});
    for (const QWebEngineScript& script : page_->scripts().find(kReportScriptName)) {
        page_->scripts().remove(script);
    }
}

}  // namespace quillo::qt
