#include "support/testmain.h"

#include "data/database.h"
#include "data/preferencesrepository.h"
#include "ui/appstyle.h"
#include "ui/palettehelpers.h"
#include "ui/systemcolorscheme.h"
#include "ui/thememanager.h"
#include "uitestsupport.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// The desktop's light/dark choice, switched by the test.
class FakeColorScheme : public SystemColorScheme
{
public:
    bool dark = false;
    bool isDark() const override { return dark; }
    void switchTo(bool toDark)
    {
        dark = toDark;
        Q_EMIT changed();
    }
};

QColor windowColor()
{
    return QApplication::palette().color(QPalette::Window);
}

} // namespace

class ThemeManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<UiStateGuard> m_guard;
    std::unique_ptr<ThemeManager> m_manager;
    FakeColorScheme *m_scheme = nullptr;

    QString preference(const char *key) const { return m_preferences->value(QLatin1String(key)); }

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_database = std::make_unique<Database>();
        QVERIFY(m_database->open(m_dir->filePath(QStringLiteral("tallyra.db"))));
        QVERIFY(m_database->migrate());
        m_preferences = std::make_unique<PreferencesRepository>(m_database.get());
    }

    void cleanupTestCase()
    {
        m_preferences.reset();
        m_database.reset();
        m_dir.reset();
    }

    void init()
    {
        m_guard = std::make_unique<UiStateGuard>();
        for (const char *key : {"theme", "fontScale", "accentColor"})
            m_preferences->remove(QLatin1String(key));
        m_manager = std::make_unique<ThemeManager>(m_preferences.get());
        m_scheme = new FakeColorScheme;
        m_manager->setSystemColorScheme(m_scheme);
        UiPrefs::accentColor() = QColor(QStringLiteral("#00897B"));
        UiPrefs::setFontScalePercent(100);
    }

    void cleanup()
    {
        m_manager.reset();
        m_guard.reset();
    }

    void fontRoleSizes_data()
    {
        QTest::addColumn<int>("basePoints"); // -1: the base font is sized in pixels
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("weight");

        const int normal = QFont::Normal;
        QTest::newRow("9pt at 70: body") << 9 << 70 << 0 << 6 << normal;
        QTest::newRow("9pt at 70: small has a 7pt floor") << 9 << 70 << 2 << 7 << normal;
        QTest::newRow("9pt at 70: largest title") << 9 << 70 << 6 << 20 << 700;
        QTest::newRow("9pt at 70: monospace") << 9 << 70 << 7 << 6 << normal;
        QTest::newRow("pixels count as 10pt: role 0") << -1 << 100 << 0 << 10 << normal;
        QTest::newRow("pixels count as 10pt: role 1") << -1 << 100 << 1 << 10 << 500;
        QTest::newRow("pixels count as 10pt: role 2") << -1 << 100 << 2 << 8 << normal;
        QTest::newRow("pixels count as 10pt: role 3") << -1 << 100 << 3 << 11 << 500;
        QTest::newRow("pixels count as 10pt: role 4") << -1 << 100 << 4 << 14 << 600;
        QTest::newRow("pixels count as 10pt: role 5") << -1 << 100 << 5 << 18 << 600;
        QTest::newRow("pixels count as 10pt: role 6") << -1 << 100 << 6 << 24 << 700;
        QTest::newRow("unknown role reads as body") << 12 << 150 << 42 << 18 << normal;
        QTest::newRow("fraction is dropped") << 11 << 133 << 0 << 14 << normal;
    }

    void fontRoleSizes()
    {
        QFETCH(int, basePoints);
        QFETCH(int, scale);
        QFETCH(int, role);
        QFETCH(int, points);
        QFETCH(int, weight);
        QFont base(QStringLiteral("DejaVu Sans"));
        if (basePoints > 0)
            base.setPointSize(basePoints);
        else
            base.setPixelSize(13);
        UiPrefs::baseFont() = base;
        UiPrefs::setFontScalePercent(scale);

        const QFont font = ThemeManager::fontForRole(role);
        QCOMPARE(font.pointSize(), points);
        QCOMPARE(int(font.weight()), weight);
        if (role == 7) {
            QCOMPARE(font.family(), QStringLiteral("monospace"));
            QCOMPARE(font.styleHint(), QFont::Monospace);
        } else {
            QCOMPARE(font.family(), base.family());
        }
    }

    void fontScaleIsClampedStoredAndReappliedToRoleWidgets_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("applied");
        QTest::newRow("too large") << 200 << 160;
        QTest::newRow("too small") << 10 << 70;
        QTest::newRow("in range") << 120 << 120;
    }

    void fontScaleIsClampedStoredAndReappliedToRoleWidgets()
    {
        QFETCH(int, requested);
        QFETCH(int, applied);
        QFont base = QApplication::font();
        base.setPointSize(10);
        UiPrefs::baseFont() = base;

        QWidget window;
        auto *title = new QLabel(&window);
        applyFontRole(title, 4);
        auto *italicHint = new QLabel(&window);
        italicHint->setProperty("lumoFontItalic", true);
        applyFontRoleWithWeight(italicHint, 2, QFont::Bold);
        auto *plain = new QLabel(&window);
        QFont plainFont = plain->font();
        plainFont.setPointSize(31);
        plain->setFont(plainFont);

        QSignalSpy scaleSpy(m_manager.get(), &ThemeManager::fontScaleChanged);
        QSignalSpy themeSpy(m_manager.get(), &ThemeManager::themeChanged);
        m_manager->setFontScale(requested);

        QCOMPARE(UiPrefs::fontScalePercent(), applied);
        QCOMPARE(scaleSpy.count(), 1);
        QCOMPARE(scaleSpy.at(0).at(0).toInt(), applied);
        QCOMPARE(themeSpy.count(), 1);
        QCOMPARE(preference("fontScale"), QString::number(applied));

        const int scaled = std::max(10 * applied / 100, 1);
        QCOMPARE(QApplication::font().pointSize(), scaled);
        QCOMPARE(title->font().pointSize(), scaled + 4);
        QCOMPARE(italicHint->font().pointSize(), std::max(scaled - 2, 7));
        QVERIFY(italicHint->font().italic());
        QCOMPARE(italicHint->font().weight(), QFont::Bold);
        QCOMPARE(plain->font().pointSize(), 31);
    }

    void accentButtonStyleSheetPicksReadableText_data()
    {
        QTest::addColumn<QString>("accent");
        QTest::addColumn<QString>("textColor");
        QTest::newRow("default teal") << "#00897B" << "#FFFFFF";
        QTest::newRow("light yellow") << "#FFEB3B" << "#12211B";
        QTest::newRow("just below the threshold") << "#969696" << "#FFFFFF";
        QTest::newRow("white") << "#FFFFFF" << "#12211B";
    }

    void accentButtonStyleSheetPicksReadableText()
    {
        QFETCH(QString, accent);
        QFETCH(QString, textColor);
        UiPrefs::accentColor() = QColor(accent);
        const QColor color(accent);
        const QString expected =
            QStringLiteral("QPushButton {  background-color: %1;  color: %4;  border: none;  border-radius: 4px;  "
                           "padding: 6px 16px;  font-weight: 600;  min-width: 80px;}QPushButton:hover {  "
                           "background-color: %2;}QPushButton:pressed {  background-color: %3;}"
                           "QPushButton:disabled {  background-color: rgba(128, 128, 128, 60);  "
                           "color: rgba(128, 128, 128, 210);}")
                .arg(accent.toLower(), color.darker(115).name(), color.darker(140).name(), textColor);
        QCOMPARE(ThemeManager::accentButtonStyleSheet(), expected);
    }

    void aDisabledAccentButtonLooksDisabled_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << int(ThemeManager::Light);
        QTest::newRow("dark") << int(ThemeManager::Dark);
    }

    void aDisabledAccentButtonLooksDisabled()
    {
        QFETCH(int, theme);
        m_manager->setTheme(ThemeManager::Theme(theme));
        QWidget window;
        auto *button = new QPushButton(QStringLiteral("Restore Selected"), &window);
        markAccentButton(button);
        button->setFixedSize(200, 36);
        const QImage enabled = button->grab().toImage();
        button->setEnabled(false);
        const QImage disabled = button->grab().toImage();

        // Inside the padding, left of the text: the button's own background.
        const QPoint inside(6, 18);
        const QColor accent = UiPrefs::accentColor();
        QCOMPARE(enabled.pixelColor(inside), accent);
        const QColor off = disabled.pixelColor(inside);
        QVERIFY2(std::abs(off.lightness() - accent.lightness()) + std::abs(off.hslSaturation() - accent.hslSaturation())
                     > 60,
                 qPrintable(off.name()));

        // The white text of the enabled button is gone from the disabled one.
        const auto whitePixels = [](const QImage &image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    count += image.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
            }
            return count;
        };
        QVERIFY(whitePixels(enabled) > 0);
        QCOMPARE(whitePixels(disabled), 0);
    }

    void systemThemeFollowsTheDesktop()
    {
        QSignalSpy themeSpy(m_manager.get(), &ThemeManager::themeChanged);
        m_manager->setThemeByName(QStringLiteral("system"));
        QCOMPARE(windowColor(), QColor(QStringLiteral("#FAFBFA")));
        QVERIFY(!isDarkPalette());

        m_scheme->switchTo(true);
        QCOMPARE(windowColor(), QColor(QStringLiteral("#0F1E19")));
        QVERIFY(isDarkPalette());
        QCOMPARE(themeSpy.count(), 2);
        QCOMPARE(themeSpy.last().at(0).value<ThemeManager::Theme>(), ThemeManager::System);
        QCOMPARE(preference("theme"), QStringLiteral("system"));
    }

    void platformProbeLeavesTheAppliedPaletteAlone()
    {
        // The offscreen platform offers a light palette.
        SystemColorScheme platform;
        m_manager->setTheme(ThemeManager::Dark);
        QVERIFY(!platform.isDark());
        QCOMPARE(windowColor(), QColor(QStringLiteral("#0F1E19")));
        QCOMPARE(QApplication::palette().color(QPalette::Disabled, QPalette::Text),
                 ThemeManager::darkPalette().color(QPalette::Disabled, QPalette::Text));
    }

    void chosenThemeIgnoresTheDesktop()
    {
        m_manager->setTheme(ThemeManager::Light);
        QSignalSpy themeSpy(m_manager.get(), &ThemeManager::themeChanged);
        m_scheme->switchTo(true);
        QCOMPARE(themeSpy.count(), 0);
        QCOMPARE(windowColor(), QColor(QStringLiteral("#FAFBFA")));
        QCOMPARE(preference("theme"), QStringLiteral("light"));
    }

    void themeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("stored");
        QTest::newRow("light") << "light" << int(ThemeManager::Light) << "light";
        QTest::newRow("dark") << "dark" << int(ThemeManager::Dark) << "dark";
        QTest::newRow("capital letter") << "Dark" << int(ThemeManager::System) << "system";
        QTest::newRow("empty") << "" << int(ThemeManager::System) << "system";
        QTest::newRow("unknown") << "solarized" << int(ThemeManager::System) << "system";
    }

    void themeNames()
    {
        QFETCH(QString, name);
        QFETCH(int, theme);
        QFETCH(QString, stored);
        m_scheme->dark = true;
        m_manager->setThemeByName(name);
        QCOMPARE(int(m_manager->theme()), theme);
        QCOMPARE(preference("theme"), stored);
        // The fake desktop is dark, so only Light gives the light palette.
        QCOMPARE(isDarkPalette(), theme != ThemeManager::Light);
    }

    void darkAccentTextIsLightenedButAccentButtonsAreNot()
    {
        const QColor accent(QStringLiteral("#3949AB"));
        m_manager->setTheme(ThemeManager::Dark);
        QWidget window;
        auto *marked = new QPushButton(&window);
        markAccentButton(marked);
        auto *unmarked = new QPushButton(&window);
        unmarked->setStyleSheet(QStringLiteral("color: red;"));

        QSignalSpy accentSpy(m_manager.get(), &ThemeManager::accentChanged);
        m_manager->setAccentColor(accent);
        QCOMPARE(accentSpy.count(), 1);
        QCOMPARE(preference("accentColor"), QStringLiteral("#3949ab"));
        QCOMPARE(accentColorForPalette(), accent.lighter(135));
        QVERIFY(marked->styleSheet().startsWith(QStringLiteral("QPushButton {  background-color: #3949ab;")));
        QCOMPARE(unmarked->styleSheet(), QStringLiteral("color: red;"));

        m_manager->setTheme(ThemeManager::Light);
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), accent);
        QCOMPARE(accentColorForPalette(), accent);
    }

    void selectedTextReadsOnTheSelection_data()
    {
        QTest::addColumn<QString>("accent");
        QTest::addColumn<bool>("dark");
        for (const char *accent : {"#00897B", "#1E88E5", "#F9A825", "#FFEB3B", "#546E7A", "#D81B60"}) {
            QTest::addRow("%s light", accent) << QString::fromLatin1(accent) << false;
            QTest::addRow("%s dark", accent) << QString::fromLatin1(accent) << true;
        }
    }

    // The selection bar stands out from the window, and its text reads on it:
    // no dark text on a bright bar in the dark theme.
    void selectedTextReadsOnTheSelection()
    {
        QFETCH(QString, accent);
        QFETCH(bool, dark);
        UiPrefs::accentColor() = QColor(accent);
        const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        const QColor highlight = palette.color(QPalette::Highlight);
        const QColor text = palette.color(QPalette::HighlightedText);
        QVERIFY2(contrastRatio(highlight, text) >= (dark ? 4.5 : 3.0),
                 qPrintable(text.name() + QLatin1String(" on ") + highlight.name()));
        if (dark) {
            QVERIFY2(text.lightness() > highlight.lightness(), qPrintable(text.name()));
            QVERIFY(highlight.lightness() > palette.color(QPalette::Base).lightness());
            QVERIFY(contrastRatio(highlight, palette.color(QPalette::Base)) >= 1.4);
        }
    }

    void defaultSelectionStaysTheAccentWithWhiteTextInTheLightTheme()
    {
        m_manager->setTheme(ThemeManager::Light);
        QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(QStringLiteral("#00897B")));
        QCOMPARE(QApplication::palette().color(QPalette::HighlightedText), QColor(QStringLiteral("#FFFFFF")));
    }

    void linksReadOnWindowsAndFields_data() { selectedTextReadsOnTheSelection_data(); }

    // Links in rich text (the About box, the preferences' links) take the
    // palette's link colours; Qt's own dark blue vanishes on the dark window.
    void linksReadOnWindowsAndFields()
    {
        QFETCH(QString, accent);
        QFETCH(bool, dark);
        UiPrefs::accentColor() = QColor(accent);
        const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        for (const QPalette::ColorRole role : {QPalette::Link, QPalette::LinkVisited}) {
            const QColor link = palette.color(role);
            for (const QPalette::ColorRole ground : {QPalette::Window, QPalette::Base}) {
                const QColor background = palette.color(ground);
                QVERIFY2(contrastRatio(link, background) >= 4.5,
                         qPrintable(link.name() + QLatin1String(" on ") + background.name()));
            }
        }
    }

    void disabledTextIsDimmedButReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    // A disabled button or field ("Finish Reconciliation" before the
    // difference is zero) still says what it is, and looks off beside text.
    void disabledTextIsDimmedButReadable()
    {
        QFETCH(bool, dark);
        const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        const QList<QPair<QPalette::ColorRole, QPalette::ColorRole>> pairs = {
            {QPalette::WindowText, QPalette::Window},
            {QPalette::Text, QPalette::Base},
            {QPalette::ButtonText, QPalette::Button},
        };
        for (const auto &[text, ground] : pairs) {
            const QColor background = palette.color(QPalette::Disabled, ground);
            const QColor disabled = palette.color(QPalette::Disabled, text);
            const double shown = contrastRatio(disabled, background);
            QVERIFY2(shown >= 3.0, qPrintable(disabled.name() + QLatin1String(" on ") + background.name()));
            QVERIFY2(shown < 0.6 * contrastRatio(palette.color(QPalette::Active, text), background),
                     qPrintable(disabled.name() + QLatin1String(" looks enabled")));
        }
    }

    void uncheckedBoxesStandOutFromTheWindow_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("radio");
        QTest::newRow("light check box") << false << false;
        QTest::newRow("light radio button") << false << true;
        QTest::newRow("dark check box") << true << false;
        QTest::newRow("dark radio button") << true << true;
    }

    // The drawn indicator holds a pixel that differs clearly from the window.
    void uncheckedBoxesStandOutFromTheWindow()
    {
        QFETCH(bool, dark);
        QFETCH(bool, radio);
        AppStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        QStyleOptionButton option;
        option.palette = palette;
        option.state = QStyle::State_Enabled | QStyle::State_Off;
        option.rect = QRect(0, 0, 16, 16);
        QImage image(16, 16, QImage::Format_ARGB32);
        const QColor window = palette.color(QPalette::Window);
        image.fill(window);
        QPainter painter(&image);
        style.drawPrimitive(radio ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox, &option,
                            &painter);
        painter.end();
        double best = 1.0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                best = std::max(best, contrastRatio(image.pixelColor(x, y), window));
        }
        QVERIFY2(best >= 3.0, qPrintable(QString::number(best)));
    }

    // Qt keeps a widget with a style sheet, and everything inside it, on the
    // palette it was polished with; a switch must still reach their text.
    void styledWidgetsAndTheirChildrenFollowASwitch()
    {
        m_manager->setTheme(ThemeManager::Light);
        QWidget window;
        auto *frame = new QWidget(&window);
        frame->setObjectName(QStringLiteral("frame"));
        frame->setStyleSheet(QStringLiteral("#frame { border: 1px solid gray; }"));
        auto *inside = new QLabel(QStringLiteral("inside"), frame);
        auto *padded = new QLabel(QStringLiteral("padded"), &window);
        padded->setStyleSheet(QStringLiteral("padding: 2px;"));
        auto *themed = new QLabel(QStringLiteral("themed"), &window);
        setThemedTextColor(themed, QColor(QStringLiteral("#8FAF9F")), QColor(QStringLiteral("#4A6358")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (ThemeManager::Theme theme : {ThemeManager::Dark, ThemeManager::Light, ThemeManager::Dark}) {
            m_manager->setTheme(theme);
            const QColor text = QApplication::palette().color(QPalette::WindowText);
            QCOMPARE(shownTextColor(inside), text);
            QCOMPARE(shownTextColor(padded), text);
            QCOMPARE(shownTextColor(themed), QColor(isDarkPalette() ? "#8FAF9F" : "#4A6358"));
        }
        QCOMPARE(frame->styleSheet(), QStringLiteral("#frame { border: 1px solid gray; }"));
    }

    // A later themed style replaces the earlier one, also after a switch.
    void laterThemedStyleReplacesTheEarlierOne()
    {
        m_manager->setTheme(ThemeManager::Light);
        QLabel label;
        setAccentTextColor(&label);
        setThemedStyleSheet(&label, [] { return QStringLiteral("font-weight: bold;"); });
        m_manager->setTheme(ThemeManager::Dark);
        QCOMPARE(label.styleSheet(), QStringLiteral("font-weight: bold;"));
    }

    void invalidAccentIsIgnored()
    {
        m_manager->setAccentColor(QColor(QStringLiteral("#112233")));
        QSignalSpy accentSpy(m_manager.get(), &ThemeManager::accentChanged);
        QSignalSpy themeSpy(m_manager.get(), &ThemeManager::themeChanged);
        m_manager->setAccentColor(QColor());
        QCOMPARE(accentSpy.count(), 0);
        QCOMPARE(themeSpy.count(), 0);
        QCOMPARE(UiPrefs::accentColor(), QColor(QStringLiteral("#112233")));
        QCOMPARE(preference("accentColor"), QStringLiteral("#112233"));
    }

    void semanticColorsFollowThePalette_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("negative");
        QTest::addColumn<QString>("positive");
        QTest::addColumn<QString>("warning");
        QTest::newRow("dark") << true << "#FF8A80" << "#66BB6A" << "#FFA726";
        QTest::newRow("light") << false << "#C62828" << "#2E7D32" << "#E65100";
    }

    void semanticColorsFollowThePalette()
    {
        QFETCH(bool, dark);
        QFETCH(QString, negative);
        QFETCH(QString, positive);
        QFETCH(QString, warning);
        m_manager->setTheme(dark ? ThemeManager::Dark : ThemeManager::Light);
        QCOMPARE(negativeAmountColor(), QColor(negative));
        QCOMPARE(positiveAmountColor(), QColor(positive));
        QCOMPARE(warningColor(), QColor(warning));
    }

    void darknessThresholdIsLightness128()
    {
        QApplication::setPalette(paletteWithWindow("#808080")); // lightness 128
        QVERIFY(!isDarkPalette());
        QApplication::setPalette(paletteWithWindow("#7F7F7F"));
        QVERIFY(isDarkPalette());
    }

    void helpersIgnoreNullWidgets()
    {
        markAccentButton(nullptr);
        applyFontRole(nullptr, 3);
        applyFontRoleWithWeight(nullptr, 3, 700);
    }

    void calendarGlyphIsDrawn()
    {
        QApplication::setPalette(ThemeManager::lightPalette());
        const QIcon icon = iconFontPixmap(QApplication::palette());
        const QImage image = icon.pixmap(16, 16).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        bool painted = false;
        for (int y = 0; y < 16 && !painted; ++y) {
            for (int x = 0; x < 16 && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY(painted);
    }
};

TALLYRA_TEST(ThemeManagerTest)
#include "test_thememanager.moc"
