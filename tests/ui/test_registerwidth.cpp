#include "support/testmain.h"

#include "../register/registerfixture.h"
#include "uitestsupport.h"

#include "register/elidedlabel.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "ui/mainwindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QTranslator>
#include <QWindow>

#include <memory>

namespace {

// A 1024x768 screen, as the main window has it once a window manager has
// put its frame around it.
const QSize kSmallWindow(1016, 728);
const int kSmallScreenWidth = 1024;

void clearWindowSettings()
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    settings.remove(QStringLiteral("mainwindow"));
    settings.remove(QStringLiteral("register"));
}

// The program in one language, its main window on a small screen, showing
// the register of an account with a few months of rows.
class SmallScreenWindow
{
public:
    explicit SmallScreenWindow(const QString &language)
    {
        clearWindowSettings();
        if (language != QLatin1String("en")) {
            if (m_translator.load(QStringLiteral(":/i18n/tallyra_%1.qm").arg(language)))
                QCoreApplication::installTranslator(&m_translator);
            else
                qWarning() << "no translation for" << language;
        }
        const Account account = m_fixture.addAccount(QStringLiteral("Main Checking"));
        const Category auto_ = m_fixture.addCategory(QStringLiteral("Auto"));
        m_fixture.addCategory(QStringLiteral("Gas"), auto_.id);
        for (int day = 0; day < 40; ++day) {
            m_fixture.addTransaction(account.id, QDate(2025, 12, 28).addDays(-3 * day),
                QStringLiteral("Riverside Grocery Market"), day % 3 == 0 ? 248150 : -(day * 1731 + 99));
        }
        m_window = std::make_unique<MainWindow>(m_fixture.app());
        m_window->resize(kSmallWindow);
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning() << "the main window did not become active";
        settleEvents();
    }

    ~SmallScreenWindow()
    {
        m_window.reset();
        QCoreApplication::removeTranslator(&m_translator);
        settleEvents();
        clearWindowSettings();
    }

    MainWindow *window() const { return m_window.get(); }
    RegisterScreen *screen() const { return m_window->registerScreen(); }
    QLabel *statusLabel() const { return screen()->findChild<QLabel *>(QStringLiteral("statusLabel")); }
    QLabel *hintLabel() const { return screen()->findChild<QLabel *>(QStringLiteral("hintLabel")); }

    // A new row typed cell by cell and saved with Ctrl+Return.
    void typeRow(const QString &payee, const QString &category, const QString &payment)
    {
        QWidget *window = m_window.get();
        screen()->selectNewRow();
        pressKey(window, Qt::Key_Return); // the date editor
        pressKey(window, Qt::Key_Return); // check number
        pressKey(window, Qt::Key_Return); // payee
        typeCell(payee);
        pressKey(window, Qt::Key_Return); // category
        typeCell(category);
        pressKey(window, Qt::Key_Return); // memo
        pressKey(window, Qt::Key_Return); // payment
        typeCell(payment);
        pressKey(window, Qt::Key_Return, Qt::ControlModifier);
        settleEvents();
    }

private:
    // Types into the open cell editor. The texts typed here match no
    // payee or category: a completion list that came and went would leave
    // the offscreen platform without an active window, and the editor closed.
    void typeCell(const QString &text)
    {
        typeIntoFocus(text);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(QApplication::activeWindow(), m_window.get());
    }

    QTranslator m_translator;
    FakePrompts m_prompts;
    AppFixture m_fixture;
    std::unique_ptr<MainWindow> m_window;
};

// The whole of the widget lies within the window's client area.
bool insideWindow(const QWidget *widget)
{
    const QRect shown(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    return widget->window()->rect().contains(shown);
}

} // namespace

class RegisterWidthTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRefusedSaveKeepsTheWindowWidth_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("payment");
        for (const char *language : {"en", "de"}) {
            const QString lang = QString::fromLatin1(language);
            QTest::addRow("%s: a category typo", language) << lang << QStringLiteral("Fuell") << QStringLiteral("42");
            QTest::addRow("%s: no amount", language) << lang << QString() << QString();
            // A word longer than the window is wide still breaks.
            QTest::addRow("%s: one long word", language) << lang << QString(160, QLatin1Char('W'))
                                                         << QStringLiteral("42");
        }
    }

    // The refusal is read in full in the footer, beside or above the key
    // hint, and the window stays as wide as it was.
    void aRefusedSaveKeepsTheWindowWidth()
    {
        QFETCH(QString, language);
        QFETCH(QString, category);
        QFETCH(QString, payment);
        SmallScreenWindow small(language);
        MainWindow *window = small.window();
        const int before = window->width();
        QCOMPARE(before, kSmallWindow.width());

        small.typeRow(QStringLiteral("Pub"), category, payment);
        QLabel *status = small.statusLabel();
        QVERIFY(!status->text().isEmpty());
        if (!category.isEmpty())
            QVERIFY2(status->text().contains(category), qPrintable(status->text()));
        settleEvents();

        QCOMPARE(window->width(), before);
        QVERIFY2(window->minimumSizeHint().width() <= kSmallScreenWidth,
            qPrintable(QString::number(window->minimumSizeHint().width())));
        QVERIFY(window->minimumWidth() <= kSmallScreenWidth);
        // Nothing of the message or the hint is cut off or outside.
        for (QLabel *label : {status, small.hintLabel()}) {
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
            QVERIFY2(insideWindow(label), qPrintable(label->objectName()));
        }
        QVERIFY(!status->geometry().intersects(small.hintLabel()->geometry()));
        // The row to mend stays in view above the longer footer.
        RegisterTableView *table = small.screen()->table();
        const QRect cell = table->visualRect(table->currentIndex());
        QVERIFY2(table->viewport()->rect().contains(cell),
            qPrintable(QStringLiteral("row at %1 in %2").arg(cell.bottom()).arg(table->viewport()->height())));

        // Gone again, the message leaves the window as it was.
        status->clear();
        settleEvents();
        QCOMPARE(window->width(), before);
        QVERIFY(window->minimumSizeHint().width() <= kSmallScreenWidth);
    }

    void theFirstRegisterFitsASmallScreen_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es", "ja"})
            QTest::addRow("%s", language) << QString::fromLatin1(language);
    }

    // The account's name in full, every column in view, and the room goes
    // to Payee and Category rather than to the dates and amounts.
    void theFirstRegisterFitsASmallScreen()
    {
        QFETCH(QString, language);
        SmallScreenWindow small(language);
        RegisterScreen *screen = small.screen();
        auto *title = screen->findChild<ElidedLabel *>(QStringLiteral("titleLabel"));
        QCOMPARE(title->fullText(), QStringLiteral("Main Checking"));
        QVERIFY2(title->width() >= title->sizeHint().width(),
            qPrintable(QStringLiteral("%1 of %2").arg(title->width()).arg(title->sizeHint().width())));
        for (const char *name : {"balanceValue", "newTransactionButton", "filterButton", "reconcileButton"}) {
            QWidget *widget = screen->findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(insideWindow(widget), name);
        }

        RegisterTableView *table = screen->table();
        QHeaderView *header = table->horizontalHeader();
        QVERIFY2(header->length() <= table->viewport()->width(),
            qPrintable(QStringLiteral("%1 in %2").arg(header->length()).arg(table->viewport()->width())));
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        const int date = header->sectionSize(RegisterModel::DateColumn);
        QVERIFY2(header->sectionSize(RegisterModel::PayeeColumn) > date, qPrintable(QString::number(date)));
        QVERIFY2(header->sectionSize(RegisterModel::CategoryColumn) > date, qPrintable(QString::number(date)));
        // What the dates and amounts show still fits them.
        for (int column : {int(RegisterModel::DateColumn), int(RegisterModel::PaymentColumn),
                 int(RegisterModel::DepositColumn), int(RegisterModel::BalanceColumn)}) {
            const int needed = static_cast<QAbstractItemView *>(table)->sizeHintForColumn(column);
            QVERIFY2(header->sectionSize(column) >= needed,
                qPrintable(QStringLiteral("column %1: %2 of %3").arg(column).arg(header->sectionSize(column)).arg(needed)));
        }

        // A date being typed is shown whole beside its calendar button.
        screen->selectNewRow();
        pressKey(small.window(), Qt::Key_Return);
        auto *dateEditor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(dateEditor);
        QVERIFY(!dateEditor->text().isEmpty());
        // With the cursor at the end, the text has not scrolled out on the left.
        dateEditor->end(false);
        const QRect cursor = dateEditor->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY2(cursor.center().x() >= dateEditor->fontMetrics().horizontalAdvance(dateEditor->text()),
            qPrintable(QStringLiteral("%1 in %2").arg(dateEditor->text()).arg(dateEditor->width())));
        const int button = dateEditor->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, dateEditor);
        QVERIFY(cursor.right() < dateEditor->width() - button);
    }
};

TALLYRA_TEST(RegisterWidthTest)

#include "test_registerwidth.moc"
