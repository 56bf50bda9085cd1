// Where a pop-up stands when the program cannot place its windows (native
// Wayland): a pop-up surface of the main window, in its bottom-right
// corner; where the program places its windows nothing changes. On the
// offscreen platform, the choice made as it would be on either.

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest>

#include "platform/qt/popup_anchor.hpp"

namespace quillo::qt {
namespace {

class PopUpAnchorTest : public QObject {
    Q_OBJECT

private slots:
    void cornerInsideTheAnchor_data() {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("popup");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("smaller") << QRect(50, 50, 984, 624) << QSize(296, 246)
                                 << QRect(738, 428, 296, 246);
        QTest::newRow("same size")
            << QRect(10, 20, 300, 200) << QSize(300, 200) << QRect(10, 20, 300, 200);
        QTest::newRow("wider") << QRect(0, 0, 200, 400) << QSize(296, 246)
                               << QRect(0, 154, 296, 246);
    }

    void cornerInsideTheAnchor() {
        QFETCH(QRect, anchor);
        QFETCH(QSize, popup);
        QFETCH(QRect, expected);
        QCOMPARE(cornerInside(anchor, popup), expected);
    }

    void popUpOfTheShownMainWindowWhereTheProgramCannotPlaceWindows() {
        QWidget main(nullptr, Qt::Window | Qt::FramelessWindowHint);
        main.setGeometry(50, 50, 984, 624);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        popup.setGeometry(1066, 518, 296, 246);

        QVERIFY(anchorToWindow(popup, main, false));
        QCOMPARE(popup.windowType(), Qt::ToolTip);
        QVERIFY(popup.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        QCOMPARE(popup.geometry(), QRect(738, 428, 296, 246));
        QVERIFY(popup.windowHandle() != nullptr);
        QCOMPARE(popup.windowHandle()->transientParent(), main.windowHandle());
    }

    void leftAloneWhereTheProgramPlacesWindowsOrTheMainWindowIsAway() {
        QWidget main(nullptr, Qt::Window | Qt::FramelessWindowHint);
        main.setGeometry(50, 50, 984, 624);
        QWidget popup(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        popup.setGeometry(1066, 518, 296, 246);

        // Hidden main window (in the tray): the pop-up stays a window of its own.
        QVERIFY(!anchorToWindow(popup, main, false));
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        // X11: the program places its windows.
        QVERIFY(!anchorToWindow(popup, main, true));
        QCOMPARE(popup.windowType(), Qt::Tool);
        QCOMPARE(popup.geometry(), QRect(1066, 518, 296, 246));
    }
};

}  // namespace
}  // namespace quillo::qt

QTEST_MAIN(quillo::qt::PopUpAnchorTest)
#include "popup_anchor_test.moc"
