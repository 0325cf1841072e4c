#pragma once

#include "entries/Refusal.h"

#include <QString>

// The completion rate a WIP lot reaches in the month and the raw-material cost that
// comes with it. Rates are kept at two decimals and costs at four, as shown, because
// later screens select lots whose cumulative rate is exactly 100.
namespace zedur::completion {

struct CompletionFigures {
    double rate = 0;                // this month's, cut to two decimals
    double cumulative = 0;          // earlier + this month's, at two decimals
    double monthCost = 0;           // rate x lot amount / 100, at four decimals
    QString rateText() const;       // "#,##0.00"
    QString cumulativeText() const; // "#,##0.00"
    QString monthCostText() const;  // "#,##0.0000"
};

// Leaving this month's rate box: the figures to show. Refused (silently, focus on the
// rate box) when the text is no number or the cumulative rate goes above 100; the
// rate and the cumulative rate are filled in even then, as the screen shows them. A rate
// below zero, which the box cannot be typed, is refused as a refused key is.
Checked<CompletionFigures> leaveRateBox(const QString &typedRate, double earlierRate, double lotAmount);

// The figures a lot gets for this month's rate (already cut to two decimals) as the save
// writes them, the cumulative rate unchecked.
CompletionFigures completionFigures(double rate, double earlierRate, double lotAmount);

// Leaving this month's cost box: the text it shows (cut to four decimals). The save
// works the cost out from the rate again.
QString leaveMonthCostBox(const QString &typedCost);

} // namespace zedur::completion
