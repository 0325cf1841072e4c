#pragma once

#include "entries/Refusal.h"
#include "store/Db.h"

#include <QVector>
#include <functional>

// The three carry-forwards of the monthly close: raw-material receipts, WIP lots and
// product receipts. Each sums the month's movements per source row into its balance work
// table, then writes every source row with a remainder into the next month as a row of
// kind "전기이월" carrying its share of cost. They run inside the close's transaction.
namespace zedur::closing {

struct CarryStep {
    QString name;
    // Fills the balance work table from the movements of the month (:tbYear, :tbMonth).
    std::function<void(Db &db, const Params &month)> collect;
    // The first source row with a remainder that cannot be carried (a zero quantity to
    // divide by, a missing price or amount); nothing when every one can.
    std::function<Verdict(Db &db)> refuseUncarriable;
    // Inserts the brought-forward rows in the order of their sources' serials, so that the
    // new serials are the same on every run; returns how many. `next` binds the new rows'
    // :tbNextYear, :tbNextMonth, :tbDate (the first day), :tbMemo, :tbVolume, :tbSaveDate.
    std::function<int(Db &db, const Params &next)> carry;
};

// Drops and creates empty the work tables the carries fill, in the caller's transaction.
void recreateCarryTables(Db &db);

const QVector<CarryStep> &carrySteps();

// A remainder smaller than this in magnitude is what is left of subtracting decimals in
// binary (10 - 3.3 - 3.3 - 3.4), not stock: it is not carried.
inline constexpr double Residue = 0.00005;

} // namespace zedur::closing
