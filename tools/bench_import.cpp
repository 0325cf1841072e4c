// bench_import [N...]: the time to check and to import a firm's list of N rows (10,000 by
// default) against the goal of two seconds, for each kind of list a firm brings at the start:
// raw materials and products as .xlsx (as the program's export writes them), the same raw
// materials as a .csv in the Korean code page, a tree of N nodes and N rows of opening stock.
// Each import is one run of the engine the screen and the command line use: the check reads
// and judges every row and writes nothing; the import does both and commits. Each figure is the
// median of three runs, each on new books.
#include "TestBooks.h"
#include "common/Workbook.h"
#include "imports/ImportRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iconv.h>

using namespace zedur;
using namespace zedur::imports;

namespace {

constexpr double GoalSeconds = 2.0;
constexpr int Runs = 3;

QString code(const char *prefix, int i)
{
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 6, 10, QChar(u'0'));
}

ExportSheet rawMaterials(int n)
{
    ExportSheet s;
    s.titles = QStringList{"저장순서",      "원재료 코드", "원자재 이름", "원자재 별멍",  "원자재 단가", "단위",
                           "원자재 모델명", "원자재 품명", "원자재 규격", "적요 및 메모", "비고"};
    for (int i = 0; i < n; ++i)
        s.rows.append({QStringLiteral("A%1").arg(i + 1, 10, 10, QChar(u'0')), code("W", i),
                       QStringLiteral("원자재 %1").arg(i), QString(), 100.0 + i % 997 * 0.125, "kg",
                       QStringLiteral("M-%1").arg(i % 50), "강판", "1.2t", "기초 등록", QString()});
    return s;
}

ExportSheet products(int n)
{
    ExportSheet s;
    s.titles = QStringList{"저장순서", "제품코드", "제품명", "제품 별명", "단위", "제품 모델명"};
    for (int i = 0; i < n; ++i)
        s.rows.append({QString(), code("P", i), QStringLiteral("제품 %1").arg(i), QString(), "대", "S"});
    return s;
}

// Trees of one product and nine raw materials each.
ExportSheet trees(int n)
{
    ExportSheet s;
    s.titles = QStringList{"레벨", "제품,원자재 코드", "구분", "원자재 소유 수량(중량)"};
    for (int i = 0; i < n; ++i)
        s.rows.append(i % 10 == 0 ? QVector<QVariant>{0, code("P", i / 10), "제품", QVariant()}
                                  : QVector<QVariant>{1, code("W", i), "원자재", 1.5});
    return s;
}

ExportSheet opening(int n)
{
    ExportSheet s;
    s.titles = QStringList{"원자재코드", "입고수량(중량)", "원자재단가", "공급가액(금액)", "거래처상호"};
    // The raw materials the trees hold (every code but each tenth), some of them in several lots.
    const int inTrees = n / 10 * 9;
    for (int i = 0; i < n; ++i) {
        const int j = i % inTrees;
        s.rows.append({code("W", j / 9 * 10 + j % 9 + 1), 10.0 + i % 7, 100.0, 1000.0 + i % 7 * 100, "대한철강"});
    }
    return s;
}

void write(const QString &path, const ExportSheet &sheet)
{
    if (!writeWorkbook(path, {sheet}))
        qFatal("cannot write %s", qPrintable(path));
}

// The same rows as CSV in the Korean code page, as a spreadsheet program saves it.
void writeCp949Csv(const QString &path, const ExportSheet &sheet)
{
    QString text = sheet.titles.join(u',') + QStringLiteral("\r\n");
    for (const auto &row : sheet.rows) {
        QStringList cells;
        for (const QVariant &v : row)
            cells << v.toString();
        text += cells.join(u',') + QStringLiteral("\r\n");
    }
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2, '\0');
    iconv_t cd = iconv_open("CP949", "UTF-8");
    char *from = in.data();
    char *to = out.data();
    size_t fromLeft = size_t(in.size());
    size_t toLeft = size_t(out.size());
    iconv(cd, &from, &fromLeft, &to, &toLeft);
    iconv_close(cd);
    out.truncate(out.size() - qsizetype(toLeft));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(out);
}

double seconds(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e9;
}

struct Timing {
    QVector<double> check;
    QVector<double> import;
};

// Checks then imports the file into the books; the import must write every row.
void measure(const QString &label, test::TestBooks &books, Kind kind, const QString &file, int rows,
             QMap<QString, Timing> &timings)
{
    ImportOutcome checked;
    ImportOutcome imported;
    timings[label].check << seconds([&] { checked = runImport(books.db(), kind, file, {true, false}); });
    timings[label].import << seconds([&] { imported = runImport(books.db(), kind, file, {}); });
    if (!checked.ok() || !imported.written || imported.added + imported.updated != rows)
        qFatal("%s: %d problems, %d rows written of %d", qPrintable(label), imported.problems, imported.added, rows);
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (const QString &a : app.arguments().mid(1))
        sizes << a.toInt();
    if (sizes.isEmpty())
        sizes << 10000;
    QTemporaryDir dir;
    std::printf("goal: %.0f s per import (check and write)\n\n", GoalSeconds);
    std::printf("median of %d runs, each on new books\n\n", Runs);
    std::printf("| %-22s | %7s | %7s | %8s | %5s | %9s |\n", "list", "rows", "check s", "import s", "/goal", "rows/s");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", "------------------------", "---------", "---------", "----------", "-------",
                "-----------");
    for (const int n : sizes) {
        const QString raw = dir.filePath("raw.xlsx");
        const QString rawCsv = dir.filePath("raw.csv");
        const QString prod = dir.filePath("products.xlsx");
        const QString tree = dir.filePath("trees.xlsx");
        const QString stock = dir.filePath("opening.xlsx");
        write(raw, rawMaterials(n));
        writeCp949Csv(rawCsv, rawMaterials(n));
        write(prod, products(n));
        write(tree, trees(n));
        write(stock, opening(n));
        QMap<QString, Timing> timings;
        const QStringList order{"raw materials .csv", "raw materials .xlsx", "products .xlsx", "trees .xlsx",
                                "opening stock .xlsx"};
        for (int run = 0; run < Runs; ++run) {
            {
                test::TestBooks csvBooks;
                measure(order.at(0), csvBooks, Kind::RawMaterials, rawCsv, n, timings);
            }
            test::TestBooks books;
            measure(order.at(1), books, Kind::RawMaterials, raw, n, timings);
            measure(order.at(2), books, Kind::Products, prod, n, timings);
            measure(order.at(3), books, Kind::Trees, tree, n, timings);
            measure(order.at(4), books, Kind::Opening, stock, n, timings);
        }
        for (const QString &label : order) {
            const double check = median(timings[label].check);
            const double import = median(timings[label].import);
            std::printf("| %-22s | %7d | %7.3f | %8.3f | %5.2f | %9.0f |\n", qPrintable(label), n, check, import,
                        import / GoalSeconds, n / import);
        }
    }
    return 0;
}
