#include "support/testmain.h"

#include "ui/statusbar.h"
#include "ui/thememanager.h"
#include "uitestsupport.h"

#include <QLabel>
#include <QProgressBar>

class StatusBarTest : public QObject
{
    Q_OBJECT

private:
    static QLabel *label(StatusBar &bar, const char *name)
    {
        return bar.findChild<QLabel *>(QLatin1String(name));
    }

    static bool busyIndicatorShown(StatusBar &bar)
    {
        return !label(bar, "progressLabel")->isHidden() && !bar.findChild<QProgressBar *>()->isHidden();
    }

private Q_SLOTS:
    void startsOfflineWithNothingElseShown()
    {
        StatusBar bar;
        QCOMPARE(label(bar, "syncStatusLabel")->text(), QStringLiteral("Offline"));
        QVERIFY(label(bar, "accountCountLabel")->text().isEmpty());
        QVERIFY(!busyIndicatorShown(bar));
        auto *progress = bar.findChild<QProgressBar *>();
        QCOMPARE(progress->minimum(), 0);
        QCOMPARE(progress->maximum(), 0);
        QVERIFY(!progress->isTextVisible());
    }

    void accountCountUsesThePluralForm_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "0 account(s)";
        QTest::newRow("one") << 1 << "1 account(s)";
        QTest::newRow("two") << 2 << "2 account(s)";
    }

    void accountCountUsesThePluralForm()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        StatusBar bar;
        bar.setAccountCount(count);
        QCOMPARE(label(bar, "accountCountLabel")->text(), text);
    }

    void recurringBadgeHidesAtZeroAndTakesTheCurrentPaletteColor()
    {
        UiStateGuard guard;
        QApplication::setPalette(ThemeManager::lightPalette());
        StatusBar bar;
        QLabel *badge = label(bar, "recurringDueLabel");
        QVERIFY(badge->isHidden());

        bar.setRecurringDueCount(3);
        QVERIFY(!badge->isHidden());
        QCOMPARE(badge->text(), QStringLiteral("  \u2022  3 recurring due"));
        QCOMPARE(badge->styleSheet(), QStringLiteral("color: #e65100; font-weight: bold;"));

        bar.setRecurringDueCount(0);
        QVERIFY(badge->isHidden());
        QCOMPARE(badge->text(), QStringLiteral("  \u2022  3 recurring due"));

        QApplication::setPalette(ThemeManager::darkPalette());
        bar.setRecurringDueCount(1);
        QVERIFY(!badge->isHidden());
        QCOMPARE(badge->text(), QStringLiteral("  \u2022  1 recurring due"));
        QCOMPARE(badge->styleSheet(), QStringLiteral("color: #ffa726; font-weight: bold;"));

        bar.setRecurringDueCount(-2);
        QVERIFY(badge->isHidden());
    }

    void recurringBadgeLeavesTheBusyIndicatorAlone()
    {
        StatusBar bar;
        bar.showProgress(QStringLiteral("Importing…"));
        bar.setRecurringDueCount(0);
        QVERIFY(busyIndicatorShown(bar));
    }

    void ownMessageEndsTheBusyIndicatorButTheBaseOneDoesNot()
    {
        StatusBar bar;
        bar.showProgress(QStringLiteral("Checking for updates…"));
        QVERIFY(busyIndicatorShown(bar));
        QCOMPARE(label(bar, "progressLabel")->text(), QStringLiteral("Checking for updates…"));

        static_cast<QStatusBar &>(bar).showMessage(QStringLiteral("Saved"), 3000);
        QVERIFY(busyIndicatorShown(bar));

        bar.showMessage(QStringLiteral("Tallyra is up to date"), 5000);
        QVERIFY(!busyIndicatorShown(bar));
        QCOMPARE(bar.currentMessage(), QStringLiteral("Tallyra is up to date"));

        bar.showProgress(QStringLiteral("Loading"));
        bar.hideProgress();
        QVERIFY(!busyIndicatorShown(bar));
    }

    void syncTextAndThemeColors()
    {
        UiStateGuard guard;
        StatusBar bar;
        bar.setSyncStatus(QStringLiteral("Syncing..."));
        QCOMPARE(label(bar, "syncStatusLabel")->text(), QStringLiteral("Syncing..."));

        QApplication::setPalette(ThemeManager::lightPalette());
        bar.applyTheme();
        QCOMPARE(label(bar, "syncStatusLabel")->styleSheet(), QStringLiteral("color: #2A3D33;"));
        QCOMPARE(label(bar, "accountCountLabel")->styleSheet(), QStringLiteral("color: #2A3D33;"));

        QApplication::setPalette(ThemeManager::darkPalette());
        bar.applyTheme();
        QCOMPARE(label(bar, "syncStatusLabel")->styleSheet(), QStringLiteral("color: #8FAF9F;"));
        QVERIFY(label(bar, "recurringDueLabel")->styleSheet().isEmpty());
    }

    void labelsFollowTheFontScale()
    {
        StatusBar bar;
        const auto labels = bar.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 4);
        for (const QLabel *each : labels)
            QCOMPARE(each->property("lumoFontRole").toInt(), 0);
    }
};

TALLYRA_TEST(StatusBarTest)
#include "test_statusbar.moc"
