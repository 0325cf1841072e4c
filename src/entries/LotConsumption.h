#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

// Completing WIP into the product warehouse consumes, for every raw material of the product,
// its need from the month's 100 %-complete lots, oldest first, and carries each lot's cost into
// the product in proportion to the quantity taken. The arithmetic of it, apart from any table.
namespace zedur::warehouse {

// The ten cost components of a lot after its raw-material amount, in column order; each
// column is the stem under the table's prefix (Gong_, InGong_, SumVw_).
inline const QStringList CostStems{"JenGiWonAmt", "JenGiNoMu_01", "JenGiNoMu_02", "JenGiJeyJo_01", "JenGiJeyJo_02",
                                   "DaongWonAmt", "DaongNoMu_01", "DaongNoMu_02", "DaongJeyJo_01", "DaongJeyJo_02"};
using Costs = std::array<double, 10>;

// The completion rates a slice carries over: brought forward, of the month, total.
inline const QStringList RateStems{"JenGiWoul", "DaongWoul", "TotWoul"};
using Rates = std::array<double, 3>;

// What a 100 %-complete lot still offers in the month: its quantity and amounts less what the
// month already completed into the warehouse and transferred at 100 %.
struct LotOffer {
    QString serial;
    QString date;
    QString code;
    double price = 0.0;
    double quantity = 0.0; // K
    double gaAmt = 0.0;
    Costs costs{};
    Rates rates{};
    QString inPutSerial; // the raw-material receipt the lot came from
};

// How much of one raw material the product quantity needs: N x its quantity per unit.
struct MaterialNeed {
    QString code;
    double quantity = 0.0;
};

// Quantity t taken from a lot for a need, as the walk worked it out (not rounded).
struct Take {
    int need = 0;
    int lot = 0;
    double quantity = 0.0;
};

struct Consumption {
    QVector<Take> takes;   // by need, then oldest lot first
    QVector<double> unmet; // per need: what the lots could not give (0 when covered)
    bool covered() const;
};

// A need counts as met, and a lot as fitting it exactly, within half a unit of the fourth
// decimal that quantities are kept to: what is left below that is binary noise of the sums,
// not stock.
inline constexpr double QuantityTolerance = 0.00005;
// Whether what the lots offer falls short of a need by more than that.
inline bool fallsShort(double offered, double need)
{
    return need - offered >= QuantityTolerance;
}

// For each need in turn, the lots of its raw material (codes compared ignoring case) by date,
// then serial, then unit price: the whole of each lot until one covers the rest of the need.
// A lot is never given out beyond what it offers, even to two needs of one material.
Consumption consumeOldestFirst(const QVector<MaterialNeed> &needs, const QVector<LotOffer> &lots);

// The cost a take carries: t at four decimals, and with that kept quantity q each amount of
// the lot x q / K rounded to four decimals and the total of the ten cost components (without
// the raw-material amount) x q / K from their unrounded sum.
struct Slice {
    double quantity = 0.0;
    double gaAmt = 0.0;
    Costs costs{};
    double woulAmtTot = 0.0;
};
Slice sliceOf(const LotOffer &lot, double taken);

} // namespace zedur::warehouse
