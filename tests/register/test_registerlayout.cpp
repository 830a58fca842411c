#include "registerharness.h"
#include "support/testmain.h"

#include "app/uiprefs.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/registerdelegate.h"
#include "register/transactionactions.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QPushButton>
#include <QSettings>
#include <QTextDocument>

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
}

} // namespace

class TestRegisterLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearRegisterSettings(); }
    void cleanup() { UiPrefs::setFontScalePercent(100); }

    void sortAndWidthsSurviveARestart()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("B"), -1);
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 2), QStringLiteral("A"), -1);
        h.show(checking.id);
        h.table()->horizontalHeader()->resizeSection(RegisterModel::PayeeColumn, 301);
        h.table()->sortByColumn(RegisterModel::PayeeColumn, Qt::DescendingOrder);
        // A hidden column reports width 0; its stored width must survive.
        h.table()->horizontalHeader()->resizeSection(RegisterModel::MemoColumn, 123);
        h.table()->setColumnHidden(RegisterModel::MemoColumn, true);

        h.recreateScreen();
        h.show(checking.id);
        QCOMPARE(h.model()->sortColumn(), int(RegisterModel::PayeeColumn));
        QCOMPARE(h.model()->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(h.table()->horizontalHeader()->sortIndicatorSection(), int(RegisterModel::PayeeColumn));
        QCOMPARE(h.table()->columnWidth(RegisterModel::PayeeColumn), 301);
        QCOMPARE(h.table()->columnWidth(RegisterModel::MemoColumn), 123);
        QCOMPARE(h.cellText(0, RegisterModel::PayeeColumn), QStringLiteral("B"));

        h.screen()->resetColumnLayout();
        QCOMPARE(h.model()->sortColumn(), int(RegisterModel::DateColumn));
        QCOMPARE(h.table()->columnWidth(RegisterModel::PayeeColumn), 250);
    }

    void newestFirstPreferenceSortsByDate()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Old"), -1);
        h.fixture().addTransaction(checking.id, QDate(2024, 2, 1), QStringLiteral("New"), -1);
        h.app()->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), true);
        h.recreateScreen();
        h.show(checking.id);
        QCOMPARE(h.model()->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(h.model()->newRowPosition(), 0);
        QCOMPARE(h.table()->currentIndex().row(), 0);
        QCOMPARE(h.cellText(1, RegisterModel::PayeeColumn), QStringLiteral("New"));

        // Changing the preference re-sorts at once.
        h.app()->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), false);
        QCOMPARE(h.model()->sortOrder(), Qt::AscendingOrder);
        QCOMPARE(h.model()->newRowPosition(), 2);
    }

    void defaultWidthsFollowTheFontScale_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("payeeWidth");
        QTest::addColumn<int>("clrWidth");
        QTest::newRow("130 %") << 130 << 325 << 45;
        QTest::newRow("100 %") << 100 << 250 << 35;
        QTest::newRow("90 % keeps the defaults") << 90 << 250 << 35;
    }

    void defaultWidthsFollowTheFontScale()
    {
        QFETCH(int, scale);
        UiPrefs::setFontScalePercent(scale);
        RegisterHarness h;
        QTEST(h.table()->columnWidth(RegisterModel::PayeeColumn), "payeeWidth");
        QTEST(h.table()->columnWidth(RegisterModel::ClearedColumn), "clrWidth");
    }

    void displayPreferences()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("A"), -1);
        settings().setValue(QStringLiteral("register/colHidden/4"), false);
        PreferencesRepository *preferences = h.app()->preferencesRepository();
        preferences->setBool(QStringLiteral("registerTwoLine"), true);
        preferences->setBool(QStringLiteral("registerShowBalance"), false);
        h.show(checking.id);
        QVERIFY(h.table()->isColumnHidden(RegisterModel::MemoColumn));
        QVERIFY(h.table()->isColumnHidden(RegisterModel::BalanceColumn));
        QCOMPARE(h.table()->rowHeight(0), RegisterDelegate::kTwoLineHeight);
        QCOMPARE(h.model()->headerData(RegisterModel::PayeeColumn, Qt::Horizontal).toString(),
            QStringLiteral("Payee / Memo"));

        // The two-line payee editor holds the memo line under the payee.
        h.goTo(h.model()->newRowPosition(), RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        QWidget *editor = h.table()->openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QStringLiteral("PayeeMemoEditor"));
        auto *payee = editor->findChild<QWidget *>(QStringLiteral("payeeEdit"));
        auto *memo = editor->findChild<QWidget *>(QStringLiteral("memoEdit"));
        QVERIFY(payee && memo);
        QVERIFY(memo->geometry().top() >= payee->geometry().bottom());
        h.type(QStringLiteral("Shop"));
        h.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), memo);
        h.type(QStringLiteral("note"));
        h.press(Qt::Key_Tab);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Shop"));
        QCOMPARE(h.model()->buffer().memo, QStringLiteral("note"));
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::CategoryColumn));

        // Return leaves the two-line editor for the next cell as well.
        h.goTo(h.model()->newRowPosition(), RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("2"));
        h.press(Qt::Key_Return);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("2")); // typing replaces the opened text
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::CategoryColumn));
        QVERIFY(qobject_cast<QComboBox *>(h.table()->openEditor()));
        h.press(Qt::Key_Escape);

        preferences->setBool(QStringLiteral("registerTwoLine"), false);
        preferences->setBool(QStringLiteral("registerShowBalance"), true);
        h.table()->setFocus();
        h.screen()->reload();
        QVERIFY(!h.table()->isColumnHidden(RegisterModel::MemoColumn));
        QVERIFY(!h.table()->isColumnHidden(RegisterModel::BalanceColumn));
        QCOMPARE(h.table()->rowHeight(0), RegisterDelegate::kLineHeight);
    }

    void headerMenuShowsAndHidesColumns()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);
        QStringList captions;
        QStringList disabled;
        // Runs inside the menu's own loop: looks at it, unticks Memo, closes it.
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (!action->isCheckable())
                    continue;
                captions.append(action->text());
                if (!action->isEnabled())
                    disabled.append(action->text());
                if (action->text() == QLatin1String("Memo"))
                    action->trigger();
            }
            menu->close();
        });
        h.screen()->showHeaderContextMenu(QPoint(10, 5));
        QCOMPARE(captions, (QStringList{"Date", "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit", "Clr",
                               "Balance"}));
        QCOMPARE(disabled, QStringList{"Date"});
        QVERIFY(h.table()->isColumnHidden(RegisterModel::MemoColumn));
        QCOMPARE(settings().value(QStringLiteral("register/colHidden/4")).toBool(), true);

        // Hidden columns are stepped over by Return.
        h.goTo(h.model()->newRowPosition(), RegisterModel::CategoryColumn);
        h.press(Qt::Key_Return);
        h.press(Qt::Key_Return);
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::PaymentColumn));

        h.recreateScreen();
        h.show(checking.id);
        QVERIFY(h.table()->isColumnHidden(RegisterModel::MemoColumn));
    }

    void liabilityHeadersAndOpeningBalanceBanner()
    {
        RegisterHarness h;
        const Account card = h.fixture().addAccount(QStringLiteral("Card"), AccountType::CreditCard);
        QVERIFY(TransactionActions::setOpeningBalance(h.app(), card.id, 5000, QDate(2024, 1, 1)));
        h.show(card.id);
        QCOMPARE(h.model()->headerData(RegisterModel::PaymentColumn, Qt::Horizontal).toString(),
            QStringLiteral("Charge"));
        QCOMPARE(h.model()->headerData(RegisterModel::DepositColumn, Qt::Horizontal).toString(),
            QStringLiteral("Payment"));
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("balanceValue"))->text(), QStringLiteral("-$50.00"));
        auto *banner = h.screen()->findChild<QFrame *>(QStringLiteral("openingBalanceBanner"));
        QVERIFY(banner->isVisible());
        QVERIFY(h.screen()->findChild<QLabel *>(QStringLiteral("bannerLabel"))->text().contains(QStringLiteral("$50.00")));

        h.screen()->findChild<QPushButton *>(QStringLiteral("bannerOweButton"))->click();
        QCOMPARE(h.fixture().liveTransactions(card.id).value(0).amount, qint64(-5000));
        QVERIFY(!banner->isVisible());
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("balanceValue"))->text(), QStringLiteral("$50.00"));
    }

    void dismissedBannerStaysHiddenAcrossRestarts()
    {
        RegisterHarness h;
        const Account loan = h.fixture().addAccount(QStringLiteral("Loan"), AccountType::Loan);
        QVERIFY(TransactionActions::setOpeningBalance(h.app(), loan.id, 7000, QDate(2024, 1, 1)));
        h.show(loan.id);
        h.screen()->findChild<QPushButton *>(QStringLiteral("bannerCreditButton"))->click();
        QVERIFY(!h.screen()->findChild<QFrame *>(QStringLiteral("openingBalanceBanner"))->isVisible());
        QCOMPARE(h.fixture().liveTransactions(loan.id).value(0).amount, qint64(7000));

        h.recreateScreen();
        h.show(loan.id);
        QVERIFY(!h.screen()->findChild<QFrame *>(QStringLiteral("openingBalanceBanner"))->isVisible());
    }

    // A long account name or institution shortens to the room there is: it
    // never makes the screen (and so the window) wider than before.
    void longNamesDoNotWidenTheScreen()
    {
        RegisterHarness h;
        const Account shortName = h.fixture().addAccount(QStringLiteral("Cash"));
        Account longName = h.fixture().addAccount(
            QStringLiteral("Joint Household <b>Checking</b> Account at Riverside & Partners Savings and Loan Association"));
        longName.institution = QStringLiteral("Riverside & Partners Savings and Loan Association of the Northern Counties");
        longName.accountNumberLast4 = QStringLiteral("1234");
        QVERIFY(h.app()->accountRepository()->update(longName));

        h.show(shortName.id);
        const int narrowest = h.screen()->minimumSizeHint().width();
        h.show(longName.id);
        QCOMPARE(h.screen()->minimumSizeHint().width(), narrowest);

        const auto plainToolTip = [&h](const char *label) {
            const QString tip = h.screen()->findChild<QLabel *>(QLatin1String(label))->toolTip();
            QTextDocument document;
            if (Qt::mightBeRichText(tip))
                document.setHtml(tip);
            else
                document.setPlainText(tip);
            return document.toPlainText();
        };
        QCOMPARE(plainToolTip("titleLabel"), longName.name);
        QCOMPARE(plainToolTip("subtitleLabel"), longName.institution + QStringLiteral("  ·  *1234"));
        h.screen()->resize(narrowest, h.screen()->height());
        QApplication::processEvents();
        for (const char *label : {"titleLabel", "subtitleLabel"})
            QVERIFY(h.screen()->findChild<QLabel *>(QLatin1String(label))->geometry().right() < narrowest);
    }
};

TALLYRA_TEST(TestRegisterLayout)
#include "test_registerlayout.moc"
