#include "SubcontractTree.h"
#include "common/Error.h"

#include <algorithm>

namespace mirevo {

struct SubcontractTree::Node {
    QString text;
    Node* parent = nullptr;
    int index = 0;
    int level = 0;
    Children children;
};

SubcontractTree::SubcontractTree() = default;
SubcontractTree::~SubcontractTree() = default;

QString SubcontractTree::tooDeepMessage()
{
    return QStringLiteral("%1次下請けより下の業者は登録できません。").arg(kMaxTiers);
}

SubcontractTree::Node* SubcontractTree::at(int index) const
{
    if (!contains(index))
        throw Error(QStringLiteral("ツリーの項目がありません（%1 番目; 項目数 %2）").arg(index).arg(size()));
    return order_[size_t(index)].node;
}

const QString& SubcontractTree::text(int index) const
{
    return at(index)->text;
}

int SubcontractTree::level(int index) const
{
    return at(index)->level;
}

int SubcontractTree::parent(int index) const
{
    const Node* p = at(index)->parent;
    return p ? p->index : -1;
}

int SubcontractTree::firstTier(int index) const
{
    const Node* n = at(index);
    while (n->parent)
        n = n->parent;
    return n->index;
}

std::vector<int> SubcontractTree::children(int index) const
{
    const Children& list = index < 0 ? roots_ : at(index)->children;
    std::vector<int> out;
    out.reserve(list.size());
    for (const auto& child : list)
        out.push_back(child->index);
    return out;
}

int SubcontractTree::height(int index) const
{
    const int top = level(index);
    int deepest = top;
    for (int i = index + 1; i < size() && order_[size_t(i)].level > top; ++i)
        deepest = std::max(deepest, order_[size_t(i)].level);
    return deepest - top + 1;
}

bool SubcontractTree::isWithin(int index, int ancestor) const
{
    for (const Node* n = at(index); n; n = n->parent)
        if (n == at(ancestor))
            return true;
    return false;
}

int SubcontractTree::addTopLevel(const QString& text)
{
    auto node = std::make_unique<Node>();
    node->text = text;
    Node* added = node.get();
    roots_.push_back(std::move(node));
    reindex();
    return added->index;
}

int SubcontractTree::addChild(int parentIndex, const QString& text)
{
    Node* p = at(parentIndex);
    if (p->level + 1 >= kMaxTiers)
        throw Error(tooDeepMessage());
    auto node = std::make_unique<Node>();
    node->text = text;
    node->parent = p;
    Node* added = node.get();
    p->children.push_back(std::move(node));
    reindex();
    return added->index;
}

SubcontractTree::Children& SubcontractTree::siblingsOf(Node* node)
{
    return node->parent ? node->parent->children : roots_;
}

void SubcontractTree::remove(int index)
{
    Node* node = at(index);
    if (selected_ && isWithin(selected_->index, index))
        selected_ = nullptr;
    Children& siblings = siblingsOf(node);
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; }));
    reindex();
}

SubcontractTree::Drop SubcontractTree::drop(int index, int target, bool shift)
{
    if (isWithin(target, index))
        return Drop::Unchanged;
    Node* node = at(index);
    Node* anchor = at(target);
    const int newLevel = shift ? anchor->level : anchor->level + 1;
    if (newLevel + height(index) > kMaxTiers)
        return Drop::TooDeep;
    Children& from = siblingsOf(node);
    auto it = std::find_if(from.begin(), from.end(), [node](const auto& n) { return n.get() == node; });
    std::unique_ptr<Node> moving = std::move(*it);
    from.erase(it);
    Node* newParent = shift ? anchor->parent : anchor;
    Children& to = newParent ? newParent->children : roots_;
    moving->parent = newParent;
    to.insert(to.begin(), std::move(moving));
    reindex();
    return Drop::Moved;
}

void SubcontractTree::clear()
{
    roots_.clear();
    selected_ = nullptr;
    reindex();
}

int SubcontractTree::selected() const
{
    return selected_ ? selected_->index : -1;
}

void SubcontractTree::select(int index)
{
    selected_ = index < 0 ? nullptr : at(index);
}

std::vector<std::pair<int, QString>> SubcontractTree::entries() const
{
    std::vector<std::pair<int, QString>> out;
    out.reserve(order_.size());
    for (const Slot& s : order_)
        out.emplace_back(s.level, s.node->text);
    return out;
}

void SubcontractTree::reindex()
{
    order_.clear();
    // Depth-first pre-order without recursion: a stack of pending nodes,
    // children pushed in reverse so that the first child comes out first.
    std::vector<Node*> pending;
    for (auto it = roots_.rbegin(); it != roots_.rend(); ++it)
        pending.push_back(it->get());
    while (!pending.empty()) {
        Node* n = pending.back();
        pending.pop_back();
        n->level = n->parent ? n->parent->level + 1 : 0;
        n->index = int(order_.size());
        order_.push_back({n, n->level});
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            pending.push_back(it->get());
    }
}

} // namespace mirevo
