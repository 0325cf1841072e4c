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
    const CompletionFigures f = completionFigures(roundDown(-2, typed), earlierRate, lotAmount);
    if (f.cumulative > 100.0)
        return {Refusal{{}, RateBox}, {f.rate, f.cumulative}};
    return {std::nullopt, f};
}

CompletionFigures completionFigures(double rate, double earlierRate, double lotAmount)
{
    CompletionFigures f;
    f.rate = rate;
    f.cumulative = roundDecimals(roundDecimals(earlierRate, 2) + f.rate, 2);
    f.monthCost = productRounded(f.rate / 100.0, roundDecimals(lotAmount, 4), 4);
    return f;
}

QString leaveMonthCostBox(const QString &typedCost)
{
    return formatFloat(QStringLiteral("#,##0.0000"), roundDown(-4, fNumValue(typedCost)));
}

} // namespace zedur::completion
