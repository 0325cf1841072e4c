#include "entries/Amounts.h"

#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryWarnings.h"
#include "entries/PeriodTest.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur::amounts {

namespace {

const QString DayBox = QStringLiteral("edDay");

// The closed-row and open-month tests that open every change.
Verdict changeRefusal(Db &db, const Period &shown, const QString &gridCheck01)
{
    if (gridCheck01.trimmed() == period::Closed)
        return Refusal{warnings::closedData(), {}, true};
    return periodRefusal(db, shown);
}

// A direct amount needs a manufacturing account and a lot; the allocation could not
// place it otherwise.
bool kindFitsAccount(const AmountEntry &e)
{
    if (e.kind != Direct)
        return true;
    return isManufacturingAccount(e.acCode) && e.lotBox.trimmed() != CommonLot;
}

Checked<QString> savable(Db &db, const AmountSave &s)
{
    const AmountEntry &e = s.entry;
    if (Verdict r = changeRefusal(db, s.shown, s.gridCheck01))
        return {r, {}};
    if (e.day.trimmed().isEmpty())
        return {Refusal{QStringLiteral("기준일자를 등록 하세요......"), DayBox}, {}};
    const Checked<DayDate> day = checkDay(s.shown, e.day, DayBox);
    if (!day.ok())
        return {day.refusal, {}};
    if (fDeleteBlank(e.acName).isEmpty())
        return {Refusal{QStringLiteral("원자재 이름를 등록 하세요......"), QStringLiteral("edAmt_AcName")},
                {}};
    if (fDeleteBlank(e.acCode).isEmpty())
        return {Refusal{QStringLiteral("원자재 코드를 등록 하세요......"), QStringLiteral("edAmt_AcName")},
                {}};
    if (!IsDouble(e.amount) || storedAmount(e.amount) == 0)
        return {Refusal{QStringLiteral("기준금액을 등록 하세요......"), QStringLiteral("edAmt_Amt")}, {}};
    if (fDeleteBlank(e.lotBox).isEmpty())
        return {Refusal{QStringLiteral("투입된 제조공정(재공품)의 저장번호를 등록 하세요......"),
                        QStringLiteral("cbAmt_JeyJoKubun")},
                {}};
    if (fDeleteBlank(e.textMemo).isEmpty())
        return {Refusal{QStringLiteral("적요및메모를 등록 하세요......"), QStringLiteral("edAmt_TextMemo")},
                {}};
    if (!kindFitsAccount(e))
        return {Refusal{{}, QStringLiteral("cbAmt_JeyJoKubun")}, {}};
    return {std::nullopt, day.value.date};
}

} // namespace

RowValues amountRow(const Period &shown, const AmountEntry &e, const QString &date, const QString &check01,
                    const QString &check02, const AuditValues &audit)
{
    return {{"Amt_Serial", e.serial.trimmed()},
            {"Amt_Date", date},
            {"Amt_Year", shown.year.trimmed()},
            {"Amt_Month", shown.month.trimmed()},
            {"Amt_GroupKubun", groupKubunFor(e.acCode)},
            {"Amt_AcCode", e.acCode.trimmed()},
            {"Amt_AcName", e.acName.trimmed()},
            {"Amt_GroupAcName", e.groupAcName.trimmed()},
            {"Amt_JeyJoKubun", e.kind.trimmed()},
            {"Amt_JeyGongPumSerial", e.lotBox.trimmed()},
            {"Amt_TextMemo", e.textMemo.trimmed()},
            {"Amt_Bigo", e.bigo.trimmed()},
            {"Amt_Amt", storedAmount(e.amount)},
            {"Amt_Check_01", check01},
            {"Amt_Check_02", check02},
            {"Amt_Check_03", audit.volumeSerial},
            {"Amt_Check_04", audit.computerName},
            {"Amt_Check_05", audit.folder},
            {"Amt_SaveDate", audit.saveDate}};
}

Checked<QString> beginNewAmount(Db &db, const Period &shown, const QString &gridCheck01)
{
    if (Verdict r = changeRefusal(db, shown, gridCheck01))
        return {r, {}};
    return {std::nullopt, Serial_MaxValue(db, Table, QStringLiteral("Amt_Serial"))};
}

Verdict saveNewAmount(Db &db, const AmountSave &save)
{
    Transaction t(db);
    const Checked<QString> date = savable(db, save);
    if (!date.ok())
        return date.refusal;
    insertRow(db, Table, amountRow(save.shown, save.entry, date.value, QString(""), QString(""), save.audit));
    t.commit();
    return std::nullopt;
}

Verdict saveChangedAmount(Db &db, const AmountSave &save)
{
    Transaction t(db);
    const Checked<QString> date = savable(db, save);
    if (!date.ok())
        return date.refusal;
    const QString serial = save.entry.serial.trimmed();
    const ResultSet kept =
        db.query(QStringLiteral(
                     "Select Amt_Check_01, Amt_Check_02 From MC_AcNameAmtInPut Where Amt_Serial = :tbSerial"),
                 {{":tbSerial", serial}});
    const QString check01 = kept.isEmpty() ? QString("") : kept.text(0, "Amt_Check_01");
    const QString check02 = kept.isEmpty() ? QString("") : kept.text(0, "Amt_Check_02");
    updateRow(db, Table, amountRow(save.shown, save.entry, date.value, check01, check02, save.audit),
              QStringLiteral("Amt_Serial"), serial);
    t.commit();
    return std::nullopt;
}

Verdict deleteAmount(Db &db, const Period &shown, const QString &serial, const QString &gridCheck01)
{
    Transaction t(db);
    if (Verdict r = changeRefusal(db, shown, gridCheck01))
        return r;
    db.exec(QStringLiteral("Delete From MC_AcNameAmtInPut Where Amt_Serial = ( :tbSerial )"),
            {{":tbSerial", serial.trimmed()}});
    t.commit();
    return std::nullopt;
}

} // namespace zedur::amounts
