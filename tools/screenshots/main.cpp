// Opens the real main window on a freshly filled data folder, then every
// tool window and dialog in turn, and saves a picture of each top-level
// window. Run by tools/screenshots.sh, which gives each run its own data
// folder, settings folder, language and screen size.
//
//   tallyra_screenshots OUTDIR light|dark
//
// OUTDIR receives NN-name.png files and shots.txt, one line per picture:
// name, size, window title, and "LARGER THAN SCREEN" where it does not fit.

#include "account/accountscreen.h"
#include "app/application.h"
#include "app/appstate.h"
#include "app/datadirectorylock.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/spliteditordialog.h"
#include "register/transactionformdialog.h"
#include "screens/filechooser.h"
#include "screens/recurringformdialog.h"
#include "services/accountoperations.h"
#include "services/sampledataservice.h"
#include "support/datagenerator.h"
#include "ui/categoryformdialog.h"
#include "ui/mainwindow.h"
#include "ui/welcomescreen.h"
#include "update/artifact.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <cstdio>
#include <functional>

namespace {

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The import and backup pages ask for files: these answers stand in for
// the file dialogs, which are Qt's own and not worth a picture.
class PreparedFiles : public FileChooser
{
public:
    explicit PreparedFiles(const QString &directory)
        : m_directory(directory)
    {
    }

    QString path(const QString &name) const { return QDir(m_directory).filePath(name); }

    QString saveFileName(QWidget *, const QString &, const QString &proposedName, const QString &) override
    {
        return path(proposedName);
    }
    QString openFileName(QWidget *, const QString &, const QString &filter) override
    {
        if (filter.contains(QLatin1String("zip")))
            return m_lastBackup;
        return path(QStringLiteral("statement.csv"));
    }
    QStringList openFileNames(QWidget *, const QString &, const QString &) override
    {
        return {path(QStringLiteral("statement.qif"))};
    }

    void setLastBackup(const QString &file) { m_lastBackup = file; }

private:
    QString m_directory;
    QString m_lastBackup;
};

// Sample data, a long generated register, a split, a reconciliation and a
// deleted account, written while no window is open; then the theme.
bool fillDataFolder(const QString &theme, const QString &filesDirectory)
{
    const std::unique_ptr<DataDirectoryLock> lock = Application::lockDataDirectory();
    if (!lock)
        return false;
    AppState state;
    if (!Application::initializeAppState(&state))
        return false;

    QString reason;
    SampleDataService sample(state.database());
    if (!sample.loadSampleData(&reason)) {
        std::fprintf(stderr, "sample data: %s\n", qPrintable(reason));
        return false;
    }

    const QDate today = QDate::currentDate();
    const QList<Category> categories = state.categoryRepository()->listAll();
    QList<Category> expenses;
    for (const Category &category : categories) {
        if (category.type == CategoryType::Expense && !category.parentId.isEmpty())
            expenses.append(category);
    }

    DataGenerator generator;
    Account cash = generator.accounts(4).constLast();
    cash.sortOrder = 3;
    bool ok = state.accountRepository()->insert(cash);
    const QList<Transaction> rows = generator.transactions(cash.id, 150, categories, today.addYears(-2), 2);
    for (Transaction row : rows) {
        if (row.date > today)
            row.date = today;
        ok = ok && state.transactionRepository()->insert(row);
    }

    // One split purchase in the sample checking account.
    const QList<Account> accounts = state.accountRepository()->listAll();
    const QString checkingId = accounts.isEmpty() ? cash.id : accounts.constFirst().id;
    Transaction split;
    split.id = newId();
    split.accountId = checkingId;
    split.date = today.addDays(-3);
    split.payee = DataGenerator::payees().value(0);
    split.memo = QStringLiteral("Weekly shop");
    split.amount = -18745;
    split.isSplit = true;
    split.createdAt = QDateTime::currentDateTimeUtc();
    split.updatedAt = split.createdAt;
    ok = ok && state.transactionRepository()->insert(split);
    QList<SplitLine> lines;
    const qint64 parts[] = {-11020, -4725, -3000};
    for (int i = 0; i < 3 && i < expenses.size(); ++i) {
        SplitLine line;
        line.id = newId();
        line.transactionId = split.id;
        line.categoryId = expenses.at(i * 3 % expenses.size()).id;
        line.amount = parts[i];
        line.memo = i == 0 ? QStringLiteral("Food") : QString();
        line.createdAt = split.createdAt;
        line.updatedAt = split.createdAt;
        lines.append(line);
    }
    ok = ok && state.splitLineRepository()->replaceForTransaction(split.id, lines);

    Reconciliation reconciliation;
    reconciliation.id = newId();
    reconciliation.accountId = checkingId;
    reconciliation.statementDate = today.addDays(-31);
    reconciliation.statementBalance = 412350;
    reconciliation.reconciledBalance = 412350;
    reconciliation.completedAt = QDateTime::currentDateTimeUtc().addDays(-30);
    reconciliation.createdAt = reconciliation.completedAt;
    reconciliation.updatedAt = reconciliation.completedAt;
    ok = ok && state.reconciliationRepository()->insert(reconciliation);

    // The preferences list deleted accounts to restore.
    Account old = generator.accounts(2).constLast();
    old.id = newId();
    old.name = QStringLiteral("Old Savings");
    old.sortOrder = 9;
    ok = ok && state.accountOperations()->createAccount(old) && state.accountOperations()->deleteAccount(old.id) == WriteResult::Written;

    ok = ok && state.preferencesRepository()->set(QStringLiteral("theme"), theme);

    // Files for the import page.
    QDir().mkpath(filesDirectory);
    QFile csv(QDir(filesDirectory).filePath(QStringLiteral("statement.csv")));
    ok = ok && csv.open(QIODevice::WriteOnly);
    csv.write("Date,Description,Amount,Memo\n");
    for (int i = 0; i < 12; ++i) {
        csv.write(QStringLiteral("%1,%2,%3,%4\n")
                      .arg(today.addDays(-i * 3).toString(Qt::ISODate), DataGenerator::payees().value(i),
                           QString::number(-(i * 731 + 250) / 100.0, 'f', 2), DataGenerator::memoWords().value(i))
                      .toUtf8());
    }
    csv.close();
    QFile qif(QDir(filesDirectory).filePath(QStringLiteral("statement.qif")));
    ok = ok && qif.open(QIODevice::WriteOnly);
    qif.write("!Account\nNImported Card\nTCCard\n^\n!Type:CCard\n"
              "D01/05/2026\nT-42.50\nPCorner Bakery\nLFood\n^\n"
              "D01/09/2026\nT-19.99\nPStreaming Service\nLEntertainment\n^\n");
    qif.close();
    if (!ok)
        std::fprintf(stderr, "some generated data could not be written\n");
    return ok;
}

class Shooter
{
public:
    Shooter(const QString &outDir, MainWindow *window, AppState *state, PreparedFiles *files)
        : m_dir(outDir)
        , m_window(window)
        , m_state(state)
        , m_files(files)
        , m_manifest(QDir(outDir).filePath(QStringLiteral("shots.txt")))
    {
        m_manifest.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    }

    void run();
    int missing() const { return m_missing; }

private:
    QString nextName(const QString &name) { return QStringLiteral("%1-%2").arg(++m_number, 2, 10, QLatin1Char('0')).arg(name); }

    void save(QWidget *window, const QString &name)
    {
        const QString file = nextName(name);
        const QRect available = window->screen() ? window->screen()->availableGeometry() : QRect();
        const QSize size = window->frameGeometry().size();
        const bool tooBig = available.isValid() && (size.width() > available.width() || size.height() > available.height());
        const bool written = window->grab().save(QDir(m_dir).filePath(file + QStringLiteral(".png")));
        m_manifest.write(QStringLiteral("%1\t%2x%3\t%4%5\n")
                             .arg(file)
                             .arg(size.width())
                             .arg(size.height())
                             .arg(window->windowTitle(), tooBig ? QStringLiteral("\tLARGER THAN SCREEN") : QString())
                             .toUtf8());
        m_manifest.flush();
        if (!written)
            noteMissing(file, QStringLiteral("not written"));
    }

    void noteMissing(const QString &file, const QString &why)
    {
        ++m_missing;
        m_manifest.write(QStringLiteral("%1\tMISSING: %2\n").arg(file, why).toUtf8());
        m_manifest.flush();
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(why));
    }

    static QSet<QWidget *> visibleWindows()
    {
        QSet<QWidget *> shown;
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->isVisible())
                shown.insert(window);
        }
        return shown;
    }

    // The window that `open` brings up, modal (its event loop runs while
    // the picture is taken) or not; closed afterwards unless `keep` is set,
    // when it is returned.
    QWidget *shoot(const QString &name, const std::function<void()> &open, bool keep = false)
    {
        const QSet<QWidget *> before = visibleWindows();
        QWidget *found = nullptr;
        QWidget *candidate = nullptr;
        int ticks = 0;
        int settled = 0;
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            ++ticks;
            QWidget *window = QApplication::activeModalWidget();
            if (!window || before.contains(window)) {
                window = nullptr;
                const QSet<QWidget *> now = visibleWindows();
                for (QWidget *shown : now) {
                    if (!before.contains(shown) && !qobject_cast<QMenu *>(shown))
                        window = shown;
                }
            }
            if (window != candidate) {
                candidate = window;
                settled = 0;
            }
            // Give a window time for its first paint and late layouts.
            if (candidate && ++settled >= 8) {
                poll.stop();
                found = candidate;
                save(found, name);
                if (!keep)
                    closeWindow(found);
            } else if (ticks > 200) {
                poll.stop();
            }
        });
        poll.start();
        open();
        while (poll.isActive())
            wait(20);
        if (!found) {
            noteMissing(nextName(name), QStringLiteral("no window appeared"));
            return nullptr;
        }
        wait(100);
        return found;
    }

    static void closeWindow(QWidget *window)
    {
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->done(QDialog::Rejected);
        else
            window->close();
    }

    // A window that is already shown, after a change of tab or page.
    void again(QWidget *window, const QString &name)
    {
        wait(400);
        save(window, name);
    }

    template<typename T>
    T *child(QWidget *window, const char *objectName)
    {
        T *found = window ? window->findChild<T *>(QLatin1String(objectName)) : nullptr;
        if (!found)
            std::fprintf(stderr, "no %s in %s\n", objectName, window ? window->metaObject()->className() : "nothing");
        return found;
    }

    // A dialog made here, as the window it belongs to would make it.
    QWidget *shootDialog(const QString &name, QDialog *dialog)
    {
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        return shoot(name, [dialog] { dialog->open(); });
    }

    void shootMainWindow();
    void shootRegisterDialogs();
    void shootToolWindows();
    void shootPreferences();
    void shootHelpAndOnline();
    void shootRefusedSave();
    void saveScreen(const QString &file);

    QString m_dir;
    MainWindow *m_window;
    AppState *m_state;
    PreparedFiles *m_files;
    QFile m_manifest;
    int m_number = 0;
    int m_missing = 0;
};

void Shooter::shootMainWindow()
{
    wait(800);
    save(m_window, QStringLiteral("main-register"));
    QStackedWidget *pages = m_window->pageStack();
    QWidget *current = pages->currentWidget();
    pages->setCurrentWidget(m_window->welcomeScreen());
    again(m_window, QStringLiteral("main-welcome"));
    pages->setCurrentWidget(m_window->emptyStatePage());
    again(m_window, QStringLiteral("main-no-account"));
    pages->setCurrentWidget(current);

    // Named by place, so that each language's pictures pair up.
    const QList<QAction *> menus = m_window->menuBar()->actions();
    int number = 0;
    for (QAction *action : menus) {
        QMenu *menu = action->menu();
        if (!menu)
            continue;
        const QString title = QString::number(++number);
        menu->popup(m_window->menuBar()->mapToGlobal(m_window->menuBar()->actionGeometry(action).bottomLeft()));
        again(menu, QStringLiteral("menu-") + title);
        menu->hide();
    }

    // The long generated register.
    const QList<Account> accounts = m_state->accountRepository()->listAll();
    for (const Account &account : accounts) {
        if (account.sortOrder == 3)
            m_window->selectAccount(account.id);
    }
    again(m_window, QStringLiteral("main-register-long"));
    m_window->selectAccount(accounts.constFirst().id);
    wait(200);
}

void Shooter::shootRegisterDialogs()
{
    RegisterScreen *page = m_window->registerScreen();
    const QString accountId = m_state->currentAccountId();
    shoot(QStringLiteral("register-filter"), [this] {
        if (auto *button = child<QAbstractButton>(m_window->registerScreen(), "filterButton"))
            button->click();
    });

    // The split purchase the data folder holds.
    Transaction split;
    const QList<Transaction> rows = m_state->transactionRepository()->listByAccount(accountId);
    for (const Transaction &row : rows) {
        if (row.isSplit)
            split = row;
    }
    const int row = page->model()->viewRowOfTransaction(split.id);
    shoot(QStringLiteral("transaction-details"), [page, row] { page->showDetailsForRow(row); });
    shoot(QStringLiteral("transaction-form-edit"), [page, row] { page->editRowInDialog(row); });
    shootDialog(QStringLiteral("transaction-form-new"), new TransactionFormDialog(m_state, accountId, m_window));
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    shootDialog(QStringLiteral("split-editor"),
                new SplitEditorDialog(m_state, split.amount, m_state->splitLineRepository()->listByTransaction(split.id),
                                      account ? account->currency : Currency::USD, m_window));
    shoot(QStringLiteral("memorize-transaction"), [page, row] { page->memorizeRow(row); });

    shoot(QStringLiteral("account-new"), [this] { m_window->showNewAccountDialog(); });
    shoot(QStringLiteral("account-edit"), [this] { m_window->showEditAccountDialog(); });
    shoot(QStringLiteral("account-delete-question"), [this] { m_window->deleteCurrentAccount(); });
    shoot(QStringLiteral("account-share-signed-out"), [this] { m_window->showShareAccountDialog(); });
}

void Shooter::shootToolWindows()
{
    shoot(QStringLiteral("reconcile"), [this] { m_window->showReconciliationWindow(); });
    shoot(QStringLiteral("reconciliation-history"), [this] { m_window->showReconciliationHistoryWindow(); });

    QWidget *recurring = shoot(QStringLiteral("recurring"), [this] { m_window->showRecurringWindow(); }, true);
    shoot(QStringLiteral("recurring-form-new"), [this, recurring] {
        if (auto *button = child<QAbstractButton>(recurring, "newRecurringButton"))
            button->click();
    });
    const QList<RecurringTransaction> rules = m_state->recurringRepository()->listAll();
    if (!rules.isEmpty())
        shootDialog(QStringLiteral("recurring-form-edit"), new RecurringFormDialog(m_state, rules.constFirst(), m_window));
    if (recurring)
        recurring->close();

    QWidget *import = shoot(QStringLiteral("import"), [this] { m_window->showImportWindow(); }, true);
    if (import) {
        if (auto *browse = child<QAbstractButton>(import, "browseButton")) {
            browse->click();
            again(import, QStringLiteral("import-csv-preview"));
            if (auto *qif = child<QRadioButton>(import, "qifRadio")) {
                qif->setChecked(true);
                browse->click();
                again(import, QStringLiteral("import-qif"));
            }
        }
        import->close();
    }

    QWidget *search = shoot(QStringLiteral("search"), [this] { m_window->showSearchWindow(); }, true);
    if (auto *field = child<QLineEdit>(search, "searchEdit")) {
        field->setText(QStringLiteral("a"));
        wait(600);
        again(search, QStringLiteral("search-results"));
    }
    if (search)
        search->close();

    QWidget *reports = shoot(QStringLiteral("reports"), [this] { m_window->showReportsWindow(); }, true);
    if (auto *tabs = child<QTabWidget>(reports, "reportTabs")) {
        const int opened = tabs->currentIndex();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tab == opened)
                continue;
            tabs->setCurrentIndex(tab);
            again(reports, QStringLiteral("reports-tab%1").arg(tab + 1));
        }
    }
    if (reports)
        reports->close();

    QWidget *categories = shoot(QStringLiteral("categories"), [this] { m_window->showCategoriesWindow(); }, true);
    shoot(QStringLiteral("category-form-new"), [this, categories] {
        if (auto *button = child<QAbstractButton>(categories, "newCategoryButton"))
            button->click();
    });
    const QList<Category> all = m_state->categoryRepository()->listAll();
    for (const Category &category : all) {
        if (category.parentId.isEmpty())
            continue;
        const std::optional<Category> parent = m_state->categoryRepository()->findById(category.parentId);
        shootDialog(QStringLiteral("category-form-edit"),
                    new CategoryFormDialog(category, parent ? parent->name : QString(), m_window));
        break;
    }
    if (categories)
        categories->close();

    shoot(QStringLiteral("payees"), [this] { m_window->showPayeesWindow(); });
}

void Shooter::shootPreferences()
{
    QWidget *settings = shoot(QStringLiteral("preferences"), [this] { m_window->showSettingsWindow(); }, true);
    auto *pages = child<QListWidget>(settings, "settingsSideList");
    if (!pages)
        return;
    for (int page = 1; page < pages->count(); ++page) {
        pages->setCurrentRow(page);
        again(settings, QStringLiteral("preferences-page%1").arg(page + 1));
    }
    pages->setCurrentRow(0);
    wait(200);
    shoot(QStringLiteral("preferences-accent"),
          [settings] { QMetaObject::invokeMethod(settings, "openAccentDialog"); });
    pages->setCurrentRow(2);
    m_files->setLastBackup(m_files->path(QStringLiteral("tallyra-backup-%1.zip")
                                             .arg(QDate::currentDate().toString(Qt::ISODate))));
    shoot(QStringLiteral("backup-export-done"), [settings] { QMetaObject::invokeMethod(settings, "exportBackup"); });
    shoot(QStringLiteral("backup-import-mode"), [settings] { QMetaObject::invokeMethod(settings, "importBackup"); });
    settings->close();
}

void Shooter::shootHelpAndOnline()
{
    shoot(QStringLiteral("about"), [this] { m_window->showAbout(); });
    shoot(QStringLiteral("keyboard-shortcuts"), [this] { m_window->showKeyboardShortcuts(); });
    const QString version = QCoreApplication::applicationVersion();
    shootDialog(QStringLiteral("whats-new"),
                new LumoUpdate::WhatsNewDialog(QStringLiteral("## %1\n\n- Faster register\n- Reports export\n\n"
                                                              "### Fixes\n\n- Split lines keep their memo\n")
                                                   .arg(version),
                                               version, version, QStringLiteral("Lumora Tallyra"), m_window));
    LumoUpdate::Artifact artifact;
    artifact.version = QStringLiteral("99.0.0");
    artifact.releasedAt = QDateTime::currentDateTimeUtc();
    artifact.url = QUrl(QStringLiteral("http://127.0.0.1:9/tallyra-99.0.0.tar.gz"));
    artifact.size = 48 * 1024 * 1024;
    shootDialog(QStringLiteral("update-offer"),
                new LumoUpdate::UpdateDialog(artifact, version, QStringLiteral("Lumora Tallyra"), m_window));

    // The online account window, as it opens without a connection.
    auto *account = new LumoAccount::AccountScreen(m_state->onlineClient());
    account->setAttribute(Qt::WA_DeleteOnClose);
    account->setParent(m_window, Qt::Window);
    account->setWindowTitle(QCoreApplication::translate("MainWindow", "Lumora Account"));
    account->resize(600, 550);
    account->refresh();
    shoot(QStringLiteral("online-account-profile"), [account] { account->show(); }, true);
    const LumoAccount::AccountScreen::Tab tabs[] = {LumoAccount::AccountScreen::Group,
                                                   LumoAccount::AccountScreen::Devices,
                                                   LumoAccount::AccountScreen::Security,
                                                   LumoAccount::AccountScreen::Privacy};
    const char *names[] = {"group", "devices", "security", "privacy"};
    for (int i = 0; i < 4; ++i) {
        account->showTab(tabs[i]);
        again(account, QStringLiteral("online-account-") + QLatin1String(names[i]));
    }
    account->close();
}

void Shooter::run()
{
    shootMainWindow();
    shootRegisterDialogs();
    shootToolWindows();
    shootPreferences();
    shootHelpAndOnline();
    // The main window filling the screen, as after maximizing it.
    m_window->setGeometry(m_window->screen()->availableGeometry());
    again(m_window, QStringLiteral("main-register-screen-size"));

    // Last: the register's new row with its editors open, then the category
    // completion list, a pop-up that only a picture of the screen shows.
    m_window->activateWindow();
    RegisterScreen *page = m_window->registerScreen();
    page->beginNewTransaction();
    again(m_window, QStringLiteral("register-new-row"));
    for (int cell = RegisterModel::DateColumn; cell < RegisterModel::CategoryColumn; ++cell)
        page->focusNextCell();
    wait(200);
    if (QWidget *editor = QApplication::focusWidget())
        QTest::keyClicks(editor, QStringLiteral("In"));
    wait(600);
    const QString file = nextName(QStringLiteral("register-category-completion-screen"));
    saveScreen(file);
    shootRefusedSave();
}

void Shooter::saveScreen(const QString &file)
{
    if (m_window->screen()->grabWindow(0).save(QDir(m_dir).filePath(file + QStringLiteral(".png"))))
        m_manifest.write(QStringLiteral("%1\tscreen\n").arg(file).toUtf8());
    else
        noteMissing(file, QStringLiteral("not written"));
}

// A row the register refuses to save, a category typo: the message shows
// under the register, and the window stays as wide as it was.
void Shooter::shootRefusedSave()
{
    const auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        if (target)
            QTest::keyClick(target, Qt::Key(key), modifiers);
        wait(150);
    };
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    m_window->activateWindow();
    wait(200);
    const int widthBefore = m_window->frameGeometry().width();
    RegisterScreen *page = m_window->registerScreen();
    page->selectNewRow();
    press(Qt::Key_Return); // opens the date editor on the new row
    // Put in the row as typed: completion lists that come and go on a
    // screen without a window manager take the focus from the window.
    RegisterModel::EditBuffer &row = page->model()->buffer();
    row.payee = QStringLiteral("Quickfill Gas");
    row.category = QStringLiteral("Fuell");
    row.categoryId.clear();
    row.payment = QStringLiteral("42.00");
    press(Qt::Key_Return, Qt::ControlModifier);
    again(m_window, QStringLiteral("register-refused-category"));
    saveScreen(nextName(QStringLiteral("register-refused-category-screen")));
    const int widthAfter = m_window->frameGeometry().width();
    if (widthAfter != widthBefore)
        std::fprintf(stderr, "the refused save widened the window from %d to %d\n", widthBefore, widthAfter);
}

} // namespace

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tallyra_screenshots OUTDIR light|dark\n");
        return 2;
    }
    const QString outDir = arguments.at(1);
    QDir().mkpath(outDir);
    Application::setBackgroundChecksEnabled(false);

    const QString files = QDir(dataDirectory()).filePath(QStringLiteral("screenshot-files"));
    if (!fillDataFolder(arguments.at(2), files))
        return 1;
    PreparedFiles chooser(files);
    FileChooser::setCurrent(&chooser);

    int missing = 0;
    QTimer::singleShot(0, &app, [&app, &outDir, &chooser, &missing] {
        MainWindow *window = app.mainWindow();
        auto *state = app.findChild<AppState *>();
        if (!window || !state) {
            std::fprintf(stderr, "the main window did not open\n");
            QCoreApplication::exit(1);
            return;
        }
        Shooter shooter(outDir, window, state, &chooser);
        shooter.run();
        missing = shooter.missing();
        QCoreApplication::exit(missing == 0 ? 0 : 3);
    });
    const int result = app.run();
    FileChooser::setCurrent(nullptr);
    return result;
}
