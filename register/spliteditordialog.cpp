#include "register/spliteditordialog.h"

#include "register/splitlineswidget.h"
#include "register/transactionactions.h"
#include "ui/palettehelpers.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

SplitEditorDialog::SplitEditorDialog(AppState *app, qint64 parentAmount, const QList<SplitLine> &lines,
    Currency currency, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_parentAmount(parentAmount)
    , m_currency(currency)
    , m_remainingLabel(new QLabel(this))
    , m_linesWidget(new SplitLinesWidget(app, currency, this))
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);

    auto *totalLabel = new QLabel(tr("Total: %1").arg(TransactionActions::dollarText(qAbs(parentAmount), currency)), this);
    totalLabel->setObjectName(QStringLiteral("totalLabel"));
    m_remainingLabel->setObjectName(QStringLiteral("remainingLabel"));
    applyFontRoleWithWeight(m_remainingLabel, 0, QFont::Bold);

    auto *top = new QHBoxLayout;
    top->addWidget(totalLabel);
    top->addStretch();
    top->addWidget(m_remainingLabel);

    m_linesWidget->setObjectName(QStringLiteral("splitLinesWidget"));
    connect(m_linesWidget, &SplitLinesWidget::changed, this, &SplitEditorDialog::updateRemaining);
    // A line added starts at what is still to assign; typing the lines
    // never changes the transaction's total.
    if (parentAmount != 0)
        m_linesWidget->setTotal(qAbs(parentAmount));
    m_linesWidget->setLines(lines);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_linesWidget, 1);
    layout->addWidget(buttons);

    updateRemaining();
}

QList<SplitLine> SplitEditorDialog::splitLines() const
{
    return m_linesWidget->lines(m_parentAmount < 0 ? -1 : 1);
}

QString SplitEditorDialog::entryProblem() const
{
    const QString unknown = m_linesWidget->unknownCategoryText();
    if (!unknown.isEmpty())
        return tr("\"%1\" does not name one category. Choose one from the list, or clear the line's category.").arg(unknown);
    const QList<SplitLine> lines = splitLines();
    const bool uncategorized = std::any_of(lines.cbegin(), lines.cend(),
        [](const SplitLine &line) { return line.categoryId.isEmpty(); });
    return uncategorized ? tr("Choose a category for every split line.") : QString();
}

void SplitEditorDialog::done(int result)
{
    if (result == QDialog::Accepted && TransactionActions::refuseEntryProblem(entryProblem(), this))
        return;
    QDialog::done(result);
}

void SplitEditorDialog::updateRemaining()
{
    const qint64 remaining = qAbs(m_parentAmount) - m_linesWidget->totalCents();
    m_remainingLabel->setText(tr("Remaining: %1").arg(TransactionActions::dollarText(remaining, m_currency)));
    // Green when all is assigned, red when over; lightened on dark.
    setThemedStyleSheet(m_remainingLabel, [remaining] {
        const bool dark = isDarkPalette();
        if (remaining == 0)
            return QStringLiteral("color: %1;").arg(dark ? positiveAmountColor().name() : QStringLiteral("#008000"));
        if (remaining < 0)
            return QStringLiteral("color: %1;").arg(dark ? negativeAmountColor().name() : QStringLiteral("#cc0000"));
        return QString();
    });
}
