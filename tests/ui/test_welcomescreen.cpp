#include "support/testmain.h"

#include "ui/palettehelpers.h"
#include "ui/thememanager.h"
#include "ui/welcomescreen.h"
#include "uitestsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>

namespace {

// What the two modes change, gathered for comparison.
struct ModeState
{
    QString title;
    QString tagline;
    bool noteShown;
    bool cardShown;
    QString createText;
    bool createFlat;
    int createMinHeight;
    QString signInText;
    bool signInFlat;
    int signInMinHeight;
    QString createStyle;
    QString signInStyle;

    bool operator==(const ModeState &) const = default;
};

ModeState modeOf(WelcomeScreen &screen)
{
    auto *create = screen.findChild<QPushButton *>(QStringLiteral("createAccountButton"));
    auto *signIn = screen.findChild<QPushButton *>(QStringLiteral("signInButton"));
    return {screen.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(),
            screen.findChild<QLabel *>(QStringLiteral("taglineLabel"))->text(),
            !screen.findChild<QLabel *>(QStringLiteral("sessionNoteLabel"))->isHidden(),
            !screen.findChild<QWidget *>(QStringLiteral("HowItWorksCard"))->isHidden(),
            create->text(),
            create->isFlat(),
            create->minimumHeight(),
            signIn->text(),
            signIn->isFlat(),
            signIn->minimumHeight(),
            create->styleSheet(),
            signIn->styleSheet()};
}

// Every label's and button's text colour, in construction order.
QList<QColor> textColorsOf(WelcomeScreen &screen)
{
    QList<QColor> colors;
    for (QLabel *label : screen.findChildren<QLabel *>())
        colors.append(shownTextColor(label));
    for (QPushButton *button : screen.findChildren<QPushButton *>())
        colors.append(shownTextColor(button));
    return colors;
}

QLabel *labelWithText(WelcomeScreen &screen, const QString &text)
{
    for (QLabel *label : screen.findChildren<QLabel *>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

} // namespace

class WelcomeScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRunModeInvitesCreatingAnAccount()
    {
        UiStateGuard guard;
        QApplication::setPalette(ThemeManager::lightPalette());
        WelcomeScreen screen(nullptr);
        const ModeState state = modeOf(screen);
        QCOMPARE(state.title, QStringLiteral("Welcome to\nLumora Tallyra"));
        QCOMPARE(state.tagline, QStringLiteral("A digital tallyra register."));
        QVERIFY(!state.noteShown);
        QVERIFY(state.cardShown);
        QCOMPARE(state.createText, QStringLiteral("Create Your First Account"));
        QVERIFY(!state.createFlat);
        QCOMPARE(state.createMinHeight, 40);
        QCOMPARE(state.createStyle, ThemeManager::accentButtonStyleSheet());
        QCOMPARE(state.signInText, QStringLiteral("Already have an account? Sign In"));
        QVERIFY(state.signInFlat);
        QCOMPARE(state.signInStyle, QStringLiteral("color: #00897b;"));
    }

    void sessionEndedModeAndBackRestoresFirstRun()
    {
        WelcomeScreen screen(nullptr);
        const ModeState firstRun = modeOf(screen);

        screen.setSessionExpired(true);
        const ModeState ended = modeOf(screen);
        QCOMPARE(ended.title, QStringLiteral("Welcome back"));
        QCOMPARE(ended.tagline, QStringLiteral("Sign in to keep your data synced across devices."));
        QVERIFY(ended.noteShown);
        QVERIFY(!ended.cardShown);
        QCOMPARE(ended.signInText, QStringLiteral("Sign In"));
        QVERIFY(!ended.signInFlat);
        QCOMPARE(ended.signInMinHeight, 40);
        QCOMPARE(ended.createText, QStringLiteral("Create a different account"));
        QVERIFY(ended.createFlat);
        QCOMPARE(ended.createMinHeight, 0);

        screen.setSessionExpired(false);
        QVERIFY(modeOf(screen) == firstRun);
    }

    void buttonsKeepTheirSignalsInBothModes_data()
    {
        QTest::addColumn<bool>("expired");
        QTest::newRow("first run") << false;
        QTest::newRow("session ended") << true;
    }

    void buttonsKeepTheirSignalsInBothModes()
    {
        QFETCH(bool, expired);
        WelcomeScreen screen(nullptr);
        screen.setSessionExpired(expired);
        QSignalSpy create(&screen, &WelcomeScreen::createAccountRequested);
        QSignalSpy signIn(&screen, &WelcomeScreen::signInRequested);
        screen.findChild<QPushButton *>(QStringLiteral("signInButton"))->click();
        QCOMPARE(signIn.count(), 1);
        QCOMPARE(create.count(), 0);
        screen.findChild<QPushButton *>(QStringLiteral("createAccountButton"))->click();
        QCOMPARE(create.count(), 1);
        QCOMPARE(signIn.count(), 1);
    }

    void themeSwitchRestylesThePageAsAFreshStartWould_data()
    {
        QTest::addColumn<bool>("expired");
        QTest::newRow("first run") << false;
        QTest::newRow("session ended") << true;
    }

    // Switched Light -> Dark -> Light while shown: every text is coloured
    // as on a page built in that theme, and the card's text reads on the
    // window behind it.
    void themeSwitchRestylesThePageAsAFreshStartWould()
    {
        QFETCH(bool, expired);
        UiStateGuard guard;
        ThemeManager themes(nullptr);
        themes.setTheme(ThemeManager::Light);
        WelcomeScreen screen(nullptr);
        screen.setSessionExpired(expired);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QLabel *cardText = labelWithText(screen, QStringLiteral("Record transactions as you spend."));
        QVERIFY(cardText);
        const QColor lightText = shownTextColor(cardText);

        for (ThemeManager::Theme theme : {ThemeManager::Dark, ThemeManager::Light}) {
            themes.setTheme(theme);
            settleEvents();
            WelcomeScreen fresh(nullptr);
            fresh.setSessionExpired(expired);
            QCOMPARE(textColorsOf(screen), textColorsOf(fresh));
            QCOMPARE(screen.findChild<QWidget *>(QStringLiteral("HowItWorksCard"))->styleSheet(),
                     fresh.findChild<QWidget *>(QStringLiteral("HowItWorksCard"))->styleSheet());
            const QColor window = screen.palette().color(QPalette::Window);
            QVERIFY2(contrastRatio(shownTextColor(cardText), window) >= 4.5,
                     qPrintable(shownTextColor(cardText).name() + QLatin1String(" on ") + window.name()));
        }
        QCOMPARE(shownTextColor(cardText), lightText);
    }

    void contentStaysNarrowAndCentredInAWideWindow()
    {
        WelcomeScreen screen(nullptr);
        screen.resize(1400, 900);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *column = screen.findChild<QWidget *>(QStringLiteral("contentColumn"));
        QVERIFY2(column->width() <= 560, qPrintable(QStringLiteral("width %1 max %2").arg(column->width()).arg(column->maximumWidth())));
        const QWidget *viewport = screen.findChild<QScrollArea *>()->viewport();
        const QPoint left = column->mapTo(viewport, QPoint(0, 0));
        const int rightGap = viewport->width() - (left.x() + column->width());
        QVERIFY2(qAbs(left.x() - rightGap) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(left.x()).arg(rightGap)));
        QCOMPARE(screen.findChild<QScrollArea *>()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
};

TALLYRA_TEST(WelcomeScreenTest)
#include "test_welcomescreen.moc"
