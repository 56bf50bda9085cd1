// The Qt window view in process, on the offscreen platform: windows built
// from a definition, kept in step with the model, reporting to it.

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "core/text.hpp"
#include "platform/qt/image_button.hpp"
#include "platform/qt/picture_box.hpp"
#include "platform/qt/qt_backend.hpp"
#include "test_model.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::qt {
namespace {

using ui::ControlKind;

// One window with a draggable title bar and one control of each kind that
// has a widget, browsers aside.
std::vector<ui::WindowDef> testDefinitions() {
    ui::WindowDef window{.name = "ViewWindow",
                         .width = 300,
                         .height = 200,
                         .left = 40,
                         .top = 50,
                         .title = "测试窗口",
                         .closeControl = "关闭按钮",
                         .escapeControl = "取消按钮",
                         .enterControl = "确定按钮"};
    window.controls = {
        {.kind = ControlKind::PictureBox,
         .name = "toppic",
         .geometry = {0, 0, 300, 30},
         .dragsWindow = true},
        {.kind = ControlKind::ImageButton,
         .name = "关闭按钮",
         .parent = "toppic",
         .geometry = {270, 4, 26, 20},
         .cursor = ui::Cursor::Hand},
        {.kind = ControlKind::TransparentLabel,
         .name = "名称标签",
         .parent = "toppic",
         .geometry = {33, 4, 100, 24},
         .text = "名称"},
        {.kind = ControlKind::PlainLabel, .name = "隐藏标签", .visible = false},
        {.kind = ControlKind::CheckBox,
         .name = "勾选框",
         .geometry = {10, 40, 13, 13},
         .checked = true},
        {.kind = ControlKind::PictureBox, .name = "图片", .geometry = {10, 60, 50, 40}},
        {.kind = ControlKind::Timer, .name = "时钟", .visible = false, .interval = 20},
        {.kind = ControlKind::ImageButton, .name = "取消按钮", .geometry = {200, 170, 40, 20}},
        {.kind = ControlKind::ImageButton, .name = "确定按钮", .geometry = {250, 170, 40, 20}},
    };
    // Advertisement windows, by their role.
    ui::WindowDef popUp{
        .name = "PopUpWindow", .width = 120, .height = 90, .role = ui::WindowRole::PopUp};
    popUp.controls = {
        {.kind = ControlKind::Timer, .name = "时钟", .visible = false, .interval = 20},
    };
    ui::WindowDef popUnder{
        .name = "PopUnderWindow", .width = 160, .height = 100, .role = ui::WindowRole::PopUnder};
    return {window, popUp, popUnder};
}

}  // namespace

class WindowViewTest : public QObject {
    Q_OBJECT

public:
    explicit WindowViewTest(QtBackend& backend) : backend_(backend) {}

private slots:
    void init() { model_ = attachedModel(backend_, definitions_); }

    void cleanup() {
        destroyEveryWindow(*model_, definitions_);
        model_.reset();
    }

    void buildsTheWindowFromItsDefinition() {
        model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QVERIFY(view != nullptr);
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->geometry(), QRect(40, 50, 300, 200));
        QCOMPARE(view->windowTitle(), QStringLiteral("测试窗口"));

        // Children of the title bar are placed relative to it.
        auto* close = child<ImageButton>(view, "关闭按钮");
        QCOMPARE(close->parentWidget()->objectName(), QStringLiteral("toppic"));
        QCOMPARE(close->geometry(), QRect(270, 4, 26, 20));
        QCOMPARE(close->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(child<QLabel>(view, "名称标签")->text(), QStringLiteral("名称"));
        QVERIFY(!child<QLabel>(view, "隐藏标签")->isVisible());
        QVERIFY(child<QCheckBox>(view, "勾选框")->isChecked());

        // Only the picture box whose definition says so moves the window.
        QVERIFY(child<PictureBox>(view, "toppic")->dragsWindow());
        QVERIFY(!child<PictureBox>(view, "图片")->dragsWindow());
    }

    void followsTheModel() {
        ui::Window& window = model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QTRY_VERIFY(view->isVisible());

        window.control("关闭按钮").move(200, 2, 30, 22);
        QCOMPARE(child<ImageButton>(view, "关闭按钮")->geometry(), QRect(200, 2, 30, 22));
        window.control("名称标签").setText(gbk("新名称"));
        QCOMPARE(child<QLabel>(view, "名称标签")->text(), QStringLiteral("新名称"));
        window.control("名称标签").hide();
        QVERIFY(!child<QLabel>(view, "名称标签")->isVisible());
        // A one-line label too narrow for its text takes a smaller font.
        auto* name = child<QLabel>(view, "名称标签");
        window.control("名称标签").setText(gbk("一段放不下的很长的文字"));
        QVERIFY(name->font().pixelSize() < 12);
        QVERIFY(name->fontMetrics().horizontalAdvance(name->text()) <= name->width());
        window.control("名称标签").setText(gbk("新名称"));
        QCOMPARE(name->font().pixelSize(), 12);
        window.control("勾选框").setChecked(false);
        QVERIFY(!child<QCheckBox>(view, "勾选框")->isChecked());

        // Pictures: read from their files; a missing file leaves the slot blank.
        QTemporaryDir files;
        const QString normal = files.filePath("normal.png");
        const QString hover = files.filePath("hover.png");
        QVERIFY(picture(Qt::red, {26, 20}).save(normal));
        QVERIFY(picture(Qt::blue, {13, 10}).save(hover));
        window.control("关闭按钮")
            .setImages(normal.toStdString(), hover.toStdString(),
                       files.filePath("missing.png").toStdString());
        auto* close = child<ImageButton>(view, "关闭按钮");
        QCOMPARE(close->picture(0).size(), QSize(26, 20));
        QCOMPARE(close->picture(1).size(), QSize(13, 10));
        QVERIFY(close->picture(2).isNull());
        window.control("图片").setImage(normal.toStdString());
        QCOMPARE(child<PictureBox>(view, "图片")->picture().toImage().pixelColor(1, 1),
                 QColor(Qt::red));

        window.setTitle(gbk("新标题"));
        QCOMPARE(view->windowTitle(), QStringLiteral("新标题"));
        window.move(60, 70, 320, 240);
        QTRY_COMPARE(view->geometry(), QRect(60, 70, 320, 240));
        window.hide();
        QVERIFY(!view->isVisible());
    }

    // The background picture lies under the controls: a design of the
    // window's proportions fills it, a smaller pattern is tiled.
    void paintsTheBackgroundPictureUnderTheControls() {
        ui::Window& window = model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QTRY_VERIFY(view->isVisible());
        QTemporaryDir files;
        auto halves = [&](const char* name, QSize size) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::red);
            for (int y = 0; y < size.height(); ++y) {
                for (int x = size.width() / 2; x < size.width(); ++x) {
                    image.setPixelColor(x, y, Qt::green);
                }
            }
            const QString file = files.filePath(QLatin1String(name));
            image.save(file);
            return file.toStdString();
        };
        const QString blue = files.filePath("blue.png");
        QVERIFY(picture(Qt::blue, {50, 40}).save(blue));
        window.control("图片").setImage(blue.toStdString());

        window.setBackgroundPicture(halves("design.png", {300, 200}));
        QImage shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(140, 150), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(160, 150), QColor(Qt::green));
        QCOMPARE(shot.pixelColor(20, 70), QColor(Qt::blue));  // the picture box on top

        window.setBackgroundPicture(halves("half.png", {150, 100}));
        shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(140, 150), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(290, 190), QColor(Qt::green));

        window.setBackgroundPicture(halves("pattern.png", {20, 20}));
        shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(205, 150), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(215, 150), QColor(Qt::green));
        QCOMPARE(shot.pixelColor(295, 195), QColor(Qt::green));
    }

    void reportsWhatHappensToTheModel() {
        int clicks = 0;
        int ticks = 0;
        ui::Point pressedAt;
        model_->bind("ViewWindow", "关闭按钮", ui::EventKind::Clicked,
                     [&](ui::Window&, ui::EventArgs&) { ++clicks; });
        model_->bind("ViewWindow", "时钟", ui::EventKind::Tick,
                     [&](ui::Window&, ui::EventArgs&) { ++ticks; });
        model_->bind("ViewWindow", "名称标签", ui::EventKind::LeftButtonDown,
                     [&](ui::Window&, ui::EventArgs& args) { pressedAt = args.position; });
        model_->bind("ViewWindow", "勾选框", ui::EventKind::Clicked,
                     [](ui::Window&, ui::EventArgs&) {});
        ui::Window& window = model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QTRY_VERIFY(view->isVisible());

        QTest::mouseClick(child<ImageButton>(view, "关闭按钮"), Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QTest::mousePress(child<QLabel>(view, "名称标签"), Qt::LeftButton, {}, QPoint(5, 6));
        QCOMPARE(pressedAt, (ui::Point{5, 6}));
        QTest::mouseClick(child<QCheckBox>(view, "勾选框"), Qt::LeftButton);
        QVERIFY(!window.control("勾选框").checked());
        QTRY_VERIFY(ticks > 0);

        // Once the model has destroyed the window, nothing more is reported:
        // another window's timer of the same interval ticks three times
        // meanwhile, which the destroyed one would have matched.
        model_->destroy("ViewWindow");
        QVERIFY(!view->isVisible());
        const int ticksAtEnd = ticks;
        int otherTicks = 0;
        model_->bind("PopUpWindow", "时钟", ui::EventKind::Tick,
                     [&](ui::Window&, ui::EventArgs&) { ++otherTicks; });
        model_->load("PopUpWindow");
        QTRY_VERIFY(otherTicks >= 3);
        QCOMPARE(ticks, ticksAtEnd);
    }

    // The tray icon's notifications reach the window's handler as the codes
    // the behaviours act on: a click 1, a double click 2, the context
    // request (right button) 3; any other notification raises nothing.
    void trayNotificationsReachTheModelAsActionCodes() {
        std::vector<int> codes;
        model_->bind("ViewWindow", "", ui::EventKind::TrayAction,
                     [&codes](ui::Window&, ui::EventArgs& args) { codes.push_back(args.code); });
        ui::Window& window = model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QTRY_VERIFY(view->isVisible());
        window.setTrayIcon("TrayLOGO.ico", gbk("提示"));
        auto* tray = view->findChild<QSystemTrayIcon*>();
        QVERIFY(tray != nullptr);

        for (QSystemTrayIcon::ActivationReason reason :
             {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown,
              QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context}) {
            emit tray->activated(reason);
        }
        const std::vector<int> expected{1, 2, 3};
        QTRY_COMPARE(codes, expected);
    }

    // What the window manager is told; whether the focus stays put is
    // checked on a real X server by the desktop tests.
    void advertisementWindowsStandAsTheirRoleSays() {
        model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QTRY_VERIFY(view->isVisible());
        QVERIFY(!view->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(view->windowType(), Qt::Window);

        // A pop-up is a tool window, which has no task bar entry, and never
        // takes the focus. Its user time is not zero, which window managers
        // answer with a mark of attention.
        model_->load("PopUpWindow");
        QWidget* popUp = topLevel("PopUpWindow");
        QTRY_VERIFY(popUp->isVisible());
        QCOMPARE(popUp->windowType(), Qt::Tool);
        QVERIFY(popUp->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(popUp->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QVERIFY(!popUp->testAttribute(Qt::WA_ShowWithoutActivating));

        // A pop-under is a window of its own that opens without the focus;
        // it takes the keyboard (for the user) once it stands on the
        // screen. (Its layer: see the desktop tests.)
        model_->load("PopUnderWindow");
        QWidget* popUnder = topLevel("PopUnderWindow");
        QTRY_VERIFY(popUnder->isVisible());
        QCOMPARE(popUnder->windowType(), Qt::Window);
        QVERIFY(popUnder->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!popUnder->testAttribute(Qt::WA_ShowWithoutActivating));
        QTRY_VERIFY(!popUnder->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    }

    void windowManagerCloseAndKeysClickTheWindowsButtons() {
        std::vector<std::string> clicked;
        for (const char* button : {"关闭按钮", "取消按钮", "确定按钮"}) {
            model_->bind(
                "ViewWindow", button, ui::EventKind::Clicked,
                [&clicked, button](ui::Window&, ui::EventArgs&) { clicked.emplace_back(button); });
        }
        model_->load("ViewWindow");
        QWidget* view = topLevel("ViewWindow");
        QTRY_VERIFY(view->isVisible());

        // A close request of the window manager: the close button's click,
        // and the window stays until its behaviour closes it.
        QVERIFY(!view->close());
        QVERIFY(view->isVisible());
        QTest::keyClick(view, Qt::Key_Escape);
        QTest::keyClick(view, Qt::Key_Return);
        QTest::keyClick(view, Qt::Key_Enter);
        QTest::keyClick(view, Qt::Key_Space);
        const std::vector<std::string> expected = {"关闭按钮", "取消按钮", "确定按钮", "确定按钮"};
        QCOMPARE(clicked, expected);
    }

private:
    // The shown window of that name; a new window shows once its created
    // event has run, when the event loop next turns.
    static QWidget* topLevel(const char* name) {
        QWidget* shown = nullptr;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                for (QWidget* widget : QApplication::topLevelWidgets()) {
                    if (widget->objectName() == QLatin1String(name) && !widget->isHidden()) {
                        shown = widget;
                        return true;
                    }
                }
                return false;
            },
            5000));
        return shown;
    }

    template <typename W>
    static W* child(QWidget* view, const char* utf8Name) {
        W* found = view->findChild<W*>(QString::fromUtf8(utf8Name));
        if (found == nullptr) {
            qFatal("no widget %s", utf8Name);
        }
        return found;
    }

    static QImage picture(Qt::GlobalColor colour, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QtBackend& backend_;
    std::vector<ui::WindowDef> definitions_ = testDefinitions();
    std::unique_ptr<ui::WindowModel> model_;
};

}  // namespace quillo::qt

int main(int argc, char** argv) {
    quillo::qt::QtBackend backend;  // owns the QApplication
    quillo::qt::WindowViewTest tests(backend);
    return QTest::qExec(&tests, argc, argv);
}

#include "window_view_test.moc"
