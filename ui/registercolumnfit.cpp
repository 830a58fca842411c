#include "ui/registercolumnfit.h"

#include "data/money.h"
#include "register/dateentry.h"
#include "register/registercolumnlayout.h"
#include "register/registermodel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTableView>
#include <QTimer>

namespace {

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

} // namespace

RegisterColumnFit::RegisterColumnFit(QTableView *table, QObject *parent)
    : QObject(parent)
    , m_table(table)
{
    m_table->viewport()->installEventFilter(this);
    // A reset of the layout brings the defaults back; fit them again.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!m_fitting)
            QTimer::singleShot(0, this, &RegisterColumnFit::fit);
    });
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
        [this] { QTimer::singleShot(0, this, &RegisterColumnFit::fit); });
    // Other rows may need other widths for their dates and amounts.
    if (m_table->model()) {
        connect(m_table->model(), &QAbstractItemModel::modelReset, this,
            [this] { QTimer::singleShot(0, this, &RegisterColumnFit::fit); });
    }
}

QList<int> RegisterColumnFit::fittedWidths(const QList<int> &widths, const QList<bool> &hidden,
                                           const QList<int> &minimums, const QList<int> &shrinkable, int available)
{
    QList<int> result = widths;
    int total = 0;
    for (int column = 0; column < widths.size(); ++column)
        total += hidden.value(column) ? 0 : widths.at(column);
    int excess = total - available;
    if (excess <= 0)
        return result;

    // Each pass takes the excess in proportion to what every column can
    // still give; columns stopped at their minimum leave the rest to others.
    for (int pass = 0; pass < 4 && excess > 0; ++pass) {
        int room = 0;
        for (int column : shrinkable) {
            if (!hidden.value(column))
                room += std::max(0, result.at(column) - minimums.value(column));
        }
        if (room <= 0)
            break;
        const int take = std::min(excess, room);
        int taken = 0;
        for (int column : shrinkable) {
            if (hidden.value(column))
                continue;
            const int canGive = std::max(0, result.at(column) - minimums.value(column));
            const int share = int((qint64(take) * canGive + room - 1) / room);
            const int given = std::min({share, canGive, take - taken});
            result[column] -= given;
            taken += given;
        }
        excess -= taken;
    }
    return result;
}

QList<int> RegisterColumnFit::filledWidths(const QList<int> &widths, const QList<bool> &hidden,
                                           const QList<bool> &fixed, const QList<int> &fillers, int available)
{
    QList<int> result = widths;
    int total = 0;
    for (int column = 0; column < widths.size(); ++column)
        total += hidden.value(column) ? 0 : widths.at(column);
    const int spare = available - total;
    if (spare <= 0)
        return result;
    for (int column : fillers) {
        if (!hidden.value(column) && !fixed.value(column)) {
            result[column] += spare;
            break;
        }
    }
    return result;
}

bool RegisterColumnFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        fit();
    return QObject::eventFilter(watched, event);
}

void RegisterColumnFit::fit()
{
    const int available = m_table->viewport()->width();
    if (m_fitting || available < 1 || !m_table->model())
        return;
    QHeaderView *header = m_table->horizontalHeader();
    const int count = header->count();
    QList<int> widths;
    QList<int> base;
    QList<bool> hidden;
    QList<bool> stored;
    QList<int> minimums;
    for (int column = 0; column < count; ++column) {
        widths.append(header->sectionSize(column));
        hidden.append(header->isSectionHidden(column));
        stored.append(widthStored(column));
        minimums.append(minimumWidth(column));
        // Fitting from the defaults, not from the last fit, lets the
        // columns follow the window both ways.
        base.append(stored.last() ? widths.last()
                                  : qMax(RegisterColumnLayout::defaultWidth(column), minimums.last()));
    }
    const auto notStored = [&stored](std::initializer_list<int> columns) {
        QList<int> result;
        for (int column : columns) {
            if (!stored.at(column))
                result.append(column);
        }
        return result;
    };
    // Short of room, the columns of dates, numbers and amounts give up
    // what their content does not need first, then Memo, and only then
    // Payee and Category, which are what a person reads a register by.
    const QList<int> contentSized = notStored({RegisterModel::DateColumn, RegisterModel::CheckNumberColumn,
        RegisterModel::PaymentColumn, RegisterModel::DepositColumn, RegisterModel::ClearedColumn,
        RegisterModel::BalanceColumn});
    QList<int> contentMinimums = minimums;
    for (int column : contentSized)
        contentMinimums[column] = qMax(minimums.at(column), contentWidth(column));
    const QList<int> fillers{RegisterModel::PayeeColumn, RegisterModel::MemoColumn, RegisterModel::CategoryColumn};
    QList<int> fitted = fittedWidths(base, hidden, contentMinimums, contentSized, available);
    fitted = fittedWidths(fitted, hidden, minimums, notStored({RegisterModel::MemoColumn}), available);
    fitted = fittedWidths(fitted, hidden, minimums,
        notStored({RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn}), available);
    fitted = filledWidths(fitted, hidden, stored, fillers, available);
    // A hidden column reads 0 wide; it keeps the width it will show with.
    for (int column = 0; column < count; ++column) {
        if (hidden.at(column) || stored.at(column))
            fitted[column] = widths.at(column);
    }
    if (fitted == widths)
        return;

    m_fitting = true;
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    for (int column = 0; column < count; ++column) {
        if (fitted.at(column) == widths.at(column))
            continue;
        m_table->setColumnWidth(column, fitted.at(column));
        // The register keeps every width it sees; this one is not the user's.
        settings.remove(widthKey(column));
    }
    m_fitting = false;
}

bool RegisterColumnFit::widthStored(int column) const
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    return settings.contains(widthKey(column));
}

int RegisterColumnFit::minimumWidth(int column) const
{
    // The placeholders the model shows in the new row: the same source
    // texts in its context, so the same translations.
    static const char *const kPlaceholders[] = {
        QT_TRANSLATE_NOOP("RegisterModel", "Date"), QT_TRANSLATE_NOOP("RegisterModel", "Chk #"),
        QT_TRANSLATE_NOOP("RegisterModel", "Payee"), QT_TRANSLATE_NOOP("RegisterModel", "Category"),
        QT_TRANSLATE_NOOP("RegisterModel", "Memo"), QT_TRANSLATE_NOOP("RegisterModel", "Payment"),
        QT_TRANSLATE_NOOP("RegisterModel", "Deposit"), QT_TRANSLATE_NOOP("RegisterModel", "Clr")};
    QHeaderView *header = m_table->horizontalHeader();
    const QString title = m_table->model()->headerData(column, Qt::Horizontal).toString();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    // Only the column the rows are sorted by shows the sort mark.
    const bool marked = header->isSortIndicatorShown() && header->sortIndicatorSection() == column;
    int width = header->fontMetrics().horizontalAdvance(title) + 2 * margin + (marked ? margin + mark : 0);
    if (column < int(std::size(kPlaceholders))) {
        const QString placeholder = QCoreApplication::translate("RegisterModel", kPlaceholders[column]);
        width = qMax(width, textWidth(placeholder));
    }
    return width;
}

int RegisterColumnFit::contentWidth(int column) const
{
    // The widest text such a column shows in a common register, and what
    // the rows on screen show; a wider amount further down is elided.
    int width = 0;
    switch (column) {
    case RegisterModel::DateColumn:
        // The date editor reaches over the next column for its button.
        width = textWidth(entryDateText(QDate(QDate::currentDate().year(), 12, 28)));
        break;
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
        width = textWidth(formatAmount(8888888));
        break;
    case RegisterModel::BalanceColumn:
        width = textWidth(formatAmountSigned(8888888, true));
        break;
    default:
        break;
    }
    if (m_table->isVisible())
        width = qMax(width, static_cast<const QAbstractItemView *>(m_table)->sizeHintForColumn(column));
    return width;
}

int RegisterColumnFit::textWidth(const QString &text) const
{
    // A cell's text sits inside the focus frame margin on both sides.
    const int margin = m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1;
    return QFontMetrics(m_table->font()).horizontalAdvance(text) + 2 * margin + 4;
}
