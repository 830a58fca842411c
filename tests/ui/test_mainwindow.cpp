#include "support/testmain.h"

#include "../register/registerfixture.h"

#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/elidedlabel.h"
#include "register/registerscreen.h"
#include "ui/mainwindow.h"
#include "ui/welcomescreen.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QStackedWidget>
#include <QTextDocument>

#include <memory>

namespace {

void clearWindowSettings()
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    settings.remove(QStringLiteral("mainwindow"));
    settings.remove(QStringLiteral("register"));
    settings.remove(QStringLiteral("auth"));
}

// What a person reads: text that a label or tool tip takes as markup is
// rendered first.
[[maybe_unused]] QString shownText(const QString &text, Qt::TextFormat format = Qt::AutoText)
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
        settle();
        return m_window.get();
    }

    // Runs what the window left for the event loop (deferred rebuilds).
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

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
    QWidget *page() const { return m_window->pageStack()->currentWidget(); }

private:
    AppFixture m_fixture;
    FakePrompts m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace

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
    }

    void startsOnTheRegisterOfTheFirstAccount()
    {
        WindowHarness h;
        const Account second = h.fixture().addAccount(QStringLiteral("Savings"), AccountType::Savings,
            Currency::USD, 0, 1);
        const Account first = h.fixture().addAccount(QStringLiteral("Checking"), AccountType::Checking,
            Currency::USD, 0, 0);
        MainWindow *window = h.open();
        QCOMPARE(h.rowNames(), (QStringList{QStringLiteral("Checking"), QStringLiteral("Savings")}));
        QCOMPARE(h.page(), window->registerScreen());
        QCOMPARE(window->registerScreen()->accountId(), first.id);
        QCOMPARE(h.app()->currentAccountId(), first.id);
        QCOMPARE(window->accountList()->currentRow(), 0);
        Q_UNUSED(second);
    }
};

TALLYRA_TEST(MainWindowTest)

#include "test_mainwindow.moc"
