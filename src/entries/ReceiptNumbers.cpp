#include "entries/ReceiptNumbers.h"

#include "common/TextNumber.h"

namespace zedur::receipts {

namespace {
const QString Shown = QStringLiteral("#,##0.0000");

QString &textOf(NumberBoxes &boxes, NumberBox box)
{
    switch (box) {
    case NumberBox::Quantity:
        return boxes.quantity;
    case NumberBox::Price:
        return boxes.price;
    case NumberBox::Amount:
        break;
    }
    return boxes.amount;
}

QString cutAndShow(double value)
{
    return formatFloat(Shown, roundDown(-5, value));
}

// quantity x unit price of the texts as shown, cut to five decimals.
QString amountOf(const NumberBoxes &b)
{
    return formatFloat(Shown, productCut(fNumValue(b.quantity), fNumValue(b.price), 5));
}

QString zeroIfEmpty(const QString &text, const QString &zero)
{
    return text.trimmed().isEmpty() ? zero : text;
}
} // namespace

QString boxName(NumberBox box)
{
    switch (box) {
    case NumberBox::Quantity:
        return QStringLiteral("edInPut_SuKg");
    case NumberBox::Price:
        return QStringLiteral("edInPut_DanGa");
    case NumberBox::Amount:
        break;
    }
    return QStringLiteral("edInPut_GaAmt");
}

namespace {

// What leaving a box makes of the three texts once its own text was found a number.
NumberBoxes afterLeaving(NumberBox left, NumberBoxes b, double value)
{
    textOf(b, left) = cutAndShow(value);
    switch (left) {
    case NumberBox::Quantity:
        b.price = formatFloat(Shown, fNumValue(zeroIfEmpty(b.price, QStringLiteral("0.0000"))));
        b.amount = amountOf(b);
        break;
    case NumberBox::Price:
        b.amount = amountOf(b);
        break;
    case NumberBox::Amount:
        break;
    }
    return b;
}

// The box's text as a number: empty is zero, anything else that is no number is refused.
Checked<double> numberIn(NumberBox box, NumberBoxes &b)
{
    QString &text = textOf(b, box);
    text = zeroIfEmpty(text, QStringLiteral("0.0"));
    if (!IsDouble(text))
        return {Refusal{{}, boxName(box)}, 0.0};
    return {std::nullopt, fNumValue(fDeleteBlank(text))};
}

} // namespace

Checked<NumberBoxes> leaveNumberBox(NumberBox left, const NumberBoxes &shown)
{
    NumberBoxes b = shown;
    const Checked<double> value = numberIn(left, b);
    if (!value.ok())
        return {value.refusal, shown};
    const QString bare = fDeleteBlank(textOf(b, left));
    // The amount may be several thousand times larger than what makes it.
    const int limit = (left == NumberBox::Amount ? 19 : 14) + (value.value < 0 ? 1 : 0);
    if (bare.size() > limit) {
        const QString warning = QStringLiteral("전체 길이가 %1자를 초과 할 수 없읍니다.....").arg(limit);
        return {Refusal{warning, boxName(left), false, true}, shown};
    }
    return {std::nullopt, afterLeaving(left, b, value.value)};
}

Checked<NumberBoxes> numbersToSave(const NumberBoxes &shown, bool amountTyped)
{
    NumberBoxes b = shown;
    QList<NumberBox> boxes{NumberBox::Quantity, NumberBox::Price};
    if (amountTyped)
        boxes << NumberBox::Amount;
    for (NumberBox box : boxes) {
        if (box == NumberBox::Amount)
            b.amount = shown.amount; // leaving the price worked it out; typed, it stands
        const Checked<double> value = numberIn(box, b);
        if (!value.ok())
            return {value.refusal, shown};
        b = afterLeaving(box, b, value.value);
    }
    return {std::nullopt, b};
}

double storedNumber(const QString &shownText)
{
    return roundDecimals(fNumValue(shownText), 4);
}

} // namespace zedur::receipts
