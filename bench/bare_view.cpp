// quillo-bare-view ADDRESS
// The reference of the desktop benchmark: one QWebEngineView of the main
// window's size showing ADDRESS, with the browser engine's flags and
// environment exactly as the program sets them, and nothing else.

#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

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
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    return QApplication::exec();
}
