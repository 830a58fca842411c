#include "support/testmain.h"

#include "ui/windowsize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

class WindowSizeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstSizeIsKeptWhereItFitsAndClampedWhereNot_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QSize>("expected");

        const QMargins titleBar(0, 40, 0, 0);
        QTest::newRow("main window, 1920x1080 with a panel")
            << QSize(1280, 900) << QRect(0, 0, 1920, 1040) << titleBar << QSize(1280, 900);
        QTest::newRow("main window, 1440x900 with a top bar")
            << QSize(1280, 900) << QRect(0, 32, 1440, 868) << titleBar << QSize(1280, 828);
        QTest::newRow("main window, 1366x768 with a panel")
            << QSize(1280, 900) << QRect(0, 0, 1366, 728) << titleBar << QSize(1280, 688);
        QTest::newRow("main window, 1024x768, frame on every side")
            << QSize(1280, 900) << QRect(0, 0, 1024, 740) << QMargins(4, 30, 4, 4) << QSize(1016, 706);
        QTest::newRow("reconciliation window, 1024x768")
            << QSize(1100, 720) << QRect(0, 0, 1024, 740) << titleBar << QSize(1024, 700);
        QTest::newRow("exactly fits with its frame")
            << QSize(800, 600) << QRect(0, 0, 800, 640) << titleBar << QSize(800, 600);
        QTest::newRow("one pixel too tall")
            << QSize(800, 601) << QRect(0, 0, 800, 640) << titleBar << QSize(800, 600);
        QTest::newRow("second screen, left of the primary")
            << QSize(1280, 900) << QRect(-1280, 0, 1280, 984) << titleBar << QSize(1280, 900);
        QTest::newRow("small dialog on a small screen")
            << QSize(520, 420) << QRect(0, 0, 800, 600) << titleBar << QSize(520, 420);
        QTest::newRow("no screen known: as wanted")
            << QSize(1280, 900) << QRect() << titleBar << QSize(1280, 900);
    }

    void firstSizeIsKeptWhereItFitsAndClampedWhereNot()
    {
        QFETCH(QSize, wanted);
        QFETCH(QRect, available);
        QFETCH(QMargins, frame);
        QFETCH(QSize, expected);
        QCOMPARE(WindowSize::fitted(wanted, available, frame), expected);
    }

    void aRestoredPlaceIsBroughtOntoTheScreen_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");

        // A title bar of 30 above every window.
        const QRect workArea(0, 0, 1440, 870);
        QTest::newRow("fits: unchanged") << QRect(100, 130, 800, 600) << workArea << QRect(100, 130, 800, 600);
        QTest::newRow("saved on a larger screen")
            << QRect(60, 90, 1900, 1000) << workArea << QRect(0, 30, 1440, 840);
        QTest::newRow("hangs over the right and bottom edges")
            << QRect(1000, 500, 800, 600) << workArea << QRect(640, 270, 800, 600);
        QTest::newRow("title bar above the top edge")
            << QRect(200, 10, 800, 600) << workArea << QRect(200, 30, 800, 600);
        QTest::newRow("left of the work area on a second screen")
            << QRect(-50, 100, 800, 600) << QRect(1920, 0, 1280, 1024) << QRect(1920, 100, 800, 600);
    }

    void aRestoredPlaceIsBroughtOntoTheScreen()
    {
        QFETCH(QRect, geometry);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        QCOMPARE(WindowSize::fittedGeometry(geometry, available, QMargins(0, 30, 0, 0)), expected);
    }

    void aWindowOpensOnItsScreenWithinReach()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget window;
        WindowSize::resizeToFit(&window, available.size() + QSize(400, 300));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.width() <= available.width());
        QVERIFY(window.height() < available.height());

        // Its place from an earlier run on a larger screen.
        window.setGeometry(QRect(available.topLeft() + QPoint(300, 200), available.size() + QSize(500, 500)));
        WindowSize::keepOnScreen(&window);
        QVERIFY2(available.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())));
    }
};

TALLYRA_TEST(WindowSizeTest)

#include "test_windowsize.moc"
