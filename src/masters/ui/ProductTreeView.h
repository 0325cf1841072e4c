#pragma once

#include <QHash>
#include <QIcon>
#include <QTreeWidget>
#include <QVector>

namespace zedur {

class ProductTreeList;

// Node texts line up their columns with "*", counting two columns per Korean character: a
// fixed-pitch Korean font keeps them lined up wherever they are shown.
QFont nodeTextFont(const QFont &base);

// The product trees as the user sees them: one node per row of the tree list, hung under
// the row it belongs to, with an icon for its level. Each node remembers the list position
// it stands for, so that a pick always names the row behind it.
class ProductTreeView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit ProductTreeView(const QString &objectName, QWidget *parent = nullptr);

    // Rebuilds every node from the list in one pass, collapsed and with nothing current; a
    // row more than one level deeper than the row before it is left out.
    void rebuild(const ProductTreeList &list);

    // The list position a node stands for; -1 for none.
    int positionOf(const QTreeWidgetItem *item) const;
    int currentPosition() const { return positionOf(currentItem()); }
    // The node of a list position; nullptr when the row is not shown.
    QTreeWidgetItem *nodeAt(int position) const;
    // Makes the node current with its ancestors open and scrolls it into view.
    void showNode(int position);

signals:
    // A click on a node, or a key pressed or released in the tree while it has nodes: the
    // user's own selection, as opposed to one the screen makes.
    void nodePicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QIcon levelIcon(int level);

    QVector<QTreeWidgetItem *> m_nodes; // by list position
    QHash<int, QIcon> m_icons;          // by level
};

} // namespace zedur
