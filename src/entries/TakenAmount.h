#pragma once

#include <QString>

// What a quantity taken out of a stock row is worth: a raw-material receipt issued or
// transferred, a sale taken back. A row whose amount is its quantity at its unit price gives
// what it always gave, the taken quantity at that price. A row whose amount was typed apart
// from that gives its share of the amount instead, so that the difference leaves with the
// goods and is neither lost nor made when the rest is carried into the next month.
namespace zedur::taken {

// The amount is the quantity at the unit price, to the fourth place the amount is kept at.
bool atUnitPrice(double quantity, double price, double amount);

// The same test in SQL, over three column expressions.
QString atUnitPriceSql(const QString &quantity, const QString &price, const QString &amount);

struct Source {
    double quantity = 0;
    double price = 0;
    double amount = 0;
    double quantityLeft = 0; // what earlier takings left of it
    double amountLeft = 0;
};

// The amount, kept at four decimals, of `quantity` taken out of `source`. Taking all that is
// left of a row with a typed amount takes all of its amount that is left, so that rounding
// the shares leaves nothing behind.
double amountTaken(const Source &source, double quantity);

} // namespace zedur::taken
