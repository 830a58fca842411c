#include "support/testmain.h"

#include "../register/registerfixture.h"

#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "ui/mainwindow.h"
#include "ui/registercolumnfit.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>

namespace {

using Widths = QList<int>;

const Widths kDefaults{130, 60, 250, 180, 180, 100, 100, 35, 110};
const QList<int> kShrinkable{RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn};

int visibleTotal(const Widths &widths, const QList<bool> &hidden)
{
    int total = 0;
    for (int column = 0; column < widths.size(); ++column)
        total += hidden.value(column) ? 0 : widths.at(column);
    return total;
}

QSettings registerSettings()
{
    return QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
}

} // namespace

class RegisterColumnFitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fittedWidths_data()
    {
        QTest::addColumn<int>("available");
        QTest::addColumn<bool>("memoHidden");
        QTest::addColumn<Widths>("expected");
        QTest::newRow("room enough") << 1200 << false << kDefaults;
        QTest::newRow("exactly enough") << 1145 << false << kDefaults;
        // 145 px over: taken from Payee, Category and Memo as 200 : 130 : 130.
        QTest::newRow("shrinks in proportion") << 1000 << false
                                               << Widths{130, 60, 186, 139, 140, 100, 100, 35, 110};
        // Memo hidden: the excess comes from Payee and Category alone.
        QTest::newRow("hidden memo gives nothing") << 900 << true
                                                   << Widths{130, 60, 210, 155, 180, 100, 100, 35, 110};
        // Never below the header text, even when the rest cannot fit.
        QTest::newRow("stops at the minimums") << 400 << false << Widths{130, 60, 50, 50, 50, 100, 100, 35, 110};
    }

    void fittedWidths()
    {
        QFETCH(int, available);
        QFETCH(bool, memoHidden);
        QFETCH(Widths, expected);
        QList<bool> hidden(kDefaults.size(), false);
        hidden[RegisterModel::MemoColumn] = memoHidden;
        const Widths minimums(kDefaults.size(), 50);
        const Widths fitted = RegisterColumnFit::fittedWidths(kDefaults, hidden, minimums, kShrinkable, available);
        QCOMPARE(fitted, expected);
        if (visibleTotal(kDefaults, hidden) > available && expected.at(RegisterModel::PayeeColumn) > 50)
            QVERIFY(visibleTotal(fitted, hidden) <= available);
    }

    void windowFitsOnlyWidthsTheUserDidNotSet_data()
    {
        QTest::addColumn<bool>("payeeStored");
        QTest::newRow("first start") << false;
        QTest::newRow("a width the user set") << true;
    }

    void windowFitsOnlyWidthsTheUserDidNotSet()
    {
        QFETCH(bool, payeeStored);
        QSettings settings = registerSettings();
        settings.remove(QStringLiteral("register"));
        settings.remove(QStringLiteral("mainwindow"));
        if (payeeStored)
            settings.setValue(QStringLiteral("register/colWidth/2"), 400);
        FakePrompts prompts;
        AppFixture fixture;
        fixture.addAccount(QStringLiteral("Checking"));
        MainWindow window(fixture.app());
        // The first size on a screen that holds it (the test screen is smaller).
        window.resize(1280, 900);
        window.show();
        QApplication::processEvents();
        QApplication::processEvents();

        RegisterTableView *table = window.registerScreen()->table();
        QHeaderView *header = table->horizontalHeader();
        if (payeeStored) {
            // Stored widths are used as they are, whatever the window's size;
            // the columns the user did not size give way around them.
            QCOMPARE(header->sectionSize(RegisterModel::PayeeColumn), 400);
            QVERIFY(header->sectionSize(RegisterModel::MemoColumn) < 180);
            settings.remove(QStringLiteral("register"));
            return;
        }
        QVERIFY(header->length() <= table->viewport()->width());
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        // The dates and amounts give up what their content does not need
        // before Payee does.
        QVERIFY(header->sectionSize(RegisterModel::BalanceColumn) < 110);
        QVERIFY(header->sectionSize(RegisterModel::PayeeColumn) >= 250);
        // What the window chose is not the user's choice: nothing is kept.
        QVERIFY(!registerSettings().contains(QStringLiteral("register/colWidth/2")));
    }

    // Fitted widths follow the window both ways: back up to the defaults
    // when it grows again, Payee taking whatever is left over.
    void fittedWidthsGrowBackWithTheWindow()
    {
        QSettings settings = registerSettings();
        settings.remove(QStringLiteral("register"));
        settings.remove(QStringLiteral("mainwindow"));
        FakePrompts prompts;
        AppFixture fixture;
        fixture.addAccount(QStringLiteral("Checking"));
        MainWindow window(fixture.app());
        window.resize(1600, 800);
        window.show();
        QApplication::processEvents();
        RegisterTableView *table = window.registerScreen()->table();
        QHeaderView *header = table->horizontalHeader();
        const auto widthsOf = [header](const QList<int> &columns) {
            Widths widths;
            for (int column : columns)
                widths.append(header->sectionSize(column));
            return widths;
        };
        const Widths defaults{250, 180, 180};
        const auto grownBack = [&] {
            const Widths widths = widthsOf(kShrinkable);
            return widths.at(0) >= defaults.at(0) && widths.mid(1) == defaults.mid(1)
                && header->length() == table->viewport()->width();
        };
        QVERIFY(grownBack());

        for (int width : {1100, 1300, 1600}) {
            window.resize(width, 800);
            QApplication::processEvents();
            QApplication::processEvents();
            const Widths fitted = widthsOf(kShrinkable);
            if (window.width() >= 1600) {
                QVERIFY(grownBack());
                continue;
            }
            QVERIFY2(header->length() <= table->viewport()->width(), qPrintable(QString::number(width)));
            // The table is filled: what is left over is less than a pixel per column.
            if (fitted != defaults)
                QVERIFY2(table->viewport()->width() - header->length() < header->count(),
                         qPrintable(QString::number(width)));
        }
        QVERIFY(!registerSettings().contains(QStringLiteral("register/colWidth/2")));
    }
};

TALLYRA_TEST(RegisterColumnFitTest)

#include "test_registercolumnfit.moc"
