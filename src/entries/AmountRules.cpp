#include "entries/AmountRules.h"

#include "common/TextNumber.h"

namespace zedur::amounts {

namespace {
const QString AmountBox = QStringLiteral("edAmt_Amt");
}

const QStringList &kindItems()
{
    static const QStringList items{Indirect, Direct};
    return items;
}

bool isManufacturingAccount(const QString &acCode)
{
    return acCode.trimmed().startsWith(QStringLiteral("404"));
}

QString groupKubunFor(const QString &acCode)
{
    return isManufacturingAccount(acCode) ? QStringLiteral("제조원가명세서") : QStringLiteral("손익계산서");
}

QString groupAccountName(const QString &acNameCall, const QString &acName)
{
    const QString call = acNameCall.trimmed();
    const qsizetype length = call.size() - acName.trimmed().size() - 1;
    return length < 0 ? QString("") : call.left(length);
}

QString lotBoxForKind(const QString &kind)
{
    return kind == Indirect ? CommonLot : QString("");
}

KindChoice leaveKindList(const QString &acCode, const QString &kind, const QString &lotBox)
{
    if (isManufacturingAccount(acCode) && kind == Direct)
        return {Direct, lotBox, true};
    return {Indirect, CommonLot, false};
}

Checked<QString> leaveAmountBox(const QString &typed)
{
    if (!IsDouble(typed))
        return {Refusal{{}, AmountBox}, {}};
    const double value = fNumValue(fDeleteBlank(typed));
    if (typed.trimmed().isEmpty() || value == 0)
        return {Refusal{QStringLiteral("기준금액을 등록 하세요......"), AmountBox}, {}};
    return {std::nullopt, formatFloat(QStringLiteral("#,##0.00"), value)};
}

double storedAmount(const QString &shownText)
{
    return roundDecimals(fNumValue(fDeleteBlank(shownText)), 0);
}

} // namespace zedur::amounts
