#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/reconciliationrepository.h"
#include "screens/reconciliationhistoryscreen.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include "../ui/uitestsupport.h"

#include <QLabel>
#include <QTableWidget>

#include <ctime>

namespace {

struct HistoryFixture
{
    AppFixture f;
    Account account;
    ReconciliationHistoryScreen screen{f.app()};

    explicit HistoryFixture(AccountType type = AccountType::Checking, Currency currency = Currency::USD)
    {
        account = f.addAccount(QStringLiteral("<b>Card</b>"), type, currency);
    }

    Reconciliation add(const QDate &statementDate, qint64 statementBalance, qint64 reconciledBalance,
        const QDateTime &completedAt = QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC))
    {
        Reconciliation r;
        r.id = QStringLiteral("rec-%1").arg(statementDate.toString(Qt::ISODate));
        r.accountId = account.id;
        r.statementDate = statementDate;
        r.statementBalance = statementBalance;
        r.reconciledBalance = reconciledBalance;
        r.completedAt = completedAt;
        f.app()->reconciliationRepository()->insert(r);
        return r;
    }

    QTableWidget *table() const { return screen.findChild<QTableWidget *>(); }
    QLabel *emptyLabel() const { return screen.findChild<QLabel *>(QStringLiteral("emptyLabel")); }
    QString title() const { return screen.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    bool negative(int row, int column) const
    {
        return table()->item(row, column)->foreground().color() == negativeAmountColor();
    }
};

// Runs the body with the machine's time zone set to a POSIX TZ text.
class TimeZoneScope
{
public:
    explicit TimeZoneScope(const char *zone)
        : m_previous(qgetenv("TZ"))
        , m_hadZone(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (m_hadZone)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_previous;
    bool m_hadZone;
};

} // namespace

class TestReconciliationHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anAccountWithoutReconciliationsShowsTheEmptyState()
    {
        HistoryFixture h;
        QCOMPARE(h.title(), QStringLiteral("Reconciliation History"));
        QVERIFY(h.emptyLabel()->isHidden());

        h.screen.setAccount(QString());
        QCOMPARE(h.title(), QStringLiteral("Reconciliation History"));
        QVERIFY(h.emptyLabel()->isHidden());

        h.screen.setAccount(h.account.id);
        QCOMPARE(h.title(), QStringLiteral("Reconciliation History — <b>Card</b>"));
        QCOMPARE(h.screen.findChild<QLabel *>(QStringLiteral("titleLabel"))->textFormat(), Qt::PlainText);
        QVERIFY(h.table()->isHidden());
        QVERIFY(!h.emptyLabel()->isHidden());
        QCOMPARE(h.emptyLabel()->text(),
            QStringLiteral("No reconciliations yet. Reconcile your account from the register to see the history here."));

        // Filled again on the next opening.
        h.add(QDate(2024, 5, 31), 1000, 1000);
        h.screen.setAccount(h.account.id);
        QVERIFY(!h.table()->isHidden());
        QVERIFY(h.emptyLabel()->isHidden());
        QCOMPARE(h.table()->rowCount(), 1);
    }

    // A negative balance is recoloured when the theme switches while shown.
    void negativeBalancesFollowAThemeSwitch()
    {
        UiStateGuard ui;
        QApplication::setPalette(ThemeManager::lightPalette());
        HistoryFixture h;
        h.add(QDate(2024, 5, 31), -1000, 500);
        h.screen.setAccount(h.account.id);
        const QColor light = negativeAmountColor();
        QVERIFY(h.negative(0, 1));
        QApplication::setPalette(ThemeManager::darkPalette());
        QVERIFY(negativeAmountColor() != light);
        QVERIFY(h.negative(0, 1));
        QVERIFY(!h.negative(0, 2));
    }

    void rowsShowNewestFirstInTheUsersSign_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QStringList>("balances"); // newest row first: statement, reconciled
        QTest::addColumn<QList<bool>>("negative");

        QTest::newRow("credit card owes 250.00")
            << int(AccountType::CreditCard) << int(Currency::USD)
            << QStringList{"$250.00", "$250.00", "-$10.00", "$0.00"} << QList<bool>{false, false, true, false};
        QTest::newRow("checking") << int(AccountType::Checking) << int(Currency::USD)
                                  << QStringList{"-$250.00", "-$250.00", "$10.00", "$0.00"}
                                  << QList<bool>{true, true, false, false};
        QTest::newRow("yen") << int(AccountType::Savings) << int(Currency::JPY)
                             << QStringList{"-\u00A525,000", "-\u00A525,000", "\u00A51,000", "\u00A50"}
                             << QList<bool>{true, true, false, false};
    }

    void rowsShowNewestFirstInTheUsersSign()
    {
        QFETCH(int, type);
        QFETCH(int, currency);
        QFETCH(QStringList, balances);
        QFETCH(QList<bool>, negative);

        HistoryFixture h{AccountType(type), Currency(currency)};
        h.add(QDate(2024, 3, 31), 1000, 0);
        h.add(QDate(2024, 4, 30), -25000, -25000);
        h.add(QDate(2024, 2, 29), 5, 5);
        h.f.execSql(QStringLiteral("UPDATE reconciliations SET deleted_at = '2024-06-01T00:00:00Z' "
                                   "WHERE statement_date = '2024-02-29'"));
        h.screen.setAccount(h.account.id);

        QCOMPARE(h.table()->rowCount(), 2);
        QCOMPARE(h.cell(0, 0), QStringLiteral("Apr 30, 2024"));
        QCOMPARE(h.cell(1, 0), QStringLiteral("Mar 31, 2024"));
        QCOMPARE((QStringList{h.cell(0, 1), h.cell(0, 2), h.cell(1, 1), h.cell(1, 2)}), balances);
        QCOMPARE((QList<bool>{h.negative(0, 1), h.negative(0, 2), h.negative(1, 1), h.negative(1, 2)}), negative);
        QCOMPARE(h.table()->item(0, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QVERIFY(!(h.table()->item(0, 0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(h.table()->horizontalHeaderItem(3)->text(), QStringLiteral("Completed"));
    }

    void completionShowsInLocalTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTC+9: the next day") << QByteArray("JST-9") << "Jun 1, 2024 8:30 am";
        QTest::newRow("UTC-5: the same evening") << QByteArray("EST5") << "May 31, 2024 6:30 pm";
        QTest::newRow("UTC") << QByteArray("UTC0") << "May 31, 2024 11:30 pm";
    }

    void completionShowsInLocalTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, expected);
        TimeZoneScope timeZone(zone.constData());
        HistoryFixture h;
        h.add(QDate(2024, 5, 31), 0, 0, QDateTime(QDate(2024, 5, 31), QTime(23, 30), Qt::UTC));
        h.screen.setAccount(h.account.id);
        QCOMPARE(h.cell(0, 3), expected);
    }

    void anUnknownAccountKeepsTheTitle()
    {
        HistoryFixture h;
        h.screen.setAccount(QStringLiteral("missing"));
        QCOMPARE(h.title(), QStringLiteral("Reconciliation History"));
        QVERIFY(!h.emptyLabel()->isHidden());
    }
};

TALLYRA_TEST(TestReconciliationHistory)
#include "test_reconciliationhistory.moc"
