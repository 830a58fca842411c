#include "register/registerfixture.h"
#include "support/smallfilesystem.h"
#include "support/testmain.h"

#include "../ui/uitestsupport.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/application.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/smartamountfield.h"
#include "screens/filechooser.h"
#include "screens/settingsscreen.h"
#include "services/accountoperations.h"
#include "support/environmentoverride.h"
#include "support/onlineenvironment.h"
#include "support/memorytokenstore.h"
#include "sync/fakesyncservice.h"
#include "sync/syncengine.h"
#include "ui/mainwindow.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>

#include <sqlite3.h>

#include <memory>

namespace {

// Answers the file dialogs with fixed paths.
class FakeFileChooser : public FileChooser
{
public:
    // Both dialogs answer the same path.
    explicit FakeFileChooser(const QString &path = QString())
        : savePath(path)
        , openPath(path)
    {
        FileChooser::setCurrent(this);
    }
    ~FakeFileChooser() override { FileChooser::setCurrent(nullptr); }

    QString saveFileName(QWidget *, const QString &, const QString &proposed, const QString &) override
    {
        proposedName = proposed;
        return savePath;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return openPath; }

    QString savePath;
    QString openPath;
    QString proposedName;
};

template <typename T>
T *named(const QWidget &root, const char *name)
{
    return root.findChild<T *>(QLatin1String(name));
}

// Every column of every row of the tables a backup carries, but the sync
// columns, which a restore resets so the rows are sent again.
QStringList storedRows(Database *database)
{
    static const QStringList tables{QStringLiteral("accounts"), QStringLiteral("categories"),
        QStringLiteral("transactions"), QStringLiteral("split_lines"), QStringLiteral("recurring_transactions"),
        QStringLiteral("reconciliations")};
    static const QStringList syncColumns{QStringLiteral("sync_status"), QStringLiteral("server_id"),
        QStringLiteral("version")};
    QStringList rows;
    for (const QString &table : tables) {
        QSqlQuery query(*database->db());
        if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table)))
            return {QStringLiteral("query failed: ") + table};
        while (query.next()) {
            QStringList cells{table};
            const QSqlRecord record = query.record();
            for (int column = 0; column < record.count(); ++column) {
                if (!syncColumns.contains(record.fieldName(column)))
                    cells.append(record.fieldName(column) + u'=' + query.value(column).toString());
            }
            rows.append(cells.join(u'|'));
        }
    }
    return rows;
}

// Rows of every table the backup carries, a deleted account among them.
void addEveryKindOfRow(AppFixture &f)
{
    const Account checking = f.addAccount(QStringLiteral("Checking"));
    const Account old = f.addAccount(QStringLiteral("Old Savings"), AccountType::Savings);
    const Category food = f.addCategory(QStringLiteral("Food"));
    const Category groceries = f.addCategory(QStringLiteral("Groceries"), food.id);
    Transaction split = f.addTransaction(checking.id, QDate(2024, 5, 2), QStringLiteral("Market"), -3000);
    split.isSplit = true;
    QVERIFY(f.app()->transactionRepository()->update(split));
    QVERIFY(f.app()->splitLineRepository()->replaceForTransaction(split.id,
        {makeSplitLine(food.id, -1000, QStringLiteral("snacks")), makeSplitLine(groceries.id, -2000)}));
    f.addTransaction(old.id, QDate(2024, 4, 1), QStringLiteral("Interest"), 120);

    RecurringTransaction rule;
    rule.id = QStringLiteral("rule-rent");
    rule.accountId = checking.id;
    rule.payee = QStringLiteral("Rent");
    rule.amount = -90000;
    rule.startDate = QDate(2024, 1, 1);
    rule.nextDueDate = QDate(2024, 7, 1);
    rule.createdAt = QDateTime(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
    rule.updatedAt = rule.createdAt;
    QVERIFY(f.app()->recurringRepository()->insert(rule));

    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("rec-may");
    reconciliation.accountId = checking.id;
    reconciliation.statementDate = QDate(2024, 5, 31);
    reconciliation.statementBalance = -3000;
    reconciliation.reconciledBalance = -3000;
    reconciliation.completedAt = QDateTime(QDate(2024, 6, 1), QTime(10, 0), Qt::UTC);
    reconciliation.createdAt = reconciliation.completedAt;
    reconciliation.updatedAt = reconciliation.completedAt;
    QVERIFY(f.app()->reconciliationRepository()->insert(reconciliation));

    QCOMPARE(f.app()->accountOperations()->deleteAccount(old.id), WriteResult::Written);
}

bool wipeTables(AppFixture &f)
{
    for (const char *table : {"split_lines", "transactions", "recurring_transactions", "reconciliations",
             "categories", "accounts"}) {
        if (!f.execSql(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
            return false;
    }
    return true;
}

// A dialog step that picks an item of the import-mode choice.
FakePrompts::DialogStep chooseMode(int item)
{
    return [item](QDialog *dialog) {
        auto *choice = qobject_cast<QInputDialog *>(dialog);
        if (!choice || choice->comboBoxItems().size() != 3)
            return int(QDialog::Rejected);
        choice->setTextValue(choice->comboBoxItems().at(item));
        return int(QDialog::Accepted);
    };
}

// A dialog step answering a Yes/No box; records whether No was the default.
FakePrompts::DialogStep answer(QMessageBox::StandardButton button, bool *noWasDefault = nullptr)
{
    return [button, noWasDefault](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (noWasDefault)
            *noWasDefault = box && box->defaultButton() == box->button(QMessageBox::No);
        return int(box ? button : QMessageBox::Cancel);
    };
}

// The screen over a database whose online services run on a fake server.
struct OnlineSettings
{
    QTemporaryDir dir;
    EnvironmentOverride dataDir{"TALLYRA_DATA_DIR", dir.path().toUtf8()};
    OnlineEnvironment online;
    FakeServer &server = online.server;
    FakeOnlineServices *services = nullptr;
    std::unique_ptr<FakeSyncService> sync;
    std::unique_ptr<AppState> state;
    std::unique_ptr<SettingsScreen> screen;

    bool start()
    {
        QSettings().remove(QStringLiteral("auth"));
        if (!online.start())
            return false;
        services = online.services.get();
        // The sync service's routes sit at the server's root.
        sync = std::make_unique<FakeSyncService>(&server);
        sync->authorize = [this](const FakeRequest &request) { return services->authorized(request); };
        online.syncUrl.reset();
        online.syncUrl = std::make_unique<EnvironmentOverride>("SYNC_API_URL", server.url().toUtf8());
        state = std::make_unique<AppState>();
        state->setTokenStore(std::make_unique<MemoryTokenStore>());
        return state->initialize();
    }

    ~OnlineSettings()
    {
        screen.reset();
        state.reset();
        QCoreApplication::processEvents();
    }

    // Signs in and waits for the sync that signing in starts.
    bool signIn()
    {
        const auto issued = services->issueTokens();
        state->onlineClient()->authClient()->handleCallback(
            QUrl(QStringLiteral("http://localhost/callback?access_token=%1&refresh_token=%2")
                     .arg(issued.first, issued.second)));
        return QTest::qWaitFor([this] { return state->syncEngine()->state() != SyncEngine::Syncing; });
    }

    SettingsScreen &openScreen()
    {
        screen = std::make_unique<SettingsScreen>(state.get());
        screen->refresh();
        return *screen;
    }

    QString statusText() const { return named<QLabel>(*screen, "syncStatusLabel")->text(); }
    QString lastSyncText() const { return named<QLabel>(*screen, "lastSyncLabel")->text(); }
    QPushButton *button(const char *name) const { return named<QPushButton>(*screen, name); }

    Account addAccount(const QString &name)
    {
        Account account;
        account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        account.name = name;
        account.createdAt = QDateTime::currentDateTimeUtc();
        account.updatedAt = account.createdAt;
        state->accountRepository()->insert(account);
        return account;
    }
};

} // namespace

class SettingsScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        setAmountAutoDecimal(false);
        QSettings().remove(QStringLiteral("ui/language"));
    }

    // Stored values the lists do not offer leave the first (or default)
    // item shown; and building the screen stores nothing at all.
    void sideListFollowsAThemeSwitch_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("light to dark") << int(ThemeManager::Light) << int(ThemeManager::Dark);
        QTest::newRow("dark to light") << int(ThemeManager::Dark) << int(ThemeManager::Light);
    }

    // After a switch the side list and the links have the colours and
    // glyphs of a screen built in the new theme.
    void sideListFollowsAThemeSwitch()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        UiStateGuard ui;
        AppFixture f;
        QVERIFY(f.isValid());
        ThemeManager *themes = f.app()->themeManager();
        themes->setTheme(ThemeManager::Theme(from));
        SettingsScreen screen(f.app());
        const auto *side = named<QListWidget>(screen, "settingsSideList");
        const QString before = side->styleSheet();
        // The About page seen once: rich text lays out its links on first use.
        const auto showAbout = [](SettingsScreen &window) {
            window.resize(700, 500);
            window.show();
            named<QListWidget>(window, "settingsSideList")->setCurrentRow(SettingsScreen::AboutPage);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        };
        showAbout(screen);
        auto *links = named<QLabel>(screen, "aboutLinks");
        QVERIFY(!links->grab().isNull());

        themes->setTheme(ThemeManager::Theme(to));
        SettingsScreen fresh(f.app());
        showAbout(fresh);
        const auto *freshSide = named<QListWidget>(fresh, "settingsSideList");
        QVERIFY(side->styleSheet() != before);
        QCOMPARE(side->styleSheet(), freshSide->styleSheet());
        QCOMPARE(side->count(), freshSide->count());
        for (int row = 0; row < side->count(); ++row) {
            QCOMPARE(side->item(row)->text(), freshSide->item(row)->text());
            QCOMPARE(side->item(row)->icon().pixmap(20, 20).toImage(),
                     freshSide->item(row)->icon().pixmap(20, 20).toImage());
        }
        // The About page's links take the new link colour as well.
        QCOMPARE(links->grab().toImage(), named<QLabel>(fresh, "aboutLinks")->grab().toImage());
    }

    void storedValuesThatMatchNoItem_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("shown");
        QTest::newRow("theme") << "theme" << "sepia" << "themeCombo" << "System Default";
        QTest::newRow("theme, stored case differs") << "theme" << "Dark" << "themeCombo" << "System Default";
        QTest::newRow("balance mode") << "dashboardBalanceMode" << "weekly" << "balanceModeCombo"
                                      << "Current balance";
        QTest::newRow("week start Wednesday") << "weekStartDay" << "3" << "weekStartCombo" << "Sunday";
        QTest::newRow("week start not a number") << "weekStartDay" << "x" << "weekStartCombo" << "Sunday";
        QTest::newRow("week start Monday") << "weekStartDay" << "1" << "weekStartCombo" << "Monday";
        QTest::newRow("balance as of today") << "dashboardBalanceMode" << "asOfToday" << "balanceModeCombo"
                                             << "Balance as of today";
    }

    void storedValuesThatMatchNoItem()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, combo);
        QFETCH(QString, shown);
        UiStateGuard ui;
        AppFixture f;
        QVERIFY(f.isValid());
        QVERIFY(f.app()->preferencesRepository()->set(key, stored));
        const int rowsBefore = f.countRows(QStringLiteral("SELECT COUNT(*) FROM preferences"));
        QSignalSpy written(f.app()->preferencesRepository(), &PreferencesRepository::changed);

        SettingsScreen screen(f.app());
        QCOMPARE(named<QComboBox>(screen, combo.toLatin1().constData())->currentText(), shown);
        QCOMPARE(written.count(), 0);
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM preferences")), rowsBefore);
        QCOMPARE(f.app()->preferencesRepository()->value(key), stored);
    }

    void fontScaleShowsTheCurrentScaleOrDefault_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one of the five") << 130 << "Large";
        QTest::newRow("smallest") << 85 << "Small";
        QTest::newRow("between items") << 120 << "Default";
        QTest::newRow("beyond the largest") << 300 << "Default";
    }

    void fontScaleShowsTheCurrentScaleOrDefault()
    {
        QFETCH(int, scale);
        QFETCH(QString, shown);
        UiStateGuard ui;
        AppFixture f;
        QVERIFY(f.isValid());
        UiPrefs::setFontScalePercent(scale);
        SettingsScreen screen(f.app());
        QCOMPARE(named<QComboBox>(screen, "fontScaleCombo")->currentText(), shown);
    }

    // Each control stores its own key with the value its item carries, not
    // the text it shows.
    void everyControlWritesItsPreference_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("choice"); // combo index, or 1/0 for a check box
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("theme") << "themeCombo" << 2 << "theme" << "dark";
        QTest::newRow("font size") << "fontScaleCombo" << 3 << "fontScale" << "130";
        QTest::newRow("week start") << "weekStartCombo" << 2 << "weekStartDay" << "6";
        QTest::newRow("account list") << "balanceModeCombo" << 1 << "dashboardBalanceMode" << "cleared";
        QTest::newRow("two-line rows") << "twoLineCheck" << 1 << "registerTwoLine" << "1";
        QTest::newRow("auto-decimal") << "autoDecimalCheck" << 1 << "amountAutoDecimal" << "1";
        QTest::newRow("overdrawn rows, on by default") << "highlightOverdrawnCheck" << 0
                                                       << "registerHighlightOverdrawn" << "0";
        QTest::newRow("newest first") << "newestFirstCheck" << 1 << "registerNewestFirst" << "1";
    }

    void everyControlWritesItsPreference()
    {
        QFETCH(QString, control);
        QFETCH(int, choice);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        UiStateGuard ui;
        const int weekStart = UiPrefs::weekStartDay();
        AppFixture f;
        QVERIFY(f.isValid());
        SettingsScreen screen(f.app());
        QSignalSpy written(f.app()->preferencesRepository(), &PreferencesRepository::changed);

        QWidget *widget = named<QWidget>(screen, control.toLatin1().constData());
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(choice);
        else if (auto *check = qobject_cast<QCheckBox *>(widget))
            check->setChecked(choice == 1);
        else
            QFAIL("no such control");

        QCOMPARE(f.app()->preferencesRepository()->get(key), std::optional<QString>(stored));
        QStringList keys;
        for (const QList<QVariant> &signal : std::as_const(written))
            keys.append(signal.at(0).toString());
        QVERIFY2(keys.contains(key), qPrintable(keys.join(u',')));
        if (key == QLatin1String("weekStartDay"))
            QCOMPARE(UiPrefs::weekStartDay(), int(Qt::Saturday));
        UiPrefs::weekStartDay() = weekStart;
    }

    // Typing 1234 into an amount field means 12.34 the moment the box is ticked.
    void autoDecimalTakesEffectAtOnce()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        SettingsScreen screen(f.app());
        const auto typed = [] {
            SmartAmountField field;
            field.setRange(0, 99999999.99);
            field.selectAll();
            QTest::keyClicks(&field, QStringLiteral("1234"));
            field.interpretText();
            return field.minorUnits();
        };
        QCOMPARE(typed(), qint64(123400));
        named<QCheckBox>(screen, "autoDecimalCheck")->setChecked(true);
        QCOMPARE(typed(), qint64(1234));
        named<QCheckBox>(screen, "autoDecimalCheck")->setChecked(false);
        QCOMPARE(typed(), qint64(123400));
    }

    void languageChangeMessage_data()
    {
        QTest::addColumn<QString>("stored"); // empty: never chosen
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("afterwards");
        QTest::addColumn<bool>("told");
        QTest::newRow("same as stored") << "en" << "en" << "en" << false;
        QTest::newRow("system default after English") << "en" << "system" << "system" << true;
        QTest::newRow("first choice") << "" << "ja" << "ja" << true;
        QTest::newRow("system default when never chosen") << "" << "system" << "system" << false;
        QTest::newRow("another language") << "de" << "fr" << "fr" << true;
    }

    void languageChangeMessage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, chosen);
        QFETCH(QString, afterwards);
        QFETCH(bool, told);
        if (!stored.isEmpty())
            Application::setLanguage(stored);
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        auto *combo = named<QComboBox>(screen, "languageCombo");
        QCOMPARE(combo->currentData().toString(), stored.isEmpty() ? QStringLiteral("system") : stored);

        // Pass through another item first, so picking the stored one is a change of the combo.
        combo->blockSignals(true);
        combo->setCurrentIndex(combo->findData(chosen) == 0 ? 1 : 0);
        combo->blockSignals(false);
        combo->setCurrentIndex(combo->findData(chosen));

        QCOMPARE(Application::effectiveLanguage(false), afterwards);
        QCOMPARE(prompts.messages.size(), told ? 1 : 0);
        if (told) {
            QCOMPARE(prompts.messages.first().title, QStringLiteral("Language Changed"));
            QCOMPARE(prompts.messages.first().text,
                QStringLiteral("The new language will take effect the next time you start Lumora Tallyra."));
        }
    }

    // Eight round swatches in order, named in lower case; the stored colour
    // is marked; a pick stores the lower-case name and recolours the button;
    // Cancel stores nothing.
    void accentDialog()
    {
        UiStateGuard ui;
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        auto *accentButton = named<QPushButton>(screen, "accentButton");
        QVERIFY(accentButton->styleSheet().contains(QLatin1String("#00897b")));

        const auto swatchesOf = [](QDialog *dialog) {
            QList<QPushButton *> swatches;
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                if (!button->toolTip().isEmpty())
                    swatches.append(button);
            }
            return swatches;
        };
        const auto selectedOf = [](const QList<QPushButton *> &swatches) {
            QStringList selected;
            for (QPushButton *swatch : swatches) {
                if (swatch->styleSheet().contains(QLatin1String("2px solid")))
                    selected.append(swatch->toolTip());
            }
            return selected;
        };

        QStringList tips;
        QStringList marked;
        prompts.steps.append([&](QDialog *dialog) {
            const QList<QPushButton *> swatches = swatchesOf(dialog);
            for (QPushButton *swatch : swatches)
                tips.append(swatch->toolTip());
            marked = selectedOf(swatches);
            swatches.at(1)->click();
            return dialog->result();
        });
        accentButton->click();
        QCOMPARE(tips, (QStringList{"#00897b", "#1e88e5", "#3949ab", "#8e24aa", "#d81b60", "#2e7d32", "#f9a825",
                            "#546e7a"}));
        QCOMPARE(marked, QStringList{"#00897b"});
        QCOMPARE(f.app()->preferencesRepository()->value(QStringLiteral("accentColor")), QStringLiteral("#1e88e5"));
        QVERIFY(accentButton->styleSheet().contains(QLatin1String("#1e88e5")));
        QVERIFY(!accentButton->styleSheet().contains(QLatin1String("2px solid")));

        // The picked colour is marked next time; Cancel keeps it.
        prompts.steps.append([&](QDialog *dialog) {
            marked = selectedOf(swatchesOf(dialog));
            return int(QDialog::Rejected);
        });
        accentButton->click();
        QCOMPARE(marked, QStringList{"#1e88e5"});
        QCOMPARE(f.app()->preferencesRepository()->value(QStringLiteral("accentColor")), QStringLiteral("#1e88e5"));

        // A colour outside the eight shows on the button and marks no swatch.
        QVERIFY(f.app()->preferencesRepository()->set(QStringLiteral("accentColor"), QStringLiteral("#123456")));
        SettingsScreen other(f.app());
        QVERIFY(named<QPushButton>(other, "accentButton")->styleSheet().contains(QLatin1String("#123456")));
        prompts.steps.append([&](QDialog *dialog) {
            marked = selectedOf(swatchesOf(dialog));
            return int(QDialog::Rejected);
        });
        named<QPushButton>(other, "accentButton")->click();
        QCOMPARE(marked, QStringList());
        QCOMPARE(f.app()->preferencesRepository()->value(QStringLiteral("accentColor")), QStringLiteral("#123456"));
    }

    // ---- Data & Sync ------------------------------------------------------

    void notSignedInShowsOnlyTheSentence()
    {
        OnlineSettings online;
        QVERIFY(online.start());
        online.openScreen();
        QCOMPARE(online.statusText(),
            QStringLiteral("Not signed in.\nSign in via File › Lumora Account to enable sync."));
        QVERIFY(named<QLabel>(*online.screen, "lastSyncLabel")->isHidden());
        QVERIFY(named<QWidget>(*online.screen, "syncButtonRow")->isHidden());
        QVERIFY(!named<QPushButton>(*online.screen, "exportBackupButton")->isHidden());
    }

    // The user's name is data: markup in it is shown as typed. A user record
    // without name or e-mail shows the token's subject until the fetch
    // brings a name.
    void signedInStatusShowsTheUserAsPlainText()
    {
        OnlineSettings online;
        QVERIFY(online.start());
        online.services->user.insert(QStringLiteral("display_name"), QString());
        online.services->user.insert(QStringLiteral("email"), QString());
        QVERIFY(online.signIn());
        online.openScreen();
        const QString subject = online.state->onlineClient()->authClient()->userId();
        QVERIFY(!subject.isEmpty());
        QVERIFY(online.statusText().contains(subject));
        QVERIFY(online.statusText().contains(QLatin1String("Status:</b> <span style=\"color:")));
        QVERIFY(online.lastSyncText().startsWith(QLatin1String("Last synced: ")));

        online.services->user.insert(QStringLiteral("display_name"), QStringLiteral("<i>Ann</i> & Co"));
        online.screen->refresh();
        QTRY_VERIFY(online.statusText().contains(QLatin1String("&lt;i&gt;Ann&lt;/i&gt; &amp; Co")));
        QVERIFY(!online.statusText().contains(QLatin1String("<i>")));
    }

    void lastSyncLine_data()
    {
        QTest::addColumn<QString>("stamp"); // empty: removed
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("never") << "" << false << "Never synced";
        QTest::newRow("not a date-time") << "<b>yesterday</b>" << false << "Last synced: <b>yesterday</b>";
        QTest::newRow("old error, engine idle") << "" << false << "Never synced";
        QTest::newRow("error state") << "" << true << "Never synced\nError: ";
    }

    void lastSyncLine()
    {
        QFETCH(QString, stamp);
        QFETCH(bool, failed);
        QFETCH(QString, expected);
        OnlineSettings online;
        QVERIFY(online.start());
        QVERIFY(online.signIn());
        // An earlier failure leaves its error text behind in the engine.
        online.sync->failPull(online.sync->pullCount() + 1, FakeResponse::json(500, QJsonObject()));
        online.state->syncEngine()->syncNow();
        QTRY_COMPARE(online.state->syncEngine()->state(), SyncEngine::Error);
        if (!failed) {
            online.state->syncEngine()->syncNow();
            QTRY_COMPARE(online.state->syncEngine()->state(), SyncEngine::Idle);
        }
        PreferencesRepository *preferences = online.state->preferencesRepository();
        if (stamp.isEmpty())
            preferences->remove(QStringLiteral("lastSyncTimestamp"));
        else
            preferences->set(QStringLiteral("lastSyncTimestamp"), stamp);
        online.openScreen();
        QCOMPARE(online.lastSyncText().left(expected.size()), expected);
        if (!failed)
            QVERIFY(!online.lastSyncText().contains(QLatin1String("Error")));
        else
            QVERIFY(online.lastSyncText().size() > expected.size());
    }

    // Sync Now: its button is disabled with "Syncing..." until the engine
    // is no longer syncing, then the status shows the run.
    void syncNowGuardsItsButton()
    {
        OnlineSettings online;
        QVERIFY(online.start());
        QVERIFY(online.signIn());
        online.state->preferencesRepository()->remove(QStringLiteral("lastSyncTimestamp"));
        online.openScreen();
        QCOMPARE(online.lastSyncText(), QStringLiteral("Never synced"));
        const Account account = online.addAccount(QStringLiteral("Typed here"));

        QPushButton *syncButton = online.button("syncNowButton");
        syncButton->click();
        QVERIFY(!syncButton->isEnabled());
        QCOMPARE(syncButton->text(), QStringLiteral("Syncing..."));
        QVERIFY(online.button("forceFullSyncButton")->isEnabled());
        QTRY_VERIFY(syncButton->isEnabled());
        QCOMPARE(syncButton->text(), QStringLiteral("Sync Now"));
        QVERIFY(online.lastSyncText().startsWith(QLatin1String("Last synced: ")));
        QVERIFY(online.sync->recordByClientId(QStringLiteral("accounts"), account.id).has_value());
    }

    // A failed run gives the button back and shows the failure.
    void failedSyncIsReported()
    {
        OnlineSettings online;
        QVERIFY(online.start());
        QVERIFY(online.signIn());
        online.openScreen();
        online.sync->failPull(online.sync->pullCount() + 1, FakeResponse::json(500, QJsonObject()));
        QPushButton *syncButton = online.button("syncNowButton");
        syncButton->click();
        QVERIFY(!syncButton->isEnabled());
        QTRY_VERIFY(syncButton->isEnabled());
        QCOMPARE(syncButton->text(), QStringLiteral("Sync Now"));
        QCOMPARE(online.state->syncEngine()->state(), SyncEngine::Error);
        QVERIFY(online.statusText().contains(SyncEngine::stateToString(SyncEngine::Error)));
        QVERIFY(online.lastSyncText().contains(QLatin1String("\nError: ")));
    }

    // Force Full Sync asks first (No is the default); Yes sends every row
    // again and starts the feed from its beginning.
    void forceFullSync()
    {
        OnlineSettings online;
        QVERIFY(online.start());
        const Account account = online.addAccount(QStringLiteral("Everyday"));
        QVERIFY(online.signIn());
        QCOMPARE(online.state->accountRepository()->listPendingSync().size(), 0);
        online.openScreen();
        FakePrompts prompts;
        bool noWasDefault = false;
        const int pushes = online.sync->pushCount();

        prompts.steps.append(answer(QMessageBox::No, &noWasDefault));
        online.button("forceFullSyncButton")->click();
        QVERIFY(noWasDefault);
        QVERIFY(online.button("syncNowButton")->isEnabled());
        QCOMPARE(online.state->syncEngine()->state(), SyncEngine::Idle);
        QVERIFY(!online.state->preferencesRepository()->value(QStringLiteral("syncCursor")).isEmpty());

        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral(
            "Force Full Sync: marked pending — accounts: 1, categories: \\d+, transactions: 0, recurrings: 0, "
            "reconciliations: 0")));
        const int pullsBefore = online.sync->pullCount();
        prompts.steps.append(answer(QMessageBox::Yes));
        online.button("forceFullSyncButton")->click();
        QVERIFY(!online.button("syncNowButton")->isEnabled());
        QVERIFY(!online.button("forceFullSyncButton")->isEnabled());
        QCOMPARE(online.button("syncNowButton")->text(), QStringLiteral("Syncing..."));
        QTRY_VERIFY(online.button("forceFullSyncButton")->isEnabled());
        QVERIFY(online.button("syncNowButton")->isEnabled());
        QCOMPARE(online.sync->pushCount(), pushes + 1);
        QCOMPARE(online.sync->pullCursors().value(pullsBefore), QString());
        QCOMPARE(online.state->accountRepository()->listPendingSync().size(), 0);
        QVERIFY(online.lastSyncText().startsWith(QLatin1String("Last synced: ")));
        QVERIFY(online.sync->recordByClientId(QStringLiteral("accounts"), account.id).has_value());
    }

    // ---- Backup ----------------------------------------------------------

    // An export read back in any mode gives every row of every table again.
    void exportThenImportRoundTrips_data()
    {
        QTest::addColumn<int>("modeItem");
        QTest::newRow("replace all") << 0;
        QTest::newRow("keep newer") << 1;
        QTest::newRow("skip existing") << 2;
    }

    void exportThenImportRoundTrips()
    {
        QFETCH(int, modeItem);
        AppFixture f;
        QVERIFY(f.isValid());
        addEveryKindOfRow(f);
        if (QTest::currentTestFailed())
            return;
        const QStringList before = storedRows(f.app()->database());
        QCOMPARE(before.filter(QStringLiteral("split_lines|")).size(), 2);

        QTemporaryDir files;
        FakeFileChooser chooser(files.filePath(QStringLiteral("backup.zip")));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        named<QPushButton>(screen, "exportBackupButton")->click();
        QCOMPARE(chooser.proposedName,
            QStringLiteral("tallyra-backup-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate)));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().title, QStringLiteral("Backup Complete"));
        QVERIFY(QFile(chooser.savePath).size() > 0);

        QVERIFY(wipeTables(f));
        QSignalSpy accountsChanged(f.app()->accountRepository(), &AccountRepository::accountsChanged);
        QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
        prompts.messages.clear();
        prompts.steps.append(chooseMode(modeItem));
        if (modeItem == 0)
            prompts.steps.append(answer(QMessageBox::Yes));
        named<QPushButton>(screen, "importBackupButton")->click();

        QCOMPARE(prompts.steps.size(), 0);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().title, QStringLiteral("Import Complete"));
        QVERIFY(prompts.messages.first().text.contains(
            QStringLiteral("Imported %1 items, skipped 0.").arg(before.size())));
        QCOMPARE(storedRows(f.app()->database()), before);
        QCOMPARE(restored.count(), 1);
        QVERIFY(accountsChanged.count() >= 1);
        // The deleted account came back as deleted, listed for restore.
        QCOMPARE(named<QListWidget>(screen, "deletedAccountsList")->count(), 1);
        QVERIFY(named<QPushButton>(screen, "importBackupButton")->isEnabled());
    }

    // Answering No to replacing the data writes nothing.
    void replaceQuestionAnsweredNoWritesNothing()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Checking"));
        QTemporaryDir files;
        FakeFileChooser chooser(files.filePath(QStringLiteral("backup.zip")));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        named<QPushButton>(screen, "exportBackupButton")->click();

        Account renamed = account;
        renamed.name = QStringLiteral("Renamed since");
        QVERIFY(f.app()->accountRepository()->update(renamed));
        const QStringList before = storedRows(f.app()->database());
        bool noWasDefault = false;
        prompts.messages.clear();
        prompts.steps.append(chooseMode(0));
        prompts.steps.append(answer(QMessageBox::No, &noWasDefault));
        named<QPushButton>(screen, "importBackupButton")->click();

        QVERIFY(noWasDefault);
        QCOMPARE(prompts.messages.size(), 0);
        QCOMPARE(storedRows(f.app()->database()), before);
    }

    void failedImportsAndExports_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("fileContents"); // null: no file
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("not an archive") << "import" << QByteArray("<b>not a zip</b>") << "Import Failed" << "";
        QTest::newRow("empty file") << "import" << QByteArray("") << "Import Failed" << "";
        QTest::newRow("missing file") << "import" << QByteArray() << "Import Failed" << "Could not read file.";
        QTest::newRow("unwritable target") << "export" << QByteArray() << "Backup Failed" << "Could not write to:";
    }

    // Failures show as failures: the archive that restores nothing says why,
    // and a backup that could not be written is never reported as saved.
    void failedImportsAndExports()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, fileContents);
        QFETCH(QString, title);
        QFETCH(QString, text);
        AppFixture f;
        QVERIFY(f.isValid());
        f.addAccount(QStringLiteral("Checking"));
        const QStringList before = storedRows(f.app()->database());
        QTemporaryDir files;
        const QString path = files.filePath(QStringLiteral("backup.zip"));
        if (!fileContents.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fileContents);
        }
        FakeFileChooser chooser;
        chooser.openPath = path;
        chooser.savePath = files.filePath(QStringLiteral("no-such-folder/backup.zip"));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        if (operation == QLatin1String("import")) {
            prompts.steps.append(chooseMode(2));
            named<QPushButton>(screen, "importBackupButton")->click();
        } else {
            named<QPushButton>(screen, "exportBackupButton")->click();
            QVERIFY(!QFile::exists(chooser.savePath));
        }

        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().kind, QStringLiteral("warning"));
        QCOMPARE(prompts.messages.first().title, title);
        QVERIFY(!prompts.messages.first().text.isEmpty());
        QVERIFY2(prompts.messages.first().text.contains(text), qPrintable(prompts.messages.first().text));
        QVERIFY(!prompts.messages.first().text.contains(QLatin1String("<b>not")));
        QCOMPARE(storedRows(f.app()->database()), before);
        QVERIFY(named<QPushButton>(screen, "importBackupButton")->isEnabled());
        QVERIFY(named<QPushButton>(screen, "exportBackupButton")->isEnabled());
    }

    // A full disk: the file layer's reason is shown, and no backup, not even
    // an empty one, is left under the chosen name.
    void exportToAFullDiskIsAFailureWithItsReason()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        f.addAccount(QStringLiteral("Checking"));
        SmallFileSystem disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system is not allowed here");
        QVERIFY(disk.fill());
        FakeFileChooser chooser;
        chooser.savePath = disk.filePath(QStringLiteral("backup.zip"));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        named<QPushButton>(screen, "exportBackupButton")->click();

        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().kind, QStringLiteral("warning"));
        QCOMPARE(prompts.messages.first().title, QStringLiteral("Backup Failed"));
        const QString text = prompts.messages.first().text;
        QVERIFY2(text.contains(QLatin1String("Could not write to:")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("No space left on device")), qPrintable(text));
        QVERIFY(!QFile::exists(chooser.savePath));
        QVERIFY(named<QPushButton>(screen, "exportBackupButton")->isEnabled());
    }

    // A table the store cannot read ends the export: the user learns why,
    // and no backup that lacks its rows is written.
    void exportOfATableTheStoreCannotReadIsAFailureWithItsReason()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        f.addAccount(QStringLiteral("Checking"));
        QTemporaryDir files;
        FakeFileChooser chooser(files.filePath(QStringLiteral("backup.zip")));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        // Shadows the stored table for this connection; reading it fails.
        QVERIFY(f.execSql(QStringLiteral("CREATE TEMP VIEW reconciliations AS SELECT json('not json') AS id")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("export query failed")));
        named<QPushButton>(screen, "exportBackupButton")->click();

        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().kind, QStringLiteral("warning"));
        QCOMPARE(prompts.messages.first().title, QStringLiteral("Backup Failed"));
        QVERIFY2(prompts.messages.first().text.contains(
                     QStringLiteral("The backup archive could not be created: malformed JSON.")),
            qPrintable(prompts.messages.first().text));
        QVERIFY(!QFile::exists(chooser.savePath));
        QVERIFY(named<QPushButton>(screen, "exportBackupButton")->isEnabled());
    }

    // A restore the database refuses part of the way (its file cannot grow)
    // or from the start (another program holds the write lock) is a failure
    // that says why: never "Import Complete", and nothing of it is kept.
    void restoreTheStoreRefusesIsAFailureWithItsReason_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << "full" << "the disk is full";
        QTest::newRow("database locked") << "locked" << "the data is in use by another program";
    }

    void restoreTheStoreRefusesIsAFailureWithItsReason()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        AppFixture f;
        QVERIFY(f.isValid());
        addEveryKindOfRow(f);
        if (QTest::currentTestFailed())
            return;
        // More than the emptied tables' pages hold.
        const Account extra = f.addAccount(QStringLiteral("Extra"));
        for (int n = 0; n < 300; ++n)
            f.addTransaction(extra.id, QDate(2024, 1, 1).addDays(n), QStringLiteral("Payee %1 ").arg(n).repeated(20), -n);
        QTemporaryDir files;
        FakeFileChooser chooser(files.filePath(QStringLiteral("backup.zip")));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        named<QPushButton>(screen, "exportBackupButton")->click();
        QVERIFY(wipeTables(f));
        const QStringList before = storedRows(f.app()->database());

        QSqlDatabase *connection = f.app()->database()->db();
        sqlite3 *handle = *static_cast<sqlite3 *const *>(connection->driver()->handle().data());
        sqlite3 *other = nullptr;
        if (fault == QLatin1String("full")) {
            QVERIFY(f.execSql(QStringLiteral("VACUUM")));
            QVERIFY(f.execSql(QStringLiteral("PRAGMA max_page_count = %1").arg(f.countRows(QStringLiteral("PRAGMA page_count")))));
        } else {
            sqlite3_busy_timeout(handle, 100);
            QCOMPARE(sqlite3_open(qPrintable(connection->databaseName()), &other), SQLITE_OK);
            QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        prompts.messages.clear();
        prompts.steps.append(chooseMode(2));
        named<QPushButton>(screen, "importBackupButton")->click();
        if (other) {
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }

        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().kind, QStringLiteral("warning"));
        QCOMPARE(prompts.messages.first().title, QStringLiteral("Import Failed"));
        QVERIFY2(prompts.messages.first().text.contains(
                     QStringLiteral("The backup could not be restored: %1. No data was changed.").arg(reason)),
            qPrintable(prompts.messages.first().text));
        QCOMPARE(storedRows(f.app()->database()), before);
        QVERIFY(named<QPushButton>(screen, "importBackupButton")->isEnabled());
    }

    // After an import every view shows what is stored: the main window
    // lists the restored accounts.
    void importReloadsTheMainWindow()
    {
        QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra")).remove(QStringLiteral("mainwindow"));
        AppFixture f;
        QVERIFY(f.isValid());
        f.addAccount(QStringLiteral("Checking"));
        f.addAccount(QStringLiteral("Savings"));
        QTemporaryDir files;
        FakeFileChooser chooser(files.filePath(QStringLiteral("backup.zip")));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        named<QPushButton>(screen, "exportBackupButton")->click();
        QVERIFY(wipeTables(f));

        MainWindow window(f.app());
        QCOMPARE(window.accountList()->count(), 0);
        prompts.steps.append(chooseMode(2));
        named<QPushButton>(screen, "importBackupButton")->click();
        QTRY_COMPARE(window.accountList()->count(), 2);
    }

    // Restored rows are new to the sync service: a signed-in user's import
    // schedules a sync, as any other local change does.
    void importSchedulesASyncWhenSignedIn()
    {
        OnlineSettings online;
        QVERIFY(online.start());
        QVERIFY(online.signIn());
        online.addAccount(QStringLiteral("Checking"));
        QTemporaryDir files;
        FakeFileChooser chooser(files.filePath(QStringLiteral("backup.zip")));
        FakePrompts prompts;
        SettingsScreen &screen = online.openScreen();
        online.button("exportBackupButton")->click();
        QVERIFY(online.state->syncEngine()->state() != SyncEngine::Syncing);

        QTimer *debounce = nullptr;
        for (QTimer *timer : online.state->syncEngine()->findChildren<QTimer *>()) {
            if (timer->interval() == SyncEngine::kDebounceMs)
                debounce = timer;
        }
        QVERIFY(debounce);
        debounce->stop();
        prompts.steps.append(chooseMode(2));
        named<QPushButton>(screen, "importBackupButton")->click();
        QCOMPARE(prompts.messages.constLast().title, QStringLiteral("Import Complete"));
        QVERIFY(debounce->isActive());
    }

    // ---- Deleted accounts ------------------------------------------------

    // A restore brings the account back with what was deleted with it, the
    // main window lists it again, and the section goes with the last one.
    void restoreDeletedAccount()
    {
        QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra")).remove(QStringLiteral("mainwindow"));
        AppFixture f;
        QVERIFY(f.isValid());
        const Account kept = f.addAccount(QStringLiteral("Kept"));
        const Account gone = f.addAccount(QStringLiteral("<b>Gone</b> & Co"));
        const Transaction earlier = f.addTransaction(gone.id, QDate(2024, 1, 2), QStringLiteral("Deleted before"), -1);
        f.addTransaction(gone.id, QDate(2024, 1, 3), QStringLiteral("Deleted with it"), -2);
        QVERIFY(f.app()->transactionRepository()->softDelete(earlier.id));
        QVERIFY(f.execSql(QStringLiteral("UPDATE transactions SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = '%1'")
                              .arg(earlier.id)));
        QCOMPARE(f.app()->accountOperations()->deleteAccount(gone.id), WriteResult::Written);

        MainWindow window(f.app());
        QTRY_COMPARE(window.accountList()->count(), 1);
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
        auto *list = named<QListWidget>(screen, "deletedAccountsList");
        auto *restore = named<QPushButton>(screen, "restoreAccountButton");
        QVERIFY(!named<QWidget>(screen, "deletedAccountsSection")->isHidden());
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), gone.name);
        QVERIFY(!restore->isEnabled());

        list->setCurrentRow(0);
        QVERIFY(restore->isEnabled());
        restore->click();

        QCOMPARE(prompts.messages.size(), 0);
        QCOMPARE(restored.count(), 1);
        QVERIFY(named<QWidget>(screen, "deletedAccountsSection")->isHidden());
        QCOMPARE(list->count(), 0);
        const QList<Transaction> back = f.liveTransactions(gone.id);
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.first().payee, QStringLiteral("Deleted with it"));
        QTRY_COMPARE(window.accountList()->count(), 2);
        Q_UNUSED(kept);
    }

    // The delete message sends the user here to restore: an open window
    // lists an account deleted meanwhile, and keeps the one picked.
    void deletedAccountsFollowDeletesWhileOpen()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account first = f.addAccount(QStringLiteral("Old Savings"));
        const Account second = f.addAccount(QStringLiteral("Cash Box"));
        f.addAccount(QStringLiteral("Kept"));
        SettingsScreen screen(f.app());
        screen.show();
        auto *section = named<QWidget>(screen, "deletedAccountsSection");
        auto *list = named<QListWidget>(screen, "deletedAccountsList");
        auto *restore = named<QPushButton>(screen, "restoreAccountButton");
        QVERIFY(section->isHidden());

        QCOMPARE(f.app()->accountOperations()->deleteAccount(first.id), WriteResult::Written);
        QTRY_VERIFY(!section->isHidden());
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), first.name);
        list->setCurrentRow(0);

        QCOMPARE(f.app()->accountOperations()->deleteAccount(second.id), WriteResult::Written);
        QTRY_COMPARE(list->count(), 2);
        QVERIFY(list->currentItem());
        QCOMPARE(list->currentItem()->data(Qt::UserRole).toString(), first.id);
        QVERIFY(restore->isEnabled());

        // Restored elsewhere (a backup, a sync), it leaves the list.
        QVERIFY(f.app()->accountOperations()->restoreAccount(second.id));
        QTRY_COMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), first.name);
    }

    // A restore that cannot be written changes nothing and says so.
    void failedRestoreIsReported()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account gone = f.addAccount(QStringLiteral("Gone"));
        f.addTransaction(gone.id, QDate(2024, 1, 3), QStringLiteral("Deleted with it"), -2);
        QCOMPARE(f.app()->accountOperations()->deleteAccount(gone.id), WriteResult::Written);
        QVERIFY(f.execSql(QStringLiteral("CREATE TRIGGER no_undelete BEFORE UPDATE ON accounts "
                                         "WHEN NEW.deleted_at IS NULL BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        FakePrompts prompts;
        SettingsScreen screen(f.app());
        QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
        auto *list = named<QListWidget>(screen, "deletedAccountsList");
        list->setCurrentRow(0);
        named<QPushButton>(screen, "restoreAccountButton")->click();

        QCOMPARE(restored.count(), 0);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().title, QStringLiteral("Restore Failed"));
        QVERIFY2(prompts.messages.first().text.contains(
                     QStringLiteral("The account \"Gone\" could not be restored: refused. Nothing was changed.")),
            qPrintable(prompts.messages.first().text));
        QCOMPARE(list->count(), 1);
        QCOMPARE(f.liveTransactions(gone.id).size(), 0);
    }
};

TALLYRA_TEST(SettingsScreenTest)
#include "test_settingsscreen.moc"
