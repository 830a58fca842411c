#pragma once

#include "app/appstate.h"
#include "data/account.h"
#include "data/category.h"
#include "data/splitline.h"
#include "data/transaction.h"
#include "register/userprompts.h"

#include "register/registermodel.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Answers the prompts of the transaction actions and dialogs without a
// modal loop: messages are recorded, Yes/No is answered from a setting,
// and each dialog run is handed to the next scripted step (Rejected when
// the script is used up, so a test can never hang).
class FakePrompts : public UserPrompts
{
public:
    struct Message
    {
        QString kind;
        QString title;
        QString text;
        QPointer<QWidget> parent; // the window the prompt is shown over
    };
    using DialogStep = std::function<int(QDialog *)>;

    FakePrompts();
    ~FakePrompts() override;

    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    int runDialog(QDialog *dialog) override;

    QList<Message> messages;
    bool answerYes = true;
    // Runs inside every question and dialog run, as the event loop of a
    // real modal prompt would run timers (a reload, say).
    std::function<void()> whilePrompting;
    QList<DialogStep> steps;
    int dialogRuns = 0;
};

// Finds a named widget of a dialog (nullptr when missing).
template <typename T>
T *findNamed(const QObject *root, const char *name)
{
    return root->findChild<T *>(QLatin1String(name));
}

// What a test types into the transaction form.
struct FormInput
{
    enum Type { Negative, Positive, Transfer };
    Type type = Negative;
    QString payee;
    qint64 cents = 0;
    QString category;
    QString transferAccount; // with type Transfer
};

// A split line with a fresh id and time stamps.
SplitLine makeSplitLine(const QString &categoryId, qint64 amount, const QString &memo = QString());

// Fills the transaction form; false when a field is missing.
bool fillTransactionForm(QDialog *dialog, const FormInput &input);
// Sets one row of a split-lines table: category label, amount, memo.
bool setSplitLine(QWidget *splitLinesWidget, int row, const QString &category, qint64 cents,
    const QString &memo = QString());
// Fills the register's edit buffer directly, for rules of the commit itself.
void fillBuffer(RegisterModel *model, const QString &date, const QString &payee, const QString &payment,
    const QString &deposit, const QString &mark = QString());
// A scripted dialog step that fills the form and accepts it.
FakePrompts::DialogStep acceptForm(const FormInput &input);
// A scripted dialog step that only looks at the dialog, then answers.
FakePrompts::DialogStep inspect(const std::function<void(QDialog *)> &look, int result = QDialog::Rejected);

// A fresh database and application state for one test.
class AppFixture
{
public:
    AppFixture();
    ~AppFixture();

    AppState *app() const { return m_app.get(); }
    bool isValid() const { return m_valid; }

    Account addAccount(const QString &name, AccountType type = AccountType::Checking, Currency currency = Currency::USD,
        qint64 startingBalance = 0, int sortOrder = 0);
    Category addCategory(const QString &name, const QString &parentId = QString());
    Transaction addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount);
    // Runs raw SQL on the connection (triggers that force failures).
    bool execSql(const QString &sql);
    // Makes every insert into the table fail.
    bool failInsertsInto(const QString &table);
    int countRows(const QString &sql);
    QList<Transaction> liveTransactions(const QString &accountId) const;
    // Every stored row of the table, deleted ones included, in id order:
    // compared before and after, it shows that nothing was written.
    QString tableDump(const QString &table) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_app;
    bool m_valid = false;
    int m_nextId = 0;
};
