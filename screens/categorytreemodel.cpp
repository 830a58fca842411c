#include "screens/categorytreemodel.h"

#include "data/categoryrepository.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStack>

#include <algorithm>

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

void CategoryTreeModel::setCategories(QList<Category> categories)
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    rebuild(std::move(categories));
    endResetModel();
}

void CategoryTreeModel::adopt(Node *parent, std::unique_ptr<Node> child)
{
    child->parent = parent;
    child->row = int(parent->children.size());
    parent->children.push_back(std::move(child));
}

void CategoryTreeModel::rebuild(QList<Category> categories)
{
    std::vector<std::unique_ptr<Node>> nodes;
    nodes.reserve(size_t(categories.size()));
    QHash<QString, Node *> byId;
    byId.reserve(categories.size());
    for (Category &category : categories) {
        auto node = std::make_unique<Node>();
        node->category = std::move(category);
        byId.insert(node->category.id, node.get());
        nodes.push_back(std::move(node));
    }
    // Ascending id order; of two rows with one id the later one stands.
    std::vector<size_t> order;
    order.reserve(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (byId.value(nodes[i]->category.id) == nodes[i].get())
            order.push_back(i);
    }
    std::sort(order.begin(), order.end(),
        [&nodes](size_t a, size_t b) { return nodes[a]->category.id < nodes[b]->category.id; });

    for (size_t i : order) {
        Node *node = nodes[i].get();
        const QString &parentId = node->category.parentId;
        Node *parent = parentId.isEmpty() ? nullptr : byId.value(parentId, nullptr);
        // Parent ids come from other devices too: a category that would
        // become its own ancestor stands at the top level instead of
        // vanishing with its loop.
        for (const Node *ancestor = parent; ancestor; ancestor = ancestor->parent) {
            if (ancestor == node) {
                parent = nullptr;
                break;
            }
        }
        adopt(parent ? parent : m_root.get(), std::move(nodes[i]));
    }
}
