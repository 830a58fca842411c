#include "register/registerfixture.h"
#include "support/testmain.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "screens/categorytreemodel.h"
#include "screens/recurringmodel.h"
#include "screens/recurringscreen.h"
#include "screens/reportsscreen.h"
#include "screens/settingsscreen.h"
#include "services/reportservice.h"
#include "sync/syncengine.h"
#include "ui/accountlistrow.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTranslator>

namespace {

// The program's German catalogue, installed for the fixture's lifetime.
class GermanTranslation
{
public:
    GermanTranslation()
    {
        m_loaded = m_translator.load(QStringLiteral(":/i18n/tallyra_de.qm"));
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~GermanTranslation() { QCoreApplication::removeTranslator(&m_translator); }
    bool isLoaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// Data whose stored texts are the program's fixed English keys: a checking
// account, a spending without a category, a monthly recurring rule.
struct StoredKeysFixture : AppFixture
{
    GermanTranslation german;
    Account account;

    StoredKeysFixture()
    {
        account = addAccount(QStringLiteral("Main"), AccountType::Checking);
        addTransaction(account.id, QDate::currentDate(), QStringLiteral("Corner Shop"), -1250);
        RecurringTransaction rule;
        rule.id = QStringLiteral("rent");
        rule.accountId = account.id;
        rule.payee = QStringLiteral("Landlord");
        rule.amount = -90000;
        rule.frequency = RecurringFrequency::Monthly;
        rule.intervalCount = 1;
        rule.startDate = QDate::currentDate();
        rule.nextDueDate = QDate::currentDate().addDays(3);
        app()->recurringRepository()->insert(rule);
    }

    QString storedText(const QString &sql) const
    {
        QSqlQuery query(*app()->database()->db());
        return query.exec(sql) && query.next() ? query.value(0).toString() : QString();
    }
};

QString firstCellOf(QTableWidget *table, int column)
{
    return table->rowCount() > 0 && table->item(0, column) ? table->item(0, column)->text() : QString();
}

} // namespace

class TestScreenTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Texts the program writes as fixed English keys are shown in the user's
    // language, while what is stored stays the key.
    void fixedTextsShowTranslated_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("storedSql");
        QTest::addColumn<QString>("stored");

        QTest::newRow("first period of the reports") << "period" << "Dieser Monat" << QString() << QString();
        QTest::newRow("custom period of the reports") << "customPeriod" << "Benutzerdefiniert" << QString()
                                                      << QString();
        QTest::newRow("recurring frequency")
            << "frequency" << "Monatlich" << "SELECT frequency FROM recurring_transactions" << "monthly";
        QTest::newRow("semi-monthly days") << "semimonthly" << "Halbmonatlich (1. & letzter Tag)" << QString()
                                           << QString();
        QTest::newRow("category type") << "categoryType" << "Einnahme" << QString() << QString();
        QTest::newRow("sync state in the status bar") << "syncState" << "Synchronisiert" << QString() << QString();
        QTest::newRow("spending without a category")
            << "uncategorized" << "Nicht kategorisiert" << QString() << QString();
        QTest::newRow("account type in the account list")
            << "accountList" << "Girokonto" << "SELECT account_type FROM accounts" << "checking";
        QTest::newRow("account type in the account summary")
            << "accountSummary" << "Girokonto" << "SELECT account_type FROM accounts" << "checking";
    }

    void fixedTextsShowTranslated()
    {
        QFETCH(QString, place);
        QFETCH(QString, shown);
        QFETCH(QString, storedSql);
        QFETCH(QString, stored);
        StoredKeysFixture f;
        QVERIFY(f.isValid());
        QVERIFY(f.german.isLoaded());

        ReportsScreen reports(f.app());
        reports.refresh();
        QComboBox *period = findNamed<QComboBox>(&reports, "periodCombo");
        QString text;
        if (place == QLatin1String("period")) {
            text = period->itemText(0);
            QCOMPARE(period->itemData(0).toString(), QStringLiteral("This Month"));
        } else if (place == QLatin1String("customPeriod")) {
            text = period->itemText(period->count() - 1);
            QCOMPARE(period->itemData(period->count() - 1).toString(), QStringLiteral("Custom"));
        } else if (place == QLatin1String("frequency")) {
            RecurringScreen screen(f.app());
            screen.refresh();
            const QTableView *view = screen.findChild<QTableView *>();
            text = view->model()->index(0, RecurringModel::FrequencyColumn).data().toString();
        } else if (place == QLatin1String("semimonthly")) {
            text = RecurringModel::frequencyText(RecurringFrequency::Semimonthly, 1, 1, 0);
        } else if (place == QLatin1String("categoryType")) {
            CategoryTreeModel model;
            Category income;
            income.id = QStringLiteral("wages");
            income.name = QStringLiteral("Wages");
            income.type = CategoryType::Income;
            model.setCategories({income});
            text = model.index(0, CategoryTreeModel::TypeColumn).data().toString();
        } else if (place == QLatin1String("syncState")) {
            text = SyncEngine::stateToString(SyncEngine::Idle);
        } else if (place == QLatin1String("uncategorized")) {
            auto *tabs = findNamed<QTabWidget>(&reports, "reportTabs");
            auto *table = qobject_cast<QTableWidget *>(tabs->widget(ReportsScreen::CategorySpendingTab));
            text = firstCellOf(table, 0);
            const QList<CategoryTotalRow> rows =
                f.app()->reportService()->spendingByCategory(QDate(2000, 1, 1), QDate::currentDate(), QString());
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().categoryName, QStringLiteral("Uncategorized"));
        } else if (place == QLatin1String("accountList")) {
            std::unique_ptr<QWidget> row(createAccountRowWidget({f.account, 0}));
            text = findNamed<QLabel>(row.get(), "accountDetail")->text();
        } else if (place == QLatin1String("accountSummary")) {
            auto *tabs = findNamed<QTabWidget>(&reports, "reportTabs");
            tabs->setCurrentIndex(ReportsScreen::AccountSummaryTab);
            reports.refresh();
            text = firstCellOf(qobject_cast<QTableWidget *>(tabs->widget(ReportsScreen::AccountSummaryTab)), 1);
        }
        QCOMPARE(text, shown);
        if (!storedSql.isEmpty())
            QCOMPARE(f.storedText(storedSql), stored);
    }

    // German entries of the Preferences side list are shown whole.
    void settingsSideListFitsItsGermanEntries()
    {
        StoredKeysFixture f;
        QVERIFY(f.german.isLoaded());
        SettingsScreen screen(f.app());
        screen.resize(1000, 700);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        auto *list = findNamed<QListWidget>(&screen, "settingsSideList");
        const QFontMetrics metrics(list->font());
        bool sawLongEntry = false;
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            sawLongEntry = sawLongEntry || text == QStringLiteral("Daten & Synchronisierung");
            const QRect rect = list->visualItemRect(list->item(row));
            const int needed = metrics.horizontalAdvance(text) + list->iconSize().width();
            QVERIFY2(rect.width() >= needed, qPrintable(text));
            QVERIFY2(rect.right() < list->viewport()->width(), qPrintable(text));
        }
        QVERIFY(sawLongEntry);
    }

    // Each column of the recurring list is at least as wide as its German
    // header title and texts ("Nächste Fälligkeit").
    void recurringColumnsFitGermanTexts()
    {
        StoredKeysFixture f;
        QVERIFY(f.german.isLoaded());
        RecurringScreen screen(f.app());
        screen.resize(900, 500);
        screen.refresh();
        const QAbstractItemView *view = screen.findChild<QTableView *>();
        QHeaderView *header = screen.findChild<QTableView *>()->horizontalHeader();
        for (int column = 0; column < RecurringModel::ColumnCount; ++column) {
            const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column), qPrintable(title));
            QVERIFY2(header->sectionSize(column) >= view->sizeHintForColumn(column), qPrintable(title));
        }
        QCOMPARE(view->model()->headerData(RecurringModel::NextDueColumn, Qt::Horizontal).toString(),
                 QStringLiteral("Nächste Fälligkeit"));
    }
};

TALLYRA_TEST(TestScreenTranslations)
#include "test_screentranslations.moc"
