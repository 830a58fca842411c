#include "screens/categorytreemodel.h"

#include "data/categoryrepository.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStack>

#include <map>

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

CategoryTreeModel::Node *CategoryTreeModel::nodeAt(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : m_root.get();
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *node = nodeAt(parent);
    if (row < 0 || row >= int(node->children.size()) || column < 0)
        return QModelIndex();
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    const Node *parent = nodeAt(index)->parent;
    if (!parent || parent == m_root.get())
        return QModelIndex();
    return createIndex(parent->row, 0, const_cast<Node *>(parent));
}

int CategoryTreeModel::rowCount(const QModelIndex &parent) const
{
    // Only the first column has children, as views expect of a tree.
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(nodeAt(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Node *node = nodeAt(index);
    const Category &category = node->category;
    switch (index.column()) {
    case NameColumn:
        if (role == Qt::DisplayRole)
            return category.name;
        if (role == Qt::FontRole && !node->children.empty()) {
            // Only the weight: the view's own (scaled) font supplies the rest.
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        break;
    case TypeColumn:
        // The stored word, untranslated; a type outside the list reads as "expense".
        if (role == Qt::DisplayRole)
            return CategoryRepository::categoryTypeToString(category.type);
        if (role == Qt::ForegroundRole && category.type == CategoryType::Income)
            return QColor(0, 136, 0);
        break;
    case TaxCodeColumn:
        if (role == Qt::DisplayRole)
            return category.isTaxRelevant ? category.taxCategory : QString();
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    default:
        return QVariant();
    }
}

Category CategoryTreeModel::categoryAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return Category();
    return nodeAt(index)->category;
}

QModelIndex CategoryTreeModel::indexForId(const QString &id) const
{
    if (id.isEmpty())
        return QModelIndex();
    QStack<const Node *> pending;
    pending.push(m_root.get());
    while (!pending.isEmpty()) {
        const Node *node = pending.pop();
        for (const std::unique_ptr<Node> &child : node->children) {
            if (child->category.id == id)
                return createIndex(child->row, 0, child.get());
            pending.push(child.get());
        }
    }
    return QModelIndex();
}

void CategoryTreeModel::setCategories(const QList<Category> &categories)
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    rebuild(categories);
    endResetModel();
}

void CategoryTreeModel::adopt(Node *parent, std::unique_ptr<Node> child)
{
    child->parent = parent;
    child->row = int(parent->children.size());
    parent->children.push_back(std::move(child));
}

void CategoryTreeModel::rebuild(const QList<Category> &categories)
{
    std::map<QString, std::unique_ptr<Node>> byId;
    for (const Category &category : categories) {
        auto node = std::make_unique<Node>();
        node->category = category;
        byId[category.id] = std::move(node);
    }
    QHash<QString, Node *> nodes;
    nodes.reserve(int(byId.size()));
    for (const auto &entry : byId)
        nodes.insert(entry.first, entry.second.get());

    for (auto &entry : byId) {
        Node *node = entry.second.get();
        const QString &parentId = node->category.parentId;
        Node *parent = parentId.isEmpty() ? nullptr : nodes.value(parentId, nullptr);
        // Parent ids come from other devices too: a category that would
        // become its own ancestor stands at the top level instead of
        // vanishing with its loop.
        for (const Node *ancestor = parent; ancestor; ancestor = ancestor->parent) {
            if (ancestor == node) {
                parent = nullptr;
                break;
            }
        }
        adopt(parent ? parent : m_root.get(), std::move(entry.second));
    }
}
