#include "register/registercolumnlayout.h"

#include "app/appstate.h"
#include "app/uiprefs.h"
#include "data/preferencesrepository.h"
#include "register/registermodel.h"

#include <QHeaderView>
#include <QTableView>

namespace {

const int kDefaultWidths[RegisterModel::ColumnCount] = {130, 60, 250, 180, 180, 100, 100, 35, 110};

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

} // namespace

QSettings registerSettings()
{
    return QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"));
}

RegisterColumnLayout::RegisterColumnLayout(AppState *app, QTableView *table, RegisterModel *model, QObject *parent)
    : QObject(parent)
    , m_app(app)
    , m_table(table)
{
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int newSize) {
        // A hidden column reports width 0; keeping that would lose its width.
        if (m_restoring || newSize <= 0)
            return;
        registerSettings().setValue(widthKey(column), newSize);
    });
    connect(model, &RegisterModel::sortChanged, this, [](int column, Qt::SortOrder order) {
        QSettings settings = registerSettings();
        settings.setValue(QStringLiteral("register/sortColumn"), column);
        settings.setValue(QStringLiteral("register/sortOrder"), int(order));
    });
    connect(app->preferencesRepository(), &PreferencesRepository::changed, this, [this](const QString &key) {
        if (key != QLatin1String("registerNewestFirst"))
            return;
        const bool newestFirst = m_app->preferencesRepository()->boolValue(key, false);
        m_table->sortByColumn(RegisterModel::DateColumn, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
}

void RegisterColumnLayout::restore()
{
    QSettings settings = registerSettings();
    const bool showBalance = m_app->preferencesRepository()->boolValue(QStringLiteral("registerShowBalance"), true);
    m_restoring = true;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        m_table->setColumnWidth(column, settings.value(widthKey(column), defaultWidth(column)).toInt());
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        bool hidden = settings.value(hiddenKey(column), false).toBool();
        if (column == RegisterModel::DateColumn)
            hidden = false;
        else if (column == RegisterModel::BalanceColumn)
            hidden = !showBalance;
        m_table->setColumnHidden(column, hidden);
    }
    m_restoring = false;

    int column = RegisterModel::DateColumn;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (settings.contains(QStringLiteral("register/sortColumn"))) {
        column = settings.value(QStringLiteral("register/sortColumn")).toInt();
        if (column < 0 || column >= RegisterModel::ColumnCount)
            column = RegisterModel::DateColumn;
        order = settings.value(QStringLiteral("register/sortOrder"), 0).toInt() == int(Qt::DescendingOrder)
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
    } else if (m_app->preferencesRepository()->boolValue(QStringLiteral("registerNewestFirst"), false)) {
        order = Qt::DescendingOrder;
    }
    m_table->sortByColumn(column, order);
}

void RegisterColumnLayout::reset()
{
    QSettings settings = registerSettings();
    settings.remove(QStringLiteral("register"));
    settings.sync();
    restore();
}

void RegisterColumnLayout::setColumnVisible(int column, bool visible)
{
    if (column == RegisterModel::BalanceColumn) {
        m_app->preferencesRepository()->setBool(QStringLiteral("registerShowBalance"), visible);
        return;
    }
    m_table->setColumnHidden(column, !visible);
    registerSettings().setValue(hiddenKey(column), !visible);
}

bool RegisterColumnLayout::isHiddenInSettings(int column) const
{
    return registerSettings().value(hiddenKey(column), false).toBool();
}

int RegisterColumnLayout::defaultWidth(int column)
{
    const int scale = UiPrefs::fontScalePercent();
    return scale > 100 ? kDefaultWidths[column] * scale / 100 : kDefaultWidths[column];
}
