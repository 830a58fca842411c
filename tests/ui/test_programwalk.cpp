#include "support/testmain.h"

#include "../register/registerfixture.h"
#include "../sync/fakesyncservice.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "screens/filechooser.h"
#include "screens/importscreen.h"
#include "screens/payeescreen.h"
#include "screens/reconciliationhistoryscreen.h"
#include "screens/reconciliationmodel.h"
#include "screens/reconciliationscreen.h"
#include "screens/recurringscreen.h"
#include "screens/reportsscreen.h"
#include "screens/searchscreen.h"
#include "screens/settingsscreen.h"
#include "register/smartamountfield.h"
#include "support/memorytokenstore.h"
#include "support/onlineenvironment.h"
#include "sync/syncengine.h"
#include "ui/mainwindow.h"
#include "ui/welcomescreen.h"
#include "ui/statusbar.h"
#include "ui/thememanager.h"
#include "uitestsupport.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrlQuery>

#include <memory>

namespace {

// Answers the screens' file dialogs with fixed paths.
class ScriptedFiles : public FileChooser
{
public:
    ScriptedFiles() { FileChooser::setCurrent(this); }
    ~ScriptedFiles() override { FileChooser::setCurrent(nullptr); }

    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return savePath; }
    QString openFileName(QWidget *, const QString &, const QString &) override { return openPath; }
    QStringList openFileNames(QWidget *, const QString &, const QString &) override { return picks; }

    QString savePath;
    QString openPath;
    QStringList picks;
};

// Stands in for the system browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

// One stored transaction as the walk compares it.
struct Row
{
    QString id;
    QString accountId;
    QString payee;
    qint64 amount = 0;
    bool cleared = false;
    bool reconciled = false;
    bool operator==(const Row &other) const = default;
};

} // namespace

// A person's day with the program, through its menus and keys, on one data
// folder: every step checks what the database holds afterwards. The steps
// run in order and build on each other.
class ProgramWalkTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_files;
    std::unique_ptr<EnvironmentOverride> m_dataDir;
    OnlineEnvironment m_online;
    std::unique_ptr<FakeSyncService> m_sync;
    std::unique_ptr<UiStateGuard> m_uiState;
    std::unique_ptr<FakePrompts> m_prompts;
    ScriptedFiles m_fileDialogs;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;

    QString m_checkingId;
    QString m_savingsId;
    QString m_typedKioskId;
    QString m_transferId;
    QString m_postedKioskId;
    QList<Row> m_backedUp;

    bool start()
    {
        m_state = std::make_unique<AppState>();
        m_state->setTokenStore(std::make_unique<MemoryTokenStore>());
        if (!m_state->initialize())
            return false;
        m_window = std::make_unique<MainWindow>(m_state.get());
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning() << "the main window did not become active";
        settleEvents();
        return true;
    }

    QAction *menuAction(const QString &text) const { return menuBarAction(m_window.get(), text); }

    bool trigger(const QString &menuText)
    {
        QAction *action = menuAction(menuText);
        if (!action)
            return false;
        action->trigger();
        settleEvents();
        return true;
    }

    // A key pressed in the main window, brought to the front first as a
    // person would after closing a tool window.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (QApplication::activeWindow() != m_window.get()) {
            m_window->activateWindow();
            QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_window.get(); }));
        }
        // Focus moves into the activated window a moment later.
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != m_window.get())
            focus = m_window.get();
        QTest::keyClick(focus, Qt::Key(key), modifiers);
        settleEvents();
    }

    template<typename T>
    T *toolWindow() const
    {
        T *window = m_window->findChild<T *>(QString(), Qt::FindDirectChildrenOnly);
        return window && window->isVisible() ? window : nullptr;
    }

    QList<Row> liveRows(const QString &accountId = QString()) const
    {
        QSqlQuery query(*m_state->database()->db());
        query.prepare(QStringLiteral("SELECT id, account_id, payee, amount, cleared, reconciled FROM transactions "
                                     "WHERE deleted_at IS NULL AND (? = '' OR account_id = ?) ORDER BY id"));
        // A null text binds as NULL, which equals nothing.
        const QString account = accountId.isEmpty() ? QStringLiteral("") : accountId;
        query.addBindValue(account);
        query.addBindValue(account);
        QList<Row> rows;
        if (!query.exec())
            return rows;
        while (query.next()) {
            rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toLongLong(), query.value(4).toBool(), query.value(5).toBool()});
        }
        return rows;
    }

    std::optional<Row> row(const QString &id) const
    {
        for (const Row &candidate : liveRows()) {
            if (candidate.id == id)
                return candidate;
        }
        return std::nullopt;
    }

    QStringList liveAccountNames() const
    {
        QStringList names;
        for (const Account &account : m_state->accountRepository()->listAll())
            names.append(account.name);
        return names;
    }

    QString preference(const char *key) const
    {
        return m_state->preferencesRepository()->get(QLatin1String(key)).value_or(QString());
    }

    QStringList registerPayees() const
    {
        RegisterModel *model = m_window->registerScreen()->model();
        QStringList payees;
        for (int row = 0; row < model->listRowCount(); ++row)
            payees.append(model->rowAt(row).transaction.payee);
        payees.sort();
        return payees;
    }

    void createAccount(const QString &name, double openingBalance)
    {
        m_prompts->steps.append([name, openingBalance](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(name);
            findNamed<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(openingBalance);
            return int(QDialog::Accepted);
        });
        press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    }

    QString onlyNewId(const QList<Row> &before, const QString &accountId) const
    {
        QString found;
        for (const Row &candidate : liveRows(accountId)) {
            if (!before.contains(candidate)) {
                if (!found.isEmpty())
                    return QString();
                found = candidate.id;
            }
        }
        return found;
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(m_files.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
        return file.fileName();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid() && m_files.isValid());
        m_dataDir = std::make_unique<EnvironmentOverride>("TALLYRA_DATA_DIR", m_dir.path().toUtf8());
        QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra")).remove(QString());
        QSettings().remove(QStringLiteral("auth"));
        QVERIFY(m_online.start());
        m_sync = std::make_unique<FakeSyncService>(&m_online.server);
        FakeOnlineServices *services = m_online.services.get();
        m_sync->authorize = [services](const FakeRequest &request) { return services->authorized(request); };
        m_online.syncUrl.reset();
        m_online.syncUrl = std::make_unique<EnvironmentOverride>("SYNC_API_URL", m_online.server.url().toUtf8());
        m_uiState = std::make_unique<UiStateGuard>();
        m_prompts = std::make_unique<FakePrompts>();
        QVERIFY(start());
        QCOMPARE(m_window->pageStack()->currentWidget(), m_window->welcomeScreen());
    }

    void cleanupTestCase()
    {
        if (m_state)
            m_state->themeManager()->setTheme(ThemeManager::Light);
        m_window.reset();
        m_state.reset();
        m_prompts.reset();
        m_uiState.reset();
        settleEvents();
    }

    void createTwoAccounts()
    {
        createAccount(QStringLiteral("Checking"), 1000.0);
        createAccount(QStringLiteral("Savings"), 0.0);
        QCOMPARE(liveAccountNames(), (QStringList{QStringLiteral("Checking"), QStringLiteral("Savings")}));
        const QList<Account> accounts = m_state->accountRepository()->listAll();
        m_checkingId = accounts.at(0).id;
        m_savingsId = accounts.at(1).id;
        const QList<Row> opening = liveRows(m_checkingId);
        QCOMPARE(opening.size(), 1);
        QCOMPARE(opening.first().amount, qint64(100000));
        for (const Row &savings : liveRows(m_savingsId))
            QCOMPARE(savings.amount, qint64(0));
        // The new account's register is the page shown.
        QCOMPARE(m_window->registerScreen()->accountId(), m_savingsId);
    }

    void typeAPaymentAndATransfer()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        press(Qt::Key_1, Qt::AltModifier);
        QCOMPARE(m_window->registerScreen()->accountId(), m_checkingId);
        const QList<Row> savingsBefore = liveRows(m_savingsId);
        QList<Row> before = liveRows(m_checkingId);
        // A payee no stored payee contains: offscreen, an open completer
        // popup takes the window's activation and the cell editor closes.
        typeRegisterTransaction(m_window.get(), m_window->registerScreen(), QStringLiteral("Kiosk"),
            QStringLiteral("45.20"));
        m_typedKioskId = onlyNewId(before, m_checkingId);
        QVERIFY(!m_typedKioskId.isEmpty());
        QCOMPARE(row(m_typedKioskId)->amount, qint64(-4520));

        before = liveRows(m_checkingId);
        typeRegisterTransaction(m_window.get(), m_window->registerScreen(), QStringLiteral("[Transfer] Savings"),
            QStringLiteral("200"));
        m_transferId = onlyNewId(before, m_checkingId);
        QVERIFY(!m_transferId.isEmpty());
        QCOMPARE(row(m_transferId)->amount, qint64(-20000));
        const std::optional<Row> received = row(onlyNewId(savingsBefore, m_savingsId));
        QVERIFY(received);
        QCOMPARE(received->amount, qint64(20000));
        QCOMPARE(m_window->registerScreen()->model()->listRowCount(), 3);
        QCOMPARE(m_window->totalsFooter()->text(), QStringLiteral("Total: $954.80"));
    }

    void memorizeAndPostFromTheRecurringWindow()
    {
        RegisterScreen *screen = m_window->registerScreen();
        const int kioskRow = screen->model()->viewRowOfTransaction(m_typedKioskId);
        QVERIFY(kioskRow >= 0);
        screen->table()->setFocus();
        screen->table()->setCurrentIndex(screen->model()->index(kioskRow, 0));
        m_prompts->steps.append([](QDialog *) { return int(QDialog::Accepted); });
        QTest::keyClick(screen->table(), Qt::Key_M, Qt::ControlModifier);
        settleEvents();
        const QList<RecurringTransaction> rules = m_state->recurringRepository()->listAll();
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules.first().payee, QStringLiteral("Kiosk"));
        QCOMPARE(rules.first().amount, qint64(-4520));
        QCOMPARE(rules.first().nextDueDate, QDate::currentDate());

        press(Qt::Key_3, Qt::ControlModifier);
        auto *recurring = toolWindow<RecurringScreen>();
        QVERIFY(recurring);
        QCOMPARE(recurring->view()->model()->rowCount(), 1);
        const QList<Row> before = liveRows(m_checkingId);
        recurring->findChild<QPushButton *>(QStringLiteral("confirmAllDueButton"))->click();
        settleEvents();
        m_postedKioskId = onlyNewId(before, m_checkingId);
        QVERIFY(!m_postedKioskId.isEmpty());
        QCOMPARE(m_state->transactionRepository()->findById(m_postedKioskId)->recurringId, rules.first().id);
        QCOMPARE(m_state->recurringRepository()->findById(rules.first().id)->nextDueDate,
            QDate::currentDate().addMonths(1));
        // The register and the account list show it.
        QCOMPARE(screen->model()->listRowCount(), 4);
        QCOMPARE(m_window->totalsFooter()->text(), QStringLiteral("Total: $909.60"));
        recurring->close();
    }

    void reconcileAgainstAStatementAndSeeTheHistory()
    {
        press(Qt::Key_R, Qt::ControlModifier);
        auto *reconcile = toolWindow<ReconciliationScreen>();
        QVERIFY(reconcile);
        QCOMPARE(reconcile->windowTitle(), QStringLiteral("Reconcile \u2014 Checking"));
        ReconciliationModel *rows = reconcile->model();
        for (int index = 0; index < rows->rowCount(); ++index) {
            const QString id = rows->rowAt(index).id;
            if ((id == m_typedKioskId || id == m_transferId) != rows->isTicked(index))
                rows->toggle(index);
        }
        reconcile->findChild<SmartAmountField *>(QStringLiteral("statementAmountField"))->setMinorUnits(75480);
        QPointer<ReconciliationScreen> window = reconcile;
        reconcile->findChild<QPushButton *>(QStringLiteral("finishButton"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settleEvents();
        QVERIFY(window.isNull());
        QCOMPARE(m_prompts->messages.last().title, QStringLiteral("Reconciliation Complete"));
        QVERIFY(row(m_typedKioskId)->reconciled && row(m_transferId)->reconciled);
        QVERIFY(!row(m_postedKioskId)->reconciled);
        const std::optional<Reconciliation> stored =
            m_state->reconciliationRepository()->latestForAccount(m_checkingId);
        QVERIFY(stored);
        QCOMPARE(stored->statementBalance, qint64(75480));

        QVERIFY(trigger(QStringLiteral("Reconciliation &History...")));
        auto *history = toolWindow<ReconciliationHistoryScreen>();
        QVERIFY(history);
        QCOMPARE(history->findChild<QTableWidget *>()->rowCount(), 1);
        history->close();
    }

    void importACsvAndAQifFile()
    {
        QVERIFY(trigger(QStringLiteral("&Import...")));
        auto *import = toolWindow<ImportScreen>();
        QVERIFY(import);
        auto combo = [import](const char *name) { return import->findChild<QComboBox *>(QLatin1String(name)); };
        auto choose = [](QComboBox *box, const QVariant &value) { box->setCurrentIndex(box->findData(value)); };
        const int rowsBefore = m_window->registerScreen()->model()->listRowCount();

        import->findChild<QRadioButton *>(QStringLiteral("csvRadio"))->setChecked(true);
        m_fileDialogs.openPath = writeFile(QStringLiteral("bank.csv"),
            "Date,Payee,Amount\n2024-03-10,Bakery,-3.50\n2024-03-11,Pharmacy,\"-1,018.20\"\n");
        QVERIFY(!m_fileDialogs.openPath.isEmpty());
        import->findChild<QPushButton *>(QStringLiteral("browseButton"))->click();
        choose(combo("accountCombo"), m_checkingId);
        choose(combo("dateColumnCombo"), 0);
        choose(combo("payeeColumnCombo"), 1);
        choose(combo("amountColumnCombo"), 2);
        import->findChild<QPushButton *>(QStringLiteral("importButton"))->click();
        settleEvents();
        QVERIFY2(import->findChild<QPlainTextEdit *>(QStringLiteral("resultText"))
                     ->toPlainText()
                     .contains(QLatin1String("2 transaction(s) imported")),
            qPrintable(import->findChild<QPlainTextEdit *>(QStringLiteral("resultText"))->toPlainText()));
        import->findChild<QPushButton *>(QStringLiteral("doneButton"))->click();
        settleEvents();
        QHash<QString, qint64> imported;
        for (const Row &stored : liveRows(m_checkingId))
            imported.insert(stored.payee, stored.amount);
        QCOMPARE(imported.value(QStringLiteral("Bakery")), qint64(-350));
        QCOMPARE(imported.value(QStringLiteral("Pharmacy")), qint64(-101820));
        QCOMPARE(m_window->registerScreen()->model()->listRowCount(), rowsBefore + 2);

        import->findChild<QRadioButton *>(QStringLiteral("qifRadio"))->setChecked(true);
        m_fileDialogs.picks = {writeFile(QStringLiteral("statement.qif"),
            "!Type:Bank\nD03/15/2024\nT-12.34\nPBookshop\n^\nD03/16/2024\nT250.00\nPRefund\n^\n")};
        import->findChild<QPushButton *>(QStringLiteral("browseButton"))->click();
        QCOMPARE(import->qifRows().size(), 1);
        choose(import->qifRows().first().combo, m_checkingId);
        import->findChild<QPushButton *>(QStringLiteral("importButton"))->click();
        settleEvents();
        import->findChild<QPushButton *>(QStringLiteral("doneButton"))->click();
        settleEvents();
        for (const Row &stored : liveRows(m_checkingId))
            imported.insert(stored.payee, stored.amount);
        QCOMPARE(imported.value(QStringLiteral("Bookshop")), qint64(-1234));
        QCOMPARE(imported.value(QStringLiteral("Refund")), qint64(25000));
        QCOMPARE(liveAccountNames(), (QStringList{QStringLiteral("Checking"), QStringLiteral("Savings")}));
        QCOMPARE(m_window->registerScreen()->model()->listRowCount(), rowsBefore + 4);
        import->close();
    }

    void renameAPayee()
    {
        QVERIFY(trigger(QStringLiteral("Rename &Payees...")));
        auto *payees = toolWindow<PayeeScreen>();
        QVERIFY(payees);
        QAbstractItemModel *payeeRows = payees->payeeList()->model();
        const QModelIndexList kiosk =
            payeeRows->match(payeeRows->index(0, 0), Qt::DisplayRole, QStringLiteral("Kiosk"), -1, Qt::MatchExactly);
        QCOMPARE(kiosk.size(), 1);
        payees->payeeList()->setCurrentIndex(kiosk.first());
        payees->nameEdit()->setText(QStringLiteral("Corner Kiosk"));
        payees->findChild<QPushButton *>(QStringLiteral("renameButton"))->click();
        settleEvents();
        QCOMPARE(m_prompts->messages.last().title, QStringLiteral("Rename Complete"));
        QCOMPARE(row(m_typedKioskId)->payee, QStringLiteral("Corner Kiosk"));
        QCOMPARE(row(m_postedKioskId)->payee, QStringLiteral("Corner Kiosk"));
        QCOMPARE(registerPayees().count(QStringLiteral("Corner Kiosk")), 2);
        payees->close();
    }

    void findWithCtrlFAndMarkCleared()
    {
        press(Qt::Key_F, Qt::ControlModifier);
        auto *search = toolWindow<SearchScreen>();
        QVERIFY(search);
        auto *field = search->findChild<QLineEdit *>(QStringLiteral("searchEdit"));
        QCOMPARE(QApplication::focusWidget(), field);
        QTest::keyClicks(field, QStringLiteral("corner"));
        QTRY_COMPARE(search->model()->listRowCount(), 2);
        const int posted = search->model()->viewRowOfTransaction(m_postedKioskId);
        QVERIFY(posted >= 0);
        std::unique_ptr<QMenu> menu(search->contextMenuForRow(posted));
        QVERIFY(menu);
        QAction *markCleared = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == QLatin1String("Mark &Cleared"))
                markCleared = action;
        }
        QVERIFY(markCleared);
        markCleared->trigger();
        settleEvents();
        QVERIFY(row(m_postedKioskId)->cleared);
        RegisterModel *registerRows = m_window->registerScreen()->model();
        QVERIFY(registerRows->rowAt(registerRows->viewRowOfTransaction(m_postedKioskId)).transaction.cleared);
        search->close();
    }

    void openEveryReportTabAndExportOne()
    {
        press(Qt::Key_2, Qt::ControlModifier);
        auto *reports = toolWindow<ReportsScreen>();
        QVERIFY(reports);
        auto *tabs = reports->findChild<QTabWidget *>(QStringLiteral("reportTabs"));
        QCOMPARE(tabs->count(), int(ReportsScreen::TabCount));
        auto *error = reports->findChild<QLabel *>(QStringLiteral("errorLabel"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            settleEvents();
            QVERIFY2(error->isHidden() || error->text().isEmpty(), qPrintable(error->text()));
        }
        tabs->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
        settleEvents();
        m_fileDialogs.savePath = m_files.filePath(QStringLiteral("payees.csv"));
        reports->findChild<QPushButton *>(QStringLiteral("exportButton"))->click();
        QFile exported(m_fileDialogs.savePath);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(exported.readAll());
        QVERIFY2(text.contains(QLatin1String("Corner Kiosk")), qPrintable(text));
        reports->close();
    }

    void changeThemeFontSizeAndBalanceMode()
    {
        QVERIFY(trigger(QStringLiteral("&Preferences...")));
        auto *settings = toolWindow<SettingsScreen>();
        QVERIFY(settings);
        auto choose = [settings](const char *combo, const QVariant &value) {
            auto *box = settings->findChild<QComboBox *>(QLatin1String(combo));
            box->setCurrentIndex(box->findData(value));
        };
        choose("themeCombo", QStringLiteral("dark"));
        choose("fontScaleCombo", 115);
        choose("balanceModeCombo", QStringLiteral("cleared"));
        settleEvents();
        QCOMPARE(preference("theme"), QStringLiteral("dark"));
        QCOMPARE(preference("fontScale"), QStringLiteral("115"));
        QCOMPARE(preference("dashboardBalanceMode"), QStringLiteral("cleared"));
        QCOMPARE(m_state->themeManager()->theme(), ThemeManager::Dark);
        // Cleared: Checking's opening balance, its reconciled pair and the
        // posted entry; the transfer's leg in Savings is not cleared.
        QVERIFY2(m_window->totalsFooter()->text().startsWith(QLatin1String("Cleared: $709.60")),
            qPrintable(m_window->totalsFooter()->text()));
    }

    void backUpDeleteRestoreAndImportInEachMode()
    {
        auto *settings = toolWindow<SettingsScreen>();
        QVERIFY(settings);
        m_backedUp = liveRows();
        m_fileDialogs.savePath = m_files.filePath(QStringLiteral("backup.zip"));
        settings->findChild<QPushButton *>(QStringLiteral("exportBackupButton"))->click();
        QCOMPARE(m_prompts->messages.last().title, QStringLiteral("Backup Complete"));
        QVERIFY(QFileInfo(m_fileDialogs.savePath).size() > 0);

        // Delete Savings from the Account menu.
        press(Qt::Key_2, Qt::AltModifier);
        QCOMPARE(m_window->registerScreen()->accountId(), m_savingsId);
        m_prompts->steps.append([](QDialog *) { return int(QMessageBox::Yes); });
        QVERIFY(trigger(QStringLiteral("&Delete")));
        QCOMPARE(liveAccountNames(), QStringList{QStringLiteral("Checking")});
        for (const Row &savings : liveRows(m_savingsId))
            QCOMPARE(savings.amount, qint64(0));
        QCOMPARE(m_window->accountList()->count(), 1);

        // Bring it back from Preferences.
        QVERIFY(trigger(QStringLiteral("&Preferences...")));
        auto *deleted = settings->findChild<QListWidget *>(QStringLiteral("deletedAccountsList"));
        QCOMPARE(deleted->count(), 1);
        deleted->setCurrentRow(0);
        settings->findChild<QPushButton *>(QStringLiteral("restoreAccountButton"))->click();
        settleEvents();
        QCOMPARE(liveAccountNames(), (QStringList{QStringLiteral("Checking"), QStringLiteral("Savings")}));
        QCOMPARE(liveRows(m_savingsId).size(), 2);
        QCOMPARE(m_window->accountList()->count(), 2);

        // Each import mode leaves what the backup holds.
        m_fileDialogs.openPath = m_fileDialogs.savePath;
        const QStringList modes{QStringLiteral("Keep newer (compare timestamps)"),
            QStringLiteral("Skip existing items"), QStringLiteral("Replace all with backup data")};
        for (const QString &mode : modes) {
            m_prompts->steps.append([mode](QDialog *dialog) {
                auto *choice = qobject_cast<QInputDialog *>(dialog);
                if (!choice)
                    return int(QDialog::Rejected);
                choice->setTextValue(mode);
                return int(QDialog::Accepted);
            });
            m_prompts->steps.append([](QDialog *) { return int(QMessageBox::Yes); });
            settings->findChild<QPushButton *>(QStringLiteral("importBackupButton"))->click();
            settleEvents();
            m_prompts->steps.clear();
            QCOMPARE(m_prompts->messages.last().title, QStringLiteral("Import Complete"));
            QCOMPARE(liveRows(), m_backedUp);
            QCOMPARE(liveAccountNames(), (QStringList{QStringLiteral("Checking"), QStringLiteral("Savings")}));
        }
        QCOMPARE(m_window->accountList()->count(), 2);
        settings->close();
    }

    void signInThroughTheBrowserAndSync()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        QVERIFY(trigger(QStringLiteral("Lumora &Account...")));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        const auto tokens = m_online.services->issueTokens();
        QUrl callback;
        if (!browser.urls.isEmpty()) {
            // The browser comes back to the program's own listener.
            callback = QUrl(QUrlQuery(browser.urls.first()).queryItemValue(QStringLiteral("redirect_uri"),
                QUrl::FullyDecoded));
        }
        if (callback.isValid() && callback.host() == QLatin1String("127.0.0.1")) {
            QUrlQuery query;
            query.addQueryItem(QStringLiteral("access_token"), tokens.first);
            query.addQueryItem(QStringLiteral("refresh_token"), tokens.second);
            callback.setQuery(query);
            QNetworkAccessManager network;
            std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(callback)));
            QTRY_VERIFY(reply->isFinished());
        } else {
            // The sign-in port is taken on this machine: hand over the tokens directly.
            m_state->onlineClient()->authClient()->handleCallback(
                QUrl(QStringLiteral("http://127.0.0.1/callback?access_token=%1&refresh_token=%2")
                         .arg(tokens.first, tokens.second)));
        }
        QTRY_VERIFY(m_state->onlineClient()->isAuthenticated());
        QTRY_VERIFY(m_sync->liveCount(QStringLiteral("transactions")) == liveRows().size());

        QVERIFY(trigger(QStringLiteral("&Preferences...")));
        auto *settings = toolWindow<SettingsScreen>();
        QTRY_VERIFY(m_state->syncEngine()->state() != SyncEngine::Syncing);
        QSignalSpy synced(m_state->syncEngine(), &SyncEngine::syncCompleted);
        settings->findChild<QPushButton *>(QStringLiteral("syncNowButton"))->click();
        QTRY_COMPARE(synced.count(), 1);
        QCOMPARE(m_sync->liveCount(QStringLiteral("accounts")), 2);
        QCOMPARE(m_sync->liveCount(QStringLiteral("recurring_transactions")), 1);
        QCOMPARE(m_sync->liveCount(QStringLiteral("reconciliations")), 1);
        QCOMPARE(m_sync->liveCount(QStringLiteral("transactions")), liveRows().size());
        QSqlQuery pending(*m_state->database()->db());
        QVERIFY(pending.exec(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE sync_status <> 'synced'")));
        QVERIFY(pending.next());
        QCOMPARE(pending.value(0).toInt(), 0);
        settings->close();
    }

    void dragAnAccountToTheTopAndSwitchWithAltDigits()
    {
        QListWidget *list = m_window->accountList();
        QVERIFY(list->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0));
        settleEvents();
        QCOMPARE(m_state->accountRepository()->listAll().first().id, m_savingsId);
        press(Qt::Key_1, Qt::AltModifier);
        QCOMPARE(m_window->registerScreen()->accountId(), m_savingsId);
        press(Qt::Key_2, Qt::AltModifier);
        QCOMPARE(m_window->registerScreen()->accountId(), m_checkingId);
    }

    void quitAndStartAgainOnTheSameFolder()
    {
        const QList<Row> left = liveRows();
        const QString current = m_state->currentAccountId();
        QSignalSpy closed(m_window.get(), &QObject::destroyed);
        QVERIFY(trigger(QStringLiteral("&Quit")));
        QVERIFY(!m_window->isVisible());
        m_window.reset();
        m_state.reset();
        settleEvents();

        QVERIFY(start());
        QCOMPARE(liveRows(), left);
        QCOMPARE(liveAccountNames(), (QStringList{QStringLiteral("Savings"), QStringLiteral("Checking")}));
        QCOMPARE(m_state->currentAccountId(), current);
        QCOMPARE(m_window->registerScreen()->accountId(), current);
        QCOMPARE(m_window->registerScreen()->model()->listRowCount(), liveRows(current).size());
        QCOMPARE(m_state->themeManager()->theme(), ThemeManager::Dark);
        QCOMPARE(preference("fontScale"), QStringLiteral("115"));
        QVERIFY(m_window->totalsFooter()->text().startsWith(QLatin1String("Cleared: ")));
        QCOMPARE(m_state->recurringRepository()->listAll().size(), 1);
        QVERIFY(m_state->reconciliationRepository()->latestForAccount(m_checkingId));
    }
};

TALLYRA_TEST(ProgramWalkTest)

#include "test_programwalk.moc"
