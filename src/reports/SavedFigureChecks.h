#pragma once

#include "reports/RowCheckCopies.h"
#include "reports/RowCheckFindings.h"

#include <QHash>

namespace zedur::reports::rowchecks {

// The figures the entry screens work out when a row is saved, worked out again from the row
// it was made from by the same rules, on the month's scratch copies. Each check puts the
// figures it finds wrong right in the copies, so that the checks after it, the allocation and
// the close, see sound rows. Run in this order.
class SavedFigureChecks
{
public:
    // `allocated`: the month's allocation is as recent as its last change, so that what it
    // rewrites is checked by running it again; otherwise those figures are checked here where
    // their rule says what they must be whenever they were written.
    SavedFigureChecks(Db &db, const Period &month, const MonthCopies &copies, Findings &findings, bool allocated);

    // Lots: an issue's price and amount from its receipt, the cumulative rate and the cost of
    // the month's rate.
    void lots();
    // Transfers of raw material: their price and amount from their receipt (after lots()).
    void materialTransfers();
    // WIP transfers: their share of their lot.
    void lotTransfers();
    // Completions into the warehouse: their slice of their lot.
    void slices();
    // Product receipts: the sums of their slices; return receipts: their share of the sale.
    void productReceipts();
    // The negative sales row of a return: its share of the sale.
    void returnedSales();
    // Product transfers and shipments: their share of their product receipt.
    void productMovements();

private:
    // Figures a row takes over unchanged from the row it was made from (a lot's rates and
    // price): compared in one statement, only the rows that differ read.
    void copiedFromLots(const EntryTable &table, const QStringList &stems);
    // The issues and transfers taken from each receipt of the month that has more than one.
    QHash<QString, int> takesPerReceipt();

    Db &m_db;
    Params m_month;
    const MonthCopies &m_copies;
    Findings &m_findings;
    bool m_allocated;
    Repairs m_lots;
    Repairs m_productReceipts;
    QHash<QString, int> m_takesPerReceipt;
    QHash<QString, double> m_receiptSlack; // per product receipt: the range of its repaired slices
};

} // namespace zedur::reports::rowchecks
