#include "entries/ProductFigures.h"

#include "common/TextNumber.h"
#include "entries/TakenAmount.h"

#include <cmath>

namespace zedur::productfigures {

double remembered(double typed)
{
    return roundDecimals(roundDown(-5, typed), 4);
}

std::optional<double> unitCost(double totalCost, double quantity)
{
    if (quantity == 0)
        return std::nullopt;
    return totalCost / quantity;
}

std::optional<double> costPrice(std::optional<double> unitCost)
{
    if (!unitCost)
        return std::nullopt;
    return remembered(*unitCost);
}

bool belowCost(double price, std::optional<double> unitCost)
{
    return unitCost && roundDown(-5, price) < roundDown(-5, *unitCost);
}

double salesAmount(double price, double quantity)
{
    return roundDecimals(productCut(price, quantity, 5), 4);
}

double typedAmount(double typed)
{
    return roundDecimals(typed, 4);
}

double share(double amount, double quantity, double ofQuantity)
{
    if (ofQuantity == 0)
        return 0.0;
    const long double proportion = static_cast<long double>(quantity) * 1 / static_cast<long double>(ofQuantity);
    return roundDecimals(static_cast<double>(static_cast<long double>(amount) * proportion), 4);
}

ProductCost shareOf(const ProductCost &receipt, double receiptQuantity, double quantity)
{
    const auto part = [&](double amount) {
        return share(amount, quantity, receiptQuantity);
    };
    return {part(receipt.gaAmt),      part(receipt.jenGiNoMu),  part(receipt.daongNoMu),
            part(receipt.jenGiJeyJo), part(receipt.daongJeyJo), part(receipt.totGaAmt)};
}

ReturnFigures returnFigures(double typedQuantity, const SaleTakenBack &sale)
{
    ReturnFigures f;
    f.quantity = roundDecimals(std::fabs(typedQuantity), 4);
    f.receiptCost = share(sale.cost, f.quantity, sale.quantity);
    f.rowQuantity = -f.quantity;
    f.rowPrice = roundDecimals(sale.price, 4);
    // A sale whose amount was typed apart from its price (a discount) gives back its share of
    // what the customer was charged, never more.
    f.rowAmount = taken::atUnitPrice(sale.quantity, f.rowPrice, sale.amount)
                      ? productRounded(f.rowPrice, f.rowQuantity, 4)
                      : -share(sale.amount, f.quantity, sale.quantity);
    return f;
}

} // namespace zedur::productfigures
