#include "masters/ui/ProductTreeView.h"

#include "masters/ProductTreeStore.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace zedur {

namespace {

constexpr int PositionRole = Qt::UserRole + 1;

} // namespace

QFont nodeTextFont(const QFont &base)
{
    QFont fixed = base;
    fixed.setFamilies({QStringLiteral("NanumGothicCoding"), QStringLiteral("GulimChe"), QStringLiteral("monospace")});
    fixed.setStyleHint(QFont::Monospace);
    return fixed;
}

// A badge with the level's number, in a colour of its own for the first levels; a root's
// is square.
QIcon ProductTreeView::levelIcon(int level)
{
    if (auto found = m_icons.constFind(level); found != m_icons.constEnd())
        return *found;
    static const QColor colours[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0x2e, 0x8b, 0x57), QColor(0xd2, 0x69, 0x1e),
                                     QColor(0x8a, 0x2b, 0xe2), QColor(0xb0, 0x30, 0x60), QColor(0x60, 0x60, 0x60)};
    const QColor colour = colours[qMin(level, int(std::size(colours)) - 1)];
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour.darker(130));
    painter.setBrush(colour);
    if (level == 0)
        painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    else
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::number(level));
    painter.end();
    return *m_icons.insert(level, QIcon(pixmap));
}

ProductTreeView::ProductTreeView(const QString &objectName, QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(objectName);
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true); // keeps thousands of nodes quick to lay out
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setFont(nodeTextFont(font()));
}

void ProductTreeView::rebuild(const ProductTreeList &list)
{
    // The nodes are put together detached and handed over at once, so that the view does
    // its bookkeeping once instead of once per node.
    const QSignalBlocker quiet(this);
    setUpdatesEnabled(false);
    clear();
    m_nodes.fill(nullptr, list.size());
    const QVector<int> shownUnder = list.structure().displayParents();
    QList<QTreeWidgetItem *> roots;
    for (int i = 0; i < list.size(); ++i) {
        const int under = shownUnder.at(i);
        if (under == TreeStructure::NotShown)
            continue;
        auto *node = new QTreeWidgetItem(QStringList{list.row(i).nameText});
        node->setData(0, PositionRole, i);
        node->setIcon(0, levelIcon(list.row(i).level));
        if (under == TreeStructure::NoParent)
            roots << node;
        else
            m_nodes.at(under)->addChild(node);
        m_nodes[i] = node;
    }
    addTopLevelItems(roots);
    setUpdatesEnabled(true);
}

int ProductTreeView::positionOf(const QTreeWidgetItem *item) const
{
    return item ? item->data(0, PositionRole).toInt() : -1;
}

QTreeWidgetItem *ProductTreeView::nodeAt(int position) const
{
    return position >= 0 && position < m_nodes.size() ? m_nodes.at(position) : nullptr;
}

void ProductTreeView::showNode(int position)
{
    QTreeWidgetItem *node = nodeAt(position);
    if (!node)
        return;
    for (QTreeWidgetItem *up = node->parent(); up; up = up->parent())
        up->setExpanded(true);
    setCurrentItem(node);
    scrollToItem(node);
}

void ProductTreeView::keyPressEvent(QKeyEvent *event)
{
    QTreeWidget::keyPressEvent(event);
    if (topLevelItemCount() > 0)
        emit nodePicked();
}

void ProductTreeView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeWidget::keyReleaseEvent(event);
    if (topLevelItemCount() > 0 && !event->isAutoRepeat())
        emit nodePicked();
}

void ProductTreeView::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (itemAt(event->position().toPoint()))
        emit nodePicked();
}

} // namespace zedur
