// How the product-tree structure and its tree view scale: building the structure (parents,
// children, subtree ends and the tree view's rebuild) and the view's nodes for a list ten
// times longer should take about ten times as long.
#include "masters/ProductTreeStore.h"
#include "masters/TreeStructure.h"
#include "masters/ui/ProductTreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>
#include <functional>

using namespace zedur;

namespace {

QVector<int> randomTrees(int rows)
{
    QRandomGenerator random(1);
    QVector<int> levels;
    levels.reserve(rows);
    for (int i = 0; i < rows; ++i)
        levels << (i == 0 ? 0 : int(random.bounded(levels.last() + 2) % 6));
    return levels;
}

// The tree list as the screen reads it, for the same levels.
ProductTreeList treeList(const QVector<int> &levels)
{
    QVector<QVector<QVariant>> rows;
    rows.reserve(levels.size());
    for (int i = 0; i < levels.size(); ++i)
        rows.append({i, levels.at(i), QStringLiteral("원자재***노드*%1").arg(i), QStringLiteral("W%1").arg(i),
                     levels.at(i) == 0 ? QStringLiteral("제품") : QStringLiteral("원자재"), QStringLiteral("P1")});
    return ProductTreeList(ResultSet({"Tr_Index", "Tr_Level", "Tr_NameText", "Tr_Code", "Tr_Kubun", "Tr_Check01"},
                                     std::move(rows)));
}

// Keeps the compiler from dropping the work measured.
volatile int g_sink = 0;

double millisecondsFor(const char *what, int rows, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int repeat = 0; repeat < 5; ++repeat)
        work();
    const double ms = timer.nsecsElapsed() / 1e6 / 5;
    std::printf("%-10s %8d rows: %8.2f ms\n", what, rows, ms);
    return ms;
}

double structureFor(int rows)
{
    const QVector<int> levels = randomTrees(rows);
    return millisecondsFor("structure", rows, [&] {
        const TreeStructure s(levels);
        g_sink = g_sink + s.displayParents().last() + s.descendantCount(0);
    });
}

double viewFor(int rows)
{
    const ProductTreeList list = treeList(randomTrees(rows));
    ProductTreeView view(QStringLiteral("TreeView1"));
    return millisecondsFor("tree view", rows, [&] {
        view.rebuild(list);
        view.showNode(list.size() - 1);
        g_sink = g_sink + view.topLevelItemCount();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double small = structureFor(20000);
    const double large = structureFor(200000);
    std::printf("structure: ratio for ten times the rows: %.1f (linear is about 10)\n", large / small);
    const double smallView = viewFor(5000);
    const double largeView = viewFor(50000);
    std::printf("tree view: ratio for ten times the rows: %.1f (linear is about 10)\n", largeView / smallView);
    return 0;
}
