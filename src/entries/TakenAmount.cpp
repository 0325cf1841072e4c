#include "entries/TakenAmount.h"

#include "common/TextNumber.h"
#include "entries/ProductFigures.h"

#include <cmath>

namespace zedur::taken {

namespace {

// A priced amount differs from quantity x price by the cut to five decimals and the rounding
// to four (less than 0.00006); a typed one by what the user meant, at least the last place.
constexpr double PricedWithin = 0.0001;

} // namespace

bool atUnitPrice(double quantity, double price, double amount)
{
    return std::fabs(amount - quantity * price) < PricedWithin;
}

QString atUnitPriceSql(const QString &quantity, const QString &price, const QString &amount)
{
    return QStringLiteral("(abs(%3 - %1 * %2) < %4)").arg(quantity, price, amount).arg(PricedWithin);
}

double amountTaken(const Source &source, double quantity)
{
    if (atUnitPrice(source.quantity, source.price, source.amount))
        return roundDecimals(productCut(quantity, source.price, 5), 4);
    if (std::fabs(source.quantityLeft - quantity) < 0.00005)
        return roundDecimals(source.amountLeft, 4);
    return productfigures::share(source.amount, quantity, source.quantity);
}

} // namespace zedur::taken
