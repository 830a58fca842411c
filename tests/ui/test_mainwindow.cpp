#include "support/testmain.h"

#include "../register/registerfixture.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/elidedlabel.h"
#include "register/registerscreen.h"
#include "register/transactionactions.h"
#include "data/money.h"
#include "app/appconfig.h"
#include "ui/mainwindow.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"
#include "uitestsupport.h"
#include "ui/welcomescreen.h"
#include "register/registermodel.h"
#include "register/registertableview.h"

#include "account/authclient.h"
#include "account/browser.h"
#include "account/client.h"
#include "data/recurringrepository.h"
#include "support/environmentoverride.h"
#include "support/memorytokenstore.h"
#include "support/onlineenvironment.h"
#include "sync/syncengine.h"
#include "services/accountoperations.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "ui/statusbar.h"
#include "screens/reconciliationscreen.h"
#include "screens/recurringscreen.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTranslator>
#include <QSet>
#include <QWindow>
#include <QScreen>
#include <QDesktopServices>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QStandardItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QSqlDriver>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTimer>
#include <QUuid>

#include <sqlite3.h>

#include <memory>

namespace {

void clearWindowSettings()
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    settings.remove(QStringLiteral("mainwindow"));
    settings.remove(QStringLiteral("register"));
    settings.remove(QStringLiteral("auth"));
}

// The first size of a window, or as much of it as the work area of its
// screen holds with the window's frame around it.
QSize firstSizeOnScreen(const QSize &wanted, const QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    return wanted.boundedTo(available.size().shrunkBy(window->windowHandle()->frameMargins()));
}

// A shown window reaches past the work area of its screen only where its
// smallest size does.
bool withinScreen(const QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QSize smallest = window->minimumSize().expandedTo(window->minimumSizeHint());
    const bool across = (frame.left() >= available.left() && frame.right() <= available.right())
        || window->width() == smallest.width();
    const bool down = (frame.top() >= available.top() && frame.bottom() <= available.bottom())
        || window->height() == smallest.height();
    if (!across || !down)
        qWarning() << window->metaObject()->className() << frame << "in" << available << "smallest" << smallest;
    return across && down;
}

// What a person reads: text that a label or tool tip takes as markup is
// rendered first.
QString shownText(const QString &text, Qt::TextFormat format = Qt::AutoText)
{
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// A main window over a fresh database, shown under the offscreen platform.
class WindowHarness
{
public:
    WindowHarness() { clearWindowSettings(); }
    ~WindowHarness()
    {
        m_window.reset();
        QApplication::processEvents();
    }

    AppFixture &fixture() { return m_fixture; }
    AppState *app() const { return m_fixture.app(); }
    FakePrompts &prompts() { return m_prompts; }
    MainWindow *window() const { return m_window.get(); }

    MainWindow *open()
    {
        m_window = std::make_unique<MainWindow>(m_fixture.app());
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning() << "the main window did not become active";
        settle();
        return m_window.get();
    }

    void close()
    {
        m_window->close();
        m_window.reset();
        settle();
    }

    static void settle() { settleEvents(); }

    QStringList rowNames() const
    {
        QStringList names;
        QListWidget *list = m_window->accountList();
        for (int row = 0; row < list->count(); ++row)
            names.append(static_cast<ElidedLabel *>(rowLabel(row, "accountName"))->fullText());
        return names;
    }

    QLabel *rowLabel(int row, const char *name) const
    {
        QListWidget *list = m_window->accountList();
        QWidget *widget = list->itemWidget(list->item(row));
        return widget ? widget->findChild<QLabel *>(QLatin1String(name)) : nullptr;
    }

    QString footer() const { return m_window->totalsFooter()->text(); }
    QString balanceText(int row) const { return rowLabel(row, "accountBalance")->text(); }
    QString statusMessage() const { return m_window->appStatusBar()->currentMessage(); }

    // Types a new register row: payee and payment, saved with Ctrl+Return.
    void typeTransaction(const QString &payee, const QString &payment)
    {
        typeRegisterTransaction(m_window.get(), m_window->registerScreen(), payee, payment);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { pressKey(m_window.get(), key, modifiers); }

    void typeText(const QString &text) { typeIntoFocus(text); }

    // The texts of the account context menu at a row (-1: empty space).
    QStringList contextMenuTexts(int row)
    {
        QListWidget *list = m_window->accountList();
        const QPoint point = row < 0 ? QPoint(5, list->viewport()->height() - 2)
                                     : list->visualItemRect(list->item(row)).center();
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts.append(action->text());
            }
            menu->close();
        });
        m_window->onAccountContextMenu(point);
        return texts;
    }
    QWidget *page() const { return m_window->pageStack()->currentWidget(); }

private:
    AppFixture m_fixture;
    FakePrompts m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace


namespace {

// A window whose online services run on a fake server, tokens in memory.
struct OnlineWindow
{
    QTemporaryDir dir;
    EnvironmentOverride dataDir{"TALLYRA_DATA_DIR", dir.path().toUtf8()};
    OnlineEnvironment online;
    std::unique_ptr<AppState> state;
    std::unique_ptr<MainWindow> window;

    bool start()
    {
        clearWindowSettings();
        QSettings().remove(QStringLiteral("auth"));
        if (!online.start())
            return false;
        state = std::make_unique<AppState>();
        state->setTokenStore(std::make_unique<MemoryTokenStore>());
        return state->initialize();
    }

    ~OnlineWindow()
    {
        window.reset();
        state.reset();
        QApplication::processEvents();
    }

    void signIn()
    {
        const auto issued = online.services->issueTokens();
        state->onlineClient()->authClient()->handleCallback(
            QUrl(QStringLiteral("http://localhost/callback?access_token=%1&refresh_token=%2")
                     .arg(issued.first, issued.second)));
        WindowHarness::settle();
    }

    QAction *menuAction(const QString &text) const { return menuBarAction(window.get(), text); }

    bool autoSyncRunning() const { return syncTimerRunning(300000); }
    bool syncScheduled() const { return syncTimerRunning(SyncEngine::kDebounceMs); }
    bool syncTimerRunning(int interval) const
    {
        for (const QTimer *timer : state->syncEngine()->findChildren<QTimer *>()) {
            if (timer->isActive() && timer->interval() == interval)
                return true;
        }
        return false;
    }

    QString syncText() const { return window->findChild<QLabel *>(QStringLiteral("syncStatusLabel"))->text(); }
};


Transaction localTransaction(const QString &accountId)
{
    Transaction transaction;
    transaction.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    transaction.accountId = accountId;
    transaction.date = QDate(2024, 3, 1);
    transaction.payee = QStringLiteral("Typed offline");
    transaction.amount = -100;
    transaction.createdAt = QDateTime::currentDateTimeUtc();
    transaction.updatedAt = transaction.createdAt;
    return transaction;
}

RecurringTransaction dueRule(const QString &accountId, const QString &payee, qint64 amount, const QDate &due)
{
    RecurringTransaction rule;
    rule.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    rule.accountId = accountId;
    rule.payee = payee;
    rule.amount = amount;
    rule.frequency = RecurringFrequency::Monthly;
    rule.startDate = due;
    rule.nextDueDate = due;
    rule.autoPost = true;
    rule.createdAt = QDateTime::currentDateTimeUtc();
    rule.updatedAt = rule.createdAt;
    return rule;
}

} // namespace

// Stands in for the system browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyDataFolderShowsTheWelcomePage()
    {
        WindowHarness h;
        MainWindow *window = h.open();
        QCOMPARE(h.page(), window->welcomeScreen());
        QCOMPARE(window->accountList()->count(), 0);
        QCOMPARE(h.footer(), QStringLiteral("No accounts"));
        QVERIFY(h.app()->currentAccountId().isEmpty());
        QVERIFY(window->findChildren<QShortcut *>().isEmpty());
        QCOMPARE(h.contextMenuTexts(-1), QStringList{QStringLiteral("New Account...")});
    }

    void startsOnTheRegisterOfTheFirstAccount()
    {
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Savings"), AccountType::Savings, Currency::USD, 0, 1);
        const Account first = h.fixture().addAccount(QStringLiteral("Checking"), AccountType::Checking,
            Currency::USD, 0, 0);
        MainWindow *window = h.open();
        QCOMPARE(h.rowNames(), (QStringList{QStringLiteral("Checking"), QStringLiteral("Savings")}));
        QCOMPARE(h.page(), window->registerScreen());
        QCOMPARE(window->registerScreen()->accountId(), first.id);
        QCOMPARE(h.app()->currentAccountId(), first.id);
        QCOMPARE(window->accountList()->currentRow(), 0);
    }

    void aDeletedLastAccountIsNotShownAgain()
    {
        WindowHarness h;
        const Account gone = h.fixture().addAccount(QStringLiteral("Gone"), AccountType::Checking, Currency::USD, 0, 0);
        const Account kept = h.fixture().addAccount(QStringLiteral("Kept"), AccountType::Checking, Currency::USD, 0, 1);
        h.app()->setCurrentAccountId(gone.id);
        QVERIFY(h.app()->accountRepository()->softDelete(gone.id));
        MainWindow *window = h.open();
        QCOMPARE(window->registerScreen()->accountId(), kept.id);
        QCOMPARE(h.app()->currentAccountId(), kept.id);
    }

    void rowsShowSignedBalancesInTheirColours_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("colour");
        // Liabilities read as amounts owed: positive when money is owed.
        QTest::newRow("card owing") << int(AccountType::CreditCard) << qint64(-12345) << "$123.45" << "name";
        QTest::newRow("card in credit") << int(AccountType::CreditCard) << qint64(500) << "-$5.00" << "negative";
        QTest::newRow("loan owing") << int(AccountType::Loan) << qint64(-100) << "$1.00" << "name";
        QTest::newRow("checking at zero") << int(AccountType::Checking) << qint64(0) << "$0.00" << "positive";
        QTest::newRow("checking overdrawn") << int(AccountType::Checking) << qint64(-1) << "-$0.01" << "negative";
    }

    void rowsShowSignedBalancesInTheirColours()
    {
        QFETCH(int, type);
        QFETCH(qint64, stored);
        QFETCH(QString, shown);
        QFETCH(QString, colour);
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("A"), AccountType(type));
        if (stored != 0)
            h.fixture().addTransaction(account.id, QDate(2024, 2, 1), QStringLiteral("P"), stored);
        h.open();
        QLabel *balance = h.rowLabel(0, "accountBalance");
        QCOMPARE(balance->text(), shown);
        const QString expected = colour == QLatin1String("negative") ? negativeAmountColor().name()
            : colour == QLatin1String("positive")                    ? positiveAmountColor().name()
                                                                     : QColor(isDarkPalette() ? "#FFFFFF" : "#12211B").name();
        QCOMPARE(balance->styleSheet(), QStringLiteral("color: %1;").arg(expected));
    }

    void secondLineShowsInstitutionOrType()
    {
        WindowHarness h;
        Account bank = h.fixture().addAccount(QStringLiteral("Bank"), AccountType::Checking, Currency::USD, 0, 0);
        bank.institution = QStringLiteral("First Bank");
        bank.accountNumberLast4 = QStringLiteral("1234");
        QVERIFY(h.app()->accountRepository()->update(bank));
        h.fixture().addAccount(QStringLiteral("Wallet"), AccountType::Cash, Currency::USD, 0, 1);
        h.open();
        QCOMPARE(h.rowLabel(0, "accountDetail")->text(), QStringLiteral("First Bank  \u00B7  *1234"));
        QCOMPARE(h.rowLabel(1, "accountDetail")->text(), QStringLiteral("Cash"));
        // No line of a row is cut: each label gets the height its text needs.
        for (const char *label : {"accountName", "accountBalance", "accountDetail"})
            QVERIFY2(h.rowLabel(0, label)->height() >= h.rowLabel(0, label)->sizeHint().height(), label);
    }

    void balanceModesRelabelTheFooter_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("footer");
        QTest::addColumn<QString>("row");
        // 100.00 cleared today, 30.00 uncleared today, 50.00 cleared next month.
        QTest::newRow("current") << "current" << "Total: $180.00" << "$180.00";
        QTest::newRow("cleared") << "cleared" << "Cleared: $150.00" << "$150.00";
        QTest::newRow("as of today") << "asOfToday" << "Today: $130.00" << "$130.00";
        QTest::newRow("unknown reads as current") << "sometimes" << "Total: $180.00" << "$180.00";
    }

    void balanceModesRelabelTheFooter()
    {
        QFETCH(QString, mode);
        QFETCH(QString, footer);
        QFETCH(QString, row);
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        TransactionRepository *transactions = h.app()->transactionRepository();
        Transaction cleared = h.fixture().addTransaction(account.id, QDate::currentDate(), QStringLiteral("A"), 10000);
        cleared.cleared = true;
        QVERIFY(transactions->update(cleared));
        h.fixture().addTransaction(account.id, QDate::currentDate(), QStringLiteral("B"), 3000);
        Transaction later = h.fixture().addTransaction(account.id, QDate::currentDate().addMonths(1),
            QStringLiteral("C"), 5000);
        later.cleared = true;
        QVERIFY(transactions->update(later));
        h.open();
        QCOMPARE(h.footer(), QStringLiteral("Total: $180.00"));

        // The window follows the preference while it is open.
        h.app()->preferencesRepository()->set(QStringLiteral("dashboardBalanceMode"), mode);
        h.settle();
        QCOMPARE(h.footer(), footer);
        QCOMPARE(h.balanceText(0), row);
    }

    // Each account's balance is read again after a change to that account
    // only; whatever changed, the list shows what a new window would.
    void balancesFollowChangesToEachAccount()
    {
        WindowHarness h;
        const Account first = h.fixture().addAccount(QStringLiteral("First"), AccountType::Checking,
            Currency::USD, 0, 0);
        Account second = h.fixture().addAccount(QStringLiteral("Second"), AccountType::Checking,
            Currency::USD, 0, 1);
        h.fixture().addTransaction(first.id, QDate::currentDate(), QStringLiteral("A"), 1000);
        h.open();
        QCOMPARE(h.footer(), QStringLiteral("Total: $10.00"));

        h.fixture().addTransaction(second.id, QDate::currentDate(), QStringLiteral("B"), 250);
        h.settle();
        QCOMPARE(h.balanceText(0), QStringLiteral("$10.00"));
        QCOMPARE(h.balanceText(1), QStringLiteral("$2.50"));
        QCOMPARE(h.footer(), QStringLiteral("Total: $12.50"));

        Transaction moved = h.fixture().addTransaction(first.id, QDate::currentDate(), QStringLiteral("C"), -500);
        h.settle();
        QCOMPARE(h.balanceText(0), QStringLiteral("$5.00"));
        QVERIFY(h.app()->transactionRepository()->softDelete(moved.id));
        h.settle();
        QCOMPARE(h.balanceText(0), QStringLiteral("$10.00"));

        // The starting balance is the account's own: an account change reads all.
        second.startingBalance = 10000;
        QVERIFY(h.app()->accountRepository()->update(second));
        h.settle();
        QCOMPARE(h.balanceText(1), QStringLiteral("$102.50"));
        QCOMPARE(h.footer(), QStringLiteral("Total: $112.50"));
    }

    void eachCurrencyHasItsOwnTotal()
    {
        WindowHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"), AccountType::Checking,
            Currency::USD, 0, 0);
        const Account euro = h.fixture().addAccount(QStringLiteral("Euro"), AccountType::Savings, Currency::EUR, 0, 1);
        const Account card = h.fixture().addAccount(QStringLiteral("Card"), AccountType::CreditCard,
            Currency::USD, 0, 2);
        const Account yen = h.fixture().addAccount(QStringLiteral("Yen"), AccountType::Cash, Currency::JPY, 0, 3);
        h.fixture().addTransaction(checking.id, QDate(2024, 2, 1), QStringLiteral("Pay"), 10000);
        h.fixture().addTransaction(euro.id, QDate(2024, 2, 1), QStringLiteral("Pay"), 2550);
        h.fixture().addTransaction(card.id, QDate(2024, 2, 1), QStringLiteral("Shop"), -4000);
        h.fixture().addTransaction(yen.id, QDate(2024, 2, 1), QStringLiteral("Shop"), 1500);
        h.open();
        // Stored balances add up per currency, in the order the currencies first appear.
        QCOMPARE(h.footer(), QStringLiteral("Total: $60.00  \u00B7  \u20AC25.50  \u00B7  \u00A51,500"));
    }

    void aBalanceThatDoesNotFitIsShownAsSuch()
    {
        WindowHarness h;
        const Account big = h.fixture().addAccount(QStringLiteral("Big"), AccountType::Checking, Currency::USD, 0, 0);
        const Account small = h.fixture().addAccount(QStringLiteral("Small"), AccountType::Checking, Currency::USD, 0, 1);
        const Account euro = h.fixture().addAccount(QStringLiteral("Euro"), AccountType::Checking, Currency::EUR, 0, 2);
        h.fixture().addTransaction(big.id, QDate(2024, 2, 1), QStringLiteral("A"), std::numeric_limits<qint64>::max() - 10);
        h.fixture().addTransaction(small.id, QDate(2024, 2, 1), QStringLiteral("B"), 100);
        h.fixture().addTransaction(euro.id, QDate(2024, 2, 1), QStringLiteral("C"), 100);
        const Account pound = h.fixture().addAccount(QStringLiteral("Pound"), AccountType::Checking, Currency::GBP, 0, 3);
        h.fixture().addTransaction(pound.id, QDate(2024, 2, 1), QStringLiteral("D"), std::numeric_limits<qint64>::max() / 2 + 1);
        h.fixture().addTransaction(pound.id, QDate(2024, 2, 2), QStringLiteral("E"), std::numeric_limits<qint64>::max() / 2 + 1);
        h.open();
        // The dollar rows fit but their total does not; the pound row itself
        // does not fit; the euro total is unaffected by either.
        QCOMPARE(h.balanceText(1), QStringLiteral("$1.00"));
        QCOMPARE(h.balanceText(3), QStringLiteral("Too large"));
        QCOMPARE(h.footer(), QStringLiteral("Total: Too large  \u00B7  \u20AC1.00  \u00B7  Too large"));
    }

    void namesFromTheDataAreShownLiterally()
    {
        WindowHarness h;
        const QString name = QStringLiteral("R&D <b>x</b>");
        Account account = h.fixture().addAccount(name);
        account.institution = QStringLiteral("<i>Bank</i> & Co");
        QVERIFY(h.app()->accountRepository()->update(account));
        h.open();
        auto *nameLabel = static_cast<ElidedLabel *>(h.rowLabel(0, "accountName"));
        QCOMPARE(nameLabel->fullText(), name);
        QCOMPARE(nameLabel->textFormat(), Qt::PlainText);
        QCOMPARE(shownText(nameLabel->toolTip()), name);
        QLabel *detail = h.rowLabel(0, "accountDetail");
        QCOMPARE(shownText(detail->text(), detail->textFormat()), QStringLiteral("<i>Bank</i> & Co"));
        auto *title = h.window()->registerScreen()->findChild<QLabel *>(QStringLiteral("titleLabel"));
        QCOMPARE(shownText(title->text(), title->textFormat()), name);
        auto *subtitle = h.window()->registerScreen()->findChild<QLabel *>(QStringLiteral("subtitleLabel"));
        QCOMPARE(shownText(subtitle->text(), subtitle->textFormat()), QStringLiteral("<i>Bank</i> & Co"));
        // A lone "&" in a menu text would mark a mnemonic and vanish.
        const QStringList menu = h.contextMenuTexts(0);
        QVERIFY(menu.contains(QStringLiteral("Edit \"R&&D <b>x</b>\"...")));
        QVERIFY(menu.contains(QStringLiteral("Delete \"R&&D <b>x</b>\"")));
    }

    void rebuildsOnceForABurstOfChanges()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        h.open();
        QSignalSpy rebuilds(h.window()->accountList()->model(), &QAbstractItemModel::modelReset);
        for (int i = 0; i < 100; ++i)
            h.fixture().addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("P%1").arg(i), -100);
        h.settle();
        QCOMPARE(rebuilds.count(), 1);
        QCOMPARE(h.footer(), QStringLiteral("Total: -$100.00"));
    }

    void typingATransactionUpdatesTheListAndFooter()
    {
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Checking"));
        MainWindow *window = h.open();
        window->registerScreen()->table()->setFocus();
        QSignalSpy registerReloads(window->registerScreen()->model(), &QAbstractItemModel::modelReset);
        h.typeTransaction(QStringLiteral("Corner Shop"), QStringLiteral("12.50"));
        // The register puts its own write in place; neither it nor the
        // window reads the account again.
        QCOMPARE(registerReloads.count(), 0);
        QCOMPARE(window->registerScreen()->model()->listRowCount(), 1);
        QCOMPARE(h.app()->transactionRepository()->listByAccount(h.app()->currentAccountId()).size(), 1);
        QCOMPARE(h.balanceText(0), QStringLiteral("-$12.50"));
        QCOMPARE(h.footer(), QStringLiteral("Total: -$12.50"));
    }

    void registerFollowsWritesFromElsewhere()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account other = h.fixture().addAccount(QStringLiteral("Other"), AccountType::Checking, Currency::USD, 0, 1);
        MainWindow *window = h.open();
        const int rowsBefore = window->registerScreen()->model()->rowCount();
        // Not the register's own write: a posting, a sync or another screen.
        h.fixture().addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Elsewhere"), -500);
        h.fixture().addTransaction(other.id, QDate(2024, 3, 1), QStringLiteral("Other account"), -500);
        h.settle();
        QCOMPARE(window->registerScreen()->model()->rowCount(), rowsBefore + 1);

        // A sort before the reload reorders the rows it has; the write still shows.
        h.fixture().addTransaction(account.id, QDate(2024, 3, 2), QStringLiteral("Sorted away"), -600);
        window->registerScreen()->model()->sort(RegisterModel::PayeeColumn, Qt::AscendingOrder);
        h.settle();
        QCOMPARE(window->registerScreen()->model()->rowCount(), rowsBefore + 2);
    }

    void automaticPostingPostsDueRulesAndReloadsTheRegister()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        h.app()->setCurrentAccountId(account.id);
        RecurringRepository *recurring = h.app()->recurringRepository();
        QVERIFY(recurring->insert(dueRule(account.id, QStringLiteral("Rent"), -100000, QDate::currentDate())));
        MainWindow *window = h.open();
        QCOMPARE(h.app()->transactionRepository()->listByAccount(account.id).size(), 1);
        QCOMPARE(h.statusMessage(), QStringLiteral("Auto-posted 1 recurring transaction(s)"));
        QCOMPARE(h.balanceText(0), QStringLiteral("-$1,000.00"));
        const int rowsAfterStart = window->registerScreen()->model()->rowCount();

        // The hourly run: a rule that became due while the window was open.
        QVERIFY(recurring->insert(dueRule(account.id, QStringLiteral("Gym"), -5000, QDate::currentDate())));
        window->autoPostRecurring();
        h.settle();
        QCOMPARE(window->registerScreen()->model()->rowCount(), rowsAfterStart + 1);
        QCOMPARE(h.footer(), QStringLiteral("Total: -$1,050.00"));

        // A run that posts nothing says nothing.
        window->appStatusBar()->clearMessage();
        window->autoPostRecurring();
        QVERIFY(h.statusMessage().isEmpty());
    }

    void accountShortcutsFollowTheListOrderAfterADrag()
    {
        WindowHarness h;
        QStringList ids;
        for (int i = 0; i < 11; ++i)
            ids.append(h.fixture().addAccount(QStringLiteral("Account %1").arg(i + 1), AccountType::Checking,
                Currency::USD, 0, i).id);
        MainWindow *window = h.open();
        QCOMPARE(window->findChildren<QShortcut *>().size(), 10);

        // The user drags the third row to the top.
        QListWidget *list = window->accountList();
        QVERIFY(list->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
        h.settle();
        const QStringList order{ids[2], ids[0], ids[1], ids[3], ids[4], ids[5], ids[6], ids[7], ids[8], ids[9], ids[10]};
        const QList<Account> stored = h.app()->accountRepository()->listAll();
        for (int row = 0; row < order.size(); ++row) {
            QCOMPARE(stored.at(row).id, order.at(row));
            QCOMPARE(stored.at(row).sortOrder, row);
        }

        const QList<Qt::Key> digits{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
            Qt::Key_8, Qt::Key_9, Qt::Key_0};
        for (int row = 0; row < digits.size(); ++row) {
            QTest::keyClick(window, digits.at(row), Qt::AltModifier);
            h.settle();
            QCOMPARE(h.app()->currentAccountId(), order.at(row));
            QCOMPARE(list->currentRow(), row);
        }
    }

    void editingTheNameAloneDoesNotAskAboutTheOpeningBalance()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        QVERIFY(TransactionActions::setOpeningBalance(h.app(), account.id, 10000, QDate(2024, 1, 1)));
        h.open();
        h.prompts().steps.append([](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Everyday"));
            return int(QDialog::Accepted);
        });
        h.window()->showEditAccountDialog();
        h.settle();
        QCOMPARE(h.prompts().dialogRuns, 1);
        const Account stored = *h.app()->accountRepository()->findById(account.id);
        QCOMPARE(stored.name, QStringLiteral("Everyday"));
        QCOMPARE(stored.version, account.version + 1);
        QCOMPARE(h.rowNames(), QStringList{QStringLiteral("Everyday")});
    }

    void anEditNeverOverwritesAChangeMadeWhileTheFormWasOpen_data()
    {
        QTest::addColumn<QString>("elsewhere");
        QTest::newRow("renamed elsewhere") << "renamed";
        QTest::newRow("deleted elsewhere") << "deleted";
        QTest::newRow("pushed by a sync") << "synced";
    }

    void anEditNeverOverwritesAChangeMadeWhileTheFormWasOpen()
    {
        QFETCH(QString, elsewhere);
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        h.open();
        AppState *app = h.app();
        h.prompts().steps.append([app, account, elsewhere](QDialog *dialog) {
            // What a sync or another window writes while the form is open.
            AccountRepository *accounts = app->accountRepository();
            if (elsewhere == QLatin1String("deleted")) {
                accounts->softDelete(account.id);
            } else if (elsewhere == QLatin1String("renamed")) {
                Account renamed = *accounts->findById(account.id);
                renamed.name = QStringLiteral("From another device");
                renamed.version += 1;
                accounts->update(renamed);
            } else {
                accounts->markSynced(account.id, QStringLiteral("server-7"));
            }
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Typed here"));
            return int(QDialog::Accepted);
        });
        h.window()->showEditAccountDialog();
        h.settle();
        const Account stored = *app->accountRepository()->findById(account.id);
        if (elsewhere == QLatin1String("synced")) {
            // Nothing the form shows changed: the edit goes in, the sync's record stays.
            QVERIFY(h.prompts().messages.isEmpty());
            QCOMPARE(stored.name, QStringLiteral("Typed here"));
            QCOMPARE(stored.serverId, QStringLiteral("server-7"));
            return;
        }
        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages.first().title, elsewhere == QLatin1String("deleted")
                ? QStringLiteral("Account Deleted") : QStringLiteral("Account Changed"));
        QCOMPARE(stored.name, elsewhere == QLatin1String("deleted") ? QStringLiteral("Checking")
                                                                     : QStringLiteral("From another device"));
        QCOMPARE(bool(stored.deletedAt), elsewhere == QLatin1String("deleted"));
    }

    void changingTheOpeningBalanceAsksAndNoKeepsTheOtherEdits_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<qint64>("opening");
        QTest::newRow("yes") << int(QMessageBox::Yes) << qint64(25000);
        QTest::newRow("no") << int(QMessageBox::No) << qint64(10000);
        QTest::newRow("closed") << int(QMessageBox::Cancel) << qint64(10000);
    }

    void changingTheOpeningBalanceAsksAndNoKeepsTheOtherEdits()
    {
        QFETCH(int, answer);
        QFETCH(qint64, opening);
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        QVERIFY(TransactionActions::setOpeningBalance(h.app(), account.id, 10000, QDate(2024, 1, 1)));
        h.open();
        QString question;
        bool defaultIsNo = false;
        h.prompts().steps.append([](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Everyday"));
            findNamed<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(250.0);
            return int(QDialog::Accepted);
        });
        h.prompts().steps.append([&question, &defaultIsNo, answer](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            question = box ? box->text() : QString();
            defaultIsNo = box && box->defaultButton() == box->button(QMessageBox::No);
            return answer;
        });
        h.window()->showEditAccountDialog();
        h.settle();
        QCOMPARE(question, QStringLiteral("Change the opening balance?\n\nEvery balance in this account will shift."));
        QVERIFY(defaultIsNo);
        QCOMPARE(h.app()->accountRepository()->findById(account.id)->name, QStringLiteral("Everyday"));
        QCOMPARE(h.app()->transactionRepository()->findOpeningBalance(account.id)->amount, opening);
        QCOMPARE(h.footer(), QStringLiteral("Total: %1").arg(formatMoney(opening)));
    }

    void currencyWithOtherMinorUnitsIsRefusedWhileTheAccountHasTransactions_data()
    {
        QTest::addColumn<QString>("holding");
        QTest::addColumn<bool>("yenAllowed");
        QTest::newRow("empty account") << "nothing" << true;
        QTest::newRow("with a transaction") << "transaction" << false;
        QTest::newRow("with a recurring rule") << "recurring rule" << false;
    }

    void currencyWithOtherMinorUnitsIsRefusedWhileTheAccountHasTransactions()
    {
        QFETCH(QString, holding);
        QFETCH(bool, yenAllowed);
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        if (holding == QLatin1String("transaction")) {
            const Transaction gone = h.fixture().addTransaction(account.id, QDate(2024, 2, 1), QStringLiteral("P"), 1250);
            // A deleted row still holds cents: a restore would bring it back.
            QVERIFY(h.app()->transactionRepository()->softDelete(gone.id));
        } else if (holding == QLatin1String("recurring rule")) {
            // What the rule posts is in cents too.
            QVERIFY(h.fixture().execSql(QStringLiteral(
                "INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, "
                "created_at, updated_at) VALUES ('rule', '%1', 'Rent', -1250, '2024-03-01', '2024-03-01', "
                "'2024-02-01T00:00:00Z', '2024-02-01T00:00:00Z')").arg(account.id)));
        }
        h.open();
        bool yenEnabled = false;
        bool euroEnabled = false;
        QString why;
        h.prompts().steps.append([&](QDialog *dialog) {
            auto *combo = findNamed<QComboBox>(dialog, "currencyCombo");
            auto *model = qobject_cast<QStandardItemModel *>(combo->model());
            QStandardItem *yen = model->item(combo->findData(QStringLiteral("JPY")));
            yenEnabled = yen->isEnabled();
            euroEnabled = model->item(combo->findData(QStringLiteral("EUR")))->isEnabled();
            why = yen->toolTip();
            return int(QDialog::Rejected);
        });
        h.window()->showEditAccountDialog();
        QCOMPARE(yenEnabled, yenAllowed);
        QVERIFY(euroEnabled);
        QCOMPARE(why.isEmpty(), yenAllowed);
    }

    void signInRequiredBeforeSharing()
    {
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Checking"));
        h.open();
        QStringList shown;
        h.prompts().steps.append([&shown](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            shown = QStringList{box->windowTitle(), box->text(), box->defaultButton()->text()};
            return int(QDialog::Rejected);
        });
        h.window()->showShareAccountDialog();
        QCOMPARE(shown, (QStringList{QStringLiteral("Sign In Required"),
                            QStringLiteral("Sharing requires a Lumora account."), QStringLiteral("Learn More")}));
    }

    void accountCommandsWithoutAnAccountSaySo()
    {
        WindowHarness h;
        MainWindow *window = h.open();
        const QList<void (MainWindow::*)()> commands{&MainWindow::showEditAccountDialog,
            &MainWindow::deleteCurrentAccount, &MainWindow::showShareAccountDialog,
            &MainWindow::showReconciliationWindow, &MainWindow::showReconciliationHistoryWindow};
        for (auto command : commands) {
            window->appStatusBar()->clearMessage();
            (window->*command)();
            QCOMPARE(h.statusMessage(), QStringLiteral("Select an account first"));
        }
        QCOMPARE(h.prompts().dialogRuns, 0);
    }

    void toolWindowsAreMadeOnceAndKeepTheirPlace_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::newRow("reports") << "showReportsWindow" << "ReportsScreen" << "Reports" << QSize(800, 600);
        QTest::newRow("recurring") << "showRecurringWindow" << "RecurringScreen" << "Recurring Transactions"
                                   << QSize(700, 500);
        QTest::newRow("search") << "showSearchWindow" << "SearchScreen" << "Search Transactions" << QSize(800, 550);
        QTest::newRow("preferences") << "showSettingsWindow" << "SettingsScreen" << "Preferences" << QSize(500, 550);
        QTest::newRow("import") << "showImportWindow" << "ImportScreen" << "Import Transactions" << QSize(650, 600);
        QTest::newRow("categories") << "showCategoriesWindow" << "CategoriesScreen" << "Categories" << QSize(600, 500);
        QTest::newRow("payees") << "showPayeesWindow" << "PayeeScreen" << "Payee Management" << QSize(550, 500);
        QTest::newRow("history") << "showReconciliationHistoryWindow" << "ReconciliationHistoryScreen"
                                 << "Reconciliation History" << QSize(750, 500);
    }

    void toolWindowsAreMadeOnceAndKeepTheirPlace()
    {
        QFETCH(QString, command);
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Checking"));
        MainWindow *window = h.open();
        auto toolWindows = [&] {
            QList<QWidget *> found;
            for (QWidget *child : window->findChildren<QWidget *>()) {
                if (QLatin1String(child->metaObject()->className()) == screen)
                    found.append(child);
            }
            return found;
        };
        QVERIFY(toolWindows().isEmpty());

        QVERIFY(QMetaObject::invokeMethod(window, command.toLatin1().constData()));
        h.settle();
        QCOMPARE(toolWindows().size(), 1);
        QWidget *tool = toolWindows().first();
        QVERIFY(tool->isWindow());
        QVERIFY(tool->isVisible());
        QCOMPARE(tool->windowTitle(), title);
        // The first size, or what the screen holds of it; never a frame
        // that reaches past the screen's work area.
        QCOMPARE(tool->size(), firstSizeOnScreen(size, tool).expandedTo(tool->minimumSizeHint()));
        QVERIFY(withinScreen(tool));

        // The user moves it, resizes it and closes it; the next command shows
        // the same window where it was left.
        tool->setGeometry(QRect(QPoint(40, 60), QSize(640, 430)));
        h.settle();
        const QRect left = tool->geometry();
        tool->close();
        h.settle();
        QVERIFY(!tool->isVisible());
        QVERIFY(QMetaObject::invokeMethod(window, command.toLatin1().constData()));
        h.settle();
        QCOMPARE(toolWindows(), QList<QWidget *>{tool});
        QVERIFY(tool->isVisible());
        QCOMPARE(tool->geometry(), left);
    }

    void eachReconcileCommandOpensItsOwnWindow()
    {
        WindowHarness h;
        MainWindow *window = h.open();
        // Without an account the shortcut only says so.
        QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
        h.settle();
        QCOMPARE(h.statusMessage(), QStringLiteral("Select an account first"));
        QVERIFY(window->findChildren<ReconciliationScreen *>().isEmpty());

        h.fixture().addAccount(QStringLiteral("R&D Checking"));
        h.settle();
        window->onAccountClicked(window->accountList()->item(0));
        QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
        QMetaObject::invokeMethod(window->registerScreen(), "reconcileRequested", Q_ARG(QString, QString()));
        h.settle();
        const QList<ReconciliationScreen *> windows = window->findChildren<ReconciliationScreen *>();
        QCOMPARE(windows.size(), 2);
        for (ReconciliationScreen *reconcile : windows) {
            QVERIFY(reconcile->isWindow() && reconcile->isVisible());
            QCOMPARE(reconcile->size(), firstSizeOnScreen(QSize(1100, 720), reconcile));
            QCOMPARE(reconcile->windowTitle(), QStringLiteral("Reconcile \u2014 R&D Checking"));
        }
        // Closing one destroys it and leaves the other open.
        QPointer<ReconciliationScreen> closed = windows.first();
        closed->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QCOMPARE(window->findChildren<ReconciliationScreen *>(), QList<ReconciliationScreen *>{windows.last()});
        QVERIFY(windows.last()->isVisible());
    }

    void aClosedRecurringWindowIsRefreshedWhenShownAgain()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        MainWindow *window = h.open();
        QTest::keyClick(window, Qt::Key_3, Qt::ControlModifier);
        h.settle();
        auto *recurring = window->findChild<RecurringScreen *>();
        QVERIFY(recurring && recurring->isVisible());
        QAbstractItemModel *rules = recurring->view()->model();
        QCOMPARE(rules->rowCount(), 0);

        // While shown, a rule written elsewhere appears at once.
        RecurringTransaction gym = dueRule(account.id, QStringLiteral("Gym"), -5000, QDate::currentDate().addDays(9));
        gym.autoPost = false;
        QVERIFY(h.app()->recurringRepository()->insert(gym));
        QCOMPARE(rules->rowCount(), 1);

        // Closed, it waits for the next time it is shown.
        recurring->close();
        RecurringTransaction rent = gym;
        rent.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        rent.payee = QStringLiteral("Rent");
        QVERIFY(h.app()->recurringRepository()->insert(rent));
        QCOMPARE(rules->rowCount(), 1);
        window->showRecurringWindow();
        QCOMPARE(rules->rowCount(), 2);
    }

    void createAccountMakesItsOpeningBalanceAndShowsItsRegister_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("typed");
        QTest::addColumn<qint64>("opening");
        QTest::addColumn<QString>("shown");
        QTest::newRow("checking") << int(AccountType::Checking) << 100.0 << qint64(10000) << "$100.00";
        QTest::newRow("zero") << int(AccountType::Savings) << 0.0 << qint64(0) << "$0.00";
        // The amount owed on a card is stored negative and read as owed.
        QTest::newRow("credit card owed") << int(AccountType::CreditCard) << 250.0 << qint64(-25000) << "$250.00";
    }

    void createAccountMakesItsOpeningBalanceAndShowsItsRegister()
    {
        QFETCH(int, type);
        QFETCH(double, typed);
        QFETCH(qint64, opening);
        QFETCH(QString, shown);
        WindowHarness h;
        MainWindow *window = h.open();
        QCOMPARE(h.page(), window->welcomeScreen());
        h.prompts().steps.append([type, typed](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Everyday"));
            auto *types = findNamed<QComboBox>(dialog, "typeCombo");
            types->setCurrentIndex(types->findData(accountTypeToString(AccountType(type))));
            findNamed<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(typed);
            return int(QDialog::Accepted);
        });
        Q_EMIT window->welcomeScreen()->createAccountRequested();
        h.settle();

        const QList<Account> accounts = h.app()->accountRepository()->listAll();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.first().startingBalance, qint64(0));
        const std::optional<Transaction> openingRow =
            h.app()->transactionRepository()->findOpeningBalance(accounts.first().id);
        QVERIFY(openingRow);
        QCOMPARE(openingRow->amount, opening);
        QCOMPARE(openingRow->payee, QStringLiteral("Opening Balance"));
        QVERIFY(openingRow->cleared && openingRow->reconciled);
        QCOMPARE(h.page(), window->registerScreen());
        QCOMPARE(window->registerScreen()->accountId(), accounts.first().id);
        QCOMPARE(h.rowNames(), QStringList{QStringLiteral("Everyday")});
        QCOMPARE(h.balanceText(0), shown);
        QCOMPARE(window->accountList()->currentRow(), 0);
    }

    void aFailedNewAccountKeepsWhatWasTyped()
    {
        WindowHarness h;
        MainWindow *window = h.open();
        QVERIFY(h.fixture().failInsertsInto(QStringLiteral("transactions")));
        QString typedAgain;
        h.prompts().steps.append([](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Everyday"));
            findNamed<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(12.0);
            return int(QDialog::Accepted);
        });
        h.prompts().steps.append([&typedAgain](QDialog *dialog) {
            typedAgain = findNamed<QLineEdit>(dialog, "nameEdit")->text();
            return int(QDialog::Rejected);
        });
        window->showNewAccountDialog();
        h.settle();
        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages.first().title, QStringLiteral("Save Failed"));
        QVERIFY2(h.prompts().messages.first().text.contains(
                     QStringLiteral("The account could not be saved: forced failure.")),
            qPrintable(h.prompts().messages.first().text));
        QCOMPARE(typedAgain, QStringLiteral("Everyday"));
        // The account went with its opening balance: nothing half-made is left.
        QVERIFY(h.app()->accountRepository()->listAll().isEmpty());
        QCOMPARE(h.page(), window->welcomeScreen());
    }

    void deletingAnAccountAsksFirst_data()
    {
        QTest::addColumn<bool>("current");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("current, yes") << true << int(QMessageBox::Yes) << true;
        QTest::newRow("current, no") << true << int(QMessageBox::No) << false;
        QTest::newRow("current, closed") << true << int(QMessageBox::Cancel) << false;
        QTest::newRow("other, yes") << false << int(QMessageBox::Yes) << true;
    }

    // A sync pull or another window deletes the account on screen: the
    // window leaves it as after a delete made here, and Ctrl+N reaches no
    // register.
    void theCurrentAccountDeletedElsewhereIsLeft()
    {
        WindowHarness h;
        const Account shown = h.fixture().addAccount(QStringLiteral("Shown"));
        h.fixture().addAccount(QStringLiteral("Other"), AccountType::Checking, Currency::USD, 0, 1);
        MainWindow *window = h.open();
        QCOMPARE(h.app()->currentAccountId(), shown.id);
        QCOMPARE(h.app()->accountOperations()->deleteAccount(shown.id), WriteResult::Written);
        h.settle();

        QVERIFY(h.app()->currentAccountId().isEmpty());
        QCOMPARE(h.page(), window->welcomeScreen());
        QCOMPARE(window->registerScreen()->accountId(), QString());
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        fillBuffer(window->registerScreen()->model(), QStringLiteral("2/1/2024"), QStringLiteral("Shop"),
            QStringLiteral("40"), QString());
        window->registerScreen()->commitCurrentRow();
        QCOMPARE(h.fixture().countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    void deletingAnAccountAsksFirst()
    {
        QFETCH(bool, current);
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        WindowHarness h;
        const Account shown = h.fixture().addAccount(QStringLiteral("R&D <b>x</b>"), AccountType::Checking,
            Currency::USD, 0, 0);
        const Account other = h.fixture().addAccount(QStringLiteral("Other"), AccountType::Checking, Currency::USD, 0, 1);
        h.fixture().addTransaction(shown.id, QDate(2024, 2, 1), QStringLiteral("P"), 700);
        MainWindow *window = h.open();
        const QString target = current ? shown.id : other.id;
        QString question;
        Qt::TextFormat format = Qt::AutoText;
        h.prompts().steps.append([&](QDialog *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            question = box->text();
            format = box->textFormat();
            return answer;
        });
        window->deleteAccount(target);
        h.settle();

        const QString name = current ? shown.name : other.name;
        QCOMPARE(question, QStringLiteral("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation "
                                          "history for this account will be removed. You can restore it from "
                                          "Preferences \u2192 Data & Sync.")
                               .arg(name));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(h.app()->accountRepository()->listAll().size(), deleted ? 1 : 2);
        if (deleted && current) {
            QVERIFY(h.app()->currentAccountId().isEmpty());
            QCOMPARE(h.page(), window->welcomeScreen());
            QCOMPARE(window->accountList()->currentRow(), -1);
        } else {
            QCOMPARE(h.app()->currentAccountId(), shown.id);
            QCOMPARE(h.page(), window->registerScreen());
        }
        if (!deleted)
            return;

        // The data layer brings it back with its transactions.
        QVERIFY(h.app()->accountOperations()->restoreAccount(target));
        h.settle();
        QCOMPARE(h.rowNames().size(), 2);
        QCOMPARE(h.app()->transactionRepository()->listByAccount(shown.id).size(), 1);
    }

    void deletingAnAccountDeletedElsewhereSaysSo_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("before the command") << "before";
        QTest::newRow("while the question is open") << "while asked";
    }

    // A pull deleted the account (its rows follow as records of their own)
    // and no window heard of it: Delete says the account is gone and writes
    // nothing over the pull's deletion, instead of a failure or a second
    // deletion of its rows.
    void deletingAnAccountDeletedElsewhereSaysSo()
    {
        QFETCH(QString, when);
        WindowHarness h;
        const Account gone = h.fixture().addAccount(QStringLiteral("Gone"));
        const Account other = h.fixture().addAccount(QStringLiteral("Other"), AccountType::Checking, Currency::USD, 0, 1);
        h.fixture().addTransaction(gone.id, QDate(2024, 2, 1), QStringLiteral("Not pulled yet"), 700);
        MainWindow *window = h.open();
        QCOMPARE(h.app()->currentAccountId(), gone.id);
        AppFixture &f = h.fixture();
        const auto pullDeletes = [&f, &gone] {
            return f.execSql(QStringLiteral("UPDATE accounts SET deleted_at = '2024-05-01T00:00:00Z', "
                                            "version = version + 1, sync_status = 'synced' WHERE id = '%1'")
                                 .arg(gone.id));
        };
        QString pulled;
        if (when == QLatin1String("before")) {
            QVERIFY(pullDeletes());
            pulled = f.tableDump(QStringLiteral("accounts")) + f.tableDump(QStringLiteral("transactions"));
        } else {
            h.prompts().steps.append([&](QDialog *) {
                if (!pullDeletes())
                    qWarning() << "the pull's deletion failed";
                pulled = f.tableDump(QStringLiteral("accounts")) + f.tableDump(QStringLiteral("transactions"));
                return int(QMessageBox::Yes);
            });
        }
        window->deleteAccount(gone.id);
        h.settle();

        QCOMPARE(h.prompts().dialogRuns, when == QLatin1String("before") ? 0 : 1);
        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages.first().title, QStringLiteral("Account Deleted"));
        QCOMPARE(f.tableDump(QStringLiteral("accounts")) + f.tableDump(QStringLiteral("transactions")), pulled);
        QVERIFY(h.app()->currentAccountId().isEmpty());
        QCOMPARE(h.rowNames(), QStringList{other.name});
    }

    void aFailureMidCascadeLeavesEverythingAsItWas()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(account.id, QDate(2024, 2, 1), QStringLiteral("P"), 700);
        RecurringRepository *recurring = h.app()->recurringRepository();
        QVERIFY(recurring->insert(dueRule(account.id, QStringLiteral("Rent"), -100, QDate::currentDate().addDays(20))));
        MainWindow *window = h.open();
        // The last step of the cascade fails, after the rows were marked.
        QVERIFY(h.fixture().execSql(QStringLiteral("CREATE TEMP TRIGGER fail_account_delete BEFORE UPDATE OF deleted_at "
                                                   "ON accounts BEGIN SELECT RAISE(ABORT, 'forced failure'); END")));
        h.prompts().steps.append([](QDialog *) { return int(QMessageBox::Yes); });
        window->deleteCurrentAccount();
        h.settle();

        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages.first().title, QStringLiteral("Delete Failed"));
        QVERIFY2(h.prompts().messages.first().text.contains(
                     QStringLiteral("The account could not be deleted: forced failure. Nothing was changed.")),
            qPrintable(h.prompts().messages.first().text));
        QCOMPARE(h.app()->accountRepository()->listAll().size(), 1);
        QCOMPARE(h.app()->transactionRepository()->listByAccount(account.id).size(), 1);
        QCOMPARE(recurring->listAll().size(), 1);
        QCOMPARE(h.app()->currentAccountId(), account.id);
        QCOMPARE(h.page(), window->registerScreen());
        QCOMPARE(h.footer(), QStringLiteral("Total: $7.00"));
    }

    void signInAndSignOutFollowTheOnlineAccount()
    {
        OnlineWindow f;
        QVERIFY(f.start());
        Account account;
        account.id = QStringLiteral("acct-1");
        account.name = QStringLiteral("Checking");
        account.createdAt = QDateTime::currentDateTimeUtc();
        account.updatedAt = account.createdAt;
        QVERIFY(f.state->accountRepository()->insert(account));
        f.window = std::make_unique<MainWindow>(f.state.get());
        f.window->show();
        WindowHarness::settle();
        QAction *signOut = f.menuAction(QStringLiteral("Sign &Out"));
        QAction *accountItem = f.menuAction(QStringLiteral("Lumora &Account..."));
        QVERIFY(signOut && accountItem);

        // Signed out, an account still shows its register; nothing syncs.
        QCOMPARE(f.window->pageStack()->currentWidget(), f.window->registerScreen());
        QVERIFY(!signOut->isVisible());
        QCOMPARE(accountItem->statusTip(), QStringLiteral("Sign in or sign up"));
        QCOMPARE(f.syncText(), QStringLiteral("Not signed in"));
        QVERIFY(!f.autoSyncRunning());
        QVERIFY(f.state->transactionRepository()->insert(localTransaction(account.id)));
        QVERIFY(!f.syncScheduled());

        f.signIn();
        QVERIFY(f.state->onlineClient()->isAuthenticated());
        QVERIFY(signOut->isVisible());
        QCOMPARE(accountItem->statusTip(), QStringLiteral("Manage your account"));
        QCOMPARE(f.window->appStatusBar()->currentMessage(), QStringLiteral("Signed in successfully"));
        QCOMPARE(f.window->pageStack()->currentWidget(), f.window->registerScreen());
        QVERIFY(f.autoSyncRunning());
        QCOMPARE(f.syncText(), SyncEngine::stateToString(f.state->syncEngine()->state()));

        // Signing out from the menu shows the welcome page for a returning user.
        QSignalSpy signedOut(f.state->onlineClient()->authClient(), &LumoAccount::AuthClient::logoutCompleted);
        signOut->trigger();
        QTRY_COMPARE(signedOut.count(), 1);
        WindowHarness::settle();
        QCOMPARE(f.window->pageStack()->currentWidget(), f.window->welcomeScreen());
        QVERIFY(!f.window->welcomeScreen()->findChild<QLabel *>(QStringLiteral("sessionNoteLabel"))->isHidden());
        QVERIFY(!signOut->isVisible());
        QCOMPARE(f.syncText(), QStringLiteral("Not signed in"));
        QVERIFY(!f.autoSyncRunning());
        // Signing in again returns to the register of the current account.
        f.signIn();
        QCOMPARE(f.window->pageStack()->currentWidget(), f.window->registerScreen());
        QCOMPARE(f.window->registerScreen()->accountId(), account.id);
    }

    void theAccountItemSignsInFirstThenOpensTheAccountWindow()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 19876))
            QSKIP("the sign-in port is taken");
        probe.close();
        OnlineWindow f;
        QVERIFY(f.start());
        f.window = std::make_unique<MainWindow>(f.state.get());
        f.window->show();
        WindowHarness::settle();
        UrlRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        QAction *accountItem = f.menuAction(QStringLiteral("Lumora &Account..."));

        // Signed out: the browser sign-in starts and no window opens.
        f.window->showLumoraAccountScreen();
        accountItem->trigger();
        WindowHarness::settle();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(browser.urls.size(), 1);
        QVERIFY(browser.urls.first().path().endsWith(QLatin1String("/account/login")));
        QVERIFY(f.window->findChildren<LumoAccount::AccountScreen *>().isEmpty());

        f.signIn();
        accountItem->trigger();
        WindowHarness::settle();
        const QList<LumoAccount::AccountScreen *> screens = f.window->findChildren<LumoAccount::AccountScreen *>();
        QCOMPARE(screens.size(), 1);
        LumoAccount::AccountScreen *screen = screens.first();
        QVERIFY(screen->isWindow() && screen->isVisible());
        QCOMPARE(screen->windowTitle(), QStringLiteral("Lumora Account"));
        QCOMPARE(screen->size(), QSize(600, 550).expandedTo(screen->minimumSizeHint()));
        f.window->showLumoraAccountScreen(LumoAccount::AccountScreen::Devices);
        QCOMPARE(f.window->findChildren<LumoAccount::AccountScreen *>().size(), 1);

        // Signing out from the window signs the program out.
        QSignalSpy signedOut(f.state->onlineClient()->authClient(), &LumoAccount::AuthClient::logoutCompleted);
        Q_EMIT screen->logoutRequested();
        QTRY_COMPARE(signedOut.count(), 1);
        QVERIFY(!f.state->onlineClient()->isAuthenticated());
    }

    void feedbackOpensThePageTaggedWithTheApp_data()
    {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("opened");
        QTest::newRow("no path") << "https://feedback.example.invalid" << "https://feedback.example.invalid/?tags=tallyra";
        QTest::newRow("no final slash") << "https://feedback.example.invalid/board"
                                        << "https://feedback.example.invalid/board/?tags=tallyra";
        QTest::newRow("final slash kept") << "https://feedback.example.invalid/board/"
                                          << "https://feedback.example.invalid/board/?tags=tallyra";
        QTest::newRow("query replaced") << "https://feedback.example.invalid/b?x=1"
                                        << "https://feedback.example.invalid/b/?tags=tallyra";
    }

    void feedbackOpensThePageTaggedWithTheApp()
    {
        QFETCH(QString, configured);
        QFETCH(QString, opened);
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        openFeedbackPage({QStringLiteral("tallyra"), QUrl(configured)}, nullptr);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl(opened)});
    }

    void aBrowserThatCannotOpenIsReportedWithTheAddress_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("send feedback") << "feedback";
        QTest::newRow("sign in") << "sign in";
        QTest::newRow("about box link") << "about";
    }

    // A page no browser opened is not a silent nothing: the address is
    // shown, selected in a read-only field, to open by hand.
    void aBrowserThatCannotOpenIsReportedWithTheAddress()
    {
        QFETCH(QString, command);
        WindowHarness h;
        MainWindow *window = h.open();
        QList<QUrl> tried;
        LumoAccount::setBrowserOpener([&tried](const QUrl &url) {
            tried.append(url);
            return false;
        });
        const auto desktopBrowser = qScopeGuard([] { LumoAccount::setBrowserOpener({}); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No browser could open")));
        if (command == QLatin1String("feedback")) {
            menuBarAction(window, QStringLiteral("Send &Feedback..."))->trigger();
        } else if (command == QLatin1String("about")) {
            // A click on a link of a label that opens no links itself is
            // its linkActivated.
            h.prompts().steps.append(inspect([](QDialog *box) {
                const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
                for (QLabel *label : box->findChildren<QLabel *>()) {
                    const QRegularExpressionMatch link = href.match(label->text());
                    if (!link.hasMatch())
                        continue;
                    QVERIFY(!label->openExternalLinks());
                    Q_EMIT label->linkActivated(link.captured(1));
                }
            }));
            menuBarAction(window, QStringLiteral("&About Lumora Tallyra"))->trigger();
        } else {
            window->welcomeScreen()->findChild<QPushButton *>(QStringLiteral("signInButton"))->click();
        }
        h.settle();

        QCOMPARE(tried.size(), 1);
        QDialog *report = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("browserFailureDialog") && widget->isVisible())
                report = qobject_cast<QDialog *>(widget);
        }
        QVERIFY(report);
        auto *address = report->findChild<QLineEdit *>(QStringLiteral("addressField"));
        QVERIFY(address->isReadOnly());
        QCOMPARE(QUrl(address->text()), tried.first());
        QCOMPARE(address->selectedText(), address->text());
        const int available = report->screen()->availableGeometry().width();
        QVERIFY2(report->width() <= available, qPrintable(QString::number(report->width())));
        report->close();
    }

    void keyboardShortcutsListTheKeysInUse()
    {
        WindowHarness h;
        h.open()->showKeyboardShortcuts();
        QCOMPARE(h.prompts().messages.size(), 1);
        const QString text = h.prompts().messages.first().text;
        QCOMPARE(h.prompts().messages.first().title, QStringLiteral("Keyboard Shortcuts"));
        const QString general = text.mid(text.indexOf(QStringLiteral("<h3>General</h3>")));
        for (const char *row : {"<b>Ctrl+2</b></td><td>Reports", "<b>Ctrl+3</b></td><td>Recurring transactions",
                 "<b>Ctrl+4</b></td><td>Categories", "<b>Ctrl+N</b></td><td>New transaction",
                 "<b>Ctrl+Shift+N</b></td><td>New account", "<b>Alt+1 &ndash; Alt+9</b>",
                 "<b>Alt+0</b></td><td>Switch to account 10"}) {
            QVERIFY2(general.contains(QLatin1String(row)), row);
        }
        QVERIFY(text.contains(QStringLiteral("<b>Ctrl+Return</b></td><td>Save transaction")));
    }

    void sampleDataCommandsOnlyForDevelopers_data()
    {
        QTest::addColumn<QByteArray>("dev");
        QTest::addColumn<bool>("offered");
        QTest::newRow("unset") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("set") << QByteArray("1") << true;
    }

    void sampleDataCommandsOnlyForDevelopers()
    {
        QFETCH(QByteArray, dev);
        QFETCH(bool, offered);
        EnvironmentOverride developer("TALLYRA_DEV", dev);
        WindowHarness h;
        MainWindow *window = h.open();
        QStringList help;
        for (QAction *menu : window->menuBar()->actions()) {
            if (menu->text() == QLatin1String("&Help")) {
                for (QAction *action : menu->menu()->actions())
                    help.append(action->text());
            }
        }
        QCOMPARE(help.contains(QStringLiteral("Load &Sample Data")), offered);
        QCOMPARE(help.contains(QStringLiteral("&Clear Sample Data")), offered);
        QCOMPARE(help.first(), QStringLiteral("&About Lumora Tallyra"));
    }

    void sampleDataLoadsAndClears()
    {
        WindowHarness h;
        const Account own = h.fixture().addAccount(QStringLiteral("Own"));
        MainWindow *window = h.open();
        window->loadSampleData();
        h.settle();
        QVERIFY(h.rowNames().size() > 1);
        QCOMPARE(h.statusMessage(), QStringLiteral("Sample data loaded"));
        // Loading selects nothing: the register stays on the account it showed.
        QCOMPARE(window->registerScreen()->accountId(), own.id);
        window->loadSampleData();
        QCOMPARE(h.prompts().messages.last().text, QStringLiteral("Sample data is already loaded."));

        window->clearSampleData();
        h.settle();
        QCOMPARE(h.rowNames(), QStringList{QStringLiteral("Own")});
        QCOMPARE(h.statusMessage(), QStringLiteral("Sample data cleared"));
        QCOMPARE(h.page(), window->welcomeScreen());
        QVERIFY(h.app()->currentAccountId().isEmpty());
        window->clearSampleData();
        QCOMPARE(h.prompts().messages.last().text, QStringLiteral("No sample data to clear."));

        // A sample account the user wrote into stays, and the message says so.
        window->loadSampleData();
        h.settle();
        std::optional<Account> sample;
        for (const Account &account : h.app()->accountRepository()->listAll()) {
            if (account.id.startsWith(QLatin1String("sample-")))
                sample = account;
        }
        QVERIFY(sample);
        h.fixture().addTransaction(sample->id, QDate::currentDate(), QStringLiteral("Mine"), -700);
        window->clearSampleData();
        h.settle();
        QCOMPARE(h.rowNames(), (QStringList{QStringLiteral("Own"), sample->name}));
        QCOMPARE(h.statusMessage(), SampleDataService::clearedMessage({sample->name}));
        QVERIFY(h.statusMessage().contains(sample->name));
    }

    // Loading while another program holds the write lock fails, says why,
    // and adds nothing.
    void sampleDataTheStoreRefusesIsAFailureWithItsReason()
    {
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Own"));
        MainWindow *window = h.open();
        QSqlDatabase *connection = h.app()->database()->db();
        sqlite3_busy_timeout(*static_cast<sqlite3 *const *>(connection->driver()->handle().data()), 100);
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(connection->databaseName()), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        window->loadSampleData();
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        h.settle();

        QCOMPARE(h.prompts().messages.last().kind, QStringLiteral("warning"));
        QVERIFY2(h.prompts().messages.last().text.contains(QStringLiteral(
                     "The sample data could not be loaded: the data is in use by another program. Nothing was added.")),
            qPrintable(h.prompts().messages.last().text));
        QCOMPARE(h.rowNames(), QStringList{QStringLiteral("Own")});
        QVERIFY(h.statusMessage() != QStringLiteral("Sample data loaded"));
        QVERIFY(!SampleDataService(h.app()->database()).hasSampleData());
    }

    void sampleDataOnAFreshStartIsCategorised()
    {
        // A real start: the default categories are there for the sample set.
        QTemporaryDir dir;
        EnvironmentOverride dataDir("TALLYRA_DATA_DIR", dir.path().toUtf8());
        EnvironmentOverride developer("TALLYRA_DEV", "1");
        clearWindowSettings();
        AppState state;
        QVERIFY(state.initialize());
        FakePrompts prompts;
        MainWindow window(&state);
        QAction *load = menuBarAction(&window, QStringLiteral("Load &Sample Data"));
        QVERIFY(load);
        load->trigger();
        WindowHarness::settle();
        QSqlQuery query(*state.database()->db());
        QVERIFY(query.exec(QStringLiteral(
            "SELECT t.payee, c.id IS NOT NULL FROM transactions t LEFT JOIN categories c ON c.id = t.category_id "
            "AND c.deleted_at IS NULL WHERE t.id LIKE 'sample-%' AND COALESCE(t.transfer_link_id, '') = '' "
            "AND t.payee <> 'Opening Balance'")));
        int categorised = 0;
        QSet<QString> withoutCategory;
        while (query.next()) {
            if (query.value(1).toBool())
                ++categorised;
            else
                withoutCategory.insert(query.value(0).toString());
        }
        QVERIFY(categorised > 30);
        // Only the card payments carry no category, as the set defines them.
        QCOMPARE(withoutCategory, QSet<QString>{QStringLiteral("Payment - Thank You")});
    }

    void shareDialogNamesTheAccountLiterally()
    {
        OnlineWindow f;
        QVERIFY(f.start());
        FakePrompts prompts;
        Account account;
        account.id = QStringLiteral("acct-rd");
        account.name = QStringLiteral("R&D <b>x</b>");
        account.createdAt = QDateTime::currentDateTimeUtc();
        account.updatedAt = account.createdAt;
        QVERIFY(f.state->accountRepository()->insert(account));
        f.window = std::make_unique<MainWindow>(f.state.get());
        f.signIn();
        QString heading;
        Qt::TextFormat format = Qt::AutoText;
        prompts.steps.append([&](QDialog *dialog) {
            auto *label = dialog->findChild<QLabel *>(QStringLiteral("headingLabel"));
            heading = label->text();
            format = label->textFormat();
            return int(QDialog::Rejected);
        });
        f.window->showShareAccountDialog();
        QCOMPARE(prompts.dialogRuns, 1);
        QCOMPARE(heading, QStringLiteral("Sharing: R&D <b>x</b>"));
        QCOMPARE(format, Qt::PlainText);
    }

    void aSyncThatBringsAccountsSelectsOnlyWhenNoneIsCurrent()
    {
        WindowHarness h;
        MainWindow *window = h.open();
        QCOMPARE(h.page(), window->welcomeScreen());
        // Accounts arrive with a pull.
        const Account pulled = h.fixture().addAccount(QStringLiteral("Pulled"), AccountType::Checking, Currency::USD, 0, 0);
        Q_EMIT h.app()->syncEngine()->dataChanged();
        Q_EMIT h.app()->syncEngine()->syncCompleted();
        h.settle();
        QCOMPARE(h.app()->currentAccountId(), pulled.id);
        QCOMPARE(h.page(), window->registerScreen());

        // With an account current, a later sync leaves the selection alone.
        const Account first = h.fixture().addAccount(QStringLiteral("Alpha"), AccountType::Checking, Currency::USD, 0, -1);
        Q_EMIT h.app()->syncEngine()->syncCompleted();
        h.settle();
        QCOMPARE(h.app()->currentAccountId(), pulled.id);
        QCOMPARE(h.rowNames().first(), first.name);
        QCOMPARE(window->accountList()->currentRow(), 1);
    }

    void recurringDueBadgeFollowsTheRules()
    {
        WindowHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Checking"));
        RecurringTransaction manual = dueRule(account.id, QStringLiteral("Rent"), -100000, QDate::currentDate());
        manual.autoPost = false;
        QVERIFY(h.app()->recurringRepository()->insert(manual));
        MainWindow *window = h.open();
        auto *badge = window->findChild<QLabel *>(QStringLiteral("recurringDueLabel"));
        auto *count = window->findChild<QLabel *>(QStringLiteral("accountCountLabel"));
        QCOMPARE(badge->text(), QStringLiteral("  \u2022  1 recurring due"));
        QVERIFY(!badge->isHidden());
        QCOMPARE(count->text(), QStringLiteral("1 account(s)"));

        // Confirmed elsewhere: the rule moves on and the badge goes.
        QVERIFY(h.app()->recurringService()->confirm(manual.id));
        h.settle();
        QVERIFY(badge->isHidden());
    }

    void themeChangesRestyleThePanel()
    {
        UiStateGuard guard;
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Checking"));
        MainWindow *window = h.open();
        h.app()->themeManager()->setTheme(ThemeManager::Light);
        h.settle();
        QVERIFY(window->accountList()->styleSheet().contains(QStringLiteral("background-color: #EDF3EF")));
        h.app()->themeManager()->setTheme(ThemeManager::Dark);
        h.settle();
        QVERIFY(window->accountList()->styleSheet().contains(QStringLiteral("background-color: #152420")));
        QVERIFY(window->totalsFooter()->styleSheet().startsWith(QStringLiteral("background: #152420; color: #8FAF9F;")));
        // Rows are built again in the dark palette's colours.
        QCOMPARE(h.rowLabel(0, "accountName")->styleSheet(), QStringLiteral("color: #ffffff;"));
        h.app()->themeManager()->setTheme(ThemeManager::Light);
    }

    void windowSplitterAndAccountComeBackAfterARestart()
    {
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("First"), AccountType::Checking, Currency::USD, 0, 0);
        const Account second = h.fixture().addAccount(QStringLiteral("Second"), AccountType::Checking,
            Currency::USD, 0, 1);
        MainWindow *window = h.open();
        // The test screen is smaller than the first size: the window takes
        // what the screen holds.
        QVERIFY(window->width() <= 1280 && window->height() <= 900);
        QVERIFY(window->size() != QSize(1280, 900));
        QVERIFY(withinScreen(window));
        // The panel starts at 280, also in the narrowed window of the test
        // screen: the register beside it narrows rather than asking for more.
        QCOMPARE(window->splitter()->sizes().first(), 280);
        window->onAccountClicked(window->accountList()->item(1));
        // A size that the (small) test screen holds, as far as the window's
        // smallest width allows.
        const QSize chosen = (window->screen()->availableGeometry().size() - QSize(120, 100))
                                 .expandedTo(window->minimumSizeHint());
        window->resize(chosen);
        window->splitter()->setSizes({340, chosen.width() - 340});
        h.settle();
        const int panelWidth = window->splitter()->sizes().first();
        h.close();

        // A new start on the same data folder and settings.
        AppState restarted;
        QVERIFY(restarted.initialize());
        MainWindow again(&restarted);
        again.show();
        h.settle();
        QCOMPARE(again.size(), chosen);
        QCOMPARE(again.splitter()->sizes().first(), panelWidth);
        QCOMPARE(restarted.currentAccountId(), second.id);
        QCOMPARE(again.registerScreen()->accountId(), second.id);
        QCOMPARE(again.accountList()->currentRow(), 1);
    }

    void aWindowSavedOnALargerScreenComesBackWithinThisOne()
    {
        WindowHarness h;
        MainWindow *window = h.open();
        const QRect available = window->screen()->availableGeometry();
        // The place it had on a screen larger than this one.
        window->setGeometry(QRect(available.topLeft() + QPoint(200, 150), available.size() + QSize(600, 400)));
        h.settle();
        h.close();

        AppState restarted;
        QVERIFY(restarted.initialize());
        MainWindow again(&restarted);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        h.settle();
        QVERIFY(withinScreen(&again));
    }

    void noWindowNeedsMoreThanASmallScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("command");
        for (const char *language : {"en", "de", "es", "fr", "ja"}) {
            QTest::addRow("%s: main window", language) << QString::fromLatin1(language) << QString();
            for (const char *command : {"showReportsWindow", "showRecurringWindow", "showSearchWindow",
                     "showSettingsWindow", "showImportWindow", "showCategoriesWindow", "showPayeesWindow",
                     "showReconciliationHistoryWindow", "showReconciliationWindow"})
                QTest::addRow("%s: %s", language, command) << QString::fromLatin1(language)
                                                           << QString::fromLatin1(command);
        }
    }

    // A 1024x768 screen with a panel, and a title bar around the window:
    // the smallest size a window can be given must fit in there, in every
    // language the program speaks.
    void noWindowNeedsMoreThanASmallScreen()
    {
        QFETCH(QString, language);
        QFETCH(QString, command);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/tallyra_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Checking"));
        // Long names, as people give them, widen lists but no window.
        h.fixture().addAccount(QStringLiteral("Joint Household Checking at Riverbend Credit Union"));
        const Category insurance = h.fixture().addCategory(QStringLiteral("Insurance"));
        h.fixture().addCategory(QStringLiteral("Homeowners and Renters Coverage Extended"), insurance.id);
        MainWindow *window = h.open();
        QWidget *shown = window;
        if (!command.isEmpty()) {
            const QWidgetList topLevels = QApplication::topLevelWidgets();
            const QSet<QWidget *> before(topLevels.cbegin(), topLevels.cend());
            QVERIFY(QMetaObject::invokeMethod(window, command.toLatin1().constData()));
            h.settle();
            shown = nullptr;
            for (QWidget *candidate : window->findChildren<QWidget *>()) {
                if (candidate->isWindow() && candidate->isVisible() && !before.contains(candidate))
                    shown = candidate;
            }
            QVERIFY(shown);
        }
        const QSize smallWorkArea(1024, 768 - 40 - 40);
        const QSize smallest = shown->minimumSize().expandedTo(shown->minimumSizeHint());
        QVERIFY2(smallest.boundedTo(smallWorkArea) == smallest,
            qPrintable(QStringLiteral("%1 needs %2x%3")
                           .arg(QLatin1String(shown->metaObject()->className()))
                           .arg(smallest.width())
                           .arg(smallest.height())));
    }

    void toolWindowKeysWorkWhileAToolWindowHasFocus_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("reached");
        QTest::newRow("Ctrl+2 from Categories") << "showCategoriesWindow" << int(Qt::Key_2) << "ReportsScreen";
        QTest::newRow("Ctrl+3 from Reports") << "showReportsWindow" << int(Qt::Key_3) << "RecurringScreen";
        QTest::newRow("Ctrl+4 from Preferences") << "showSettingsWindow" << int(Qt::Key_4) << "CategoriesScreen";
        QTest::newRow("Ctrl+F from Recurring") << "showRecurringWindow" << int(Qt::Key_F) << "SearchScreen";
        QTest::newRow("Ctrl+2 from the reconciliation window")
            << "showReconciliationWindow" << int(Qt::Key_2) << "ReportsScreen";
    }

    void toolWindowKeysWorkWhileAToolWindowHasFocus()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, reached);
        WindowHarness h;
        h.fixture().addAccount(QStringLiteral("Checking"));
        MainWindow *window = h.open();
        window->onAccountClicked(window->accountList()->item(0));
        QVERIFY(QMetaObject::invokeMethod(window, from.toLatin1().constData()));
        h.settle();
        QWidget *tool = QApplication::activeWindow();
        QVERIFY(tool && tool != window);
        QVERIFY(QTest::qWaitForWindowActive(tool));
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && focused->window() == tool);

        QTest::keyClick(focused, Qt::Key(key), Qt::ControlModifier);
        h.settle();
        QWidget *active = QApplication::activeWindow();
        QVERIFY(active);
        QCOMPARE(QLatin1String(active->metaObject()->className()), reached);
    }
};

TALLYRA_TEST(MainWindowTest)

#include "test_mainwindow.moc"
