#pragma once

#include <QVector>

// The product trees are one depth-first list: every row knows only its position and its
// level. Everything else (parents, children, where a new node goes) follows from the
// levels in order, and is worked out here once per list, in one pass.
namespace zedur {

// What the tree dialog is asked to do: edit the selected node, add a node at its level
// (appended after its last sibling, or inserted before it), or add a child under it.
enum class TreeAction { Edit, Append, InsertBefore, AddChild };

// Where the node of a dialog action is: its position in the list (for a new node, the rows
// from there on move up by one), its level, its parent, and the node whose family the
// same-code check looks at.
struct NodePlace {
    int position = 0;
    int level = 0;
    int parent = -1;
    int family = -1;
};

class TreeStructure
{
public:
    static constexpr int NoParent = -1;
    static constexpr int NotShown = -2;

    TreeStructure() = default;
    explicit TreeStructure(QVector<int> levels);

    int size() const { return int(m_levels.size()); }
    bool isEmpty() const { return m_levels.isEmpty(); }
    int level(int position) const { return m_levels.at(position); }

    // The nearest earlier row with a smaller level; NoParent for a root.
    int parent(int position) const { return m_parents.at(position); }
    // The rows one level deeper inside the node's subtree, in order.
    const QVector<int> &children(int position) const { return m_children.at(position); }
    int descendantCount(int position) const { return m_subtreeEnds.at(position) - position - 1; }
    // The first position after the node and all its descendants.
    int subtreeEnd(int position) const { return m_subtreeEnds.at(position); }

    // The node that heads the selected node's family: a root heads its own, any other
    // node belongs to its parent's.
    int familyOf(int position) const;
    // The head of a family and its direct children: where the same code may not occur twice.
    QVector<int> familyPositions(int head) const;

    // Where the dialog's action puts its node, for the selected position: an edit keeps
    // the selected node where it is; with nothing selected a new node is a last root.
    NodePlace placeNode(TreeAction action, int selected) const;

    // The tree view as the screen rebuilds it row by row: for each row the row it hangs
    // under, NoParent for a root, or NotShown for a row more than one level deeper than
    // the row before it (such a row is left out, as it always was).
    QVector<int> displayParents() const;

private:
    QVector<int> m_levels;
    QVector<int> m_parents;
    QVector<QVector<int>> m_children;
    QVector<int> m_subtreeEnds;
};

} // namespace zedur
