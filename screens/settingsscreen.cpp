#include "screens/settingsscreen.h"

#include "account/authclient.h"
#include "account/browser.h"
#include "account/client.h"
#include "app/application.h"
#include "app/appstate.h"
#include "app/uiprefs.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "register/userprompts.h"
#include "register/writeresultprompt.h"
#include "screens/filechooser.h"
#include "screens/screentext.h"
#include "services/accountoperations.h"
#include "services/backupservice.h"
#include "sync/syncengine.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr auto kMutedColor = "#6E8A7E";

QString colorStyle(const QString &color)
{
    return QStringLiteral("color: %1;").arg(color);
}

// Selects the item carrying the value; a value no item carries leaves the
// combo where it is.
void selectItemData(QComboBox *combo, const QVariant &value)
{
    const int index = combo->findData(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

QFormLayout *makeForm()
{
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->setContentsMargins(12, 0, 0, 0);
    return form;
}

QVBoxLayout *makePageLayout(QWidget *page, const QString &title)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    auto *heading = new QLabel(title, page);
    applyFontRole(heading, 4);
    layout->addWidget(heading);
    return layout;
}

QString syncStateColor(SyncEngine::SyncState state)
{
    const bool dark = isDarkPalette();
    switch (state) {
    case SyncEngine::Idle:
        return QLatin1String(dark ? "#66BB6A" : "#2E7D32");
    case SyncEngine::Syncing:
        return UiPrefs::accentColor().name();
    case SyncEngine::Error:
        return QLatin1String(dark ? "#FF8A80" : "#C62828");
    default:
        return QLatin1String(dark ? "#FFA726" : "#E65100");
    }
}

// The wait cursor for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

const QStringList &SettingsScreen::accentSwatches()
{
    static const QStringList swatches{QStringLiteral("#00897B"), QStringLiteral("#1E88E5"), QStringLiteral("#3949AB"),
        QStringLiteral("#8E24AA"), QStringLiteral("#D81B60"), QStringLiteral("#2E7D32"), QStringLiteral("#F9A825"),
        QStringLiteral("#546E7A")};
    return swatches;
}

SettingsScreen::SettingsScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_sideList = new QListWidget(this);
    m_sideList->setObjectName(QStringLiteral("settingsSideList"));
    applyFontRole(m_sideList, 0);
    m_sideList->setFrameShape(QFrame::NoFrame);
    m_sideList->setFocusPolicy(Qt::NoFocus);
    m_sideList->setSpacing(2);
    m_sideList->setIconSize(QSize(20, 20));

    const struct
    {
        QString name;
        char16_t glyph;
    } categories[] = {{tr("General"), 0xE8B8}, {tr("Register"), 0xE8EF}, {tr("Data & Sync"), 0xE627},
        {tr("About"), 0xE88E}};
    for (const auto &category : categories) {
        auto *item = new QListWidgetItem(category.name, m_sideList);
        item->setData(Qt::UserRole, int(category.glyph));
    }
    followPalette(m_sideList, [this] { styleSideList(); });
    m_sideList->setCurrentRow(0);
    fitSideListWidth();

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildGeneralPage());
    m_pages->addWidget(buildRegisterPage());
    m_pages->addWidget(buildDataSyncPage());
    m_pages->addWidget(buildAboutPage());
    connect(m_sideList, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);

    layout->addWidget(m_sideList, 0);
    layout->addWidget(m_pages, 1);
}

void SettingsScreen::fitSideListWidth()
{
    // The entries are longer in some languages: the list is as wide as its
    // widest entry needs (the side padding of its style sheet included).
    constexpr int kMinimumWidth = 180;
    constexpr int kSidePadding = 2 * 8;
    m_sideList->ensurePolished();
    const int needed = m_sideList->sizeHintForColumn(0) + 2 * m_sideList->spacing()
                       + 2 * m_sideList->frameWidth() + kSidePadding;
    m_sideList->setFixedWidth(std::max(kMinimumWidth, needed));
}

// ---- Shared builders ------------------------------------------------------

void SettingsScreen::styleSideList()
{
    const bool dark = isDarkPalette();
    const QString background = QLatin1String(dark ? "#152420" : "#F0F4F2");
    const QString text = QLatin1String(dark ? "#D8E8DF" : "#1B2D26");
    const QString hover = QLatin1String(dark ? "#1E3530" : "#E0EBE5");
    const QString selected = dark ? QStringLiteral("#26574A") : UiPrefs::accentColor().name();
    const QColor glyphColor(QLatin1String(dark ? "#8FAF9F" : "#4A6358"));
    m_sideList->setStyleSheet(
        QStringLiteral("QListWidget { background: %1; padding: 12px 8px; border: none; }"
                       "QListWidget::item { color: %2; padding: 8px 12px; border-radius: 6px; }"
                       "QListWidget::item:hover { background: %3; }"
                       "QListWidget::item:selected { background: %4; color: #FFFFFF; }")
            .arg(background, text, hover, selected));
    for (int row = 0; row < m_sideList->count(); ++row) {
        QListWidgetItem *item = m_sideList->item(row);
        const QChar glyph(char16_t(item->data(Qt::UserRole).toInt()));
        // The selected row's text is white, and so is its glyph.
        QIcon icon = glyphIcon(glyph, glyphColor, 20);
        icon.addPixmap(glyphIcon(glyph, QColor(Qt::white), 20).pixmap(20, 20), QIcon::Selected);
        item->setIcon(icon);
    }
}

QWidget *SettingsScreen::makeSectionHeader(const QString &title, const QString &description)
{
    auto *header = new QWidget(this);
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto *titleLabel = new QLabel(title, header);
    applyFontRole(titleLabel, 3);
    layout->addWidget(titleLabel);
    if (!description.isEmpty()) {
        auto *descriptionLabel = new QLabel(description, header);
        descriptionLabel->setWordWrap(true);
        descriptionLabel->setStyleSheet(colorStyle(QLatin1String(kMutedColor)));
        applyFontRole(descriptionLabel, 2);
        layout->addWidget(descriptionLabel);
    }
    return header;
}

QWidget *SettingsScreen::makeSeparator()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    setThemedTextColor(line, QColor("#2A4038"), QColor("#D8E0DB"));
    return line;
}

QLabel *SettingsScreen::makeHint(const QString &text)
{
    auto *hint = new QLabel(text, this);
    hint->setStyleSheet(colorStyle(QLatin1String(kMutedColor)));
    applyFontRole(hint, 2);
    hint->setContentsMargins(24, 0, 0, 0);
    return hint;
}

QIcon SettingsScreen::glyphIcon(QChar codePoint, const QColor &color, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(size);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(codePoint));
    painter.end();
    return QIcon(pixmap);
}

void SettingsScreen::styleSwatchButton(QPushButton *button, const QColor &color, bool selected)
{
    const int radius = button->width() / 2;
    const QString border = selected
        ? QStringLiteral("border: 2px solid %1;").arg(QLatin1String(isDarkPalette() ? "#FFFFFF" : "#12211B"))
        : QStringLiteral("border: 1px solid rgba(0, 0, 0, 0.25);");
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border-radius: %2px; %3 }")
                              .arg(color.name())
                              .arg(radius)
                              .arg(border));
}

QString SettingsScreen::storedAccent() const
{
    return m_app->preferencesRepository()->value(QStringLiteral("accentColor"), QLatin1String(kDefaultAccent));
}

// ---- General --------------------------------------------------------------

QWidget *SettingsScreen::buildGeneralPage()
{
    PreferencesRepository *preferences = m_app->preferencesRepository();
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePageLayout(page, tr("General"));
    layout->addSpacing(12);

    layout->addWidget(makeSectionHeader(tr("Appearance"), tr("Control how Lumora Tallyra looks.")));
    QFormLayout *appearance = makeForm();

    m_themeCombo = new QComboBox(page);
    m_themeCombo->setObjectName(QStringLiteral("themeCombo"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    selectItemData(m_themeCombo, preferences->value(QStringLiteral("theme"), QStringLiteral("system")));
    appearance->addRow(tr("Theme"), m_themeCombo);

    m_accentButton = new QPushButton(page);
    m_accentButton->setObjectName(QStringLiteral("accentButton"));
    m_accentButton->setFixedSize(28, 28);
    m_accentButton->setCursor(Qt::PointingHandCursor);
    m_accentButton->setToolTip(tr("Choose accent color"));
    styleSwatchButton(m_accentButton, QColor(storedAccent()), false);
    auto *accentRow = new QHBoxLayout;
    accentRow->addWidget(m_accentButton);
    accentRow->addStretch();
    appearance->addRow(tr("Accent color"), accentRow);

    m_fontScaleCombo = new QComboBox(page);
    m_fontScaleCombo->setObjectName(QStringLiteral("fontScaleCombo"));
    m_fontScaleCombo->addItem(tr("Small"), 85);
    m_fontScaleCombo->addItem(tr("Default"), 100);
    m_fontScaleCombo->addItem(tr("Medium"), 115);
    m_fontScaleCombo->addItem(tr("Large"), 130);
    m_fontScaleCombo->addItem(tr("Extra Large"), 150);
    m_fontScaleCombo->setCurrentIndex(m_fontScaleCombo->findData(100));
    selectItemData(m_fontScaleCombo, UiPrefs::fontScalePercent());
    appearance->addRow(tr("Font size"), m_fontScaleCombo);
    layout->addLayout(appearance);

    layout->addSpacing(16);
    layout->addWidget(makeSeparator());
    layout->addSpacing(12);

    layout->addWidget(makeSectionHeader(tr("Regional"), tr("Date and calendar preferences.")));
    QFormLayout *regional = makeForm();

    m_weekStartCombo = new QComboBox(page);
    m_weekStartCombo->setObjectName(QStringLiteral("weekStartCombo"));
    m_weekStartCombo->addItem(tr("Sunday"), int(Qt::Sunday));
    m_weekStartCombo->addItem(tr("Monday"), int(Qt::Monday));
    m_weekStartCombo->addItem(tr("Saturday"), int(Qt::Saturday));
    const std::optional<QString> weekStart = preferences->get(QStringLiteral("weekStartDay"));
    selectItemData(m_weekStartCombo, weekStart ? weekStart->toInt() : int(QLocale::system().firstDayOfWeek()));
    regional->addRow(tr("Week starts on"), m_weekStartCombo);

    m_languageCombo = new QComboBox(page);
    m_languageCombo->setObjectName(QStringLiteral("languageCombo"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    // Each language is named in itself, so a reader of it finds it.
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    selectItemData(m_languageCombo, Application::effectiveLanguage(false));
    regional->addRow(tr("Language"), m_languageCombo);
    layout->addLayout(regional);
    layout->addStretch();

    // Connected once the controls show the stored values: building writes nothing.
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_accentButton, &QPushButton::clicked, this, &SettingsScreen::openAccentDialog);
    connect(m_fontScaleCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onFontScaleChanged);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    return page;
}

// ---- Register -------------------------------------------------------------

QCheckBox *SettingsScreen::addPreferenceCheckBox(QVBoxLayout *group, const QString &objectName, const QString &text,
                                                 const QString &key, bool defaultValue, const QString &hint)
{
    auto *check = new QCheckBox(text, this);
    check->setObjectName(objectName);
    check->setChecked(m_app->preferencesRepository()->boolValue(key, defaultValue));
    group->addWidget(check);
    QLabel *hintLabel = makeHint(hint);
    hintLabel->setWordWrap(true);
    group->addWidget(hintLabel);
    return check;
}

QWidget *SettingsScreen::buildRegisterPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePageLayout(page, tr("Register"));
    layout->addSpacing(12);

    layout->addWidget(makeSectionHeader(tr("Display"), tr("How transactions appear in the register.")));
    auto *display = new QVBoxLayout;
    display->setContentsMargins(12, 0, 0, 0);
    display->setSpacing(8);
    m_twoLineCheck = addPreferenceCheckBox(display, QStringLiteral("twoLineCheck"), tr("Two-line rows"),
        QStringLiteral("registerTwoLine"), false, tr("Show memo on a second line below the payee."));
    m_autoDecimalCheck = addPreferenceCheckBox(display, QStringLiteral("autoDecimalCheck"), tr("Auto-decimal point"),
        QStringLiteral("amountAutoDecimal"), false,
        tr("Type 1234 to enter 12.34. The last two digits are always cents."));
    m_highlightOverdrawnCheck = addPreferenceCheckBox(display, QStringLiteral("highlightOverdrawnCheck"),
        tr("Highlight overdrawn rows"), QStringLiteral("registerHighlightOverdrawn"), true,
        tr("Shades the whole row when the running balance is below zero. The balance itself is always shown in "
           "red, so you can turn this off and still spot it. Credit cards and loans are never shaded."));

    QFormLayout *balanceForm = makeForm();
    balanceForm->setContentsMargins(12, 8, 0, 0);
    m_balanceModeCombo = new QComboBox(page);
    m_balanceModeCombo->setObjectName(QStringLiteral("balanceModeCombo"));
    m_balanceModeCombo->addItem(tr("Current balance"), QStringLiteral("current"));
    m_balanceModeCombo->addItem(tr("Cleared balance"), QStringLiteral("cleared"));
    m_balanceModeCombo->addItem(tr("Balance as of today"), QStringLiteral("asOfToday"));
    selectItemData(m_balanceModeCombo,
        m_app->preferencesRepository()->value(QStringLiteral("dashboardBalanceMode"), QStringLiteral("current")));
    balanceForm->addRow(tr("Account list shows"), m_balanceModeCombo);
    display->addLayout(balanceForm);
    QLabel *balanceHint = makeHint(tr("Cleared counts only transactions you have marked cleared. Balance as of "
                                      "today leaves out anything dated later, such as scheduled bills."));
    balanceHint->setWordWrap(true);
    display->addWidget(balanceHint);
    layout->addLayout(display);

    layout->addSpacing(16);
    layout->addWidget(makeSeparator());
    layout->addSpacing(12);

    layout->addWidget(makeSectionHeader(tr("Sorting"), tr("Control the order of transactions in the register.")));
    auto *sorting = new QVBoxLayout;
    sorting->setContentsMargins(12, 0, 0, 0);
    sorting->setSpacing(8);
    m_newestFirstCheck = addPreferenceCheckBox(sorting, QStringLiteral("newestFirstCheck"),
        tr("Show newest transactions first"), QStringLiteral("registerNewestFirst"), false,
        tr("When enabled, the most recent transactions appear at the top."));
    layout->addLayout(sorting);
    layout->addStretch();

    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_autoDecimalCheck, &QCheckBox::toggled, this, &SettingsScreen::onAutoDecimalChanged);
    connect(m_highlightOverdrawnCheck, &QCheckBox::toggled, this, &SettingsScreen::onHighlightOverdrawnChanged);
    connect(m_balanceModeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onDashboardBalanceChanged);
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    return page;
}

// ---- Data & Sync ----------------------------------------------------------

QWidget *SettingsScreen::buildDataSyncPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePageLayout(page, tr("Data & Sync"));
    layout->addSpacing(12);

    layout->addWidget(makeSectionHeader(tr("Sync"), tr("Keep your tallyra in sync across all your devices.")));
    auto *syncGroup = new QVBoxLayout;
    syncGroup->setContentsMargins(12, 0, 0, 0);
    syncGroup->setSpacing(8);
    m_statusLabel = new QLabel(page);
    m_statusLabel->setObjectName(QStringLiteral("syncStatusLabel"));
    m_statusLabel->setWordWrap(true);
    syncGroup->addWidget(m_statusLabel);
    m_lastSyncLabel = new QLabel(page);
    m_lastSyncLabel->setObjectName(QStringLiteral("lastSyncLabel"));
    m_lastSyncLabel->setTextFormat(Qt::PlainText);
    m_lastSyncLabel->setStyleSheet(colorStyle(QLatin1String(kMutedColor)));
    applyFontRole(m_lastSyncLabel, 2);
    syncGroup->addWidget(m_lastSyncLabel);

    m_syncButtonRow = new QWidget(page);
    m_syncButtonRow->setObjectName(QStringLiteral("syncButtonRow"));
    auto *syncButtons = new QHBoxLayout(m_syncButtonRow);
    syncButtons->setContentsMargins(0, 8, 0, 0);
    syncButtons->setSpacing(8);
    m_syncNowButton = new QPushButton(tr("Sync Now"), m_syncButtonRow);
    m_syncNowButton->setObjectName(QStringLiteral("syncNowButton"));
    markAccentButton(m_syncNowButton);
    m_forceSyncButton = new QPushButton(tr("Force Full Sync"), m_syncButtonRow);
    m_forceSyncButton->setObjectName(QStringLiteral("forceFullSyncButton"));
    syncButtons->addWidget(m_syncNowButton);
    syncButtons->addWidget(m_forceSyncButton);
    syncButtons->addStretch();
    syncGroup->addWidget(m_syncButtonRow);
    layout->addLayout(syncGroup);

    layout->addSpacing(16);
    layout->addWidget(makeSeparator());
    layout->addSpacing(12);

    layout->addWidget(
        makeSectionHeader(tr("Backup & Restore"), tr("Save or restore your data to a portable backup file.")));
    auto *backupRow = new QHBoxLayout;
    backupRow->setContentsMargins(12, 0, 0, 0);
    backupRow->setSpacing(8);
    m_exportButton = new QPushButton(tr("Export Backup"), page);
    m_exportButton->setObjectName(QStringLiteral("exportBackupButton"));
    m_importButton = new QPushButton(tr("Import Backup"), page);
    m_importButton->setObjectName(QStringLiteral("importBackupButton"));
    backupRow->addWidget(m_exportButton);
    backupRow->addWidget(m_importButton);
    backupRow->addStretch();
    layout->addLayout(backupRow);

    layout->addSpacing(16);
    layout->addWidget(makeSeparator());
    layout->addSpacing(12);

    m_deletedSection = new QWidget(page);
    m_deletedSection->setObjectName(QStringLiteral("deletedAccountsSection"));
    auto *deletedLayout = new QVBoxLayout(m_deletedSection);
    deletedLayout->setContentsMargins(0, 0, 0, 0);
    deletedLayout->setSpacing(8);
    deletedLayout->addWidget(
        makeSectionHeader(tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here.")));
    m_deletedList = new QListWidget(m_deletedSection);
    m_deletedList->setObjectName(QStringLiteral("deletedAccountsList"));
    m_deletedList->setMaximumHeight(120);
    m_deletedList->setFrameShape(QFrame::StyledPanel);
    deletedLayout->addWidget(m_deletedList);
    auto *restoreRow = new QHBoxLayout;
    restoreRow->addStretch();
    m_restoreButton = new QPushButton(tr("Restore Selected"), m_deletedSection);
    m_restoreButton->setObjectName(QStringLiteral("restoreAccountButton"));
    markAccentButton(m_restoreButton);
    m_restoreButton->setEnabled(false);
    restoreRow->addWidget(m_restoreButton);
    deletedLayout->addLayout(restoreRow);
    layout->addWidget(m_deletedSection);
    layout->addStretch();

    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_forceSyncButton, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsScreen::importBackup);
    connect(m_deletedList, &QListWidget::currentRowChanged, this,
        [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
    // An account deleted (or restored) while the window is open shows here
    // at once: the delete message sends the user here to restore it.
    connect(m_app->accountRepository(), &AccountRepository::accountsChanged, this,
        &SettingsScreen::reloadDeletedAccounts);

    reloadDeletedAccounts();
    showStatus();
    return page;
}

// ---- About ----------------------------------------------------------------

QWidget *SettingsScreen::buildAboutPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = makePageLayout(page, tr("About"));
    layout->addSpacing(16);

    auto *product = new QLabel(tr("Lumora Tallyra"), page);
    applyFontRole(product, 5);
    layout->addWidget(product);
    m_versionLabel = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), page);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_versionLabel->setStyleSheet(colorStyle(QLatin1String(kMutedColor)));
    layout->addWidget(m_versionLabel);
    layout->addSpacing(16);

    auto *description = new QLabel(tr("A digital tallyra register for tracking household finances."), page);
    description->setWordWrap(true);
    layout->addWidget(description);
    layout->addSpacing(16);
    layout->addWidget(makeSeparator());
    layout->addSpacing(12);

    auto *linksHeading = new QLabel(tr("Links"), page);
    applyFontRole(linksHeading, 3);
    layout->addWidget(linksHeading);
    auto *links = new QLabel(page);
    links->setObjectName(QStringLiteral("aboutLinks"));
    links->setTextFormat(Qt::RichText);
    // Opened like every other page, so a missing browser is reported.
    connect(links, &QLabel::linkActivated, this, [](const QString &link) { LumoAccount::openInBrowser(QUrl(link)); });
    links->setContentsMargins(12, 0, 0, 0);
    const QString linksText = QStringLiteral("<a href=\"https://lumora.invalid/tallyra\">%1</a><br>"
                                             "<a href=\"https://lumora.invalid/tallyra/mobile\">%2</a>")
                                  .arg(tr("Lumora Tallyra website").toHtmlEscaped(),
                                      tr("Get the mobile app").toHtmlEscaped());
    // Rich text takes the link colour of the palette in force when it is
    // set: a theme switch while the window is open sets it anew (setting
    // the same text again would change nothing).
    followPalette(links, [links, linksText] {
        links->clear();
        links->setText(linksText);
    });
    layout->addWidget(links);
    layout->addStretch();

    auto *footer = new QLabel(
        tr("Your data is kept in a database on this computer; it is synced only while you are signed in."), page);
    footer->setWordWrap(true);
    footer->setStyleSheet(colorStyle(QLatin1String(kMutedColor)));
    applyFontRole(footer, 2);
    layout->addWidget(footer);
    return page;
}

// ---- Preference slots -----------------------------------------------------

void SettingsScreen::onCategoryChanged(int row)
{
    if (row >= 0 && row < m_pages->count())
        m_pages->setCurrentIndex(row);
}

void SettingsScreen::onThemeChanged(int index)
{
    m_app->themeManager()->setThemeByName(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onFontScaleChanged(int index)
{
    m_app->themeManager()->setFontScale(m_fontScaleCombo->itemData(index).toInt());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStartCombo->itemData(index).toInt();
    m_app->preferencesRepository()->setInt(QStringLiteral("weekStartDay"), day);
    UiPrefs::weekStartDay() = day;
}

void SettingsScreen::onDashboardBalanceChanged(int index)
{
    m_app->preferencesRepository()->set(QStringLiteral("dashboardBalanceMode"),
                                        m_balanceModeCombo->itemData(index).toString());
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_languageCombo->itemData(index).toString();
    if (code.isEmpty() || code == Application::effectiveLanguage(false))
        return;
    Application::setLanguage(code);
    UserPrompts::current()->information(this, tr("Language Changed"),
        tr("The new language will take effect the next time you start Lumora Tallyra."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_app->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_app->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), checked);
}

void SettingsScreen::onAutoDecimalChanged(bool checked)
{
    m_app->preferencesRepository()->setBool(QStringLiteral("amountAutoDecimal"), checked);
    setAmountAutoDecimal(checked);
}

void SettingsScreen::onHighlightOverdrawnChanged(bool checked)
{
    m_app->preferencesRepository()->setBool(QStringLiteral("registerHighlightOverdrawn"), checked);
}

void SettingsScreen::onAccentChanged(const QColor &color)
{
    m_app->themeManager()->setAccentColor(color);
    styleSwatchButton(m_accentButton, color, false);
}

void SettingsScreen::openAccentDialog()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Accent color"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *grid = new QGridLayout;
    grid->setSpacing(12);
    layout->addLayout(grid);

    const QString current = storedAccent();
    const QStringList &swatches = accentSwatches();
    for (int i = 0; i < swatches.size(); ++i) {
        const QColor color(swatches.at(i));
        auto *swatch = new QPushButton(&dialog);
        swatch->setFixedSize(36, 36);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setToolTip(color.name());
        styleSwatchButton(swatch, color, color.name().compare(current, Qt::CaseInsensitive) == 0);
        grid->addWidget(swatch, i / 4, i % 4);
        connect(swatch, &QPushButton::clicked, &dialog, [this, &dialog, color] {
            onAccentChanged(color);
            dialog.accept();
        });
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    UserPrompts::current()->runDialog(&dialog);
}

// ---- Status ---------------------------------------------------------------

void SettingsScreen::refresh()
{
    reloadDeletedAccounts();
    showStatus();
}

void SettingsScreen::showStatus()
{
    LumoAccount::AuthClient *auth = m_app->onlineClient()->authClient();
    if (auth->state() != LumoAccount::AuthState::SignedIn) {
        m_statusLabel->setTextFormat(Qt::PlainText);
        m_statusLabel->setText(tr("Not signed in.\nSign in via File › Lumora Account to enable sync."));
        m_lastSyncLabel->hide();
        m_syncButtonRow->hide();
        return;
    }

    const LumoAccount::User user = auth->currentUser();
    QString name = user.displayName;
    if (name.isEmpty())
        name = user.email;
    if (name.isEmpty())
        name = auth->userId();
    SyncEngine *engine = m_app->syncEngine();
    m_statusLabel->setTextFormat(Qt::RichText);
    m_statusLabel->setText(
        tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
            .arg(name.toHtmlEscaped(), syncStateColor(engine->state()),
                 SyncEngine::stateToString(engine->state()).toHtmlEscaped()));

    const QString stamp = m_app->preferencesRepository()->get(QStringLiteral("lastSyncTimestamp")).value_or(QString());
    QString lastSync;
    if (stamp.isEmpty()) {
        lastSync = tr("Never synced");
    } else {
        const QDateTime moment = QDateTime::fromString(stamp, Qt::ISODate);
        lastSync = tr("Last synced: %1")
                       .arg(moment.isValid() ? languageDateText(moment.toLocalTime(), tr("MMM d, h:mm ap")) : stamp);
    }
    if (engine->state() == SyncEngine::Error && !engine->lastError().isEmpty())
        lastSync += tr("\nError: %1").arg(engine->lastError());
    m_lastSyncLabel->setText(lastSync);
    m_lastSyncLabel->show();
    m_syncButtonRow->show();

    if (user.displayName.isEmpty() && user.email.isEmpty()) {
        QPointer<SettingsScreen> self(this);
        auth->fetchCurrentUser([self](const LumoAccount::User &fetched) {
            if (self && (!fetched.displayName.isEmpty() || !fetched.email.isEmpty()))
                self->refresh();
        });
    }
}

// ---- Sync -----------------------------------------------------------------

void SettingsScreen::watchSyncRun(bool includingForceButton)
{
    m_watchingForceButton = m_watchingForceButton || includingForceButton;
    m_syncNowButton->setEnabled(false);
    m_syncNowButton->setText(tr("Syncing..."));
    if (m_watchingForceButton)
        m_forceSyncButton->setEnabled(false);
    if (m_syncWatch)
        return;
    m_syncWatch = connect(m_app->syncEngine(), &SyncEngine::stateChanged, this, [this] {
        if (m_app->syncEngine()->state() != SyncEngine::Syncing)
            finishSyncRun();
    });
}

void SettingsScreen::finishSyncRun()
{
    disconnect(m_syncWatch);
    m_syncWatch = {};
    m_syncNowButton->setEnabled(true);
    m_syncNowButton->setText(tr("Sync Now"));
    if (m_watchingForceButton)
        m_forceSyncButton->setEnabled(true);
    m_watchingForceButton = false;
    refresh();
}

void SettingsScreen::syncNow()
{
    // Watched before the run starts: a run that ends at once (no answer to
    // send to, say) must not leave the buttons disabled.
    watchSyncRun(false);
    m_app->syncEngine()->syncNow();
    if (m_syncWatch && m_app->syncEngine()->state() != SyncEngine::Syncing)
        finishSyncRun();
}

void SettingsScreen::forceFullSync()
{
    if (!askDestructive(tr("Force Full Sync"),
            tr("This will re-upload every local row to the server and re-download all server data. Use this if "
               "data appears out of sync between devices.\n\nContinue?")))
        return;
    watchSyncRun(true);
    // The engine marks every row pending and forgets its place in the feed
    // in one transaction, after a sync that is running now has ended.
    m_app->syncEngine()->forceFullSync();
    if (m_syncWatch && m_app->syncEngine()->state() != SyncEngine::Syncing)
        finishSyncRun();
}

bool SettingsScreen::askDestructive(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return UserPrompts::current()->runDialog(&box) == QMessageBox::Yes;
}

// ---- Backup ---------------------------------------------------------------

void SettingsScreen::exportBackup()
{
    const QString proposed =
        QStringLiteral("tallyra-backup-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate));
    const QString path =
        FileChooser::current()->saveFileName(this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;

    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Exporting..."));
    if (writeBackup(path))
        UserPrompts::current()->information(this, tr("Backup Complete"),
                                            plainTextMessage(tr("Backup saved to:\n%1").arg(path)));
    m_exportButton->setEnabled(true);
    m_exportButton->setText(tr("Export Backup"));
}

bool SettingsScreen::writeBackup(const QString &path)
{
    QByteArray archive;
    QString reason;
    {
        BusyCursor busy;
        archive = m_app->backupService()->exportBackup(&reason);
    }
    if (archive.isEmpty()) {
        UserPrompts::current()->warning(this, tr("Backup Failed"),
            reason.isEmpty() ? tr("The backup archive could not be created.")
                             : plainTextMessage(tr("The backup archive could not be created: %1.").arg(reason)));
        return false;
    }
    // Written beside the target and moved over it at the end, so a failed
    // write never leaves a damaged backup under the chosen name. The flush
    // is checked here: commit() moves the file over the target even when
    // writing out its buffer failed (a full disk).
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(archive) == archive.size() && file.flush() && file.commit())
        return true;
    UserPrompts::current()->warning(this, tr("Backup Failed"),
        plainTextMessage(tr("Could not write to:\n%1\n\n%2").arg(path, file.errorString())));
    return false;
}

void SettingsScreen::importBackup()
{
    const QString path = FileChooser::current()->openFileName(this, tr("Import Backup"), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;

    const QString replaceText = tr("Replace all with backup data");
    const QString keepNewerText = tr("Keep newer (compare timestamps)");
    const QString skipText = tr("Skip existing items");
    QInputDialog choice(this);
    choice.setWindowTitle(tr("Import Mode"));
    choice.setLabelText(tr("How should existing data be handled?"));
    choice.setComboBoxItems({replaceText, keepNewerText, skipText});
    choice.setComboBoxEditable(false);
    choice.setTextValue(replaceText);
    if (UserPrompts::current()->runDialog(&choice) != QDialog::Accepted)
        return;
    const QString chosen = choice.textValue();
    BackupImportMode mode = BackupImportMode::ReplaceAll;
    if (chosen == keepNewerText)
        mode = BackupImportMode::KeepNewer;
    else if (chosen == skipText)
        mode = BackupImportMode::SkipExisting;

    if (mode == BackupImportMode::ReplaceAll
        && !askDestructive(tr("Replace Data"),
               tr("Every row in the backup will replace the stored row of the same item, including changes made "
                  "since the backup was saved. This cannot be undone.\n\nContinue?")))
        return;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        UserPrompts::current()->warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    m_importButton->setEnabled(false);
    m_importButton->setText(tr("Importing..."));
    const QByteArray archive = file.readAll();
    file.close();

    BackupImportResult result;
    {
        BusyCursor busy;
        result = m_app->backupService()->importBackup(archive, mode);
    }

    // A restore that failed kept nothing, whatever it had counted.
    if (result.aborted || (result.totalImported() == 0 && !result.errors.isEmpty())) {
        UserPrompts::current()->warning(this, tr("Import Failed"), plainTextMessage(result.errors.constFirst()));
    } else {
        QString message = tr("Imported %1 items, skipped %2.").arg(result.totalImported()).arg(result.totalSkipped());
        if (!result.errors.isEmpty())
            message += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
        UserPrompts::current()->information(this, tr("Import Complete"), plainTextMessage(message));
    }
    m_importButton->setEnabled(true);
    m_importButton->setText(tr("Import Backup"));

    m_app->announceRestoredData();
    refresh();
    Q_EMIT deletedAccountRestored();
}

// ---- Deleted accounts -----------------------------------------------------

void SettingsScreen::reloadDeletedAccounts()
{
    const QListWidgetItem *current = m_deletedList->currentItem();
    const QString selectedId = current ? current->data(Qt::UserRole).toString() : QString();
    m_deletedList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> deleted = m_app->accountRepository()->listDeleted();
    m_deletedSection->setVisible(!deleted.isEmpty());
    for (const Account &account : deleted) {
        // A list item shows its text as typed, never as markup.
        auto *item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
        // A reload while the user has picked one keeps the pick.
        if (account.id == selectedId)
            m_deletedList->setCurrentItem(item);
    }
}

void SettingsScreen::restoreSelectedAccount()
{
    const QListWidgetItem *item = m_deletedList->currentItem();
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty())
        return;
    const QString name = item->text();
    // The account with its history comes back in one SQL transaction.
    const bool restored = m_app->accountOperations()->restoreAccount(id);
    reloadDeletedAccounts();
    if (!restored) {
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        UserPrompts::current()->warning(this, tr("Restore Failed"),
            plainTextMessage(reason.isEmpty()
                    ? tr("The account \"%1\" could not be restored. Nothing was changed.").arg(name)
                    : tr("The account \"%1\" could not be restored: %2. Nothing was changed.").arg(name, reason)));
        return;
    }
    Q_EMIT deletedAccountRestored();
}
