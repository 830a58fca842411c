#include "register/splitlineswidget.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/recordid.h"
#include "register/categoryitems.h"
#include "register/registercombobox.h"
#include "register/smartamountfield.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { CategoryColumn = 0, AmountColumn = 1, MemoColumn = 2 };
}

SplitLinesWidget::SplitLinesWidget(AppState *app, Currency currency, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
    , m_currency(currency)
    , m_table(new QTableWidget(0, 3, this))
{
    m_categoryChoices.append({QString(), tr("(none)")});
    m_categoryChoices.append(categoryItems(app->categoryRepository()));

    m_table->setObjectName(QStringLiteral("splitTable"));
    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    m_table->horizontalHeader()->setSectionResizeMode(CategoryColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    m_table->setColumnWidth(AmountColumn, 120);
    m_table->verticalHeader()->hide();
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setMinimumHeight(180);
    connect(m_table, &QTableWidget::itemChanged, this, &SplitLinesWidget::changed);

    auto *addButton = new QPushButton(tr("+ Add Line"), this);
    addButton->setObjectName(QStringLiteral("addLineButton"));
    auto *removeButton = new QPushButton(tr("- Remove"), this);
    removeButton->setObjectName(QStringLiteral("removeLineButton"));
    connect(addButton, &QPushButton::clicked, this, &SplitLinesWidget::addLine);
    connect(removeButton, &QPushButton::clicked, this, &SplitLinesWidget::removeCurrentLine);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
}

void SplitLinesWidget::addLine()
{
    appendLine(m_total ? qMax<qint64>(0, *m_total - totalCents()) : 0);
    Q_EMIT changed();
}

void SplitLinesWidget::appendLine(qint64 amountCents)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto *category = new RegisterComboBox;
    for (const CategoryItem &item : std::as_const(m_categoryChoices))
        category->addItem(item.label, item.id);
    category->setItemCompleter(new QCompleter);
    // "(none)" is no text to type after: the box shows it greyed out and
    // the first letter typed starts the category name.
    showEmptyItemAsPlaceholder(category);
    m_table->setCellWidget(row, CategoryColumn, category);

    auto *amount = new SmartAmountField;
    amount->setCurrency(m_currency);
    amount->setRange(0, 99999999.99);
    amount->setPrefix(tr("$ "));
    amount->setMinorUnits(amountCents);
    connect(amount, &QDoubleSpinBox::valueChanged, this, &SplitLinesWidget::changed);
    m_table->setCellWidget(row, AmountColumn, amount);

    m_table->setItem(row, MemoColumn, new QTableWidgetItem);
}

void SplitLinesWidget::removeCurrentLine()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    Q_EMIT changed();
}

void SplitLinesWidget::setLines(const QList<SplitLine> &lines)
{
    m_table->setRowCount(0);
    for (const SplitLine &line : lines) {
        appendLine(qAbs(line.amount));
        const int row = m_table->rowCount() - 1;
        auto *category = static_cast<QComboBox *>(m_table->cellWidget(row, CategoryColumn));
        selectCategoryItem(category, m_app->categoryRepository(), line.categoryId);
        m_table->item(row, MemoColumn)->setText(line.memo);
    }
    if (lines.isEmpty()) {
        appendLine(0);
        appendLine(0);
    }
    Q_EMIT changed();
}

QList<SplitLine> SplitLinesWidget::lines(int sign) const
{
    QList<SplitLine> result;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const qint64 amount = lineAmount(row);
        if (amount == 0)
            continue;
        const auto *category = static_cast<QComboBox *>(m_table->cellWidget(row, CategoryColumn));
        SplitLine line;
        line.id = newRecordId();
        line.categoryId = chosenCategoryId(category, m_app->categoryRepository());
        line.amount = sign < 0 ? -amount : amount;
        line.memo = m_table->item(row, MemoColumn)->text();
        line.createdAt = now;
        line.updatedAt = now;
        result.append(line);
    }
    return result;
}

qint64 SplitLinesWidget::totalCents() const
{
    qint64 total = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        total += lineAmount(row);
    return total;
}

qint64 SplitLinesWidget::lineAmount(int row) const
{
    return amountField(row)->minorUnits();
}

SmartAmountField *SplitLinesWidget::amountField(int row) const
{
    return static_cast<SmartAmountField *>(m_table->cellWidget(row, AmountColumn));
}

void SplitLinesWidget::setTotal(std::optional<qint64> total)
{
    m_total = total;
}

QString SplitLinesWidget::unknownCategoryText() const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (lineAmount(row) == 0)
            continue;
        const auto *category = static_cast<QComboBox *>(m_table->cellWidget(row, CategoryColumn));
        const QString typed = unmatchedCategoryText(category, m_app->categoryRepository());
        if (!typed.isEmpty())
            return typed;
    }
    return QString();
}
