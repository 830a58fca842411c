#include "ui/registercolumnfit.h"

#include "register/registercolumnlayout.h"
#include "register/registermodel.h"

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

bool RegisterColumnFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        fit();
    return QObject::eventFilter(watched, event);
}

void RegisterColumnFit::fit()
{
    const int available = m_table->viewport()->width();
    if (m_fitting || available < 1 || anyWidthStored())
        return;
    QHeaderView *header = m_table->horizontalHeader();
    const int count = header->count();
    QList<int> widths;
    QList<int> defaults;
    QList<bool> hidden;
    QList<int> minimums;
    for (int column = 0; column < count; ++column) {
        widths.append(header->sectionSize(column));
        defaults.append(RegisterColumnLayout::defaultWidth(column));
        hidden.append(header->isSectionHidden(column));
        minimums.append(headerTextWidth(column));
    }
    const QList<int> shrinkable{RegisterModel::PayeeColumn, RegisterModel::CategoryColumn,
                                RegisterModel::MemoColumn};
    // Fitting from the defaults, not from the last fit, lets the columns
    // grow back when the window does.
    QList<int> fitted = fittedWidths(defaults, hidden, minimums, shrinkable, available);
    // A hidden column reads 0 wide; it keeps the width it will show with.
    for (int column = 0; column < count; ++column) {
        if (hidden.at(column))
            fitted[column] = widths.at(column);
    }
    if (fitted == widths)
        return;

    m_fitting = true;
    for (int column = 0; column < count; ++column) {
        if (fitted.at(column) != widths.at(column))
            m_table->setColumnWidth(column, fitted.at(column));
    }
    // The register keeps every width it sees; these are not the user's.
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    for (int column = 0; column < count; ++column)
        settings.remove(widthKey(column));
    m_fitting = false;
}

bool RegisterColumnFit::anyWidthStored() const
{
    QSettings settings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
    const int count = m_table->horizontalHeader()->count();
    for (int column = 0; column < count; ++column) {
        if (settings.contains(widthKey(column)))
            return true;
    }
    return false;
}

int RegisterColumnFit::headerTextWidth(int column) const
{
    QHeaderView *header = m_table->horizontalHeader();
    const QString text = m_table->model()->headerData(column, Qt::Horizontal).toString();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    return header->fontMetrics().horizontalAdvance(text) + 3 * margin + mark;
}
