#include "data/recordid.h"
#include "registerfixture.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "app/uiprefs.h"
#include "register/smartamountfield.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

void fillBuffer(RegisterModel *model, const QString &date, const QString &payee, const QString &payment,
    const QString &deposit, const QString &mark)
{
    RegisterModel::EditBuffer &buffer = model->buffer();
    buffer.date = date;
    buffer.payee = payee;
    buffer.payment = payment;
    buffer.deposit = deposit;
    buffer.clearedMark = mark;
}

FakePrompts::FakePrompts()
{
    UserPrompts::setCurrent(this);
}

FakePrompts::~FakePrompts()
{
    UserPrompts::setCurrent(nullptr);
}

void FakePrompts::information(QWidget *parent, const QString &title, const QString &text)
{
    messages.append({QStringLiteral("information"), title, text, parent});
}

void FakePrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    messages.append({QStringLiteral("warning"), title, text, parent});
}

bool FakePrompts::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    messages.append({QStringLiteral("question"), title, text, parent});
    if (whilePrompting)
        whilePrompting();
    return answerYes;
}

int FakePrompts::runDialog(QDialog *dialog)
{
    ++dialogRuns;
    if (whilePrompting)
        whilePrompting();
    if (steps.isEmpty())
        return QDialog::Rejected;
    return steps.takeFirst()(dialog);
}

AppFixture::AppFixture()
{
    qputenv("TALLYRA_DATA_DIR", m_dir.path().toUtf8());
    m_app = std::make_unique<AppState>();
    // Start-up applies the stored interface preferences; tests set the
    // process-wide values themselves before building the fixture.
    const int fontScale = UiPrefs::fontScalePercent();
    const QColor accent = UiPrefs::accentColor();
    const int weekStart = UiPrefs::weekStartDay();
    const bool autoDecimal = UiPrefs::amountAutoDecimal();
    m_valid = m_dir.isValid() && m_app->initialize();
    UiPrefs::setFontScalePercent(fontScale);
    UiPrefs::accentColor() = accent;
    UiPrefs::weekStartDay() = weekStart;
    setAmountAutoDecimal(autoDecimal);
    // The tests build their own category trees: start without the defaults.
    if (m_valid)
        m_valid = QSqlQuery(*m_app->database()->db()).exec(QStringLiteral("DELETE FROM categories"));
}

AppFixture::~AppFixture()
{
    m_app.reset();
}

Account AppFixture::addAccount(const QString &name, AccountType type, Currency currency, qint64 startingBalance,
    int sortOrder)
{
    Account account;
    account.id = QStringLiteral("acct-%1-%2").arg(++m_nextId).arg(name.toLower().remove(u' '));
    account.name = name;
    account.accountType = type;
    account.currency = currency;
    account.startingBalance = startingBalance;
    account.sortOrder = sortOrder;
    account.createdAt = QDateTime(QDate(2024, 1, 10), QTime(8, 0), Qt::UTC);
    account.updatedAt = account.createdAt;
    if (!m_app->accountRepository()->insert(account))
        qWarning() << "fixture: account insert failed";
    return account;
}

Category AppFixture::addCategory(const QString &name, const QString &parentId)
{
    Category category;
    category.id = QStringLiteral("cat-%1").arg(++m_nextId);
    category.name = name;
    category.parentId = parentId;
    category.createdAt = QDateTime::currentDateTimeUtc();
    category.updatedAt = category.createdAt;
    if (!m_app->categoryRepository()->insert(category))
        qWarning() << "fixture: category insert failed";
    return category;
}

Transaction AppFixture::addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount)
{
    Transaction transaction;
    transaction.id = newRecordId();
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.createdAt = QDateTime::currentDateTimeUtc().addSecs(m_nextId++);
    transaction.updatedAt = transaction.createdAt;
    if (!m_app->transactionRepository()->insert(transaction))
        qWarning() << "fixture: transaction insert failed";
    return transaction;
}

bool AppFixture::execSql(const QString &sql)
{
    QSqlQuery query(*m_app->database()->db());
    if (!query.exec(sql)) {
        qWarning() << "fixture SQL failed:" << query.lastError().text();
        return false;
    }
    return true;
}

bool AppFixture::failInsertsInto(const QString &table)
{
    return execSql(QStringLiteral("CREATE TEMP TRIGGER fail_%1 BEFORE INSERT ON %1 "
                                  "BEGIN SELECT RAISE(ABORT, 'forced failure'); END")
                       .arg(table));
}

int AppFixture::countRows(const QString &sql)
{
    QSqlQuery query(*m_app->database()->db());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString AppFixture::tableDump(const QString &table) const
{
    QSqlQuery query(*m_app->database()->db());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table)))
        return QStringLiteral("<unreadable>");
    QStringList rows;
    while (query.next()) {
        QStringList cells;
        for (int i = 0; i < query.record().count(); ++i)
            cells.append(query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
        rows.append(cells.join(u'|'));
    }
    return rows.join(u'\n');
}

QList<Transaction> AppFixture::liveTransactions(const QString &accountId) const
{
    return m_app->transactionRepository()->listByAccount(accountId);
}

bool fillTransactionForm(QDialog *dialog, const FormInput &input)
{
    const char *radioName = input.type == FormInput::Negative ? "negativeTypeRadio"
        : input.type == FormInput::Positive                   ? "positiveTypeRadio"
                                                              : "transferRadio";
    auto *radio = findNamed<QRadioButton>(dialog, radioName);
    auto *payee = findNamed<QLineEdit>(dialog, "payeeEdit");
    auto *amount = findNamed<SmartAmountField>(dialog, "amountField");
    auto *category = findNamed<QComboBox>(dialog, "categoryCombo");
    auto *transferAccount = findNamed<QComboBox>(dialog, "transferAccountCombo");
    if (!radio || !payee || !amount || !category || !transferAccount)
        return false;
    radio->setChecked(true);
    if (input.type == FormInput::Transfer)
        transferAccount->setCurrentIndex(transferAccount->findText(input.transferAccount));
    else
        payee->setText(input.payee);
    if (amount->isEnabled())
        amount->setMinorUnits(input.cents);
    if (!input.category.isEmpty() && category->isEnabled())
        category->setCurrentIndex(category->findText(input.category));
    return true;
}

bool setSplitLine(QWidget *splitLinesWidget, int row, const QString &category, qint64 cents, const QString &memo)
{
    auto *table = findNamed<QTableWidget>(splitLinesWidget, "splitTable");
    if (!table || row >= table->rowCount())
        return false;
    auto *combo = qobject_cast<QComboBox *>(table->cellWidget(row, 0));
    auto *amount = qobject_cast<SmartAmountField *>(table->cellWidget(row, 1));
    if (!combo || !amount)
        return false;
    combo->setCurrentIndex(qMax(0, combo->findText(category)));
    amount->setMinorUnits(cents);
    table->item(row, 2)->setText(memo);
    return true;
}

FakePrompts::DialogStep acceptForm(const FormInput &input)
{
    return [input](QDialog *dialog) {
        if (!fillTransactionForm(dialog, input)) {
            qWarning() << "the transaction form lacks a field";
            return int(QDialog::Rejected);
        }
        return int(QDialog::Accepted);
    };
}

FakePrompts::DialogStep inspect(const std::function<void(QDialog *)> &look, int result)
{
    return [look, result](QDialog *dialog) {
        look(dialog);
        return result;
    };
}

SplitLine makeSplitLine(const QString &categoryId, qint64 amount, const QString &memo)
{
    SplitLine line;
    line.id = newRecordId();
    line.categoryId = categoryId;
    line.amount = amount;
    line.memo = memo;
    line.createdAt = QDateTime::currentDateTimeUtc();
    line.updatedAt = line.createdAt;
    return line;
}
