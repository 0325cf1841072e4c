#include "entries/LotConsumption.h"

#include "common/TextNumber.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zedur::warehouse {

bool Consumption::covered() const
{
    return std::all_of(unmet.cbegin(), unmet.cend(), [](double u) { return u == 0.0; });
}

namespace {

bool older(const LotOffer &a, const LotOffer &b)
{
    if (a.date != b.date)
        return a.date < b.date;
    if (a.serial != b.serial)
        return a.serial < b.serial;
    return a.price < b.price;
}

} // namespace

Consumption consumeOldestFirst(const QVector<MaterialNeed> &needs, const QVector<LotOffer> &lots)
{
    QVector<int> order(lots.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return older(lots.at(a), lots.at(b)); });
    QVector<double> left(lots.size());
    for (int i = 0; i < lots.size(); ++i)
        left[i] = lots.at(i).quantity;

    Consumption c;
    c.unmet.resize(needs.size());
    for (int n = 0; n < needs.size(); ++n) {
        double need = needs.at(n).quantity;
        for (int i : order) {
            if (need < QuantityTolerance)
                break;
            // Less than the tolerance left of a lot is what its rounded slices left behind.
            if (left.at(i) < QuantityTolerance || lots.at(i).code.compare(needs.at(n).code, Qt::CaseInsensitive) != 0)
                continue;
            const double offered = left.at(i);
            double taken = offered;
            if (std::fabs(offered - need) < QuantityTolerance) {
                need = 0.0;
            } else if (offered > need) {
                taken = need;
                need = 0.0;
            } else {
                need -= offered;
            }
            left[i] -= taken;
            c.takes.append({n, i, taken});
        }
        c.unmet[n] = need < QuantityTolerance ? 0.0 : need;
    }
    return c;
}

Slice sliceOf(const LotOffer &lot, double taken)
{
    Slice s;
    s.quantity = roundDecimals(taken, 4);
    if (lot.quantity <= 0.0)
        return s;
    // The amounts follow the quantity the row keeps: the allocation later shares the lot's
    // total by that quantity, and a product's parts must add up to its total when the close
    // carries them. The product is formed first, in extended precision, then divided by what
    // the lot offers.
    const auto share = [&](long double amount) {
        return roundDecimals(double(amount * static_cast<long double>(s.quantity) / lot.quantity), 4);
    };
    s.gaAmt = share(lot.gaAmt);
    long double sum = 0.0L;
    for (size_t i = 0; i < lot.costs.size(); ++i) {
        s.costs[i] = share(lot.costs[i]);
        sum += lot.costs[i];
    }
    s.woulAmtTot = share(sum);
    return s;
}

} // namespace zedur::warehouse
