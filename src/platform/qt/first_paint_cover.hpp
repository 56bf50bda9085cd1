#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWebEnginePage>
#include <QWidget>

class QWebEngineView;

namespace quillo::qt {

class QuietPage;

// Covers a browser view in its window's background colour until the view's
// page has painted content for the first time, so that an empty view (never
// navigated, or waiting for its renderer) and a page's blank first frames
// never show. The page paints beneath the cover all along; the cover goes
// for good once the page reports its first contentful paint, or at the
// latest a short fixed time after the page finished loading while the view
// is shown: a page that paints nothing, or whose renderer is too busy (with
// a film, say) to answer, is never left behind the cover. The page reports
// its first contentful paint itself, from a script of the program's own
// script world, through a console message only the cover knows; while the
// page loads, the cover also asks now and then, for a page whose report
// does not come. A child of the view, which owns it.
class FirstPaintCover final : public QWidget {
public:
    FirstPaintCover(QWebEngineView& view, QuietPage& page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch();
    void check();
    void uncover(const char* why);
    void stopReports();

    QWebEngineView& view_;
    QPointer<QuietPage> page_;  // the view's page, which may go first
    QString reportToken_;       // the console message that reports the paint
    QTimer poll_;
    QTimer deadline_;  // single shot, from the end of the load while shown
    QElapsedTimer sinceLoaded_;
    bool loading_ = false;  // a page load has begun: there is a paint to wait for
    bool loaded_ = false;
    bool asking_ = false;  // a check is running in the page
    bool lifted_ = false;
};

}  // namespace quillo::qt
