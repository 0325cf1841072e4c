#include "entries/Amounts.h"

#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/StoredRow.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur::amounts {

namespace {

const QString DayBox = QStringLiteral("edDay");
// Amounts are never carried forward; closed rows stay as they were.
const RowRule Rule{entryTables::Amounts, false};

// The closed-row and open-month tests before a new row, as the screen words them.
Verdict newRowStateRefusal(Db &db, const Period &shown, const QString &gridCheck01)
{
    if (gridCheck01.trimmed() == period::Closed)
        return Refusal{warnings::closedData(), {}, true};
    return newRowRefusal(db, Rule, shown);
}

// The row a change or a delete is about, as stored; the refusal when it may not be touched.
Checked<StoredRow> changeableRow(Db &db, const Period &shown, const QString &serial)
{
    const StoredRow row = readStoredRow(db, Rule, serial, shown);
    if (row.refusal())
        return {row.refusal(), {}};
    if (!row.found())
        return {Rule.refusal(serial.trimmed() + QStringLiteral("  검색한 데이타가 없습니다.....")), {}};
    return {std::nullopt, row};
}

// A direct amount needs a manufacturing account and a lot; the allocation could not
// place it otherwise.
bool kindFitsAccount(const AmountEntry &e)
{
    if (e.kind != Direct)
        return true;
    return isManufacturingAccount(e.acCode) && e.lotBox.trimmed() != CommonLot;
}

// The tests every save makes once the row may be written; the date to write.
Checked<QString> savable(const AmountSave &s)
{
    const AmountEntry &e = s.entry;
    if (e.day.trimmed().isEmpty())
        return {Refusal{QStringLiteral("기준일자를 등록 하세요......"), DayBox}, {}};
    const Checked<DayDate> day = checkDay(s.shown, e.day, DayBox);
    if (!day.ok())
        return {day.refusal, {}};
    if (fDeleteBlank(e.acName).isEmpty())
        return {Refusal{QStringLiteral("원자재 이름를 등록 하세요......"), QStringLiteral("edAmt_AcName")}, {}};
    if (fDeleteBlank(e.acCode).isEmpty())
        return {Refusal{QStringLiteral("원자재 코드를 등록 하세요......"), QStringLiteral("edAmt_AcName")}, {}};
    if (!IsDouble(e.amount) || storedAmount(e.amount) == 0)
        return {Refusal{QStringLiteral("기준금액을 등록 하세요......"), QStringLiteral("edAmt_Amt")}, {}};
    if (fDeleteBlank(e.lotBox).isEmpty())
        return {Refusal{QStringLiteral("투입된 제조공정(재공품)의 저장번호를 등록 하세요......"),
                        QStringLiteral("cbAmt_JeyJoKubun")},
                {}};
    if (fDeleteBlank(e.textMemo).isEmpty())
        return {Refusal{QStringLiteral("적요및메모를 등록 하세요......"), QStringLiteral("edAmt_TextMemo")}, {}};
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
    if (Verdict r = newRowStateRefusal(db, shown, gridCheck01))
        return {r, {}};
    return {std::nullopt, Serial_MaxValue(db, Table, QStringLiteral("Amt_Serial"))};
}

Verdict saveNewAmount(Db &db, const AmountSave &save, QString *storedSerial)
{
    EntryTransaction t(db);
    if (Verdict r = newRowStateRefusal(db, save.shown, save.gridCheck01))
        return r;
    const Checked<QString> date = savable(save);
    if (!date.ok())
        return date.refusal;
    AmountEntry entry = save.entry;
    entry.serial = serialForNewRow(db, Rule.table.name, Rule.table.column(QStringLiteral("Serial")), entry.serial);
    insertEntryRow(db, Rule.table, amountRow(save.shown, entry, date.value, QString(""), QString(""), save.audit));
    t.commit();
    if (storedSerial)
        *storedSerial = entry.serial;
    return std::nullopt;
}

Verdict saveChangedAmount(Db &db, const AmountSave &save)
{
    EntryTransaction t(db);
    const Checked<StoredRow> row = changeableRow(db, save.shown, save.entry.serial);
    if (!row.ok())
        return row.refusal;
    const Checked<QString> date = savable(save);
    if (!date.ok())
        return date.refusal;
    const StoredRow &stored = row.value;
    updateStoredRow(db, stored,
                    amountRow(save.shown, save.entry, date.value, stored.text(QStringLiteral("Check_01")),
                              stored.text(QStringLiteral("Check_02")), save.audit));
    t.commit();
    return std::nullopt;
}

Verdict deleteAmount(Db &db, const Period &shown, const QString &serial)
{
    EntryTransaction t(db);
    const Checked<StoredRow> row = changeableRow(db, shown, serial);
    if (!row.ok())
        return row.refusal;
    deleteStoredRow(db, row.value);
    t.commit();
    return std::nullopt;
}

} // namespace zedur::amounts
