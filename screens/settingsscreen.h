#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// The preferences: a side list of pages (General, Register, Data & Sync,
// About). There is no OK or Apply: each control stores its preference the
// moment it changes, and the listeners of the preferences' change signal
// apply it. The pages read the stored values once, when they are built.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Page { GeneralPage = 0, RegisterPage = 1, DataSyncPage = 2, AboutPage = 3 };

    explicit SettingsScreen(AppState *app, QWidget *parent = nullptr);

    // Reloads the deleted accounts and the sign-in and sync status.
    void refresh();

    // The colours offered by the accent dialog, in their order.
    static const QStringList &accentSwatches();
    static constexpr auto kDefaultAccent = "#00897B";

Q_SIGNALS:
    // After an account was restored and after every backup import.
    void deletedAccountRestored();

public Q_SLOTS:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onDashboardBalanceChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void onAutoDecimalChanged(bool checked);
    void onHighlightOverdrawnChanged(bool checked);
    void onAccentChanged(const QColor &color);
    void openAccentDialog();
    void restoreSelectedAccount();

    void syncNow();
    void forceFullSync();
    void exportBackup();
    void importBackup();

private:
    QWidget *buildGeneralPage();
    QWidget *buildRegisterPage();
    QWidget *buildDataSyncPage();
    QWidget *buildAboutPage();

    void fitSideListWidth();
    // Colours and glyphs of the side list for the palette in force.
    void styleSideList();
    QWidget *makeSectionHeader(const QString &title, const QString &description);
    QWidget *makeSeparator();
    QLabel *makeHint(const QString &text);
    QCheckBox *addPreferenceCheckBox(QVBoxLayout *group, const QString &objectName, const QString &text,
                                     const QString &key, bool defaultValue, const QString &hint);
    static QIcon glyphIcon(QChar codePoint, const QColor &color, int size);
    static void styleSwatchButton(QPushButton *button, const QColor &color, bool selected);

    QString storedAccent() const;
    void reloadDeletedAccounts();
    void showStatus();
    // Disables the sync buttons until the engine's run has ended.
    void watchSyncRun(bool includingForceButton);
    void finishSyncRun();
    bool askDestructive(const QString &title, const QString &text);
    bool writeBackup(const QString &path);

    AppState *m_app;
    QListWidget *m_sideList = nullptr;
    QStackedWidget *m_pages = nullptr;

    QComboBox *m_themeCombo = nullptr;
    QPushButton *m_accentButton = nullptr;
    QComboBox *m_fontScaleCombo = nullptr;
    QComboBox *m_weekStartCombo = nullptr;
    QComboBox *m_languageCombo = nullptr;

    QCheckBox *m_twoLineCheck = nullptr;
    QCheckBox *m_autoDecimalCheck = nullptr;
    QCheckBox *m_highlightOverdrawnCheck = nullptr;
    QCheckBox *m_newestFirstCheck = nullptr;
    QComboBox *m_balanceModeCombo = nullptr;

    QLabel *m_statusLabel = nullptr;
    QLabel *m_lastSyncLabel = nullptr;
    QWidget *m_syncButtonRow = nullptr;
    QPushButton *m_syncNowButton = nullptr;
    QPushButton *m_forceSyncButton = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QWidget *m_deletedSection = nullptr;
    QListWidget *m_deletedList = nullptr;
    QPushButton *m_restoreButton = nullptr;

    QMetaObject::Connection m_syncWatch;
    bool m_watchingForceButton = false;

    QLabel *m_versionLabel = nullptr;
};
