#pragma once

#include "common/SystemInfo.h"
#include "store/Periods.h"

#include <QtGlobal>

// Generated books: months with full rows, written as the entry screens write them, the same
// for the same seed. Tests, tie checks and benchmarks build their books with it.
namespace zedur {
class Db;
}

namespace zedur::test {

// How much one month holds besides its lots; every other figure follows from the lots.
struct MonthShape {
    int lots = 40;               // WIP lots issued this month
    double completedShare = 0.6; // of the month's lots, the share brought to 100 %
    double transferShare = 0.1;  // of the lots, the share partly transferred to other accounts
    double directShare = 0.2;    // of the lots, the share with direct labour or overhead
    int returns = -1;            // returns of earlier sales; -1: one per 50 lots, at least one
    double typedReceiptShare = 0; // of the new receipts, the share whose amount is typed apart from quantity x price
};

// What a filled month holds, counted by kind of row.
struct MonthFigures {
    int receipts = 0;
    int receiptTransfers = 0;
    int lots = 0;
    int lotTransfers = 0;
    int completions = 0;
    int productReceipts = 0;
    int shipments = 0;
    int productTransfers = 0;
    int returns = 0;
    int amounts = 0;
};

class MonthGenerator
{
public:
    // `audit` fills the audit columns, so that generated books are the same on every run.
    MonthGenerator(Db &db, quint32 seed, const AuditValues &audit = fixedAudit());

    // Fills the open month: receipts of raw material, issues into lots (some receipts used
    // up exactly in pieces that leave a binary residue), raw-material transfers, completion
    // rates, WIP transfers, completions into the warehouse drawn oldest lot first by the
    // product trees, product shipments and transfers, returns of sales of earlier months,
    // and direct and common labour and overhead. The raw materials, products and product
    // trees are written first when the books have none. One transaction.
    MonthFigures fillOpenMonth(const MonthShape &shape = {});

    static AuditValues fixedAudit();

private:
    Db &m_db;
    quint32 m_seed;
    AuditValues m_audit;
};

// Books of `months` months from the open one: each month filled, allocated and closed,
// the last one filled and, when `allocateLast`, allocated (left open).
void generateBooks(Db &db, quint32 seed, int months, const MonthShape &shape = {}, bool allocateLast = true);

} // namespace zedur::test
