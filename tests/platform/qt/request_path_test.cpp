// The request path of the Qt backend in process, on the offscreen platform:
// a handler's request waits in a nested loop while input is held, windows
// are shown and closing takes effect at once.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/qt_backend.hpp"
#include "test_model.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::qt {
namespace {

using ui::ControlKind;
using ui::EventArgs;
using ui::EventKind;

std::vector<ui::WindowDef> testDefinitions() {
    ui::WindowDef main{.name = "MainWindow",
                       .width = 300,
                       .height = 200,
                       .endsProgram = true,
                       .closeControl = "关闭按钮"};
    main.controls = {
        {.kind = ControlKind::ImageButton, .name = "关闭按钮", .geometry = {270, 4, 26, 20}},
        {.kind = ControlKind::ImageButton, .name = "按钮", .geometry = {10, 40, 40, 20}},
    };
    ui::WindowDef second{.name = "SecondWindow", .width = 200, .height = 100, .left = 400};
    return {main, second};
}

// Work that blocks its worker until released (or 30 s pass). The work
// shares the flag, so a worker left behind by an abandoned wait may outlive
// the gate.
class Gate {
public:
    std::function<void()> work() {
        return [open = open_] {
            for (int i = 0; i < 3000 && !open->load(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        };
    }
    void open() { *open_ = true; }

private:
    std::shared_ptr<std::atomic<bool>> open_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace

class RequestPathTest : public QObject {
    Q_OBJECT

public:
    explicit RequestPathTest(QtBackend& backend) : backend_(backend) {}

private slots:
    void init() {
        model_ = attachedModel(backend_, definitions_);
        log_.clear();
        gate_ = Gate{};
    }

    void cleanup() {
        gate_.open();
        destroyEveryWindow(*model_, definitions_);
        model_.reset();
    }

    void inputDuringARealWaitIsHeldUntilTheHandlerEnds() {
        int clicks = 0;
        model_->bind("MainWindow", "按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
            if (++clicks > 1) {
                log_.push_back("held click");
                return;
            }
            QTimer::singleShot(0, [this] {
                button("按钮")->click();
                log_.push_back("clicked during the wait");
                gate_.open();
            });
            log_.push_back("asks");
            QVERIFY(model_->runBlocking(gate_.work()));
            log_.push_back("answered");
        });
        model_->load("MainWindow");

        button("按钮")->click();

        QCOMPARE(log_, (std::vector<std::string>{"asks", "clicked during the wait", "answered",
                                                 "held click"}));
    }

    void anAnswerArrivingBeforeTheWaitBeginsEndsIt() {
        int answered = 0;
        model_->bind("MainWindow", "按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
            for (int i = 0; i < 50; ++i) {
                // The worker ends at once, often before the loop has started.
                answered += model_->runBlocking([] {}) ? 1 : 0;
            }
        });
        model_->load("MainWindow");

        button("按钮")->click();

        QCOMPARE(answered, 50);
    }

    void aWindowCreatedBeforeItsRequestShowsDuringTheWait() {
        bool shownDuringWait = false;
        model_->bind("SecondWindow", "", EventKind::Created, [&](ui::Window&, EventArgs&) {
            QTimer::singleShot(0, [&] {
                QWidget* view = topLevel("SecondWindow");
                shownDuringWait = view != nullptr && view->isVisible();
                gate_.open();
            });
            QVERIFY(model_->runBlocking(gate_.work()));
        });
        model_->load("MainWindow");

        model_->load("SecondWindow");

        QVERIFY(shownDuringWait);
    }

    void closingTheMainWindowDuringAWaitEndsAtOnceAndAbandonsTheRequest() {
        model_->bind("MainWindow", "关闭按钮", EventKind::Clicked, [this](ui::Window&, EventArgs&) {
            log_.push_back("close");
            model_->destroy("MainWindow");
        });
        model_->bind("MainWindow", "按钮", EventKind::Clicked, [this](ui::Window&, EventArgs&) {
            QTimer::singleShot(0, [this] { button("关闭按钮")->click(); });
            log_.push_back("asks");
            model_->runBlocking(gate_.work());  // the gate never opens meanwhile
            log_.push_back("went on after the close");
        });
        model_->load("MainWindow");
        QElapsedTimer clock;
        clock.start();

        button("按钮")->click();

        // Long before the work's 30 s: the wait did not wait for it.
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(log_, (std::vector<std::string>{"asks", "close"}));
        QVERIFY(!model_->running());
        QVERIFY(!model_->requestInFlight());
    }

private:
    static QWidget* topLevel(const char* name) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QString::fromUtf8(name)) {
                return widget;
            }
        }
        return nullptr;
    }
    static QAbstractButton* button(const char* name) {
        QWidget* view = topLevel("MainWindow");
        auto* found =
            view == nullptr ? nullptr : view->findChild<QAbstractButton*>(QString::fromUtf8(name));
        if (found == nullptr) {
            qFatal("no button %s", name);
        }
        return found;
    }

    QtBackend& backend_;
    std::vector<ui::WindowDef> definitions_ = testDefinitions();
    std::unique_ptr<ui::WindowModel> model_;
    std::vector<std::string> log_;
    Gate gate_;
};

}  // namespace quillo::qt

int main(int argc, char** argv) {
    quillo::qt::QtBackend backend;  // owns the QApplication
    quillo::qt::RequestPathTest tests(backend);
    return QTest::qExec(&tests, argc, argv);
}

#include "request_path_test.moc"
