#include "support/testmain.h"

#include "app/uiprefs.h"
#include "data/money.h"
#include "register/dateentry.h"
#include "register/datefield.h"
#include "register/registercombobox.h"
#include "register/registerlineedit.h"
#include "register/smartamountfield.h"
#include "register/smartdateedit.h"
#include "register/tabcompleter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QPointer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Opens a RegisterLineEdit or a RegisterComboBox with a TabCompleter as the
// editor of every cell, the way the register does.
class CompletingDelegate : public QStyledItemDelegate
{
public:
    CompletingDelegate(bool comboEditor, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_comboEditor(comboEditor)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        const QStringList choices{QStringLiteral("Groceries"), QStringLiteral("Food > Restaurants")};
        if (m_comboEditor) {
            auto *combo = new RegisterComboBox(parent);
            combo->addItem(QString());
            combo->addItems(choices);
            combo->setItemCompleter(new TabCompleter);
            return combo;
        }
        auto *edit = new RegisterLineEdit(parent);
        auto *completer = new TabCompleter(choices, edit);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        edit->setCompleter(completer);
        return edit;
    }

    void setEditorData(QWidget *, const QModelIndex &) const override {}

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            model->setData(index, combo->currentText());
        else
            model->setData(index, static_cast<QLineEdit *>(editor)->text());
    }

private:
    bool m_comboEditor;
};

QCompleter *completerOf(QWidget *editor)
{
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        return combo->completer();
    return static_cast<QLineEdit *>(editor)->completer();
}

bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Types text so that the completer's popup opens, then highlights a row.
bool openPopupAndHighlight(QWidget *editor, const QString &typed, int row)
{
    QTest::keyClicks(editor, typed);
    QCompleter *completer = completerOf(editor);
    if (!QTest::qWaitFor([&] { return completer->popup()->isVisible(); }, 2000))
        return false;
    completer->popup()->setCurrentIndex(completer->completionModel()->index(row, 0));
    return true;
}

} // namespace

class TestEntryFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setAmountAutoDecimal(false); }

    void parsesTheFourFormats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        const QDate fallback(2020, 6, 1);
        QTest::newRow("M/d/yyyy") << "3/5/2024" << QDate(2024, 3, 5);
        QTest::newRow("MM/dd/yyyy") << "03/05/2024" << QDate(2024, 3, 5);
        QTest::newRow("M/d/yy") << "3/5/24" << QDate(2024, 3, 5);
        QTest::newRow("MM/dd/yy") << "03/05/24" << QDate(2024, 3, 5);
        QTest::newRow("yy 00 is 2000") << "1/2/00" << QDate(2000, 1, 2);
        QTest::newRow("yy 69 is 2069") << "12/31/69" << QDate(2069, 12, 31);
        QTest::newRow("yy 70 is 1970") << "1/1/70" << QDate(1970, 1, 1);
        QTest::newRow("yy 99 is 1999") << "12/31/99" << QDate(1999, 12, 31);
        QTest::newRow("leap day of 2000") << "2/29/00" << QDate(2000, 2, 29);
        QTest::newRow("no leap day in 2023") << "2/29/2023" << fallback;
        QTest::newRow("month 13") << "13/1/2024" << fallback;
        QTest::newRow("three-digit year") << "3/5/024" << fallback;
        QTest::newRow("no year") << "3/5" << fallback;
        QTest::newRow("dashes") << "3-5-2024" << fallback;
        QTest::newRow("empty") << "" << fallback;
    }

    void parsesTheFourFormats()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(parseEntryDate(text, QDate(2020, 6, 1)), expected);

        DateField field;
        field.setDate(QDate(2020, 6, 1));
        field.setText(text);
        QCOMPARE(field.parsedDate(), expected);
        SmartDateEdit edit;
        edit.setDate(QDate(2020, 6, 1));
        edit.setText(text);
        QCOMPARE(edit.parsedDate(), expected);
    }

    void dateKeysMoveTheDate_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("expected");
        const QDate friday(2024, 3, 15);
        QTest::newRow("t today") << friday << "t" << QDate::currentDate();
        QTest::newRow("+ next day") << friday << "+" << QDate(2024, 3, 16);
        QTest::newRow("= next day") << friday << "=" << QDate(2024, 3, 16);
        QTest::newRow("- previous day") << friday << "-" << QDate(2024, 3, 14);
        QTest::newRow("+ then - returns") << friday << "+-" << friday;
        QTest::newRow("m month start") << friday << "m" << QDate(2024, 3, 1);
        QTest::newRow("h month end") << friday << "h" << QDate(2024, 3, 31);
        QTest::newRow("h leap February") << QDate(2024, 2, 10) << "h" << QDate(2024, 2, 29);
        QTest::newRow("h plain February") << QDate(2023, 2, 10) << "h" << QDate(2023, 2, 28);
        QTest::newRow("y year start") << friday << "y" << QDate(2024, 1, 1);
        QTest::newRow("r year end") << friday << "r" << QDate(2024, 12, 31);
        QTest::newRow("w back to Sunday") << friday << "w" << QDate(2024, 3, 10);
        QTest::newRow("w Sunday stays") << QDate(2024, 3, 10) << "w" << QDate(2024, 3, 10);
        QTest::newRow("k on to Saturday") << friday << "k" << QDate(2024, 3, 16);
        QTest::newRow("k Saturday stays") << QDate(2024, 3, 16) << "k" << QDate(2024, 3, 16);
        QTest::newRow("k from Sunday") << QDate(2024, 3, 10) << "k" << QDate(2024, 3, 16);
        QTest::newRow("upper case M") << friday << "M" << QDate(2024, 3, 1);
        QTest::newRow("year end crossing") << QDate(2024, 12, 31) << "+" << QDate(2025, 1, 1);
    }

    void dateKeysMoveTheDate()
    {
        QFETCH(QDate, start);
        QFETCH(QString, keys);
        QFETCH(QDate, expected);

        DateField field;
        field.setDate(start);
        QSignalSpy changed(&field, &DateField::dateChanged);
        QTest::keyClicks(&field, keys);
        QCOMPARE(field.date(), expected);
        QCOMPARE(field.text(), expected.toString(QStringLiteral("M/d/yyyy")));
        QCOMPARE(field.selectedText(), field.text());
        if (expected != start)
            QVERIFY(!changed.isEmpty());

        SmartDateEdit edit;
        edit.setDate(start);
        QTest::keyClicks(&edit, keys);
        QCOMPARE(edit.date(), expected);
        QCOMPARE(edit.text(), expected.toString(QStringLiteral("M/d/yyyy")));
        QCOMPARE(edit.selectedText(), edit.text());
    }

    void dateFieldRewritesItsTextOnFocusOut_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<bool>("changes");
        QTest::newRow("two-digit year") << "2/3/25" << QDate(2025, 2, 3) << true;
        QTest::newRow("padded date") << "02/03/2025" << QDate(2025, 2, 3) << true;
        QTest::newRow("no date keeps the held one") << "13/40/2024" << QDate(2024, 3, 15) << false;
    }

    void dateFieldRewritesItsTextOnFocusOut()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        QFETCH(bool, changes);

        DateField field;
        field.setDate(QDate(2024, 3, 15));
        QSignalSpy changed(&field, &DateField::dateChanged);
        field.setText(typed);
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(&field, &focusOut);
        QCOMPARE(field.date(), expected);
        QCOMPARE(field.text(), expected.toString(QStringLiteral("M/d/yyyy")));
        QCOMPARE(changed.count(), changes ? 1 : 0);
    }

    void calendarPicksADate_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    }

    void calendarPicksADate()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const int savedWeekStart = UiPrefs::weekStartDay();
        UiPrefs::weekStartDay() = 7;

        DateField field;
        field.setDate(QDate(2024, 3, 15));
        field.setText(QStringLiteral("4/2/2024")); // typed, not yet read
        QSignalSpy changed(&field, &DateField::dateChanged);
        QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QPointer<QCalendarWidget> calendar = field.findChild<QCalendarWidget *>();
        QVERIFY(calendar);
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2024, 4, 2));
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Sunday);

        Q_EMIT calendar->clicked(QDate(2024, 5, 20));
        QCOMPARE(field.date(), QDate(2024, 5, 20));
        QCOMPARE(field.text(), QStringLiteral("5/20/2024"));
        QCOMPARE(changed.count(), 1);
        QTRY_VERIFY(!calendar);
        UiPrefs::weekStartDay() = savedWeekStart;
    }

    void amountEntry_data()
    {
        QTest::addColumn<bool>("autoDecimal");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("auto: digits are cents") << true << int(Currency::USD) << "1234" << qint64(1234);
        QTest::newRow("auto: point ignored") << true << int(Currency::USD) << "12.34" << qint64(1234);
        QTest::newRow("auto: comma ignored") << true << int(Currency::USD) << "12,34" << qint64(1234);
        QTest::newRow("auto: millions") << true << int(Currency::USD) << "1234567899" << qint64(1234567899);
        QTest::newRow("auto: beyond the maximum") << true << int(Currency::USD) << "99999999999" << qint64(9999999999);
        QTest::newRow("auto: yen are whole") << true << int(Currency::JPY) << "1500" << qint64(1500);
        QTest::newRow("typed decimals") << false << int(Currency::USD) << "12.5" << qint64(1250);
        QTest::newRow("typed whole") << false << int(Currency::USD) << "42" << qint64(4200);
        QTest::newRow("typed yen") << false << int(Currency::JPY) << "1500" << qint64(1500);
        QTest::newRow("typed decimal comma") << false << int(Currency::EUR) << "12,50" << qint64(1250);
        QTest::newRow("typed dotted thousands") << false << int(Currency::EUR) << "1.234,56" << qint64(123456);
        QTest::newRow("typed comma thousands") << false << int(Currency::USD) << "1,234.56" << qint64(123456);
    }

    void amountEntry()
    {
        QFETCH(bool, autoDecimal);
        QFETCH(int, currency);
        QFETCH(QString, keys);
        QFETCH(qint64, expected);

        setAmountAutoDecimal(autoDecimal);
        SmartAmountField field;
        field.setCurrency(Currency(currency));
        field.setRange(0, 99999999.99);
        field.setPrefix(QStringLiteral("$ "));
        field.selectAll();
        QTest::keyClicks(&field, keys);
        field.interpretText();
        QCOMPARE(field.minorUnits(), expected);
    }

    void decimalKeyJumpsBehindThePoint()
    {
        SmartAmountField field;
        field.setRange(0, 99999999.99);
        field.setPrefix(QStringLiteral("$ "));
        field.setValue(12.34);
        auto *edit = field.findChild<QLineEdit *>();
        QVERIFY(edit);
        for (const char key : {'.', ','}) {
            edit->setCursorPosition(0);
            QTest::keyClick(&field, key);
            QCOMPARE(edit->cursorPosition(), edit->text().indexOf(u'.') + 1);
            QCOMPARE(edit->text(), QStringLiteral("$ 12.34"));
        }
        // Typed after the jump, digits replace the cents.
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClicks(&field, "99");
        field.interpretText();
        QCOMPARE(field.minorUnits(), qint64(1299));
    }

    void returnTakesTheHighlightedCompletion_data()
    {
        QTest::addColumn<bool>("comboEditor");
        QTest::newRow("line edit") << false;
        QTest::newRow("combo box") << true;
    }

    void returnTakesTheHighlightedCompletion()
    {
        QFETCH(bool, comboEditor);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        QWidget *editor = nullptr;
        if (comboEditor) {
            auto *combo = new RegisterComboBox;
            combo->addItems({QString(), QStringLiteral("Coffee"), QStringLiteral("Corner Store")});
            combo->setItemCompleter(new QCompleter);
            editor = combo;
        } else {
            auto *edit = new RegisterLineEdit;
            auto *completer = new QCompleter(QStringList{QStringLiteral("Coffee"), QStringLiteral("Corner Store")}, edit);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            edit->setCompleter(completer);
            editor = edit;
        }
        layout->addWidget(editor);
        QVERIFY(showActive(&window));
        editor->setFocus();
        QVERIFY(openPopupAndHighlight(editor, QStringLiteral("co"), 1));

        QTest::keyClick(completerOf(editor)->popup(), Qt::Key_Return);
        QVERIFY(!completerOf(editor)->popup()->isVisible());
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            QCOMPARE(combo->currentIndex(), 2);
        else
            QCOMPARE(static_cast<QLineEdit *>(editor)->text(), QStringLiteral("Corner Store"));
    }

    void tabInThePayeeEditorMovesToTheMemoLine()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *composite = new QWidget;
        composite->setObjectName(QStringLiteral("PayeeMemoEditor"));
        auto *inner = new QVBoxLayout(composite);
        auto *payee = new RegisterLineEdit;
        payee->setObjectName(QStringLiteral("payeeEdit"));
        auto *memo = new RegisterLineEdit;
        memo->setObjectName(QStringLiteral("memoEdit"));
        inner->addWidget(payee);
        inner->addWidget(memo);
        layout->addWidget(composite);
        auto *completer = new TabCompleter(QStringList{QStringLiteral("Coffee Shop"), QStringLiteral("Corner Store")}, payee);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        payee->setCompleter(completer);
        QSignalSpy activated(completer, qOverload<const QString &>(&QCompleter::activated));

        QVERIFY(showActive(&window));
        payee->setFocus();
        QVERIFY(openPopupAndHighlight(payee, QStringLiteral("co"), 0));
        QTest::keyClick(completer->popup(), Qt::Key_Tab);

        QCOMPARE(payee->text(), QStringLiteral("Coffee Shop"));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toString(), QStringLiteral("Coffee Shop"));
        QVERIFY(!completer->popup()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), memo);
    }

    void tabInACellEditorCommitsAndMovesOn_data()
    {
        QTest::addColumn<bool>("comboEditor");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expectedColumn");
        QTest::newRow("line edit, Tab") << false << int(Qt::Key_Tab) << 2;
        QTest::newRow("line edit, Backtab") << false << int(Qt::Key_Backtab) << 0;
        QTest::newRow("combo box, Tab") << true << int(Qt::Key_Tab) << 2;
    }

    void tabInACellEditorCommitsAndMovesOn()
    {
        QFETCH(bool, comboEditor);
        QFETCH(int, key);
        QFETCH(int, expectedColumn);

        QStandardItemModel model(1, 3);
        QTableView view;
        view.setModel(&model);
        view.setItemDelegate(new CompletingDelegate(comboEditor, &view));
        QVERIFY(showActive(&view));
        const QModelIndex cell = model.index(0, 1);
        view.setCurrentIndex(cell);
        view.edit(cell);
        QWidget *editor = view.indexWidget(cell);
        QVERIFY(editor);
        QTRY_VERIFY(editor->hasFocus());
        QVERIFY(openPopupAndHighlight(editor, QStringLiteral("rest"), 0));

        QTest::keyClick(completerOf(editor)->popup(), Qt::Key(key));

        QCOMPARE(model.data(cell).toString(), QStringLiteral("Food > Restaurants"));
        QTRY_COMPARE(view.currentIndex().column(), expectedColumn);
    }
};

TALLYRA_TEST(TestEntryFields)

#include "test_entryfields.moc"
