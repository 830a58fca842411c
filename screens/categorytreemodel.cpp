#include "screens/categorytreemodel.h"

#include "data/categoryrepository.h"
#include "ui/palettehelpers.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStack>

#include <algorithm>
#include <limits>
#include <utility>

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{
}

CategoryTreeModel::~CategoryTreeModel()
{
    dismantle(std::move(m_root));
}

void CategoryTreeModel::dismantle(std::unique_ptr<Node> root)
{
    // Node by node: letting each node delete its children would recurse as
    // deep as the tree, and a chain of categories can be 100,000 deep.
    std::vector<std::unique_ptr<Node>> pending;
    pending.push_back(std::move(root));
    while (!pending.empty()) {
        std::unique_ptr<Node> node = std::move(pending.back());
        pending.pop_back();
        if (!node)
            continue;
        for (std::unique_ptr<Node> &child : node->children)
            pending.push_back(std::move(child));
    }
}

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
        if (role == Qt::DisplayRole)
            return typeText(category.type);
        // Read at paint time, so a theme switch is followed.
        if (role == Qt::ForegroundRole && category.type == CategoryType::Income)
            return successTextColor();
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

QString CategoryTreeModel::typeText(CategoryType type)
{
    // The source texts are the stored words, so English reads as stored; a
    // type outside the list reads as "expense".
    switch (type) {
    case CategoryType::Income:
        return tr("income");
    case CategoryType::Transfer:
        return tr("transfer");
    case CategoryType::Expense:
        break;
    }
    return tr("expense");
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
    dismantle(std::exchange(m_root, std::make_unique<Node>()));
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
    QHash<QString, size_t> indexById;
    indexById.reserve(categories.size());
    for (Category &category : categories) {
        auto node = std::make_unique<Node>();
        node->category = std::move(category);
        indexById.insert(node->category.id, nodes.size());
        nodes.push_back(std::move(node));
    }
    // Of two rows with one id the later one stands.
    constexpr size_t none = std::numeric_limits<size_t>::max();
    std::vector<size_t> kept;
    kept.reserve(nodes.size());
    std::vector<size_t> parentOf(nodes.size(), none);
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (indexById.value(nodes[i]->category.id) != i)
            continue;
        kept.push_back(i);
        const QString &parentId = nodes[i]->category.parentId;
        if (!parentId.isEmpty())
            parentOf[i] = indexById.value(parentId, none);
    }
    cutLoops(nodes, kept, parentOf);

    // Siblings stand in ascending id order. Sorting each family on its own
    // keeps a deep chain linear.
    std::vector<size_t> topLevel;
    std::vector<std::vector<size_t>> childrenOf(nodes.size());
    for (const size_t i : kept)
        (parentOf[i] == none ? topLevel : childrenOf[parentOf[i]]).push_back(i);
    const auto byId = [&nodes](size_t a, size_t b) { return nodes[a]->category.id < nodes[b]->category.id; };
    std::vector<Node *> raw(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i)
        raw[i] = nodes[i].get();
    const auto adoptAll = [&](Node *parent, std::vector<size_t> &children) {
        std::sort(children.begin(), children.end(), byId);
        for (const size_t child : children)
            adopt(parent, std::move(nodes[child]));
    };
    adoptAll(m_root.get(), topLevel);
    for (const size_t i : kept)
        adoptAll(raw[i], childrenOf[i]);
}

void CategoryTreeModel::cutLoops(const std::vector<std::unique_ptr<Node>> &nodes, const std::vector<size_t> &kept,
                                 std::vector<size_t> &parentOf)
{
    // Parent ids come from other devices too: a category that would become
    // its own ancestor stands at the top level instead of vanishing with its
    // loop. Of each loop the category with the highest id stands there, so
    // the tree does not depend on the order the rows came in. Every category
    // is walked once: each walk follows parents until it meets one walked
    // before, and a loop shows as meeting its own walk.
    constexpr size_t none = std::numeric_limits<size_t>::max();
    enum : char { Unseen, OnWalk, Walked };
    std::vector<char> state(nodes.size(), Unseen);
    std::vector<size_t> walkPosition(nodes.size(), 0);
    std::vector<size_t> walk;
    for (const size_t start : kept) {
        walk.clear();
        size_t at = start;
        while (at != none && state[at] == Unseen) {
            state[at] = OnWalk;
            walkPosition[at] = walk.size();
            walk.push_back(at);
            at = parentOf[at];
        }
        if (at != none && state[at] == OnWalk) {
            const auto loop = walk.begin() + std::ptrdiff_t(walkPosition[at]);
            const auto highest = std::max_element(loop, walk.end(), [&nodes](size_t a, size_t b) {
                return nodes[a]->category.id < nodes[b]->category.id;
            });
            parentOf[*highest] = none;
        }
        for (const size_t walked : walk)
            state[walked] = Walked;
    }
}
