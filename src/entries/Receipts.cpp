#include "entries/Receipts.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/DayDate.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/ReceiptNumbers.h"
#include "entries/StoredRow.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur::receipts {

namespace {

// Carried-forward rows are the closing's, closed rows stay as they were.
const RowRule Rule{entryTables::Receipts};

Refusal clearing(const QString &text)
{
    return Refusal{text, {}, true};
}

// The tests before a new row, as the screen words them: what it showed last, then the month.
Verdict newRowStateRefusal(Db &db, const Period &shown, const RememberedRow &remembered, const QString &gridCheck01)
{
    if (remembered.kubun.trimmed() == CarriedForward)
        return clearing(warnings::carriedForward());
    if (remembered.check01.trimmed() == period::Closed || gridCheck01.trimmed() == period::Closed)
        return clearing(warnings::closedData());
    return newRowRefusal(db, Rule, shown);
}

// The row a change or a delete is about, as stored; the refusal when it may not be touched.
Checked<StoredRow> changeableRow(Db &db, const Period &shown, const QString &serial)
{
    const StoredRow row = readStoredRow(db, Rule, serial, shown);
    if (row.refusal())
        return {row.refusal(), {}};
    if (!row.found())
        return {clearing(serial.trimmed() + QStringLiteral("  검색한 데이타가 없습니다.....")), {}};
    return {std::nullopt, row};
}

Verdict missingValueRefusal(const ReceiptEntry &e)
{
    if (fDeleteBlank(e.wonCode).isEmpty())
        return Refusal{QStringLiteral("원자재 코드를 등록 하세요......"), QStringLiteral("edInPut_WonName")};
    if (fDeleteBlank(e.wonName).isEmpty())
        return Refusal{QStringLiteral("원자재 이름를 등록 하세요......"), QStringLiteral("edInPut_WonName")};
    if (fDeleteBlank(e.textMemo).isEmpty())
        return Refusal{QStringLiteral("적요및메모를 등록 하세요......"), QStringLiteral("edInPut_TextMemo")};
    return std::nullopt;
}

// A receipt without a date would belong to no month; one on a day the month does not
// have would be a date no report can place.
Checked<DayDate> receiptDate(const Period &shown, const QString &day)
{
    const QString dayBox = QStringLiteral("edDay");
    if (day.trimmed().isEmpty())
        return {Refusal{QStringLiteral("입고일자를 등록 하세요......"), dayBox}, {}};
    return checkDay(shown, day, dayBox);
}

// What a save writes besides the boxes' texts: the date and the three numbers.
struct ReceiptFigures {
    QString date;
    NumberBoxes numbers;
};

// The tests every save makes once the row may be written.
Checked<ReceiptFigures> savable(const ReceiptSave &save)
{
    const ReceiptEntry &e = save.entry;
    if (Verdict r = missingValueRefusal(e))
        return {r, {}};
    const Checked<DayDate> date = receiptDate(save.shown, e.day);
    if (!date.ok())
        return {date.refusal, {}};
    const Checked<NumberBoxes> numbers = numbersToSave({e.quantity, e.price, e.amount}, e.amountTyped);
    if (!numbers.ok())
        return {numbers.refusal, {}};
    return {std::nullopt, {date.value.date, numbers.value}};
}

// The 27 columns a save writes, in table order.
RowValues receiptRow(const ReceiptEntry &e, const ReceiptFigures &f, const AuditValues &audit)
{
    const QString &date = f.date;
    return {{"InPut_Serial", e.serial.trimmed()},
            {"InPut_Date", date},
            {"InPut_Year", date.left(4)},
            {"InPut_Month", date.mid(5, 2)},
            {"InPut_WonCode", e.wonCode.trimmed()},
            {"InPut_WonName", e.wonName.trimmed()},
            {"InPut_DanWi", e.danWi.trimmed()},
            {"InPut_Model", e.model.trimmed()},
            {"InPut_PumName", e.pumName.trimmed()},
            {"InPut_KuSize", e.kuSize.trimmed()},
            {"InPut_SerialJen", e.serialJen.trimmed()},
            {"InPut_TaxNumber", e.taxNumber.trimmed()},
            {"InPut_SaleCode", e.saleCode.trimmed()},
            {"InPut_SaleName", e.saleName.trimmed()},
            {"InPut_SaleNumber", e.saleNumber.trimmed()},
            {"InPut_SaleDyiPou", e.saleDyiPou.trimmed()},
            {"InPut_TextMemo", e.textMemo.trimmed()},
            {"InPut_SuKg", storedNumber(f.numbers.quantity)},
            {"InPut_DanGa", storedNumber(f.numbers.price)},
            {"InPut_GaAmt", storedNumber(f.numbers.amount)},
            {"InPut_Kubun", OfTheMonth},
            {"InPut_Bigo", e.bigo.trimmed()},
            {"InPut_Check_01", QString("")},
            {"InPut_Check_02", QString("")},
            {"InPut_Check_03", audit.volumeSerial},
            {"InPut_SaveDate", audit.saveDate},
            {"InPut_InPutSerial", QString("")}};
}

QString usedText(bool transfer, const QString &refused)
{
    return (transfer ? QStringLiteral("타 계정 대체된 원자재가 있으므로")
                     : QStringLiteral("제조공정에 투입된 원자재가 있으므로")) +
           LB + refused;
}

Verdict usedRefusal(Db &db, const QString &serial, const QString &refused)
{
    if (receiptHasTransfers(db, serial))
        return clearing(usedText(true, refused));
    if (receiptHasLots(db, serial))
        return clearing(usedText(false, refused));
    return std::nullopt;
}

} // namespace

Checked<QString> beginNewReceipt(Db &db, const Period &shown, const RememberedRow &remembered)
{
    if (remembered.check01.trimmed() == period::Closed)
        return {clearing(warnings::closedData()), {}};
    if (Verdict r = newRowRefusal(db, Rule, shown))
        return {r, {}};
    return {std::nullopt, Serial_MaxValue(db, Table, QStringLiteral("InPut_Serial"))};
}

Verdict saveNewReceipt(Db &db, const ReceiptSave &save, QString *storedSerial)
{
    EntryTransaction t(db);
    if (Verdict r = newRowStateRefusal(db, save.shown, save.remembered, save.gridCheck01))
        return r;
    const Checked<ReceiptFigures> figures = savable(save);
    if (!figures.ok())
        return figures.refusal;
    ReceiptEntry entry = save.entry;
    entry.serial = serialForNewRow(db, Rule.table.name, Rule.table.column(QStringLiteral("Serial")), entry.serial);
    insertEntryRow(db, Rule.table, receiptRow(entry, figures.value, save.audit));
    t.commit();
    if (storedSerial)
        *storedSerial = entry.serial;
    return std::nullopt;
}

Verdict saveChangedReceipt(Db &db, const ReceiptSave &save)
{
    EntryTransaction t(db);
    const Checked<StoredRow> row = changeableRow(db, save.shown, save.entry.serial);
    if (!row.ok())
        return row.refusal;
    const Checked<ReceiptFigures> figures = savable(save);
    if (!figures.ok())
        return figures.refusal;
    if (Verdict used = usedRefusal(db, row.value.serial(), QStringLiteral("수정이 불가능한 데이타 입니다.......")))
        return used;
    updateStoredRow(db, row.value, receiptRow(save.entry, figures.value, save.audit));
    t.commit();
    return std::nullopt;
}

Verdict deleteReceipt(Db &db, const Period &shown, const QString &serial)
{
    EntryTransaction t(db);
    const Checked<StoredRow> row = changeableRow(db, shown, fDeleteBlank(serial));
    if (!row.ok())
        return row.refusal;
    if (Verdict used = usedRefusal(db, row.value.serial(), QStringLiteral("삭제가 불가능한 데이타 입니다.......")))
        return used;
    deleteStoredRow(db, row.value);
    t.commit();
    return std::nullopt;
}

bool receiptHasTransfers(Db &db, const QString &serial)
{
    return anyRowWith(db, QStringLiteral("MC_WonJaJeyInPut_TaAc"), QStringLiteral("TaInPut_InPutSerial"), serial);
}

bool receiptHasLots(Db &db, const QString &serial)
{
    return anyRowWith(db, QStringLiteral("MC_JeyGongPumInPut"), QStringLiteral("Gong_InPutSerial"), serial);
}

} // namespace zedur::receipts
