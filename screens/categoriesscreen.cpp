#include "screens/categoriesscreen.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "register/writeresultprompt.h"
#include "register/userprompts.h"
#include "screens/categoryfilterproxy.h"
#include "screens/categorytreemodel.h"
#include "screens/screentext.h"
#include "ui/categoryformdialog.h"
#include "ui/palettehelpers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

CategoriesScreen::CategoriesScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Categories"), this);
    applyFontRoleWithWeight(title, 4, 700);
    header->addWidget(title);
    header->addStretch();
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setPlaceholderText(tr("Search categories..."));
    m_searchEdit->setClearButtonEnabled(true);
    m_searchEdit->setMaximumWidth(280);
    header->addWidget(m_searchEdit);
    auto *newButton = new QPushButton(tr("+ New Category"), this);
    newButton->setObjectName(QStringLiteral("newCategoryButton"));
    header->addWidget(newButton);
    layout->addLayout(header);

    m_model = new CategoryTreeModel(this);
    m_proxy = new CategoryFilterProxy(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(CategoryTreeModel::NameColumn);

    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("categoryTree"));
    m_view->setModel(m_proxy);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setUniformRowHeights(true);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CategoryTreeModel::NameColumn, Qt::AscendingOrder);
    m_view->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    layout->addWidget(m_view, 1);

    connect(newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_searchEdit, &QLineEdit::textChanged, this, &CategoriesScreen::onSearchTextChanged);
    connect(m_view, &QWidget::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);
}

void CategoriesScreen::onSearchTextChanged(const QString &text)
{
    m_proxy->setFilterFixedString(text);
    if (text.isEmpty())
        m_view->collapseAll();
    else
        m_view->expandAll();
}

void CategoriesScreen::reload()
{
    const QSet<QString> expanded = saveExpandedState();
    m_model->setCategories(m_app->categoryRepository()->listAll());
    restoreExpandedState(expanded);
}

QSet<QString> CategoriesScreen::saveExpandedState() const
{
    QSet<QString> ids;
    collectExpanded(QModelIndex(), ids);
    return ids;
}

void CategoriesScreen::collectExpanded(const QModelIndex &parent, QSet<QString> &ids) const
{
    const int rows = m_proxy->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        // Only expanded rows are walked into: sorting the rows below every
        // collapsed one would cost more than the reload itself.
        const QModelIndex index = m_proxy->index(row, 0, parent);
        if (!m_view->isExpanded(index) || !m_proxy->hasChildren(index))
            continue;
        ids.insert(m_model->categoryAt(m_proxy->mapToSource(index)).id);
        collectExpanded(index, ids);
    }
}

void CategoriesScreen::restoreExpandedState(const QSet<QString> &ids)
{
    for (const QString &id : ids)
        expandCategory(id);
}

void CategoriesScreen::expandCategory(const QString &id)
{
    const QModelIndex source = m_model->indexForId(id);
    if (!source.isValid())
        return;
    const QModelIndex shown = m_proxy->mapFromSource(source);
    if (shown.isValid())
        m_view->expand(shown);
}

std::unique_ptr<QMenu> CategoriesScreen::contextMenuAt(const QPoint &pos)
{
    auto menu = std::make_unique<QMenu>(this);
    connect(menu->addAction(tr("&New Category")), &QAction::triggered, this, &CategoriesScreen::onCreateCategory);
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid()) {
        const Category category = m_model->categoryAt(m_proxy->mapToSource(index));
        if (category.parentId.isEmpty()) {
            connect(menu->addAction(tr("Add &Subcategory")), &QAction::triggered, this,
                &CategoriesScreen::onCreateSubcategory);
        }
        menu->addSeparator();
        connect(menu->addAction(tr("&Edit")), &QAction::triggered, this, &CategoriesScreen::onEditCategory);
        connect(menu->addAction(tr("&Delete")), &QAction::triggered, this, &CategoriesScreen::onDeleteCategory);
    }
    return menu;
}

void CategoriesScreen::showContextMenu(const QPoint &pos)
{
    const std::unique_ptr<QMenu> menu = contextMenuAt(pos);
    menu->exec(m_view->viewport()->mapToGlobal(pos));
}

std::optional<Category> CategoriesScreen::currentCategory() const
{
    const QModelIndex index = m_view->currentIndex();
    if (!index.isValid())
        return std::nullopt;
    return m_model->categoryAt(m_proxy->mapToSource(index));
}

QString CategoriesScreen::parentNameOf(const QString &parentId) const
{
    if (parentId.isEmpty())
        return QString();
    const std::optional<Category> parent = m_app->categoryRepository()->findById(parentId);
    return parent ? parent->name : QString();
}

void CategoriesScreen::reportFailure(const QString &title, const QString &text)
{
    UserPrompts::current()->warning(this, title, plainTextMessage(text));
}

void CategoriesScreen::reportSaveFailure()
{
    const QString reason = WriteResultPrompt::failureReason(m_app->database());
    reportFailure(tr("Save Failed"),
        reason.isEmpty()
            ? tr("The category could not be saved, so nothing was changed.\n\nYour entries are still in the form.")
            : tr("The category could not be saved: %1. Nothing was changed.\n\nYour entries are still in the form.")
                  .arg(reason));
}

void CategoriesScreen::createCategory(const QString &parentId)
{
    CategoryFormDialog dialog(parentId, parentNameOf(parentId), this);
    // A failed save reopens the form with everything typed in it.
    while (UserPrompts::current()->runDialog(&dialog) == QDialog::Accepted) {
        const Category category = dialog.category();
        if (category.name.isEmpty())
            return;
        const WriteResult result = insertCategory(category);
        if (result == WriteResult::Written) {
            reload();
            if (!parentId.isEmpty())
                expandCategory(parentId);
            return;
        }
        if (reportRefusal(result))
            return;
        reportSaveFailure();
    }
}

void CategoriesScreen::onCreateCategory()
{
    createCategory(QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const std::optional<Category> category = currentCategory();
    if (category && category->parentId.isEmpty())
        createCategory(category->id);
}

WriteResult CategoriesScreen::insertCategory(const Category &category)
{
    UserWrite guard(m_app->database());
    if (guard.expectLiveParent(m_app->categoryRepository(), category.parentId))
        guard.finish(m_app->categoryRepository()->insert(category));
    return guard.result();
}

WriteResult CategoriesScreen::updateCategory(const Category &shown, const Category &typed)
{
    CategoryRepository *categories = m_app->categoryRepository();
    UserWrite guard(m_app->database());
    if (!guard.expectUnchanged(categories, shown))
        return guard.result();
    // The form moves no category: a child whose parent was deleted stays
    // where it is and can still be edited.
    Category updated = *guard.storedCategory();
    updated.name = typed.name;
    updated.type = typed.type;
    updated.isTaxRelevant = typed.isTaxRelevant;
    updated.taxCategory = typed.taxCategory;
    markEdited(updated);
    guard.finish(categories->update(updated));
    return guard.result();
}

WriteResult CategoriesScreen::deleteCategory(const Category &shown)
{
    UserWrite guard(m_app->database());
    if (guard.expectUnchanged(m_app->categoryRepository(), shown))
        guard.finish(m_app->categoryRepository()->softDelete(shown.id));
    return guard.result();
}

bool CategoriesScreen::reportRefusal(WriteResult result)
{
    if (!WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Category, this))
        return false;
    reload();
    return true;
}

void CategoriesScreen::onEditCategory()
{
    // A copy: the reload after a save replaces the model's nodes.
    const std::optional<Category> shown = currentCategory();
    if (!shown)
        return;
    CategoryFormDialog dialog(*shown, parentNameOf(shown->parentId), this);
    while (UserPrompts::current()->runDialog(&dialog) == QDialog::Accepted) {
        const Category typed = dialog.category();
        if (typed.name.isEmpty())
            return;
        const WriteResult result = updateCategory(*shown, typed);
        if (result == WriteResult::Written) {
            reload();
            return;
        }
        if (reportRefusal(result))
            return;
        reportSaveFailure();
    }
}

void CategoriesScreen::onDeleteCategory()
{
    const std::optional<Category> shown = currentCategory();
    if (!shown)
        return;
    const QString question =
        tr("Delete \"%1\"? Transactions using this category will become uncategorized.").arg(shown->name);
    if (!UserPrompts::current()->askYesNo(this, tr("Delete Category"), plainTextMessage(question)))
        return;
    const WriteResult result = deleteCategory(*shown);
    if (reportRefusal(result))
        return;
    if (result == WriteResult::Failed) {
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        reportFailure(tr("Delete Failed"),
            reason.isEmpty() ? tr("\"%1\" could not be deleted.").arg(shown->name)
                             : tr("\"%1\" could not be deleted: %2.").arg(shown->name, reason));
    }
    reload();
}
