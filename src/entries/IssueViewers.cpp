#include "entries/IssueViewers.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "entries/EntryWarnings.h"
#include "entries/ViewerRows.h"
#include "store/RowStatements.h"
#include "store/Db.h"
#include "store/Periods.h"

namespace zedur::issues {

namespace {

Refusal atSerial(const QString &text, const QString &serialBox)
{
    return Refusal{text, serialBox};
}

QString linkedText(const QString &first)
{
    return first + LB + QStringLiteral("데이타가 있으므로") + LB +
           QStringLiteral("삭제가 불가능한 데이타 입니다.......");
}

Verdict lotRefusal(Db &db, const QString &serial, const ResultSet &lot)
{
    const QString box = LotViewerSerialBox;
    const bool found = !lot.isEmpty();
    // Rates are shown at four decimals; what shows as 0.0000 counts as none.
    const double rate = found ? roundDecimals(lot.number(0, "Gong_TotWoul"), 4) : 0.0;
    if (rate > 0)
        return atSerial(QStringLiteral("완성율이 있는 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") +
                            LB + QStringLiteral("불가능한 데이타입니다...................... "),
                        box);
    if (found && lot.text(0, "Gong_Kubun") == QStringLiteral("전기이월"))
        return atSerial(warnings::carriedForward(), box);
    if (found && lot.text(0, "Gong_Check_01") == period::Closed)
        return atSerial(warnings::closedData(), box);
    if (!found)
        return atSerial(warnings::pickRowToDelete(), box);
    if (anyRowWith(db, QStringLiteral("MC_AcNameAmtInPut"), QStringLiteral("Amt_JeyGongPumSerial"), serial))
        return atSerial(linkedText(QStringLiteral("노무비,제조경비등에 직접비로 등록되어 있는")), box);
    if (anyRowWith(db, QStringLiteral("MC_JeyGongPumInPut_TaAc"), QStringLiteral("TaGong_GongSerial"),
                   serial))
        return atSerial(linkedText(QStringLiteral("재공품의 타 계정 대체로 등록되어 있는")), box);
    if (anyRowWith(db, QStringLiteral("MC_ChaongGoJeyGongPumInJeyGong"), QStringLiteral("InGong_GongSerial"),
                   serial))
        return atSerial(linkedText(QStringLiteral("완성 재공품이 제품창고에 입고된")), box);
    if (rate != 0)
        return atSerial(QStringLiteral("제조공정<재공품>에 투입된 원자재가 완성율이 등록되어") + LB +
                            QStringLiteral("삭제가 불가능한 데이타 입니다......."),
                        box);
    return std::nullopt;
}

} // namespace

Verdict deleteLot(Db &db, const QString &serial)
{
    const QString s = serial.trimmed();
    const QString table = QStringLiteral("MC_JeyGongPumInPut");
    Transaction t(db);
    const ResultSet lot = rowBySerial(db, table, QStringLiteral("Gong_Serial"), s);
    if (Verdict r = lotRefusal(db, s, lot))
        return r;
    deleteAndMark(db, table, QStringLiteral("Gong_Serial"), s);
    t.commit();
    return std::nullopt;
}

Verdict deleteTransfer(Db &db, const QString &serial)
{
    const QString s = serial.trimmed();
    const QString table = QStringLiteral("MC_WonJaJeyInPut_TaAc");
    Transaction t(db);
    const ResultSet transfer = rowBySerial(db, table, QStringLiteral("TaInPut_Serial"), s);
    if (!transfer.isEmpty() && transfer.text(0, "TaInPut_Check_01") == period::Closed)
        return atSerial(warnings::closedData(), TransferViewerSerialBox);
    if (transfer.isEmpty())
        return atSerial(warnings::pickRowToDelete(), TransferViewerSerialBox);
    deleteAndMark(db, table, QStringLiteral("TaInPut_Serial"), s);
    t.commit();
    return std::nullopt;
}

} // namespace zedur::issues
