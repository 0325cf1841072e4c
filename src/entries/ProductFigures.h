#pragma once

#include <optional>

// The arithmetic of taking finished product out of a product receipt (a sale or a transfer
// to another account) and of taking back part of a sale: the quantity and prices as the
// screens remember them, the sales amount, and the costs shared out in proportion to the
// quantity. Numbers in, numbers out; the screens and their cores format and store them.
namespace zedur::productfigures {

// The cost columns of a product row. Whatever the names say, jenGiNoMu holds direct labour,
// daongNoMu indirect labour, jenGiJeyJo direct overhead and daongJeyJo indirect overhead.
struct ProductCost {
    double gaAmt = 0;
    double jenGiNoMu = 0;
    double daongNoMu = 0;
    double jenGiJeyJo = 0;
    double daongJeyJo = 0;
    double totGaAmt = 0;
    bool operator==(const ProductCost &) const = default;
};

// A typed quantity or price as the screen remembers it: cut to five decimals and kept at
// the four it shows ("0.0000").
double remembered(double typed);

// A receipt's unit cost, its total over its quantity; none for a receipt without quantity
// (the list shows it blank).
std::optional<double> unitCost(double totalCost, double quantity);

// The price that stands for the receipt's unit cost: cut to five decimals, kept at four.
std::optional<double> costPrice(std::optional<double> unitCost);

// A sale priced below the receipt's unit cost (both cut to five decimals): warned about,
// never refused. Without a unit cost nothing is below it.
bool belowCost(double price, std::optional<double> unitCost);

// The sales amount of a price and a quantity as shown: cut to five decimals, kept at four.
// The product is formed exactly, whatever the number of digits.
double salesAmount(double price, double quantity);

// An amount the user typed on purpose: it stands, at the four decimals shown.
double typedAmount(double typed);

// The part of `amount` that `quantity` out of `ofQuantity` carries, written with four
// decimals. The proportion quantity x 1 / ofQuantity is formed in extended precision
// before it multiplies the amount. Nothing is carried out of a zero quantity.
double share(double amount, double quantity, double ofQuantity);

// Every cost column of a receipt shared out to `quantity` of its `receiptQuantity`, each
// from the receipt's own column (the total is not the sum of the rounded parts).
ProductCost shareOf(const ProductCost &receipt, double receiptQuantity, double quantity);

// The sale a return takes back from, as stored.
struct SaleTakenBack {
    double quantity = 0;
    double price = 0;
    double amount = 0; // what the customer was charged: quantity x price, or typed apart
    double cost = 0;
};

// Taking back `typedQuantity` (its sign is ignored) of a sale. The return receipt holds
// `quantity` at `receiptCost`, its share of the sale's cost; the negative sales row holds
// `rowQuantity` at `rowPrice` for `rowAmount`, its share of what was charged, with the same cost.
struct ReturnFigures {
    double quantity = 0;
    double receiptCost = 0;
    double rowQuantity = 0;
    double rowPrice = 0;
    double rowAmount = 0;
    bool operator==(const ReturnFigures &) const = default;
};
ReturnFigures returnFigures(double typedQuantity, const SaleTakenBack &sale);

} // namespace zedur::productfigures
