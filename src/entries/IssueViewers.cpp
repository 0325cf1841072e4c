#include "entries/IssueViewers.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/StoredRow.h"
#include "store/Db.h"
#include "store/Periods.h"
#include "store/RowStatements.h"

namespace zedur::issues {

namespace {

// The viewers leave their boxes as they are and point at the serial.
const RowRule LotRule{entryTables::Lots, true, QStringLiteral("등록,수정,삭제등이 가능합니다........"),
                      LotViewerSerialBox, false};
const RowRule TransferRule{entryTables::MaterialTransfers, true,
                           QStringLiteral("등록,수정,삭제등이 가능합니다........"), TransferViewerSerialBox, false};

Refusal atSerial(const QString &text, const QString &serialBox)
{
    return Refusal{text, serialBox};
}

QString linkedText(const QString &first)
{
    return first + LB + QStringLiteral("데이타가 있으므로") + LB +
           QStringLiteral("삭제가 불가능한 데이타 입니다.......");
}

Verdict lotRefusal(Db &db, const StoredRow &lot)
{
    const QString box = LotViewerSerialBox;
    const QString serial = lot.serial();
    // Rates are shown at four decimals; what shows as 0.0000 counts as none.
    const double rate = roundDecimals(lot.number(QStringLiteral("TotWoul")), 4);
    if (rate > 0)
        return atSerial(QStringLiteral("완성율이 있는 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
                            QStringLiteral("불가능한 데이타입니다...................... "),
                        box);
    if (lot.refusal())
        return lot.refusal();
    if (!lot.found())
        return atSerial(warnings::pickRowToDelete(), box);
    if (anyRowWith(db, QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("Amt_JeyGongPumSerial"), serial))
        return atSerial(linkedText(QStringLiteral("노무비,제조경비등에 직접비로 등록되어 있는")), box);
    if (anyRowWith(db, QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_GongSerial"), serial))
        return atSerial(linkedText(QStringLiteral("재공품의 타 계정 대체로 등록되어 있는")), box);
    if (anyRowWith(db, QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("InGong_GongSerial"), serial))
        return atSerial(linkedText(QStringLiteral("완성 재공품이 제품창고에 입고된")), box);
    if (rate != 0)
        return atSerial(QStringLiteral("제조공정<재공품>에 투입된 원자재가 완성율이 등록되어") + LB +
                            QStringLiteral("삭제가 불가능한 데이타 입니다......."),
                        box);
    return std::nullopt;
}

} // namespace

Verdict deleteLot(Db &db, const Period &shown, const QString &serial)
{
    EntryTransaction t(db);
    const StoredRow lot = readStoredRow(db, LotRule, serial, shown);
    if (Verdict r = lotRefusal(db, lot))
        return r;
    deleteStoredRow(db, lot);
    t.commit();
    return std::nullopt;
}

Verdict deleteTransfer(Db &db, const Period &shown, const QString &serial)
{
    EntryTransaction t(db);
    const StoredRow transfer = readStoredRow(db, TransferRule, serial, shown);
    if (transfer.refusal())
        return transfer.refusal();
    if (!transfer.found())
        return atSerial(warnings::pickRowToDelete(), TransferViewerSerialBox);
    deleteStoredRow(db, transfer);
    t.commit();
    return std::nullopt;
}

} // namespace zedur::issues
