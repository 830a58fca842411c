#include "ui/thememanager.h"

#include "app/uiprefs.h"
#include "data/preferencesrepository.h"
#include "ui/palettehelpers.h"
#include "ui/systemcolorscheme.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

// Point size of role 0: the base size (10 for a font sized in pixels)
// scaled by the font scale, never below one point.
int scaledPointSize()
{
    int base = UiPrefs::baseFont().pointSize();
    if (base < 1)
        base = 10;
    return std::max(base * UiPrefs::fontScalePercent() / 100, 1);
}

QFont baseFontAt(int pointSize)
{
    QFont font = UiPrefs::baseFont();
    font.setPointSize(pointSize);
    return font;
}

QFont baseFontAt(int pointSize, int weight)
{
    QFont font = baseFontAt(pointSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

struct PaletteColors
{
    const char *window;
    const char *windowText;
    const char *base;
    const char *alternateBase;
    const char *text;
    const char *button;
    const char *buttonText;
    const char *toolTipBase;
    const char *toolTipText;
    const char *placeholderText;
    const char *mid;
    const char *light;
    const char *dark;
    // Dimmer than text, yet still 3:1 on windows, fields and buttons: a
    // disabled button or field must be read to tell what it would do.
    const char *disabledText;
};

// Selected rows: light text on a deep shade of the accent in the dark
// theme (a bright bar with dark text glares on a dark window), the accent
// itself in the light theme. Either way the text reads on the bar.
constexpr double kSelectionContrast = 4.5;

QColor mixed(const QColor &from, const QColor &to, double share)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                            from.greenF() + (to.greenF() - from.greenF()) * share,
                            from.blueF() + (to.blueF() - from.blueF()) * share);
}

// Perceived brightness decides between light and dark text on the accent.
QColor textOnAccent(const QColor &accent)
{
    const int brightness = 299 * accent.red() + 587 * accent.green() + 114 * accent.blue();
    return QColor(brightness < 151000 ? "#FFFFFF" : "#12211B");
}

QColor darkSelection(const QColor &accent, const QColor &window, const QColor &text)
{
    QColor selection = mixed(window, accent, 0.55);
    for (int step = 0; step < 20 && contrastRatio(selection, text) < kSelectionContrast; ++step)
        selection = selection.darker(110);
    return selection;
}

// Links (the About box, the preferences' links) are the accent, darkened
// on a light window or lightened on a dark one until they read as body
// text must: a dark accent is nearly invisible on the dark window.
constexpr double kLinkContrast = 4.5;

QColor readableLink(const QColor &accent, const PaletteColors &c, bool dark)
{
    const QColor window(c.window);
    const QColor base(c.base);
    const QColor towards = dark ? QColor(Qt::white) : QColor(Qt::black);
    QColor link = dark ? accent.lighter(135) : accent;
    for (int step = 0; step < 20 && std::min(contrastRatio(link, window), contrastRatio(link, base)) < kLinkContrast;
         ++step)
        link = mixed(link, towards, 0.15);
    return link;
}

QPalette buildPalette(const PaletteColors &c, const QColor &highlight, const QColor &highlightedText,
    const QColor &link)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(c.window));
    palette.setColor(QPalette::WindowText, QColor(c.windowText));
    palette.setColor(QPalette::Base, QColor(c.base));
    palette.setColor(QPalette::AlternateBase, QColor(c.alternateBase));
    palette.setColor(QPalette::Text, QColor(c.text));
    palette.setColor(QPalette::Button, QColor(c.button));
    palette.setColor(QPalette::ButtonText, QColor(c.buttonText));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    palette.setColor(QPalette::ToolTipBase, QColor(c.toolTipBase));
    palette.setColor(QPalette::ToolTipText, QColor(c.toolTipText));
    palette.setColor(QPalette::PlaceholderText, QColor(c.placeholderText));
    palette.setColor(QPalette::Mid, QColor(c.mid));
    palette.setColor(QPalette::Light, QColor(c.light));
    palette.setColor(QPalette::Dark, QColor(c.dark));
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::LinkVisited, link);
    const QColor disabled(c.disabledText);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    palette.setColor(QPalette::Disabled, QPalette::Text, disabled);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    return palette;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    setSystemColorScheme(new SystemColorScheme);
    followPaletteChanges();
}

ThemeManager::~ThemeManager() = default;

void ThemeManager::setSystemColorScheme(SystemColorScheme *scheme)
{
    if (!scheme || scheme == m_systemScheme)
        return;
    delete m_systemScheme;
    m_systemScheme = scheme;
    m_systemScheme->setParent(this);
    connect(m_systemScheme, &SystemColorScheme::changed, this, &ThemeManager::onColorSchemeChanged);
}

QString ThemeManager::themeToString(Theme theme)
{
    switch (theme) {
    case Light:
        return QStringLiteral("light");
    case Dark:
        return QStringLiteral("dark");
    case System:
        break;
    }
    return QStringLiteral("system");
}

ThemeManager::Theme ThemeManager::themeFromString(const QString &name)
{
    if (name == QLatin1String("light"))
        return Light;
    if (name == QLatin1String("dark"))
        return Dark;
    return System;
}

void ThemeManager::setThemeByName(const QString &name)
{
    setTheme(themeFromString(name));
}

void ThemeManager::setTheme(Theme theme)
{
    m_theme = theme;
    bool dark = theme == Dark;
    if (theme == System)
        dark = m_systemScheme->isDark();
    applyPalette(dark);
    storePreference(QStringLiteral("theme"), themeToString(theme));
    Q_EMIT themeChanged(theme);
}

void ThemeManager::onColorSchemeChanged()
{
    if (m_theme != System)
        return;
    applyPalette(m_systemScheme->isDark());
    storePreference(QStringLiteral("theme"), themeToString(System));
    Q_EMIT themeChanged(System);
}

void ThemeManager::applyPalette(bool dark)
{
    QApplication::setPalette(dark ? darkPalette() : lightPalette());
    QApplication::setFont(scaledFont());
}

void ThemeManager::setFontScale(int percent)
{
    const int clamped = std::clamp(percent, 70, 160);
    UiPrefs::setFontScalePercent(clamped);
    storePreference(QStringLiteral("fontScale"), QString::number(clamped));
    setTheme(m_theme);
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->property("lumoFontRole").isValid())
            widget->setFont(roleFontForWidget(widget));
    }
    Q_EMIT fontScaleChanged(clamped);
}

void ThemeManager::setAccentColor(const QColor &color)
{
    if (!color.isValid())
        return;
    UiPrefs::accentColor() = color;
    storePreference(QStringLiteral("accentColor"), color.name(QColor::HexRgb));
    setTheme(m_theme);
    const QString styleSheet = accentButtonStyleSheet();
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->property("lumoAccentButton").toBool())
            widget->setStyleSheet(styleSheet);
    }
    Q_EMIT accentChanged(color);
}

void ThemeManager::storePreference(const QString &key, const QString &value)
{
    if (m_preferences)
        m_preferences->set(key, value);
}

QFont ThemeManager::scaledFont()
{
    return baseFontAt(scaledPointSize());
}

QFont ThemeManager::fontForRole(int role)
{
    const int size = scaledPointSize();
    switch (role) {
    case 1:
        return baseFontAt(size, 500);
    case 2:
        return baseFontAt(std::max(size - 2, 7));
    case 3:
        return baseFontAt(size + 1, 500);
    case 4:
        return baseFontAt(size + 4, 600);
    case 5:
        return baseFontAt(size + 8, 600);
    case 6:
        return baseFontAt(size + 14, 700);
    case 7:
        return monospaceFont();
    default:
        return baseFontAt(size);
    }
}

QFont ThemeManager::monospaceFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
    font.setPointSize(scaledPointSize());
    return font;
}

QString ThemeManager::accentButtonStyleSheet()
{
    const QColor accent = UiPrefs::accentColor();
    const QString text = textOnAccent(accent).name(QColor::HexRgb).toUpper();
    return QStringLiteral("QPushButton {  background-color: %1;  color: %4;  border: none;  "
                          "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  "
                          "min-width: 80px;}QPushButton:hover {  background-color: %2;}"
                          "QPushButton:pressed {  background-color: %3;}"
                          // The colours above would hide that the button is off; a
                          // translucent grey reads as disabled on both palettes.
                          "QPushButton:disabled {  background-color: rgba(128, 128, 128, 60);  "
                          "color: rgba(128, 128, 128, 210);}")
        .arg(accent.name(QColor::HexRgb), accent.darker(115).name(QColor::HexRgb),
             accent.darker(140).name(QColor::HexRgb), text);
}

QPalette ThemeManager::darkPalette()
{
    static const PaletteColors colors{"#0F1E19", "#D8E8DF", "#152420", "#1A2E28", "#D8E8DF",
                                      "#1E3530", "#D8E8DF", "#1E3530", "#D8E8DF",
                                      "#8FAF9F", "#2A4038", "#2A4038", "#0A1510", "#708C7F"};
    const QColor selectedText("#FFFFFF");
    const QColor accent = UiPrefs::accentColor();
    return buildPalette(colors, darkSelection(accent, QColor(colors.window), selectedText), selectedText,
                        readableLink(accent, colors, true));
}

QPalette ThemeManager::lightPalette()
{
    static const PaletteColors colors{"#FAFBFA", "#1B2D26", "#FFFFFF", "#F2F7F4", "#1B2D26",
                                      "#E0EBE5", "#1B2D26", "#FFFFFF", "#1B2D26",
                                      "#6E8A7E", "#D8E0DB", "#FFFFFF", "#9BB0A3", "#687E73"};
    const QColor accent = UiPrefs::accentColor();
    return buildPalette(colors, accent, textOnAccent(accent), readableLink(accent, colors, false));
}
