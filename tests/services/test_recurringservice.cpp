#include "servicesfixture.h"
#include "support/testmain.h"

#include "services/recurringservice.h"

#include <QSignalSpy>

namespace {

// A fixed "today", so no test depends on the hour it runs at.
const QDate kToday(2024, 6, 15);

struct RecurringFixture : ServicesFixture
{
    RecurringService service{&recurring, &transactions, &accounts, database.get()};

    RecurringFixture()
    {
        service.setClock([] { return kToday; });
        addAccount(QStringLiteral("A"));
        addAccount(QStringLiteral("B"));
    }

    RecurringTransaction addRule(const QString &id, RecurringFrequency frequency, const QDate &nextDue,
                                 bool autoPost = true, int leadDays = 0)
    {
        RecurringTransaction rule;
        rule.id = id;
        rule.accountId = QStringLiteral("A");
        rule.payee = QStringLiteral("Payee ") + id;
        rule.memo = QStringLiteral("memo");
        rule.amount = -5000;
        rule.frequency = frequency;
        rule.startDate = nextDue;
        rule.nextDueDate = nextDue;
        rule.autoPost = autoPost;
        rule.leadDays = leadDays;
        rule.createdAt = stamp();
        rule.updatedAt = stamp();
        if (!recurring.insert(rule))
            qFatal("cannot insert rule");
        return rule;
    }

    RecurringTransaction stored(const QString &id) const { return *recurring.findById(id); }

    int postedFor(const QString &ruleId) const
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE recurring_id = '%1'").arg(ruleId));
    }
};

} // namespace

class RecurringServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextOccurrence_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("day1");
        QTest::addColumn<int>("day2");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("expected");

        const int daily = int(RecurringFrequency::Daily);
        const int monthly = int(RecurringFrequency::Monthly);
        const int semimonthly = int(RecurringFrequency::Semimonthly);
        QTest::newRow("daily") << daily << 1 << 1 << 15 << QDate(2024, 12, 31) << QDate(2025, 1, 1);
        QTest::newRow("daily every 3") << daily << 3 << 1 << 15 << QDate(2024, 2, 27) << QDate(2024, 3, 1);
        QTest::newRow("weekly") << int(RecurringFrequency::Weekly) << 1 << 1 << 15 << QDate(2024, 5, 1)
                                << QDate(2024, 5, 8);
        QTest::newRow("biweekly every 2") << int(RecurringFrequency::Biweekly) << 2 << 1 << 15 << QDate(2024, 5, 1)
                                          << QDate(2024, 5, 29);
        QTest::newRow("monthly to a short month") << monthly << 1 << 1 << 15 << QDate(2024, 1, 31)
                                                  << QDate(2024, 2, 29);
        QTest::newRow("monthly keeps the stored day") << monthly << 1 << 1 << 15 << QDate(2024, 2, 29)
                                                      << QDate(2024, 3, 29);
        QTest::newRow("interval 0 acts as 1") << monthly << 0 << 1 << 15 << QDate(2024, 5, 10) << QDate(2024, 6, 10);
        QTest::newRow("quarterly every 2") << int(RecurringFrequency::Quarterly) << 2 << 1 << 15 << QDate(2024, 1, 15)
                                           << QDate(2024, 7, 15);
        QTest::newRow("semiannual") << int(RecurringFrequency::SemiAnnual) << 1 << 1 << 15 << QDate(2024, 8, 31)
                                    << QDate(2025, 2, 28);
        QTest::newRow("annual from 29 February") << int(RecurringFrequency::Annual) << 1 << 1 << 15
                                                 << QDate(2024, 2, 29) << QDate(2025, 2, 28);
        QTest::newRow("semimonthly 15/last: to month end") << semimonthly << 5 << 15 << 0 << QDate(2024, 4, 15)
                                                           << QDate(2024, 4, 30);
        QTest::newRow("semimonthly 15/last: into next month") << semimonthly << 1 << 15 << 0 << QDate(2024, 4, 30)
                                                              << QDate(2024, 5, 15);
        QTest::newRow("semimonthly 15/last: 31-day month") << semimonthly << 1 << 15 << 0 << QDate(2024, 5, 15)
                                                           << QDate(2024, 5, 31);
        QTest::newRow("semimonthly 31/15 across February") << semimonthly << 1 << 31 << 15 << QDate(2024, 2, 15)
                                                           << QDate(2024, 2, 29);
        QTest::newRow("semimonthly 31/15 after leap day") << semimonthly << 1 << 31 << 15 << QDate(2024, 2, 29)
                                                          << QDate(2024, 3, 15);
        QTest::newRow("semimonthly before both anchors") << semimonthly << 1 << 10 << 20 << QDate(2024, 3, 1)
                                                         << QDate(2024, 3, 10);
        QTest::newRow("semimonthly equal anchors") << semimonthly << 1 << 10 << 10 << QDate(2024, 3, 10)
                                                   << QDate(2024, 4, 10);
        QTest::newRow("quarterly every 1e9 leaves the calendar") << int(RecurringFrequency::Quarterly) << 1000000000
                                                                << 1 << 15 << QDate(2024, 1, 15) << QDate();
        QTest::newRow("monthly every max int") << monthly << 2147483647 << 1 << 15 << QDate(2024, 1, 15) << QDate();
        QTest::newRow("weekly every max int") << int(RecurringFrequency::Weekly) << 2147483647 << 1 << 15
                                              << QDate(2024, 1, 15) << QDate();
        QTest::newRow("annual to the last storable year") << int(RecurringFrequency::Annual) << 7975 << 1 << 15
                                                          << QDate(2024, 2, 29) << QDate(9999, 2, 28);
        QTest::newRow("annual one year too far") << int(RecurringFrequency::Annual) << 7976 << 1 << 15
                                                 << QDate(2024, 2, 29) << QDate();
        QTest::newRow("daily onto the last storable day") << daily << 1 << 1 << 15 << QDate(9999, 12, 30)
                                                          << QDate(9999, 12, 31);
        QTest::newRow("daily past the last storable day") << daily << 1 << 1 << 15 << QDate(9999, 12, 31) << QDate();
        QTest::newRow("semimonthly year end") << semimonthly << 1 << 1 << 15 << QDate(2024, 12, 20)
                                              << QDate(2025, 1, 1);
    }

    void nextOccurrence()
    {
        QFETCH(int, frequency);
        QFETCH(int, interval);
        QFETCH(int, day1);
        QFETCH(int, day2);
        QFETCH(QDate, from);
        QFETCH(QDate, expected);
        QCOMPARE(RecurringService::nextOccurrence(from, RecurringFrequency(frequency), interval, day1, day2), expected);
    }

    void occurrenceIdsAreNameBased()
    {
        RecurringTransaction rule;
        rule.id = QStringLiteral("rule-1");
        const QDate date(2024, 5, 1);
        QCOMPARE(RecurringService::occurrenceId(rule, date, QString()),
                 QStringLiteral("4d9e0fd0-d903-5dab-9a8b-c216043cc2d3"));
        QCOMPARE(RecurringService::occurrenceId(rule, date, QStringLiteral("dest")),
                 QStringLiteral("a7287995-9770-5e66-99a1-7b85375e570a"));
    }

    void catchUp_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("dueInDays");
        QTest::addColumn<int>("leadDays");
        QTest::addColumn<bool>("autoPost");
        QTest::addColumn<int>("endInDays"); // 9999: no end date
        QTest::addColumn<int>("expectedPosts");
        QTest::addColumn<int>("expectedNextInDays");
        QTest::addColumn<bool>("expectedActive");

        const int daily = int(RecurringFrequency::Daily);
        const int weekly = int(RecurringFrequency::Weekly);
        QTest::newRow("daily 10 days behind") << daily << -10 << 0 << true << 9999 << 11 << 1 << true;
        QTest::newRow("not marked for auto posting") << daily << -10 << 0 << false << 9999 << 0 << -10 << true;
        QTest::newRow("due tomorrow, no lead") << daily << 1 << 0 << true << 9999 << 0 << 1 << true;
        QTest::newRow("weekly due in 2, lead 3") << weekly << 2 << 3 << true << 9999 << 1 << 9 << true;
        QTest::newRow("lead 90 acts as 60") << weekly << 61 << 90 << true << 9999 << 0 << 61 << true;
        QTest::newRow("lead 90 reaches day 60") << weekly << 60 << 90 << true << 9999 << 1 << 67 << true;
        QTest::newRow("negative lead acts as 0") << daily << 0 << -5 << true << 9999 << 1 << 1 << true;
        QTest::newRow("end date stops the rule") << daily << -5 << 0 << true << -2 << 4 << -1 << false;
        QTest::newRow("occurrence on the end date posts") << daily << -1 << 0 << true << 0 << 2 << 1 << false;
        QTest::newRow("364 behind: 365 posts hit the cap") << daily << -364 << 0 << true << 9999 << 365 << 1 << false;
        QTest::newRow("363 behind stays active") << daily << -363 << 0 << true << 9999 << 364 << 1 << true;
        QTest::newRow("400 behind is capped and quarantined")
            << daily << -400 << 0 << true << 9999 << 365 << -35 << false;
    }

    void catchUp()
    {
        QFETCH(int, frequency);
        QFETCH(int, dueInDays);
        QFETCH(int, leadDays);
        QFETCH(bool, autoPost);
        QFETCH(int, endInDays);
        QFETCH(int, expectedPosts);
        QFETCH(int, expectedNextInDays);
        QFETCH(bool, expectedActive);

        RecurringFixture f;
        RecurringTransaction rule =
            f.addRule(QStringLiteral("r"), RecurringFrequency(frequency), kToday.addDays(dueInDays), autoPost, leadDays);
        if (endInDays != 9999) {
            rule.endDate = kToday.addDays(endInDays);
            QVERIFY(f.recurring.update(rule));
        }

        QCOMPARE(f.service.processAutoPost(), expectedPosts);
        QCOMPARE(f.postedFor(rule.id), expectedPosts);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(DISTINCT date) FROM transactions")), expectedPosts);
        const RecurringTransaction after = f.stored(rule.id);
        QCOMPARE(after.nextDueDate, kToday.addDays(expectedNextInDays));
        QCOMPARE(after.isActive, expectedActive);
        if (expectedPosts > 0) {
            QCOMPARE(f.count(QStringLiteral("SELECT MIN(date) = '%1' FROM transactions")
                                 .arg(kToday.addDays(dueInDays).toString(Qt::ISODate))),
                     1);
            QVERIFY(after.version > 1);
            QCOMPARE(after.syncStatus, SyncStatus::Pending);
        }

        // A second run finds nothing left to post.
        QCOMPARE(f.service.processAutoPost(), 0);
        QCOMPARE(f.postedFor(rule.id), expectedPosts);
    }

    void catchUpQuarantinesBrokenDates_data()
    {
        QTest::addColumn<QDate>("nextDue");
        QTest::addColumn<bool>("expectedActive");
        QTest::newRow("1999-12-31") << QDate(1999, 12, 31) << false;
        QTest::newRow("invalid") << QDate() << false;
        QTest::newRow("2000-01-01 is sane") << QDate(2000, 1, 1) << true;
    }

    void catchUpQuarantinesBrokenDates()
    {
        QFETCH(QDate, nextDue);
        QFETCH(bool, expectedActive);
        RecurringFixture f;
        // Annual, so a sane old date posts a few times and stays active.
        f.addRule(QStringLiteral("r"), RecurringFrequency::Annual, nextDue);
        f.service.processAutoPost();
        QCOMPARE(f.stored(QStringLiteral("r")).isActive, expectedActive);
        QCOMPARE(f.postedFor(QStringLiteral("r")) > 0, expectedActive);
    }

    void catchUpIsOneBulkWrite()
    {
        RecurringFixture f;
        f.addRule(QStringLiteral("r"), RecurringFrequency::Daily, kToday.addDays(-10));
        QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy rulesChanged(&f.recurring, &RecurringRepository::recurringChanged);
        QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);
        QCOMPARE(f.service.processAutoPost(), 11);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("A"));
        QCOMPARE(rulesChanged.count(), 1);
        QCOMPARE(pending.count(), 1);
        QCOMPARE(pending.at(0).at(0).toInt(), 0);
    }

    void catchUpWaitsForABulkWrite()
    {
        RecurringFixture f;
        f.addRule(QStringLiteral("r"), RecurringFrequency::Daily, kToday.addDays(-3));
        {
            BulkWriteScope importRunning(f.database.get());
            QCOMPARE(f.service.processAutoPost(), 0);
        }
        QCOMPARE(f.service.processAutoPost(), 4);
    }

    void aFailedPostKeepsNothingOfTheRun_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("automatic posting") << "auto";
        QTest::newRow("enter the next days") << "through";
        QTest::newRow("confirm all due") << "all";
    }

    // The store refuses the second rule's occurrence: the first rule's
    // posts go too, and the run says why.
    void aFailedPostKeepsNothingOfTheRun()
    {
        QFETCH(QString, command);
        RecurringFixture f;
        f.addRule(QStringLiteral("a"), RecurringFrequency::Daily, kToday.addDays(-3));
        f.addRule(QStringLiteral("b"), RecurringFrequency::Daily, kToday.addDays(-3));
        QVERIFY(f.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON transactions "
                                      "WHEN NEW.recurring_id = 'b' BEGIN SELECT RAISE(ABORT, 'forced'); END")));
        QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy rulesChanged(&f.recurring, &RecurringRepository::recurringChanged);

        const auto run = [&] {
            if (command == QLatin1String("auto"))
                return f.service.processAutoPost();
            if (command == QLatin1String("through"))
                return f.service.postDueThrough(kToday);
            return f.service.confirmAllDue();
        };
        QCOMPARE(run(), 0);
        QCOMPARE(f.service.failureReason(), QStringLiteral("forced"));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        QCOMPARE(f.stored(QStringLiteral("a")).nextDueDate, kToday.addDays(-3));
        QCOMPARE(f.stored(QStringLiteral("a")).version, 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(rulesChanged.count(), 0);
        QVERIFY(!f.database->isBulkWriteInProgress());

        QVERIFY(f.exec(QStringLiteral("DROP TRIGGER refuse")));
        QVERIFY(run() > 0);
        QVERIFY(f.service.failureReason().isEmpty());
    }

    void postDueThroughIgnoresAutoPostLeadDaysAndNeverQuarantines()
    {
        RecurringFixture f;
        f.addRule(QStringLiteral("far"), RecurringFrequency::Daily, kToday.addDays(-400), false, 30);
        f.addRule(QStringLiteral("week"), RecurringFrequency::Weekly, kToday.addDays(-1), false);
        f.addRule(QStringLiteral("broken"), RecurringFrequency::Daily, QDate(1999, 1, 1), true);
        RecurringTransaction inactive =
            f.addRule(QStringLiteral("inactive"), RecurringFrequency::Daily, kToday.addDays(-1), true);
        inactive.isActive = false;
        QVERIFY(f.recurring.update(inactive));

        // 365 of "far" (the cap, without quarantine) and two weekly ones.
        QCOMPARE(f.service.postDueThrough(kToday.addDays(7)), 367);
        QCOMPARE(f.postedFor(QStringLiteral("far")), 365);
        QVERIFY(f.stored(QStringLiteral("far")).isActive);
        QCOMPARE(f.stored(QStringLiteral("week")).nextDueDate, kToday.addDays(13));
        QVERIFY(f.stored(QStringLiteral("broken")).isActive);
        QCOMPARE(f.postedFor(QStringLiteral("broken")) + f.postedFor(QStringLiteral("inactive")), 0);
    }

    void confirmPostsOneOccurrenceAndAdvances()
    {
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("rule-1"), RecurringFrequency::Monthly, QDate(2024, 5, 1),
                                              false);
        rule.categoryId.clear();
        QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);

        // A stale copy does no harm: the stored rule is what counts.
        RecurringTransaction stale = rule;
        stale.nextDueDate = QDate(2030, 1, 1);
        QVERIFY(f.service.confirm(stale));

        const auto posted = f.transactions.findById(QStringLiteral("4d9e0fd0-d903-5dab-9a8b-c216043cc2d3"));
        QVERIFY(posted);
        QCOMPARE(posted->accountId, QStringLiteral("A"));
        QCOMPARE(posted->date, QDate(2024, 5, 1));
        QCOMPARE(posted->amount, qint64(-5000));
        QCOMPARE(posted->payee, rule.payee);
        QCOMPARE(posted->memo, QStringLiteral("memo"));
        QCOMPARE(posted->recurringId, rule.id);
        QVERIFY(posted->transferLinkId.isEmpty());
        QCOMPARE(posted->version, 1);

        const RecurringTransaction after = f.stored(rule.id);
        QCOMPARE(after.nextDueDate, QDate(2024, 6, 1));
        QCOMPARE(after.version, rule.version + 1);
        QCOMPARE(pending.count(), 1);

        // Moved back by hand: the same occurrence cannot post twice, and the
        // rule moves on past it.
        RecurringTransaction movedBack = after;
        movedBack.nextDueDate = QDate(2024, 5, 1);
        QVERIFY(f.recurring.update(movedBack));
        QVERIFY(f.service.confirm(rule.id));
        QCOMPARE(f.stored(rule.id).nextDueDate, QDate(2024, 6, 1));
        QCOMPARE(f.postedFor(rule.id), 1);

        QVERIFY(!f.service.confirm(QStringLiteral("missing")));
        QVERIFY(!f.service.skip(QStringLiteral("missing")));
    }

    void confirmRefusesABrokenDate()
    {
        RecurringFixture f;
        f.addRule(QStringLiteral("r"), RecurringFrequency::Monthly, QDate(1999, 12, 31), false);
        QVERIFY(!f.service.confirm(QStringLiteral("r")));
        QVERIFY(!f.stored(QStringLiteral("r")).isActive);
        QCOMPARE(f.postedFor(QStringLiteral("r")), 0);
    }

    void endDateDeactivates_data()
    {
        QTest::addColumn<bool>("useSkip");
        QTest::newRow("confirm") << false;
        QTest::newRow("skip") << true;
    }

    void endDateDeactivates()
    {
        QFETCH(bool, useSkip);
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency::Monthly, QDate(2024, 3, 31));
        rule.endDate = QDate(2024, 3, 31);
        QVERIFY(f.recurring.update(rule));
        QVERIFY(useSkip ? f.service.skip(rule) : f.service.confirm(rule));
        const RecurringTransaction after = f.stored(rule.id);
        QCOMPARE(after.nextDueDate, QDate(2024, 4, 30));
        QVERIFY(!after.isActive);
        QCOMPARE(f.postedFor(rule.id), useSkip ? 0 : 1);
    }

    void confirmAllDuePostsEachDueRuleOnce()
    {
        RecurringFixture f;
        f.addRule(QStringLiteral("a"), RecurringFrequency::Daily, kToday.addDays(-5), false);
        f.addRule(QStringLiteral("b"), RecurringFrequency::Monthly, kToday, false);
        f.addRule(QStringLiteral("later"), RecurringFrequency::Monthly, kToday.addDays(1), false);
        QCOMPARE(f.service.pendingCount(), 2);
        QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);
        QCOMPARE(f.service.confirmAllDue(), 2);
        QCOMPARE(f.service.pendingCount(), 1); // "a" is still behind
        QCOMPARE(pending.count(), 1);
        QCOMPARE(pending.at(0).at(0).toInt(), 1);
    }

    void transferRulePostsBothLegs()
    {
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("rule-1"), RecurringFrequency::Monthly, QDate(2024, 5, 1),
                                              false);
        rule.transferDestAccountId = QStringLiteral("B");
        QVERIFY(f.recurring.update(rule));
        QVERIFY(f.service.confirm(rule));

        const auto source = f.transactions.findById(QStringLiteral("4d9e0fd0-d903-5dab-9a8b-c216043cc2d3"));
        const auto mirror = f.transactions.findById(QStringLiteral("a7287995-9770-5e66-99a1-7b85375e570a"));
        QVERIFY(source && mirror);
        QCOMPARE(source->accountId, QStringLiteral("A"));
        QCOMPARE(source->amount, qint64(-5000));
        QCOMPARE(source->transferLinkId, mirror->id);
        QCOMPARE(source->transferDestAccountId, QStringLiteral("B"));
        QCOMPARE(mirror->accountId, QStringLiteral("B"));
        QCOMPARE(mirror->amount, qint64(5000));
        QCOMPARE(mirror->transferLinkId, source->id);
        QCOMPARE(mirror->transferDestAccountId, QStringLiteral("A"));
        QCOMPARE(mirror->date, source->date);
        QCOMPARE(mirror->recurringId, rule.id);
        QCOMPARE(f.stored(rule.id).nextDueDate, QDate(2024, 6, 1));
    }

    void monthEndCatchUpOnFixedDates_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("day1");
        QTest::addColumn<int>("day2");
        QTest::addColumn<QDate>("firstDue");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<QDate>>("posted");
        QTest::addColumn<QDate>("expectedNext");

        QTest::newRow("semimonthly 15/last through a leap February")
            << int(RecurringFrequency::Semimonthly) << 15 << 0 << QDate(2024, 1, 15) << QDate(2024, 3, 31)
            << QList<QDate>{QDate(2024, 1, 15), QDate(2024, 1, 31), QDate(2024, 2, 15), QDate(2024, 2, 29),
                            QDate(2024, 3, 15), QDate(2024, 3, 31)}
            << QDate(2024, 4, 15);
        QTest::newRow("monthly from the 31st, today the last of February")
            << int(RecurringFrequency::Monthly) << 1 << 15 << QDate(2023, 12, 31) << QDate(2024, 2, 29)
            << QList<QDate>{QDate(2023, 12, 31), QDate(2024, 1, 31), QDate(2024, 2, 29)} << QDate(2024, 3, 29);
        QTest::newRow("today the day before month end posts nothing of it")
            << int(RecurringFrequency::Semimonthly) << 15 << 0 << QDate(2023, 2, 15) << QDate(2023, 2, 27)
            << QList<QDate>{QDate(2023, 2, 15)} << QDate(2023, 2, 28);
    }

    void monthEndCatchUpOnFixedDates()
    {
        QFETCH(int, frequency);
        QFETCH(int, day1);
        QFETCH(int, day2);
        QFETCH(QDate, firstDue);
        QFETCH(QDate, today);
        QFETCH(QList<QDate>, posted);
        QFETCH(QDate, expectedNext);

        RecurringFixture f;
        f.service.setClock([today] { return today; });
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency(frequency), firstDue);
        rule.semimonthlyDay1 = day1;
        rule.semimonthlyDay2 = day2;
        QVERIFY(f.recurring.update(rule));

        QCOMPARE(f.service.pendingCount(), 1);
        QCOMPARE(f.service.processAutoPost(), int(posted.size()));
        QList<QDate> dates;
        for (const Transaction &t : f.transactions.listByAccount(QStringLiteral("A")))
            dates.prepend(t.date);
        QCOMPARE(dates, posted);
        QCOMPARE(f.stored(rule.id).nextDueDate, expectedNext);
        QCOMPARE(f.service.pendingCount(), 0);
    }

    void anExistingOccurrenceCountsAsPosted_data()
    {
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("deleted by the user") << false << true;
        QTest::newRow("left by a restore") << false << false;
        QTest::newRow("deleted transfer") << true << true;
    }

    void anExistingOccurrenceCountsAsPosted()
    {
        QFETCH(bool, transfer);
        QFETCH(bool, deleted);
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency::Daily, kToday.addDays(-2));
        if (transfer) {
            rule.transferDestAccountId = QStringLiteral("B");
            QVERIFY(f.recurring.update(rule));
        }
        // The middle occurrence is already in the table.
        RecurringTransaction middle = f.stored(rule.id);
        middle.nextDueDate = kToday.addDays(-1);
        const Transaction existing = f.service.buildTransaction(middle);
        QVERIFY(f.transactions.insert(existing));
        if (transfer) {
            Transaction leg = existing;
            leg.id = RecurringService::occurrenceId(middle, middle.nextDueDate, QStringLiteral("dest"));
            leg.accountId = QStringLiteral("B");
            QVERIFY(f.transactions.insert(leg));
            QVERIFY(f.transactions.softDelete(leg.id));
        }
        if (deleted)
            QVERIFY(f.transactions.softDelete(existing.id));

        QCOMPARE(f.service.processAutoPost(), 3);
        QCOMPARE(f.stored(rule.id).nextDueDate, kToday.addDays(1));
        QCOMPARE(f.service.pendingCount(), 0);
        QCOMPARE(f.postedFor(rule.id), transfer ? 6 : 3);
        // A deleted occurrence stays deleted.
        QCOMPARE(bool(f.transactions.findById(existing.id)->deletedAt), deleted);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NOT NULL")),
                 deleted ? (transfer ? 2 : 1) : 0);
    }

    void aScheduleBeyondTheCalendarEndsTheRule()
    {
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency::Quarterly, kToday);
        rule.intervalCount = 1000000000;
        QVERIFY(f.recurring.update(rule));

        QCOMPARE(f.service.processAutoPost(), 1);
        const RecurringTransaction after = f.stored(rule.id);
        QVERIFY(!after.isActive);
        QCOMPARE(after.nextDueDate, kToday);
        QVERIFY(after.version > rule.version);
        QCOMPARE(f.service.pendingCount(), 0);
        QCOMPARE(f.service.processAutoPost(), 0);
        QCOMPARE(f.postedFor(rule.id), 1);
    }

    void nothingPostsForWhatIsOver_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("end date moved before the next due date") << QStringLiteral("ended");
        QTest::newRow("rule soft-deleted") << QStringLiteral("deleted rule");
        QTest::newRow("transfer into a soft-deleted account") << QStringLiteral("deleted account");
        QTest::newRow("own account soft-deleted, rule left live") << QStringLiteral("deleted own account");
    }

    void nothingPostsForWhatIsOver()
    {
        QFETCH(QString, situation);
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency::Monthly, kToday.addDays(-3));
        if (situation == QLatin1String("ended")) {
            rule.endDate = kToday.addDays(-4);
            QVERIFY(f.recurring.update(rule));
        } else if (situation == QLatin1String("deleted rule")) {
            QVERIFY(f.recurring.softDelete(rule.id));
        } else if (situation == QLatin1String("deleted own account")) {
            // As a pull or an old restore may leave it.
            QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'A'")));
        } else {
            rule.transferDestAccountId = QStringLiteral("B");
            QVERIFY(f.recurring.update(rule));
            QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'B'")));
        }

        QVERIFY(!f.service.confirm(rule.id));
        QCOMPARE(f.service.processAutoPost(), 0);
        QCOMPARE(f.service.postDueThrough(kToday), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        const RecurringTransaction after = f.stored(rule.id);
        QCOMPARE(after.nextDueDate, kToday.addDays(-3));
        if (situation == QLatin1String("ended")) {
            // It is over: no longer active, so no longer due.
            QVERIFY(!after.isActive);
            QCOMPARE(f.service.pendingCount(), 0);
        }
        if (situation == QLatin1String("deleted own account")) {
            // It can never post, so it is never due.
            QCOMPARE(f.service.pendingCount(), 0);
            QCOMPARE(f.service.confirmAllDue(), 0);
            QCOMPARE(f.recurring.listDue(kToday).size(), 0);
            QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        }
        if (situation == QLatin1String("deleted rule"))
            QVERIFY(!f.service.skip(rule.id));
    }

    void userCommandsWriteOnlyOverTheRuleShown_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("expected");

        for (const char *command : {"confirm", "skip", "update", "delete"}) {
            const QString name = QString::fromLatin1(command);
            const auto row = [&](const char *situation, WriteResult result) {
                QTest::addRow("%s, %s", command, situation) << name << QString::fromLatin1(situation) << int(result);
            };
            row("unchanged", WriteResult::Written);
            row("posted meanwhile", WriteResult::ChangedElsewhere);
            row("amount changed", WriteResult::ChangedElsewhere);
            row("rule deleted", WriteResult::ChangedElsewhere);
            row("account deleted", WriteResult::AccountNotLive);
            // Only a post writes into the transfer account.
            row("transfer account deleted",
                name == QLatin1String("confirm") ? WriteResult::AccountNotLive : WriteResult::Written);
        }
    }

    // The user's commands act on the rule a window showed: a stored rule that
    // is no longer that copy, or whose accounts went, gets nothing written.
    void userCommandsWriteOnlyOverTheRuleShown()
    {
        QFETCH(QString, command);
        QFETCH(QString, situation);
        QFETCH(int, expected);
        RecurringFixture f;
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency::Monthly, kToday.addDays(-1));
        rule.transferDestAccountId = QStringLiteral("B");
        QVERIFY(f.recurring.update(rule));
        const RecurringTransaction shown = f.stored(rule.id);

        if (situation == QLatin1String("posted meanwhile")) {
            QCOMPARE(f.service.processAutoPost(), 1);
        } else if (situation == QLatin1String("amount changed")) {
            RecurringTransaction changed = shown;
            changed.amount = -7700;
            markEdited(changed);
            QVERIFY(f.recurring.update(changed));
        } else if (situation == QLatin1String("rule deleted")) {
            QVERIFY(f.recurring.softDelete(rule.id));
        } else if (situation != QLatin1String("unchanged")) {
            const QString account = situation == QLatin1String("account deleted") ? QStringLiteral("A")
                                                                                   : QStringLiteral("B");
            QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = '%1'")
                               .arg(account)));
        }
        const RecurringTransaction before = f.stored(rule.id);
        const int transactionsBefore = f.count(QStringLiteral("SELECT COUNT(*) FROM transactions"));
        QSignalSpy pending(&f.service, &RecurringService::pendingCountChanged);

        WriteResult result = WriteResult::Failed;
        if (command == QLatin1String("confirm")) {
            result = f.service.confirmShown(shown);
        } else if (command == QLatin1String("skip")) {
            result = f.service.skipShown(shown);
        } else if (command == QLatin1String("update")) {
            RecurringTransaction edited = shown;
            edited.memo = QStringLiteral("edited");
            result = f.service.updateShown(edited, shown);
        } else {
            result = f.service.deleteShown(shown);
        }
        QCOMPARE(int(result), expected);

        const RecurringTransaction after = f.stored(rule.id);
        if (result != WriteResult::Written) {
            QCOMPARE(after.version, before.version);
            QCOMPARE(after.updatedAt, before.updatedAt);
            QCOMPARE(after.nextDueDate, before.nextDueDate);
            QCOMPARE(after.amount, before.amount);
            QCOMPARE(after.memo, before.memo);
            QCOMPARE(bool(after.deletedAt), bool(before.deletedAt));
            QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), transactionsBefore);
            QCOMPARE(pending.count(), 0);
            return;
        }
        QCOMPARE(after.version, shown.version + 1);
        const QDate nextMonth = shown.nextDueDate.addMonths(1);
        if (command == QLatin1String("confirm")) {
            QCOMPARE(f.postedFor(rule.id), 2);
            QCOMPARE(after.nextDueDate, nextMonth);
            QCOMPARE(pending.count(), 1);
        } else if (command == QLatin1String("skip")) {
            QCOMPARE(f.postedFor(rule.id), 0);
            QCOMPARE(after.nextDueDate, nextMonth);
            QCOMPARE(pending.count(), 1);
        } else if (command == QLatin1String("update")) {
            QCOMPARE(after.memo, QStringLiteral("edited"));
            QCOMPARE(after.nextDueDate, shown.nextDueDate);
        } else {
            QVERIFY(after.deletedAt);
        }
    }

    void confirmShownKeepsARepairOfTheRule()
    {
        // Refused for its broken date: nothing posts, and the rule is set aside.
        RecurringFixture f;
        f.addRule(QStringLiteral("r"), RecurringFrequency::Monthly, QDate(1999, 12, 31), false);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refusing record with broken date")));
        QCOMPARE(f.service.confirmShown(f.stored(QStringLiteral("r"))), WriteResult::Failed);
        QVERIFY(!f.stored(QStringLiteral("r")).isActive);
        QCOMPARE(f.postedFor(QStringLiteral("r")), 0);
    }

    void insertRuleGoesOnlyIntoLiveAccounts_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("transferAccount");
        QTest::addColumn<int>("expected");
        QTest::newRow("live account") << "A" << "" << int(WriteResult::Written);
        QTest::newRow("live transfer") << "A" << "B" << int(WriteResult::Written);
        QTest::newRow("deleted account") << "gone" << "" << int(WriteResult::AccountNotLive);
        QTest::newRow("deleted transfer account") << "A" << "gone" << int(WriteResult::AccountNotLive);
        QTest::newRow("unknown account") << "nowhere" << "" << int(WriteResult::AccountNotLive);
        QTest::newRow("unknown transfer account") << "A" << "nowhere" << int(WriteResult::AccountNotLive);
    }

    void insertRuleGoesOnlyIntoLiveAccounts()
    {
        QFETCH(QString, account);
        QFETCH(QString, transferAccount);
        QFETCH(int, expected);
        RecurringFixture f;
        f.addAccount(QStringLiteral("gone"));
        QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'gone'")));

        RecurringTransaction rule;
        rule.id = QStringLiteral("new");
        rule.accountId = account;
        rule.transferDestAccountId = transferAccount;
        rule.startDate = kToday;
        rule.nextDueDate = kToday;
        rule.createdAt = ServicesFixture::stamp();
        rule.updatedAt = rule.createdAt;
        QCOMPARE(int(f.service.insertRule(rule)), expected);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")),
            expected == int(WriteResult::Written) ? 1 : 0);
    }

    void failedTransferWritesNothing_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::newRow("currencies differ") << QStringLiteral("YEN");
        QTest::newRow("destination unknown") << QStringLiteral("nowhere");
    }

    void failedTransferWritesNothing()
    {
        QFETCH(QString, destination);
        RecurringFixture f;
        f.addAccount(QStringLiteral("YEN"), Currency::JPY);
        RecurringTransaction rule = f.addRule(QStringLiteral("r"), RecurringFrequency::Monthly, QDate(2024, 5, 1));
        rule.transferDestAccountId = destination;
        QVERIFY(f.recurring.update(rule));
        const int version = f.stored(rule.id).version;

        QVERIFY(!f.service.confirm(rule));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        QCOMPARE(f.stored(rule.id).nextDueDate, QDate(2024, 5, 1));
        QCOMPARE(f.stored(rule.id).version, version);
        // Nothing was left behind, so nothing blocks a later post.
        QCOMPARE(f.service.postDueThrough(QDate(2024, 5, 1)), 0);
    }
};

TALLYRA_TEST(RecurringServiceTest)
#include "test_recurringservice.moc"
