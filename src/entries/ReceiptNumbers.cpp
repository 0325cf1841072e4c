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

Checked<NumberBoxes> leaveNumberBox(NumberBox left, const NumberBoxes &shown)
{
    NumberBoxes b = shown;
    QString &text = textOf(b, left);
    text = zeroIfEmpty(text, QStringLiteral("0.0"));
    if (!IsDouble(text))
        return {Refusal{{}, boxName(left)}, shown};

    const QString bare = fDeleteBlank(text);
    const double value = fNumValue(bare);
    // The amount may be several thousand times larger than what makes it.
    const int limit = (left == NumberBox::Amount ? 19 : 14) + (value < 0 ? 1 : 0);
    if (bare.size() > limit) {
        const QString warning = QStringLiteral("전체 길이가 %1자를 초과 할 수 없읍니다.....").arg(limit);
        return {Refusal{warning, boxName(left), false, true}, shown};
    }

    text = cutAndShow(value);
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
    return {std::nullopt, b};
}

double storedNumber(const QString &shownText)
{
    return roundDecimals(fNumValue(shownText), 4);
}

} // namespace zedur::receipts
