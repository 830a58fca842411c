#pragma once

#include "data/category.h"
#include "data/userwrite.h"

#include <QSet>
#include <QWidget>

#include <memory>
#include <optional>

class AppState;
class CategoryTreeModel;
class QLineEdit;
class QMenu;
class QSortFilterProxyModel;
class QTreeView;

// The category tree, searchable and sorted by name, where the user creates
// top-level categories and subcategories, edits and deletes them.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState *app, QWidget *parent = nullptr);

    // Re-reads the categories; rows expanded before stay expanded.
    void reload();
    void showContextMenu(const QPoint &pos);
    // The context menu for a position in the view (the caller owns it).
    std::unique_ptr<QMenu> contextMenuAt(const QPoint &pos);
    void createCategory(const QString &parentId);
    QSet<QString> saveExpandedState() const;
    void restoreExpandedState(const QSet<QString> &ids);

    QLineEdit *searchField() const { return m_searchEdit; }
    QTreeView *view() const { return m_view; }
    CategoryTreeModel *model() const { return m_model; }
    QSortFilterProxyModel *proxy() const { return m_proxy; }

public Q_SLOTS:
    void onCreateCategory();
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void onSearchTextChanged(const QString &text);
    // The category of the view's current row; nullopt without one.
    std::optional<Category> currentCategory() const;
    QString parentNameOf(const QString &parentId) const;
    void expandCategory(const QString &id);
    void collectExpanded(const QModelIndex &parent, QSet<QString> &ids) const;
    // The guarded writes (UserWrite): a new category only under a live
    // parent; an edit or delete only while the stored row is still the
    // shown copy. An edit writes the form's fields over the stored row, so
    // what a sync recorded meanwhile (its server id) stays.
    WriteResult insertCategory(const Category &category);
    WriteResult updateCategory(const Category &shown, const Category &typed);
    WriteResult deleteCategory(const Category &shown);
    // Tells the user the write was refused because the row shown changed,
    // and reloads; false for a result it does not explain.
    bool reportRefusal(WriteResult result);
    void reportFailure(const QString &title, const QString &text);
    // A form's save the store refused, with its reason when it gave one.
    void reportSaveFailure();

    AppState *m_app;
    QLineEdit *m_searchEdit = nullptr;
    QTreeView *m_view = nullptr;
    CategoryTreeModel *m_model = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
};
