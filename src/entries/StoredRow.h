#pragma once

#include "common/ResultSet.h"
#include "entries/Refusal.h"
#include "store/Periods.h"
#include "store/RowStatements.h"

// The rule every entry screen applies to the rows it writes: a change or a delete trusts
// only the row as stored, read anew by its serial inside the action's transaction, and a
// row of a closed month (or one the closing carried forward, where the screen says so)
// stays as it is; a new row goes only into the open month. What the screen remembered of
// the row, the grid's current row or another window's view may all be stale.
//
// A core changes or deletes a row only through a StoredRow (updateStoredRow,
// deleteStoredRow), and inserts only through insertEntryRow; these refuse to write, with a
// failure, what the rule forbids, so that a test forgotten in a core cannot corrupt a
// closed month.
namespace zedur {

class Db;

// A transaction table of the monthly entries: its columns share one prefix and carry the
// row's serial, year, month and closing mark ("InPut_Serial", "InPut_Year", ...).
struct EntryTable {
    QString name;
    QString prefix;
    QString column(const QString &stem) const { return prefix + stem; }
};

namespace entryTables {
inline const EntryTable Receipts{QStringLiteral("MC_WonJaJeyInPut"), QStringLiteral("InPut_")};
inline const EntryTable MaterialTransfers{QStringLiteral("MC_WonJaJeyInPut_TaAc"), QStringLiteral("TaInPut_")};
inline const EntryTable Lots{QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_")};
inline const EntryTable LotTransfers{QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_")};
inline const EntryTable LotCompletions{QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("InGong_")};
inline const EntryTable ProductReceipts{QStringLiteral("MC_ChaongGoJeyPumInPut"), QStringLiteral("JeyPum_")};
inline const EntryTable ProductTransfers{QStringLiteral("MC_ChaongGoJeyPumInPut_TaAc"), QStringLiteral("TaJeyPum_")};
inline const EntryTable Shipments{QStringLiteral("MC_ChaongGoJeyPumInPut_ChulGo"), QStringLiteral("ChulGo_")};
inline const EntryTable Amounts{QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("Amt_")};
} // namespace entryTables

// How one screen applies the rule: its table, whether rows carried forward by the closing
// are refused too, its wording of the open-month warning and where a refusal leaves the user.
struct RowRule {
    EntryTable table;
    bool refusesCarriedForward = true;
    QString periodTail = QStringLiteral("등록,수정,삭제등이 가능합니다........");
    QString focus;           // control focused after a refusal; empty: the button panel
    bool clearsBoxes = true; // a refusal empties the screen's boxes
    Refusal refusal(const QString &text) const { return Refusal{text, focus, clearsBoxes}; }
};

// A row as stored, read by its serial inside the caller's transaction, with the rule's
// verdict on it.
class StoredRow
{
public:
    StoredRow() = default;

    bool found() const { return !m_row.isEmpty(); }
    // Why the row may not be changed or deleted: carried forward (where the rule refuses
    // that), closed, or outside the open month, or the month shown is not the open one (or
    // no single month is open). nullopt when it may. Only meaningful when found.
    const Verdict &refusal() const { return m_refusal; }
    QString serial() const { return m_serial; }
    QString text(const QString &stem) const;
    double number(const QString &stem) const;
    // A column outside the table's prefix (the links of a sales return, "BanPum_...").
    QString field(const QString &column) const;

private:
    friend StoredRow readStoredRow(Db &db, const RowRule &rule, const QString &serial, const Period &shown);
    friend void updateStoredRow(Db &db, const StoredRow &row, const RowValues &values);
    friend void deleteStoredRow(Db &db, const StoredRow &row);

    EntryTable m_table;
    QString m_serial;
    ResultSet m_row;
    Verdict m_refusal;
    Period m_open;
};

// Reads the row anew and judges it by the rule, against the month shown on the screen; the
// row stays locked against other connections until the caller's transaction ends.
StoredRow readStoredRow(Db &db, const RowRule &rule, const QString &serial, const Period &shown);

// The only way an entry screen changes or deletes its rows: refused (a Failure is thrown,
// nothing is written) for a row that was not found or that the rule refuses, and for
// values that would move the row out of the open month.
void updateStoredRow(Db &db, const StoredRow &row, const RowValues &values);
void deleteStoredRow(Db &db, const StoredRow &row);

// The test before a new row: the month shown must be the open one (read anew).
Verdict newRowRefusal(Db &db, const RowRule &rule, const Period &shown);

// The only way an entry screen adds a row: refused (a Failure is thrown, nothing is
// written) unless the row's year and month are the open month.
void insertEntryRow(Db &db, const EntryTable &table, const RowValues &values);

} // namespace zedur
