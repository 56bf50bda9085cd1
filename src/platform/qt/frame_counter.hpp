#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWindow>

class QWidget;

namespace quillo::qt {

// Counts the frames composed for one top-level window (each update the
// window's backing store is asked to bring to the screen, and each expose)
// and reports every one under the log category "quillo.frames" at debug
// level ("frame N of NAME"), so that a window repainting for nothing can
// be seen from outside:
//
//     QT_LOGGING_RULES="quillo.frames.debug=true" quillo
//
// Installed only while that category is on, so that it costs nothing
// otherwise. A child of the window, which owns it.
class FrameCounter final : public QObject {
public:
    // Installs a counter on `window` when the category is on.
    static void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FrameCounter(QWidget& window);
    void count(const char* what);

    QWidget& window_;
    QPointer<QWindow> handle_;  // the native window once it exists
    quint64 frames_ = 0;
};

}  // namespace quillo::qt
