#pragma once

#include "imports/ImportColumns.h"
#include "store/Periods.h"

#include <QHash>
#include <optional>

// The three kinds of opening stock and the brought-forward rows they become: the rows a close
// would have written into the open month for stock carried from the month before, with the
// quantity, the cost and (for WIP) the completion and the cost allocated so far as given.
namespace zedur::imports::opening {

enum class Stock { RawMaterial, Wip, Product };

struct StockKind {
    Stock stock;
    QString title; // "원자재", as problems name the sheet's kind
    QString table;
    QString prefix; // "InPut_"
    QString codeColumn;
    QVector<Field> fields;
    QStringList required;
};

const StockKind &stockKind(Stock stock);
// The kind of a sheet from its titles: a completion rate makes WIP, a product code products,
// a raw-material code raw materials.
std::optional<Stock> stockOfTitles(const SheetCells &titles);

// The master row the stock row takes its texts (and, for raw materials, its default price) from.
struct MasterItem {
    QString code;
    QString name;
    QString danWi;
    QString model;
    QString pumName;
    QString kuSize;
    double price = 0.0;
};

// The row's own columns (all but the serial and the audit columns), the row's problems
// noted in `row`.
QHash<QString, QVariant> stockRow(const StockKind &kind, FieldRow &row, const MasterItem &master, const Period &open);

// The memo a close gives its brought-forward rows: "2005-04-01 전기이월분".
QString carriedMemo(const Period &open);

} // namespace zedur::imports::opening
