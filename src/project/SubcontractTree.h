#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace mirevo {

// Who subcontracts to whom on a site: a plain tree of company names. The
// top-level nodes are the first-tier subcontractors; a node's children are
// its subcontractors, in the order they were added or dropped.
//
// Nodes are addressed by their display index: the position in depth-first
// pre-order (a node, then its children), counted from 0. A node's level is
// 0 at the top, so its tier is level + 1. Every mutation renumbers.
class SubcontractTree {
public:
    // Nine tiers at most: the saved tree image has a column per tier.
    static constexpr int kMaxTiers = 9;

    enum class Drop { Moved, Unchanged, TooDeep };

    SubcontractTree();
    ~SubcontractTree();
    SubcontractTree(const SubcontractTree&) = delete;
    SubcontractTree& operator=(const SubcontractTree&) = delete;

    int size() const { return int(order_.size()); }
    bool isEmpty() const { return order_.empty(); }
    bool contains(int index) const { return index >= 0 && index < size(); }

    const QString& text(int index) const;
    int level(int index) const;
    int tier(int index) const { return level(index) + 1; }
    // Display index of the parent, -1 for a top-level node.
    int parent(int index) const;
    // Display index of the top-level node of the node's branch.
    int firstTier(int index) const;
    // Display indices of the children (of the top level for -1), in order.
    std::vector<int> children(int index) const;
    // Levels the node's subtree spans: 1 for a leaf.
    int height(int index) const;
    // Whether `index` is `ancestor` or lies in its subtree.
    bool isWithin(int index, int ancestor) const;

    // Appends a top-level node; returns its display index.
    int addTopLevel(const QString& text);
    // Appends a child to `parent`; returns its display index. Throws Error
    // when the child would lie deeper than the ninth tier.
    int addChild(int parent, const QString& text);
    // Removes the node with its subtree.
    void remove(int index);
    // Moves a node with its subtree: with `shift` it becomes the first node
    // at the target's level, without it the first child of the target. A
    // drop on the node itself or inside its own subtree changes nothing; a
    // drop that would take the subtree below the ninth tier is refused.
    Drop drop(int index, int target, bool shift);
    void clear();

    // The selected node, -1 for none; it follows its node through moves and
    // is cleared when its node is removed.
    int selected() const;
    void select(int index);

    // (level, text) of every node in display order.
    std::vector<std::pair<int, QString>> entries() const;
    bool operator==(const SubcontractTree& other) const { return entries() == other.entries(); }

    static QString tooDeepMessage();

private:
    struct Node;
    using Children = std::vector<std::unique_ptr<Node>>;
    struct Slot {
        Node* node;
        int level;
    };

    Node* at(int index) const;
    Children& siblingsOf(Node* node);
    void reindex();

    Children roots_;
    std::vector<Slot> order_;
    Node* selected_ = nullptr;
};

} // namespace mirevo
