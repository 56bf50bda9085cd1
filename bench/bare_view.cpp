// quillo-bare-view ADDRESS
// The reference of the desktop benchmark: one QWebEngineView of the main
// window's size showing ADDRESS, with the browser engine's flags and
// environment exactly as the program sets them, and nothing else.
// When the page has loaded completely (the moment the program swaps its
// loading page for the site) it prints "document complete <seconds>" on
// standard output, the seconds on the monotonic clock.

#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>
#include <ctime>

#include "platform/qt/web_engine_environment.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillo-bare-view ADDRESS\n");
        return 2;
    }
    quillo::qt::prepareWebEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QWebEngineView view;
    view.setWindowTitle(QStringLiteral("bare view"));
    view.resize(984, 624);
    bool reported = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&reported](bool ok) {
        if (!ok || reported) {
            return;
        }
        reported = true;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("document complete %.3f\n",
                    static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9);
        std::fflush(stdout);
    });
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    return QApplication::exec();
}
