// How the product-tree structure scales: building it (parents, children, subtree ends and
// the tree view's rebuild) for a list ten times longer should take about ten times as long.
#include "masters/TreeStructure.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

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

// Keeps the compiler from dropping the work measured.
volatile int g_sink = 0;

double millisecondsFor(int rows)
{
    const QVector<int> levels = randomTrees(rows);
    QElapsedTimer timer;
    timer.start();
    for (int repeat = 0; repeat < 5; ++repeat) {
        const TreeStructure s(levels);
        g_sink = g_sink + s.displayParents().last() + s.descendantCount(0);
    }
    const double ms = timer.nsecsElapsed() / 1e6 / 5;
    std::printf("%8d rows: %8.2f ms\n", rows, ms);
    return ms;
}

} // namespace

int main()
{
    const double small = millisecondsFor(20000);
    const double large = millisecondsFor(200000);
    std::printf("ratio for ten times the rows: %.1f (linear is about 10)\n", large / small);
    return 0;
}
