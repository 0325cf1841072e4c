#include "entries/CompletionRates.h"

#include "common/KeySet.h"
#include "common/TextNumber.h"

namespace zedur::completion {

namespace {
const QString RateBox = QStringLiteral("edG_DaongWoul");
}

QString CompletionFigures::rateText() const
{
    return formatFloat(QStringLiteral("#,##0.00"), rate);
}

QString CompletionFigures::cumulativeText() const
{
    return formatFloat(QStringLiteral("#,##0.00"), cumulative);
}

QString CompletionFigures::monthCostText() const
{
    return formatFloat(QStringLiteral("#,##0.0000"), roundDown(-5, monthCost));
}

Checked<CompletionFigures> leaveRateBox(const QString &typedRate, double earlierRate, double lotAmount)
{
    if (!IsDouble(typedRate))
        return {Refusal{{}, RateBox}, {}};
    const double typed = fNumValue(fDeleteBlank(typedRate));
    // The box takes digits and a point only: a rate below zero is none the user could type.
    if (typed < 0) {
        Refusal refused{refusedKeyText, RateBox, false, true};
        refused.kind = MessageKind::Plain;
        return {refused, {}};
    }
    CompletionFigures f;
    f.rate = roundDown(-2, typed);
    f.cumulative = roundDecimals(roundDecimals(earlierRate, 2) + f.rate, 2);
    if (f.cumulative > 100.0)
        return {Refusal{{}, RateBox}, f};
    f.monthCost = productRounded(f.rate / 100.0, roundDecimals(lotAmount, 4), 4);
    return {std::nullopt, f};
}

QString leaveMonthCostBox(const QString &typedCost)
{
    return formatFloat(QStringLiteral("#,##0.0000"), roundDown(-4, fNumValue(typedCost)));
}

} // namespace zedur::completion
