#pragma once

#include "data/category.h"

#include <QAbstractItemModel>

#include <memory>
#include <vector>

// The category hierarchy as a tree of any depth: Category, Type and Tax
// Code columns. A category whose parent is not in the list stands at the
// top level. Read-only: the categories screen edits through the repository
// and rebuilds the tree.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn = 0, TypeColumn = 1, TaxCodeColumn = 2, ColumnCount = 3 };

    explicit CategoryTreeModel(QObject *parent = nullptr);
    ~CategoryTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The category type's stored word as the list shows it, in the user's language.
    static QString typeText(CategoryType type);

    Category categoryAt(const QModelIndex &index) const;
    QModelIndex indexForId(const QString &id) const;

    // Replaces the whole tree with the given categories.
    void setCategories(QList<Category> categories);
    // Builds the tree; runs between the begin and end of a model reset.
    void rebuild(QList<Category> categories);

private:
    struct Node
    {
        Category category;
        std::vector<std::unique_ptr<Node>> children;
        Node *parent = nullptr;
        int row = 0;
    };

    Node *nodeAt(const QModelIndex &index) const;
    static void adopt(Node *parent, std::unique_ptr<Node> child);
    static void dismantle(std::unique_ptr<Node> root);
    // Points one category of each parent loop at the top level instead.
    static void cutLoops(const std::vector<std::unique_ptr<Node>> &nodes, const std::vector<size_t> &kept,
                         std::vector<size_t> &parentOf);

    std::unique_ptr<Node> m_root;
};
