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
    SavedFigureChecks(Db &db, const MonthCopies &copies, Findings &findings, bool allocated);

    // Issues into lots and transfers of raw material: their price and amount from their receipt.
    void issues();
    // Every lot's cumulative rate and the cost of this month's rate.
    void completionRates();
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
    Db &m_db;
    const MonthCopies &m_copies;
    Findings &m_findings;
    bool m_allocated;
    Repairs m_lots;
    Repairs m_productReceipts;
    QHash<QString, int> m_fullTransfers;   // per lot: its transfers at 100 %, which the warehouse took from too
    QHash<QString, double> m_receiptSlack; // per product receipt: the range of its repaired slices
};

} // namespace zedur::reports::rowchecks
