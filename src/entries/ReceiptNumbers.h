#pragma once

#include "entries/Refusal.h"

#include <QString>

// The quantity, unit-price and amount boxes of the receipts screen: what leaving each
// of them does to the three texts. The amount follows quantity x unit price as shown,
// cut to five decimals, until the user types an amount of his own.
namespace zedur::receipts {

struct NumberBoxes {
    QString quantity;
    QString price;
    QString amount;
};

enum class NumberBox { Quantity, Price, Amount };

// The texts the three boxes show after leaving `left`. Refused (focus stays in the box
// left): a text that is no number, silently; one longer than its limit (14 characters,
// 15 with a minus; the amount 19 and 20), with a warning and the text selected.
Checked<NumberBoxes> leaveNumberBox(NumberBox left, const NumberBoxes &shown);

// The three numbers a save stores, whichever way the user left the boxes: each must be a
// number and is cut as leaving its box would cut it, and the amount is worked out from
// quantity and price unless the user typed it on purpose (after they last changed). The
// limit on their length is one on typing, checked when a box is left: a stored row with
// large values saves again as it is.
Checked<NumberBoxes> numbersToSave(const NumberBoxes &shown, bool amountTyped);

// The objectName of each box, for the focus.
QString boxName(NumberBox box);

// The value a shown number is stored as: the text read back and rounded to the four
// decimals it shows.
double storedNumber(const QString &shownText);

} // namespace zedur::receipts
