#include "register/registerfixture.h"
#include "register/registerharness.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "screens/recurringmodel.h"
#include "screens/recurringscreen.h"
#include "services/accountoperations.h"
#include "services/recurringservice.h"
#include "ui/palettehelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTextDocumentFragment>

#include <sqlite3.h>

namespace {

const QDate kToday(2024, 6, 15);

RecurringTransaction ruleFor(const QString &payee, const QDate &nextDue, qint64 amount, bool autoPost, bool active,
    RecurringFrequency frequency = RecurringFrequency::Monthly, const QString &accountId = QString())
{
    RecurringTransaction rule;
    rule.id = payee;
    rule.accountId = accountId;
    rule.payee = payee;
    rule.amount = amount;
    rule.nextDueDate = nextDue;
    rule.autoPost = autoPost;
    rule.isActive = active;
    rule.frequency = frequency;
    return rule;
}

// The screen on a fresh database whose recurring service lives on a fixed day.
struct RecurringScreenFixture
{
    AppFixture f;
    FakePrompts prompts;
    Account checking;
    std::unique_ptr<RecurringScreen> screen;

    RecurringScreenFixture()
    {
        f.app()->recurringService()->setClock([] { return kToday; });
        checking = f.addAccount(QStringLiteral("Checking"));
        screen = std::make_unique<RecurringScreen>(f.app());
    }

    RecurringTransaction addRule(const QString &payee, const QDate &nextDue, qint64 amount = -5000,
        RecurringFrequency frequency = RecurringFrequency::Monthly, bool active = true)
    {
        RecurringTransaction rule = ruleFor(payee, nextDue, amount, false, active, frequency, checking.id);
        rule.id = QStringLiteral("rule-") + payee.toLower();
        rule.startDate = nextDue;
        rule.createdAt = QDateTime(QDate(2024, 1, 1), QTime(9, 0), Qt::UTC);
        rule.updatedAt = rule.createdAt;
        if (!f.app()->recurringRepository()->insert(rule))
            qWarning() << "fixture: rule insert failed";
        return rule;
    }

    RecurringTransaction stored(const QString &id) const { return *f.app()->recurringRepository()->findById(id); }

    // Makes the rule's row current, as a click or right-click does.
    void select(const QString &payee)
    {
        screen->refresh();
        for (int row = 0; row < screen->model()->rowCount(); ++row) {
            if (screen->model()->ruleAt(row).payee == payee)
                screen->view()->setCurrentIndex(screen->model()->index(row, 0));
        }
    }

    int postedFor(const RecurringTransaction &rule)
    {
        return f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE recurring_id = '%1' AND "
                                          "deleted_at IS NULL")
                               .arg(rule.id));
    }

    QString dueLabel() const { return screen->findChild<QLabel *>(QStringLiteral("dueLabel"))->text(); }

    // The titles of what the user was told, questions left out.
    QStringList reportTitles() const
    {
        QStringList titles;
        for (const FakePrompts::Message &message : prompts.messages) {
            if (message.kind != QLatin1String("question"))
                titles.append(message.title);
        }
        return titles;
    }
};

// What happens to a rule elsewhere while the screen shows it: the hourly
// posting, an edit or delete in another window, or the delete of an account.
struct ChangeElsewhere
{
    RecurringScreenFixture &s;
    RecurringTransaction rule;
    QString what;
    QString savingsId;
    RecurringTransaction expected;

    void operator()()
    {
        AppState *app = s.f.app();
        if (what == QLatin1String("posted")) {
            QCOMPARE(app->recurringService()->processAutoPost(), 1);
        } else if (what == QLatin1String("amount")) {
            RecurringTransaction changed = s.stored(rule.id);
            changed.amount = -7700;
            markEdited(changed);
            QVERIFY(app->recurringRepository()->update(changed));
        } else if (what == QLatin1String("deleted rule")) {
            QVERIFY(app->recurringRepository()->softDelete(rule.id));
        } else if (what == QLatin1String("deleted account")) {
            QCOMPARE(app->accountOperations()->deleteAccount(s.checking.id), WriteResult::Written);
        } else if (what == QLatin1String("deleted transfer account")) {
            QCOMPARE(app->accountOperations()->deleteAccount(savingsId), WriteResult::Written);
        }
        expected = s.stored(rule.id);
    }
};

// The stored rule is still what the change elsewhere left.
void verifyUntouched(const RecurringTransaction &after, const RecurringTransaction &expected)
{
    QCOMPARE(after.version, expected.version);
    QCOMPARE(after.updatedAt, expected.updatedAt);
    QCOMPARE(after.memo, expected.memo);
    QCOMPARE(after.amount, expected.amount);
    QCOMPARE(after.nextDueDate, expected.nextDueDate);
    QCOMPARE(after.isActive, expected.isActive);
    QCOMPARE(bool(after.deletedAt), bool(expected.deletedAt));
}

QStringList payeeOrder(const RecurringModel &model)
{
    QStringList payees;
    for (int row = 0; row < model.rowCount(); ++row)
        payees.append(model.ruleAt(row).payee);
    return payees;
}

} // namespace

class TestRecurringScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frequencyText_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("day1");
        QTest::addColumn<int>("day2");
        QTest::addColumn<QString>("expected");

        QTest::newRow("monthly every 1") << int(RecurringFrequency::Monthly) << 1 << 1 << 15 << "monthly";
        QTest::newRow("weekly every 2") << int(RecurringFrequency::Weekly) << 2 << 1 << 15 << "Every 2 weeks";
        QTest::newRow("daily every 3") << int(RecurringFrequency::Daily) << 3 << 1 << 15 << "Every 3 days";
        QTest::newRow("monthly every 4") << int(RecurringFrequency::Monthly) << 4 << 1 << 15 << "Every 4 months";
        QTest::newRow("annual every 2") << int(RecurringFrequency::Annual) << 2 << 1 << 15 << "Every 2 years";
        QTest::newRow("biweekly every 3") << int(RecurringFrequency::Biweekly) << 3 << 1 << 15 << "biweekly (×3)";
        QTest::newRow("quarterly every 2") << int(RecurringFrequency::Quarterly) << 2 << 1 << 15
                                           << "quarterly (×2)";
        QTest::newRow("semi-annual every 5") << int(RecurringFrequency::SemiAnnual) << 5 << 1 << 15
                                             << "semi_annual (×5)";
        QTest::newRow("semi-annual every 1") << int(RecurringFrequency::SemiAnnual) << 1 << 1 << 15 << "semi_annual";
        QTest::newRow("interval 0 shows the bare text") << int(RecurringFrequency::Daily) << 0 << 1 << 15 << "daily";
        QTest::newRow("semimonthly ignores the interval") << int(RecurringFrequency::Semimonthly) << 7 << 1 << 0
                                                          << "Semi-monthly (1st & last day)";
        QTest::newRow("semimonthly 22nd and 13th") << int(RecurringFrequency::Semimonthly) << 1 << 22 << 13
                                                   << "Semi-monthly (22nd & 13th)";
        QTest::newRow("outside the enumeration") << 42 << 5 << 1 << 15 << "monthly";
    }

    void frequencyText()
    {
        QFETCH(int, frequency);
        QFETCH(int, interval);
        QFETCH(int, day1);
        QFETCH(int, day2);
        QFETCH(QString, expected);
        QCOMPARE(RecurringModel::frequencyText(RecurringFrequency(frequency), interval, day1, day2), expected);
    }

    void dayOrdinal_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("expected");
        const QList<QPair<int, const char *>> cases = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"},
            {12, "12th"}, {13, "13th"}, {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {30, "30th"}, {31, "31st"},
            {0, "last day"}, {32, "last day"}, {-1, "last day"}};
        for (const auto &c : cases)
            QTest::newRow(qPrintable(QString::number(c.first))) << c.first << QString::fromLatin1(c.second);
    }

    void dayOrdinal()
    {
        QFETCH(int, day);
        QFETCH(QString, expected);
        QCOMPARE(RecurringModel::dayOrdinal(day), expected);
    }

    void columnsShowTheRule()
    {
        AppFixture f;
        const Account yen = f.addAccount(QStringLiteral("<b>Yen</b>"), AccountType::Checking, Currency::JPY);
        RecurringModel model(f.app()->accountRepository(), [] { return kToday; });
        model.setRules({
            ruleFor(QStringLiteral("Rent"), kToday, -150000, true, true, RecurringFrequency::Monthly, yen.id),
            ruleFor(QStringLiteral("Pay"), kToday.addDays(-1), 250075, false, false, RecurringFrequency::Weekly,
                QStringLiteral("gone")),
        });
        QCOMPARE(model.columnCount(), 7);
        const QStringList headers = {"Account", "Payee", "Amount", "Frequency", "Next Due", "Auto", "Status"};
        for (int column = 0; column < 7; ++column)
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers.at(column));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());

        auto text = [&model](int row, int column) { return model.index(row, column).data().toString(); };
        // Rows sort by next due date: Pay (yesterday) comes first.
        QCOMPARE((QStringList{text(1, 0), text(1, 1), text(1, 2), text(1, 3), text(1, 4), text(1, 5), text(1, 6)}),
            (QStringList{"<b>Yen</b>", "Rent", "-$150,000", "monthly", "6/15/2024", "Yes", "Active"}));
        QCOMPARE((QStringList{text(0, 0), text(0, 2), text(0, 4), text(0, 5), text(0, 6)}),
            (QStringList{"", "$2,500.75", "6/14/2024", "No", "Inactive"}));

        // Due today: green date; the payment red; the inactive rule is not due and its status grey.
        QCOMPARE(model.index(1, 4).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 136, 0));
        QCOMPARE(model.index(1, 2).data(Qt::ForegroundRole).value<QColor>(), negativeAmountColor());
        QCOMPARE(model.index(1, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QVERIFY(!model.index(1, 6).data(Qt::ForegroundRole).isValid());
        QVERIFY(!model.index(0, 4).data(Qt::ForegroundRole).isValid());
        QVERIFY(!model.index(0, 2).data(Qt::ForegroundRole).isValid());
        QCOMPARE(model.index(0, 6).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::gray));
        QVERIFY(!model.index(0, 1).data(Qt::EditRole).isValid());
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
        QVERIFY(!model.index(5, 1).data().isValid());
    }

    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("expected");

        // The rows arrive sorted by next due date: d, a, B, c (a/B/c share a
        // date, a/c an amount); each sort is stable on the order before it.
        QTest::newRow("next due ascending keeps equal rows in order")
            << 4 << int(Qt::AscendingOrder) << QStringList{"d", "a", "B", "c"};
        QTest::newRow("next due descending reverses equal rows")
            << 4 << int(Qt::DescendingOrder) << QStringList{"c", "B", "a", "d"};
        QTest::newRow("payee ignores case") << 1 << int(Qt::AscendingOrder) << QStringList{"a", "B", "c", "d"};
        QTest::newRow("amount is signed") << 2 << int(Qt::AscendingOrder) << QStringList{"B", "a", "c", "d"};
        QTest::newRow("auto: no before yes") << 5 << int(Qt::AscendingOrder) << QStringList{"d", "B", "a", "c"};
        QTest::newRow("status: inactive first") << 6 << int(Qt::AscendingOrder) << QStringList{"c", "d", "a", "B"};
        QTest::newRow("frequency by number") << 3 << int(Qt::DescendingOrder) << QStringList{"d", "c", "B", "a"};
        QTest::newRow("account name ignores case") << 0 << int(Qt::AscendingOrder)
                                                   << QStringList{"d", "B", "a", "c"};
        QTest::newRow("column out of range keeps the order")
            << 7 << int(Qt::DescendingOrder) << QStringList{"d", "a", "B", "c"};
    }

    void sorting()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, expected);

        AppFixture f;
        const Account zed = f.addAccount(QStringLiteral("zed"));
        const Account alpha = f.addAccount(QStringLiteral("Alpha"));
        RecurringModel model(f.app()->accountRepository(), [] { return kToday; });
        model.setRules({
            ruleFor(QStringLiteral("a"), kToday, -100, true, true, RecurringFrequency::Daily, zed.id),
            ruleFor(QStringLiteral("B"), kToday, -900, false, true, RecurringFrequency::Weekly, alpha.id),
            ruleFor(QStringLiteral("c"), kToday, -100, true, false, RecurringFrequency::Monthly, zed.id),
            ruleFor(QStringLiteral("d"), kToday.addDays(-3), 500, false, true, RecurringFrequency::Annual, alpha.id),
        });
        model.sort(column, Qt::SortOrder(order));
        QCOMPARE(payeeOrder(model), expected);
    }

    void sortingByAccountAcrossManyAccounts_data()
    {
        QTest::addColumn<int>("order");
        QTest::newRow("ascending") << int(Qt::AscendingOrder);
        QTest::newRow("descending") << int(Qt::DescendingOrder);
    }

    // Looking account names up while sorting fills the name cache; with this
    // many accounts it grows under the comparisons.
    void sortingByAccountAcrossManyAccounts()
    {
        QFETCH(int, order);
        AppFixture f;
        QList<RecurringTransaction> rules;
        QStringList names;
        for (int i = 0; i < 70; ++i) {
            // Names of many lengths, stored out of order.
            const QString name = QStringLiteral("Account %1 %2")
                                     .arg((i * 37) % 70, 2, 10, QLatin1Char('0'))
                                     .arg(QString(i % 7, QLatin1Char('x')));
            const Account account = f.addAccount(name);
            rules.append(ruleFor(QStringLiteral("p%1").arg(i), kToday, -100, false, true, RecurringFrequency::Monthly,
                account.id));
            names.append(name);
        }
        std::sort(names.begin(), names.end(),
            [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        if (order == Qt::DescendingOrder)
            std::reverse(names.begin(), names.end());

        RecurringModel model(f.app()->accountRepository(), [] { return kToday; });
        model.setRules(rules);
        model.sort(RecurringModel::AccountColumn, Qt::SortOrder(order));
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown.append(model.index(row, RecurringModel::AccountColumn).data().toString());
        QCOMPARE(shown, names);
    }

    void refreshShowsRulesAndTheDueCount()
    {
        RecurringScreenFixture s;
        s.screen->refresh();
        QCOMPARE(s.screen->model()->rowCount(), 0);
        QVERIFY(s.dueLabel().isEmpty());

        s.addRule(QStringLiteral("Rent"), kToday);
        s.addRule(QStringLiteral("Gym"), kToday.addDays(-3));
        s.addRule(QStringLiteral("Later"), kToday.addDays(1));
        s.addRule(QStringLiteral("Off"), kToday.addDays(-1), -100, RecurringFrequency::Monthly, false);
        s.screen->refresh();
        QCOMPARE(payeeOrder(*s.screen->model()), (QStringList{"Gym", "Off", "Rent", "Later"}));
        QCOMPARE(s.dueLabel(), QStringLiteral("(2 due)"));
        QCOMPARE(s.screen->findChild<QLabel *>(QStringLiteral("dueLabel"))->styleSheet(),
            QStringLiteral("color: #008800;"));
    }

    void contextMenuFollowsTheRule_data()
    {
        QTest::addColumn<int>("dueInDays");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QList<bool>>("enabled"); // Edit, Confirm, Skip, Enter Early, Delete

        QTest::newRow("due today") << 0 << true << QList<bool>{true, true, true, false, true};
        QTest::newRow("due tomorrow") << 1 << true << QList<bool>{true, false, false, true, true};
        QTest::newRow("inactive, due yesterday") << -1 << false << QList<bool>{true, false, false, false, true};
        QTest::newRow("inactive, due tomorrow") << 1 << false << QList<bool>{true, false, false, false, true};
    }

    void contextMenuFollowsTheRule()
    {
        QFETCH(int, dueInDays);
        QFETCH(bool, active);
        QFETCH(QList<bool>, enabled);
        RecurringScreenFixture s;
        s.addRule(QStringLiteral("Rent"), kToday.addDays(dueInDays), -100, RecurringFrequency::Monthly, active);
        s.screen->refresh();
        QVERIFY(!s.screen->contextMenuFor(QModelIndex()));
        const std::unique_ptr<QMenu> menu = s.screen->contextMenuFor(s.screen->model()->index(0, 1));
        QStringList texts;
        QList<bool> states;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            texts.append(action->text());
            states.append(action->isEnabled());
        }
        QCOMPARE(texts, (QStringList{"&Edit", "&Confirm", "&Skip", "Enter &Early...", "&Delete"}));
        QCOMPARE(states, enabled);
    }

    void rowActions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<int>("expectedPosts");
        QTest::addColumn<QDate>("expectedNext");
        QTest::addColumn<bool>("expectedDeleted");
        QTest::addColumn<int>("expectedSignals");

        const QDate due = kToday.addDays(-1);
        QTest::newRow("confirm posts and signals") << "confirm" << true << 1 << due.addMonths(1) << false << 1;
        QTest::newRow("skip advances without posting") << "skip" << true << 0 << due.addMonths(1) << false << 0;
        QTest::newRow("delete soft-deletes") << "delete" << true << 0 << due << true << 0;
        QTest::newRow("delete answered No") << "delete" << false << 0 << due << false << 0;
        QTest::newRow("enter early posts") << "early" << true << 1 << due.addMonths(1) << false << 1;
        QTest::newRow("enter early answered No") << "early" << false << 0 << due << false << 0;
    }

    void rowActions()
    {
        QFETCH(QString, action);
        QFETCH(bool, answerYes);
        QFETCH(int, expectedPosts);
        QFETCH(QDate, expectedNext);
        QFETCH(bool, expectedDeleted);
        QFETCH(int, expectedSignals);

        RecurringScreenFixture s;
        const RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), kToday.addDays(-1));
        s.addRule(QStringLiteral("Other"), kToday.addDays(5));
        s.prompts.answerYes = answerYes;
        s.select(QStringLiteral("Rent"));
        QSignalSpy changed(s.screen.get(), &RecurringScreen::transactionsChanged);

        if (action == QLatin1String("confirm"))
            s.screen->confirmSelected();
        else if (action == QLatin1String("skip"))
            s.screen->skipSelected();
        else if (action == QLatin1String("delete"))
            s.screen->deleteSelected();
        else
            s.screen->enterEarlySelected();

        QCOMPARE(s.postedFor(rule), expectedPosts);
        QCOMPARE(s.stored(rule.id).nextDueDate, expectedNext);
        QCOMPARE(bool(s.stored(rule.id).deletedAt), expectedDeleted);
        QCOMPARE(changed.count(), expectedSignals);
        QCOMPARE(s.stored(QStringLiteral("rule-other")).nextDueDate, kToday.addDays(5));
        // The list shows the new state (a deleted rule is gone from it).
        QCOMPARE(s.screen->model()->rowCount(), expectedDeleted ? 1 : 2);
        for (const FakePrompts::Message &message : s.prompts.messages)
            QVERIFY2(message.kind == QLatin1String("question"), qPrintable(message.text));
    }

    void rowActionsWithoutACurrentRowDoNothing()
    {
        RecurringScreenFixture s;
        const RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), kToday);
        s.screen->refresh();
        QSignalSpy changed(s.screen.get(), &RecurringScreen::transactionsChanged);
        s.screen->confirmSelected();
        s.screen->skipSelected();
        s.screen->deleteSelected();
        s.screen->enterEarlySelected();
        s.screen->showEditForm(3);
        QCOMPARE(changed.count(), 0);
        QVERIFY(s.prompts.messages.isEmpty());
        QCOMPARE(s.prompts.dialogRuns, 0);
        QCOMPARE(s.stored(rule.id).version, rule.version);
    }

    void questionsShowPayeesAsPlainText()
    {
        RecurringScreenFixture s;
        s.addRule(QStringLiteral("<b>Rent</b> & Co"), kToday.addDays(3));
        s.prompts.answerYes = false;
        s.select(QStringLiteral("<b>Rent</b> & Co"));
        s.screen->deleteSelected();
        s.screen->enterEarlySelected();
        QCOMPARE(s.prompts.messages.size(), 2);
        for (const FakePrompts::Message &message : s.prompts.messages) {
            QVERIFY2(message.text.contains(QStringLiteral("&lt;b&gt;Rent&lt;/b&gt; &amp; Co")), qPrintable(message.text));
            QVERIFY(Qt::mightBeRichText(message.text));
        }
        QVERIFY(s.prompts.messages.at(1).text.contains(QStringLiteral("Jun 18, 2024")));
    }

    void bulkPostingCounts()
    {
        RecurringScreenFixture s;
        const RecurringTransaction daily =
            s.addRule(QStringLiteral("Coffee"), kToday.addDays(-2), -300, RecurringFrequency::Daily);
        const RecurringTransaction monthly = s.addRule(QStringLiteral("Rent"), kToday);
        const RecurringTransaction soon = s.addRule(QStringLiteral("Gym"), kToday.addDays(6));
        s.addRule(QStringLiteral("Later"), kToday.addDays(8));
        s.screen->refresh();
        QSignalSpy changed(s.screen.get(), &RecurringScreen::transactionsChanged);

        // One occurrence of each due rule.
        s.screen->confirmAllDue();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.postedFor(daily), 1);
        QCOMPARE(s.postedFor(monthly), 1);
        QCOMPARE(s.postedFor(soon), 0);
        QCOMPARE(s.dueLabel(), QStringLiteral("(1 due)"));

        // Answered No: nothing.
        s.prompts.answerYes = false;
        s.screen->enterNextSevenDays();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.postedFor(daily), 1);

        // Coffee from yesterday through today + 7 (9 more), Gym once; Rent is
        // next due in July.
        s.prompts.answerYes = true;
        s.screen->enterNextSevenDays();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(s.postedFor(daily), 10);
        QCOMPARE(s.postedFor(soon), 1);
        QCOMPARE(s.postedFor(monthly), 1);
        QCOMPARE(s.f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 12);
        QVERIFY(s.dueLabel().isEmpty());

        // Nothing due: no signal and no refresh (a rule added since stays unseen).
        s.addRule(QStringLiteral("Unseen"), kToday.addDays(30));
        s.screen->confirmAllDue();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(s.screen->model()->rowCount(), 4);
        QVERIFY(s.prompts.messages.size() == 2);
    }

    // Another program holds the write lock past the busy time-out: each
    // write the screen makes fails and says why; the form keeps what was
    // typed.
    void writesTheStoreRefusesSayWhy_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("expected");
        QTest::newRow("skip") << "skip" << "\"Rent\" could not be skipped: the data is in use by another program.";
        QTest::newRow("delete") << "delete" << "\"Rent\" could not be deleted: the data is in use by another program.";
        QTest::newRow("new") << "new"
                             << "The recurring transaction could not be saved: the data is in use by another program. "
                                "Nothing was changed.";
        QTest::newRow("edit") << "edit"
                              << "The recurring transaction could not be saved: the data is in use by another program. "
                                 "Nothing was changed.";
    }

    void writesTheStoreRefusesSayWhy()
    {
        QFETCH(QString, action);
        QFETCH(QString, expected);
        RecurringScreenFixture s;
        const RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), kToday.addDays(3));
        s.select(QStringLiteral("Rent"));
        QString typedAgain;
        s.prompts.steps = {[](QDialog *dialog) {
                               findNamed<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Water"));
                               return int(QDialog::Accepted);
                           },
            inspect([&typedAgain](QDialog *dialog) { typedAgain = findNamed<QLineEdit>(dialog, "payeeEdit")->text(); })};

        Database *database = s.f.app()->database();
        sqlite3_busy_timeout(database->nativeHandle(), 100);
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(database->db()->databaseName()), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot begin")));
        if (action == QLatin1String("skip"))
            s.screen->skipSelected();
        else if (action == QLatin1String("delete"))
            s.screen->deleteSelected();
        else if (action == QLatin1String("new"))
            s.screen->showNewForm();
        else
            s.screen->showEditForm(0);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        const FakePrompts::Message failure = s.prompts.messages.last();
        QCOMPARE(failure.kind, QStringLiteral("warning"));
        const QString text = QTextDocumentFragment::fromHtml(failure.text).toPlainText();
        QVERIFY2(text.contains(expected), qPrintable(text));
        if (action == QLatin1String("new") || action == QLatin1String("edit"))
            QCOMPARE(typedAgain, QStringLiteral("Water"));
        QCOMPARE(s.stored(rule.id).version, rule.version);
        QCOMPARE(s.f.countRows(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 1);
    }

    void failuresAreReported()
    {
        RecurringScreenFixture s;
        const Account yen = s.f.addAccount(QStringLiteral("Yen"), AccountType::Checking, Currency::JPY);
        RecurringTransaction rule = s.addRule(QStringLiteral("Move"), kToday);
        rule.transferDestAccountId = yen.id;
        QVERIFY(s.f.app()->recurringRepository()->update(rule));
        s.select(QStringLiteral("Move"));
        QSignalSpy changed(s.screen.get(), &RecurringScreen::transactionsChanged);

        s.screen->confirmSelected();
        s.screen->confirmAllDue();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(s.prompts.messages.size(), 2);
        QCOMPARE(s.prompts.messages.at(0).kind, QStringLiteral("warning"));
        QCOMPARE(s.prompts.messages.at(0).title, QStringLiteral("Confirm Failed"));
        QCOMPARE(s.prompts.messages.at(1).title, QStringLiteral("Confirm Failed"));
        QCOMPARE(s.f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);

        // A failed insert keeps the form open with what was typed.
        QVERIFY(s.f.failInsertsInto(QStringLiteral("recurring_transactions")));
        s.prompts.steps = {[](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Water"));
            return int(QDialog::Accepted);
        },
            [](QDialog *dialog) {
                return findNamed<QLineEdit>(dialog, "payeeEdit")->text() == QLatin1String("Water")
                    ? int(QDialog::Rejected)
                    : int(QDialog::Accepted);
            }};
        s.screen->showNewForm();
        QCOMPARE(s.prompts.dialogRuns, 2);
        QCOMPARE(s.prompts.messages.last().title, QStringLiteral("Save Failed"));
        QCOMPARE(s.f.countRows(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 1);
    }

    // A write the store refuses rolls back the whole run: what is shown says
    // why and that nothing was entered.
    void aRefusedBulkPostSaysWhy()
    {
        RecurringScreenFixture s;
        const RecurringTransaction coffee =
            s.addRule(QStringLiteral("Coffee"), kToday.addDays(-2), -300, RecurringFrequency::Daily);
        const RecurringTransaction rent = s.addRule(QStringLiteral("Rent"), kToday);
        s.screen->refresh();
        QVERIFY(s.f.execSql(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON transactions "
                                           "WHEN NEW.payee = 'Rent' BEGIN SELECT RAISE(ABORT, 'forced'); END")));
        const QString message =
            QStringLiteral("The recurring transactions could not be entered: forced. None of them were entered.");

        s.screen->confirmAllDue();
        s.screen->enterNextSevenDays();
        QStringList failures;
        for (const FakePrompts::Message &shown : std::as_const(s.prompts.messages)) {
            if (shown.kind == QLatin1String("warning"))
                failures << shown.title + u'|' + QTextDocumentFragment::fromHtml(shown.text).toPlainText();
        }
        const QString failure = QStringLiteral("Confirm Failed|") + message;
        QCOMPARE(failures, (QStringList{failure, failure}));
        QCOMPARE(s.postedFor(coffee) + s.postedFor(rent), 0);
    }

    void newFormInsertsTheRule()
    {
        RecurringScreenFixture s;
        s.screen->refresh();
        s.prompts.steps = {[](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Water"));
            return int(QDialog::Accepted);
        }};
        QSignalSpy changed(s.screen.get(), &RecurringScreen::transactionsChanged);
        s.screen->showNewForm();
        QCOMPARE(payeeOrder(*s.screen->model()), QStringList{"Water"});
        QCOMPARE(changed.count(), 0);
    }

    void editAgainstAnOutdatedRule_data()
    {
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<QString>("expectedTitle");
        const QString changed = QStringLiteral("Recurring Transaction Changed");
        QTest::newRow("last occurrence posted") << QStringLiteral("posted") << changed;
        QTest::newRow("amount changed") << QStringLiteral("amount") << changed;
        QTest::newRow("rule deleted") << QStringLiteral("deleted rule") << changed;
        QTest::newRow("account deleted") << QStringLiteral("deleted account") << QStringLiteral("Account Deleted");
    }

    // OK in the form writes nothing over a rule that changed while the form
    // was open; the user is told and the list shows the stored rule.
    void editAgainstAnOutdatedRule()
    {
        QFETCH(QString, elsewhere);
        QFETCH(QString, expectedTitle);
        RecurringScreenFixture s;
        // Its last occurrence is due: the hourly posting enters it and ends
        // the rule.
        RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), kToday.addMonths(-1));
        rule.endDate = kToday.addDays(-5);
        rule.autoPost = true;
        QVERIFY(s.f.app()->recurringRepository()->update(rule));
        s.screen->refresh();

        ChangeElsewhere change{s, rule, elsewhere, QString(), {}};
        s.prompts.whilePrompting = [&change] { change(); };
        s.prompts.steps = {[](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("edited"));
            return int(QDialog::Accepted);
        }};
        s.screen->showEditForm(0);

        verifyUntouched(s.stored(rule.id), change.expected);
        QCOMPARE(s.prompts.dialogRuns, 1);
        QCOMPARE(s.reportTitles(), QStringList{expectedTitle});
        // Reloaded: the list shows the stored rule, or no longer shows it.
        if (change.expected.deletedAt) {
            QCOMPARE(s.screen->model()->rowCount(), 0);
        } else {
            QCOMPARE(s.screen->model()->rowCount(), 1);
            QCOMPARE(s.screen->model()->ruleAt(0).version, change.expected.version);
            QCOMPARE(s.screen->model()->ruleAt(0).amount, change.expected.amount);
        }

        if (elsewhere == QLatin1String("posted")) {
            // The ended rule stays ended: nothing is due and nothing fails.
            QVERIFY(!s.stored(rule.id).isActive);
            QVERIFY(s.dueLabel().isEmpty());
            s.prompts.whilePrompting = nullptr;
            s.screen->confirmAllDue();
            QCOMPARE(s.reportTitles(), QStringList{expectedTitle});
            QCOMPARE(s.postedFor(rule), 1);
        }
    }

    void rowActionsOnAnOutdatedRule_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<QString>("expectedTitle");
        const QString changed = QStringLiteral("Recurring Transaction Changed");
        const QString accountDeleted = QStringLiteral("Account Deleted");
        for (const char *action : {"early", "confirm", "skip", "delete"}) {
            const QString name = QString::fromLatin1(action);
            QTest::addRow("%s, occurrence posted meanwhile", action) << name << QStringLiteral("posted") << changed;
            QTest::addRow("%s, rule deleted", action) << name << QStringLiteral("deleted rule") << changed;
            QTest::addRow("%s, account deleted", action) << name << QStringLiteral("deleted account")
                                                         << accountDeleted;
        }
        for (const char *action : {"early", "confirm"}) {
            QTest::addRow("%s, transfer account deleted", action)
                << QString::fromLatin1(action) << QStringLiteral("deleted transfer account") << accountDeleted;
        }
    }

    // Enter Early, Confirm, Skip and Delete act on the rule as the list
    // showed it (Enter Early and Delete after their question): a rule that
    // changed meanwhile, or whose accounts went, gets nothing written.
    void rowActionsOnAnOutdatedRule()
    {
        QFETCH(QString, action);
        QFETCH(QString, elsewhere);
        QFETCH(QString, expectedTitle);
        RecurringScreenFixture s;
        const Account savings = s.f.addAccount(QStringLiteral("Savings"));
        // Due in five days; the hourly posting enters it a week ahead.
        RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), kToday.addDays(5));
        rule.autoPost = true;
        rule.leadDays = 7;
        if (elsewhere == QLatin1String("deleted transfer account"))
            rule.transferDestAccountId = savings.id;
        QVERIFY(s.f.app()->recurringRepository()->update(rule));
        s.select(QStringLiteral("Rent"));
        QSignalSpy changed(s.screen.get(), &RecurringScreen::transactionsChanged);

        ChangeElsewhere change{s, rule, elsewhere, savings.id, {}};
        const bool asks = action == QLatin1String("early") || action == QLatin1String("delete");
        if (asks)
            s.prompts.whilePrompting = [&change] { change(); };
        else
            change();

        if (action == QLatin1String("early"))
            s.screen->enterEarlySelected();
        else if (action == QLatin1String("confirm"))
            s.screen->confirmSelected();
        else if (action == QLatin1String("skip"))
            s.screen->skipSelected();
        else
            s.screen->deleteSelected();

        verifyUntouched(s.stored(rule.id), change.expected);
        // Only what the hourly posting entered.
        QCOMPARE(s.postedFor(rule), elsewhere == QLatin1String("posted") ? 1 : 0);
        QCOMPARE(s.f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = '%1'")
                                   .arg(savings.id)),
            0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(s.reportTitles(), QStringList{expectedTitle});
        QCOMPARE(s.screen->model()->rowCount(), change.expected.deletedAt ? 0 : 1);
        if (!change.expected.deletedAt)
            QCOMPARE(s.screen->model()->ruleAt(0).version, change.expected.version);
    }

    void newRuleGoesOnlyIntoALiveAccount_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("deleted");
        QTest::newRow("new form, account deleted") << QStringLiteral("new form") << QStringLiteral("account");
        QTest::newRow("memorize, account deleted") << QStringLiteral("memorize") << QStringLiteral("account");
        QTest::newRow("memorize, transfer account deleted")
            << QStringLiteral("memorize") << QStringLiteral("transfer account");
    }

    // An account deleted while the new rule's form is open takes no rule.
    void newRuleGoesOnlyIntoALiveAccount()
    {
        QFETCH(QString, source);
        QFETCH(QString, deleted);
        RegisterHarness h;
        AppState *app = h.app();
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"));
        const QString goneId = deleted == QLatin1String("account") ? checking.id : savings.id;
        h.prompts().whilePrompting = [app, goneId] { QCOMPARE(app->accountOperations()->deleteAccount(goneId), WriteResult::Written); };
        h.prompts().steps = {[&checking](QDialog *dialog) {
            auto *accounts = findNamed<QComboBox>(dialog, "accountCombo");
            accounts->setCurrentIndex(accounts->findData(checking.id));
            return int(QDialog::Accepted);
        }};

        if (source == QLatin1String("new form")) {
            RecurringScreen screen(app);
            screen.showNewForm();
        } else {
            // A transfer from checking to savings, memorized from its checking leg.
            Transaction out = h.fixture().addTransaction(checking.id, kToday, QStringLiteral("[Transfer] Savings"),
                -5000);
            Transaction in = h.fixture().addTransaction(savings.id, kToday, QStringLiteral("[Transfer] Checking"), 5000);
            out.transferLinkId = in.id;
            out.transferDestAccountId = savings.id;
            in.transferLinkId = out.id;
            in.transferDestAccountId = checking.id;
            QVERIFY(app->transactionRepository()->update(out));
            QVERIFY(app->transactionRepository()->update(in));
            h.show(checking.id);
            h.screen()->memorizeRow(h.model()->viewRowOfTransaction(out.id));
        }

        QCOMPARE(h.prompts().dialogRuns, 1);
        QCOMPARE(h.fixture().countRows(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);
        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages.at(0).title, QStringLiteral("Account Deleted"));
    }

    void editKeepsAPostingMadeWhileTheFormWasOpen()
    {
        RecurringScreenFixture s;
        const RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), QDate(2024, 6, 1));
        s.screen->refresh();
        AppState *app = s.f.app();
        s.prompts.steps = {[app, &rule](QDialog *dialog) {
            // Automatic posting runs while the form is open.
            app->recurringService()->confirm(rule.id);
            findNamed<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("edited"));
            return int(QDialog::Accepted);
        }};
        s.screen->showEditForm(0);
        RecurringTransaction after = s.stored(rule.id);
        QVERIFY(after.memo.isEmpty());
        QCOMPARE(after.nextDueDate, QDate(2024, 7, 1));
        QCOMPARE(after.version, rule.version + 1);
        QCOMPARE(s.postedFor(rule), 1);
        QCOMPARE(s.reportTitles(), QStringList{QStringLiteral("Recurring Transaction Changed")});

        // Edited again from the reloaded list: the schedule stays.
        s.prompts.steps = {[](QDialog *dialog) {
            findNamed<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("edited"));
            return int(QDialog::Accepted);
        }};
        s.screen->showEditForm(0);
        after = s.stored(rule.id);
        QCOMPARE(after.memo, QStringLiteral("edited"));
        QCOMPARE(after.nextDueDate, QDate(2024, 7, 1));
        QCOMPARE(after.version, rule.version + 2);
        QCOMPARE(after.syncStatus, SyncStatus::Pending);

        // A new start date moves the schedule to it.
        s.prompts.steps = {[](QDialog *dialog) {
            findNamed<DateField>(dialog, "startField")->setDate(QDate(2024, 9, 10));
            return int(QDialog::Accepted);
        }};
        s.screen->showEditForm(0);
        QCOMPARE(s.stored(rule.id).nextDueDate, QDate(2024, 9, 10));
        QCOMPARE(s.stored(rule.id).version, rule.version + 3);
        QCOMPARE(s.prompts.messages.size(), 1);
    }

    void editOfARuleDeletedElsewhereWritesNothing()
    {
        RecurringScreenFixture s;
        const RecurringTransaction rule = s.addRule(QStringLiteral("Rent"), QDate(2024, 6, 1));
        s.screen->refresh();
        AppState *app = s.f.app();
        s.prompts.steps = {[app, &rule](QDialog *dialog) {
            app->recurringRepository()->softDelete(rule.id);
            findNamed<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("edited"));
            return int(QDialog::Accepted);
        }};
        s.screen->showEditForm(0);
        const RecurringTransaction after = s.stored(rule.id);
        QVERIFY(after.deletedAt);
        QVERIFY(after.memo.isEmpty());
        QCOMPARE(s.prompts.messages.size(), 1);
        QCOMPARE(s.prompts.messages.at(0).title, QStringLiteral("Recurring Transaction Changed"));
        QCOMPARE(s.screen->model()->rowCount(), 0);
    }
};

TALLYRA_TEST(TestRecurringScreen)
#include "test_recurringscreen.moc"
