#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QString>

class PreferencesRepository;
class SystemColorScheme;

// One colour scheme, font scale and accent colour for the whole
// application, each kept as a preference and changeable while running.
// Widgets that carry the "lumoFontRole" or "lumoAccentButton" property
// follow scale and accent changes.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum Theme { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    explicit ThemeManager(PreferencesRepository *preferences, QObject *parent = nullptr);
    ~ThemeManager() override;

    Theme theme() const { return m_theme; }

    void setThemeByName(const QString &name);
    void setTheme(Theme theme);
    void setFontScale(int percent);
    void setAccentColor(const QColor &color);

    // Takes ownership; the "System" theme follows it from now on.
    void setSystemColorScheme(SystemColorScheme *scheme);
    SystemColorScheme *systemColorScheme() const { return m_systemScheme; }

    static QString themeToString(Theme theme);
    static Theme themeFromString(const QString &name);

    static QFont scaledFont();
    static QFont fontForRole(int role);
    static QFont monospaceFont();
    static QString accentButtonStyleSheet();

    static QPalette darkPalette();
    static QPalette lightPalette();

Q_SIGNALS:
    void themeChanged(ThemeManager::Theme theme);
    void fontScaleChanged(int percent);
    void accentChanged(const QColor &color);

private Q_SLOTS:
    void onColorSchemeChanged();

private:
    void applyPalette(bool dark);
    void storePreference(const QString &key, const QString &value);

    PreferencesRepository *m_preferences;
    Theme m_theme = System;
    SystemColorScheme *m_systemScheme = nullptr;
};
