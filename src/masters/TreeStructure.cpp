#include "masters/TreeStructure.h"

#include <utility>

namespace zedur {

TreeStructure::TreeStructure(QVector<int> levels)
    : m_levels(std::move(levels)), m_parents(m_levels.size(), NoParent), m_children(m_levels.size()),
      m_subtreeEnds(m_levels.size(), int(m_levels.size()))
{
    // The open nodes, from a root down to the last row: each row closes the open nodes at
    // its own level or deeper, and the deepest one left is its parent.
    QVector<int> open;
    for (int i = 0; i < size(); ++i) {
        while (!open.isEmpty() && level(open.last()) >= level(i))
            m_subtreeEnds[open.takeLast()] = i;
        if (!open.isEmpty()) {
            const int p = open.last();
            m_parents[i] = p;
            if (level(i) == level(p) + 1)
                m_children[p].append(i);
        }
        open.append(i);
    }
}

int TreeStructure::familyOf(int position) const
{
    return level(position) == 0 ? position : parent(position);
}

QVector<int> TreeStructure::familyPositions(int head) const
{
    if (head == NoParent)
        return {};
    return QVector<int>{head} + children(head);
}

NodePlace TreeStructure::placeNode(TreeAction action, int selected) const
{
    if (selected < 0 || selected >= size())
        return {size(), 0, NoParent, NoParent};
    switch (action) {
    case TreeAction::AddChild:
        return {subtreeEnd(selected), level(selected) + 1, selected, selected};
    case TreeAction::Edit:
    case TreeAction::InsertBefore:
        return {selected, level(selected), parent(selected), familyOf(selected)};
    case TreeAction::Append:
        break;
    }
    const int p = parent(selected);
    if (p == NoParent)
        return {size(), 0, NoParent, selected};
    return {subtreeEnd(p), level(p) + 1, p, p};
}

QVector<int> TreeStructure::displayParents() const
{
    QVector<int> shownUnder(size(), NotShown);
    int previousLevel = 0;
    int current = NoParent;
    for (int i = 0; i < size(); ++i) {
        const int l = level(i);
        if (l > previousLevel + 1) {
            previousLevel = l;
            continue;
        }
        int under = NoParent;
        if (l == 0 || current == NoParent)
            under = NoParent;
        else if (l == previousLevel + 1)
            under = current;
        else if (l == previousLevel)
            under = shownUnder.at(current);
        else {
            under = current;
            for (int step = 0; step < previousLevel - l + 1 && shownUnder.at(under) != NoParent; ++step)
                under = shownUnder.at(under);
        }
        shownUnder[i] = under;
        current = i;
        previousLevel = l;
    }
    return shownUnder;
}

} // namespace zedur
