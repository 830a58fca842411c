#include "register/transactiondetailsdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/transactionactions.h"
#include "register/userprompts.h"
#include "ui/palettehelpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *valueLabel(const QString &text, bool dimmed = false)
{
    auto *label = new QLabel(text.isEmpty() ? QStringLiteral("—") : text);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (dimmed)
        label->setStyleSheet(mutedTextStyle());
    return label;
}

QFrame *sunkenLine()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString timeText(const QDateTime &time)
{
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::LongFormat) : QStringLiteral("—");
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(AppState *app, const Transaction &transaction, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_transaction(transaction)
    , m_currency(TransactionActions::accountCurrency(app, transaction.accountId))
{
    setWindowTitle(tr("Transaction Details"));
    buildContent();
    setMinimumWidth(480);
    setMinimumHeight(420);
}

void TransactionDetailsDialog::buildContent()
{
    const Transaction &t = m_transaction;
    auto *layout = new QVBoxLayout(this);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);

    form->addRow(tr("Date:"), valueLabel(QLocale().toString(t.date, QLocale::LongFormat)));
    form->addRow(tr("Payee:"), valueLabel(t.payee));

    const QString magnitude = TransactionActions::dollarText(qAbs(t.amount), m_currency);
    QLabel *amount = valueLabel(t.amount < 0 ? QStringLiteral("- %1").arg(magnitude) : magnitude);
    amount->setObjectName(QStringLiteral("amountValue"));
    const bool negative = t.amount < 0;
    setThemedStyleSheet(amount, [negative] {
        const QColor color = negative ? negativeAmountColor() : positiveAmountColor();
        return QStringLiteral("color: %1; font-weight: 600;").arg(color.name());
    });
    form->addRow(tr("Amount:"), amount);

    QLabel *category = t.isSplit ? valueLabel(tr("—Split—"), true)
                                 : valueLabel(m_app->categoryRepository()->fullName(t.categoryId));
    category->setObjectName(QStringLiteral("categoryValue"));
    form->addRow(tr("Category:"), category);

    QLabel *memo = valueLabel(t.memo);
    memo->setWordWrap(true);
    form->addRow(tr("Memo:"), memo);
    form->addRow(tr("Check #:"), valueLabel(t.checkNumber));

    if (!t.transferDestAccountId.isEmpty()) {
        const std::optional<Account> other = m_app->accountRepository()->findById(t.transferDestAccountId);
        QLabel *transfer = valueLabel(other ? other->name : t.transferDestAccountId);
        transfer->setObjectName(QStringLiteral("transferValue"));
        form->addRow(tr("Transfer to:"), transfer);
    }

    m_statusLabel = valueLabel(statusText());
    m_statusLabel->setObjectName(QStringLiteral("statusValue"));
    form->addRow(tr("Status:"), m_statusLabel);
    layout->addLayout(form);

    if (t.isSplit)
        addSplitLines(layout);

    layout->addSpacing(12);
    layout->addWidget(sunkenLine());
    layout->addSpacing(8);

    for (const QString &text : {tr("Entered: %1").arg(timeText(t.createdAt)),
             tr("Last modified: %1").arg(timeText(t.updatedAt))}) {
        QLabel *stamp = valueLabel(text, true);
        applyFontRole(stamp, 2);
        layout->addWidget(stamp);
    }

    layout->addSpacing(12);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *edit = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("editButton"));
    connect(edit, &QPushButton::clicked, this, [this] {
        m_editRequested = true;
        accept();
    });
    QPushButton *duplicate = buttons->addButton(tr("Duplicate..."), QDialogButtonBox::ActionRole);
    duplicate->setObjectName(QStringLiteral("duplicateButton"));
    connect(duplicate, &QPushButton::clicked, this, [this] {
        m_duplicateRequested = true;
        accept();
    });
    if (!t.reconciled) {
        m_clearedButton = buttons->addButton(clearedButtonText(), QDialogButtonBox::ActionRole);
        m_clearedButton->setObjectName(QStringLiteral("clearedButton"));
        connect(m_clearedButton, &QPushButton::clicked, this, &TransactionDetailsDialog::toggleCleared);
    }
    QPushButton *remove = buttons->addButton(tr("Delete..."), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("deleteButton"));
    connect(remove, &QPushButton::clicked, this, &TransactionDetailsDialog::deleteTransaction);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TransactionDetailsDialog::addSplitLines(QVBoxLayout *layout)
{
    layout->addSpacing(12);
    auto *heading = new QLabel(tr("Split lines"));
    applyFontRoleWithWeight(heading, 3, 600);
    layout->addWidget(heading);

    const QList<SplitLine> lines = m_app->splitLineRepository()->listByTransaction(m_transaction.id);
    if (lines.isEmpty()) {
        QLabel *none = valueLabel(tr("(no split lines on record)"), true);
        none->setObjectName(QStringLiteral("noSplitLines"));
        layout->addWidget(none);
        return;
    }

    auto *grid = new QGridLayout;
    grid->setContentsMargins(16, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    int row = 0;
    qint64 total = 0;
    for (const SplitLine &line : lines) {
        total += line.amount;
        const QString name = line.categoryId.isEmpty() ? QString() : m_app->categoryRepository()->fullName(line.categoryId);
        grid->addWidget(valueLabel(name.isEmpty() ? tr("(uncategorized)") : name), row, 0);
        QLabel *amount = valueLabel(TransactionActions::dollarText(qAbs(line.amount), m_currency));
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        applyFontRole(amount, 7);
        grid->addWidget(amount, row, 1);
        ++row;
        if (!line.memo.isEmpty()) {
            QLabel *memo = valueLabel(line.memo, true);
            memo->setWordWrap(true);
            applyFontRole(memo, 2);
            memo->setContentsMargins(16, 0, 0, 4);
            grid->addWidget(memo, row, 0, 1, 2);
            ++row;
        }
    }
    grid->addWidget(sunkenLine(), row++, 0, 1, 2);
    auto *totalCaption = new QLabel(tr("Total"));
    applyFontRoleWithWeight(totalCaption, 0, 600);
    grid->addWidget(totalCaption, row, 0);
    QLabel *totalValue = valueLabel(TransactionActions::dollarText(qAbs(total), m_currency));
    totalValue->setObjectName(QStringLiteral("splitTotalValue"));
    totalValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyFontRoleWithWeight(totalValue, 7, 600);
    grid->addWidget(totalValue, row, 1);
    layout->addLayout(grid);
}

void TransactionDetailsDialog::toggleCleared()
{
    // Whether written or refused (the row changed meanwhile), show what is
    // stored now.
    TransactionActions::toggleCleared(m_app, m_transaction, this);
    if (const std::optional<Transaction> stored = m_app->transactionRepository()->findById(m_transaction.id))
        m_transaction = *stored;
    m_statusLabel->setText(statusText());
    m_clearedButton->setText(clearedButtonText());
    m_clearedButton->setVisible(!m_transaction.reconciled);
}

void TransactionDetailsDialog::deleteTransaction()
{
    if (!TransactionActions::confirmDelete(m_app, m_transaction, this))
        return;
    m_deleted = true;
    accept();
}

QString TransactionDetailsDialog::statusText() const
{
    if (m_transaction.reconciled)
        return tr("Reconciled");
    return m_transaction.cleared ? tr("Cleared") : tr("Uncleared");
}

QString TransactionDetailsDialog::clearedButtonText() const
{
    return m_transaction.cleared ? tr("Mark Uncleared") : tr("Mark Cleared");
}

void TransactionDetailsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        layout()->invalidate();
        adjustSize();
    });
}
