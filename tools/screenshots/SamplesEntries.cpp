#include "Shots.h"

#include "common/SystemInfo.h"
#include "entries/Amounts.h"
#include "entries/Completion.h"
#include "entries/Issues.h"
#include "entries/Receipts.h"
#include "store/Db.h"

#include <cstdio>

namespace shots {

namespace {

QString receive(zedur::Db &db, const QString &code, const QString &name, const QString &unit, double quantity,
                double price, const QString &day, const QString &sale)
{
    using namespace zedur::receipts;
    const auto serial = beginNewReceipt(db, April, {});
    ReceiptEntry e;
    e.serial = serial.value;
    e.day = day;
    e.wonCode = code;
    e.wonName = name;
    e.danWi = unit;
    e.model = QStringLiteral("KS-2024");
    e.pumName = name;
    e.kuSize = QStringLiteral("1219x2438");
    e.serialJen = QStringLiteral("TS-04") + day;
    e.taxNumber = QStringLiteral("12-") + day;
    e.saleCode = QStringLiteral("S01");
    e.saleName = sale;
    e.saleNumber = QStringLiteral("123-45-67890");
    e.saleDyiPou = QStringLiteral("김대표");
    e.textMemo = QStringLiteral("4월 정기 구매");
    e.quantity = QString::number(quantity, 'f', 4);
    e.price = QString::number(price, 'f', 4);
    e.amount = QString::number(quantity * price, 'f', 4);
    saveNewReceipt(db, {April, e, {}, {}, zedur::AuditValues::now()});
    return serial.value;
}

void issue(zedur::Db &db, const QString &receipt, zedur::issues::IssueKind kind, const QString &quantity,
           const QString &day, const QString &memo)
{
    zedur::issues::IssueRequest r;
    r.shown = April;
    r.receiptSerial = receipt;
    r.kind = kind;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = memo;
    r.audit = zedur::AuditValues::now();
    if (const zedur::Verdict v = zedur::issues::saveIssue(db, r))
        std::printf("sample issue refused: %s\n", qPrintable(v->text));
}

QString lotOf(zedur::Db &db, const QString &receipt, const QString &quantity)
{
    return db
        .scalar("Select Gong_Serial From MC_JeyGongPumInPut Where Gong_InPutSerial = :r And Gong_SuKg = :q",
                {{":r", receipt}, {":q", quantity.toDouble()}})
        .toString();
}

void complete(zedur::Db &db, const QString &lot, const QString &rate)
{
    zedur::completion::CompletionSave s;
    s.shown = April;
    s.serial = lot;
    s.wonCode = QStringLiteral("X");
    s.typedRate = rate;
    s.textMemo =
        db.scalar("Select Gong_TextMemo From MC_JeyGongPumInPut Where Gong_Serial = :s", {{":s", lot}}).toString();
    s.saveDate = zedur::saveDateNow();
    if (const zedur::Verdict v = zedur::completion::saveCompletion(db, s))
        std::printf("sample rate refused: %s\n", qPrintable(v->text));
}

void addAmount(zedur::Db &db, const QString &day, const QString &code, const QString &name, const QString &group,
               const QString &lot, double amount, const QString &memo)
{
    using namespace zedur;
    amounts::AmountEntry e;
    e.serial = amounts::beginNewAmount(db, April, {}).value;
    e.day = day;
    e.acCode = code;
    e.acName = name;
    e.groupAcName = group;
    e.kind = lot.isEmpty() ? amounts::Indirect : amounts::Direct;
    e.lotBox = lot.isEmpty() ? amounts::CommonLot : lot;
    e.textMemo = memo;
    e.amount = QString::number(amount, 'f', 0);
    if (const Verdict v = amounts::saveNewAmount(db, {April, e, {}, AuditValues::now()}))
        std::printf("sample amount refused: %s\n", qPrintable(v->text));
}

// Amounts on labour, overhead and other accounts, common and direct on lots, and one
// receipt of the closed month before.
void sampleAmounts(zedur::Db &db, const QString &firstLot, const QString &secondLot)
{
    addAmount(db, "25", "40403001", "임금", "노무비(제)", "", 18500000, "4월 생산직 급여");
    addAmount(db, "25", "40403002", "상여금", "노무비(제)", firstLot, 1200000, "선반 1차 특근 수당");
    addAmount(db, "28", "40404005", "전력비", "제조경비(제)", "", 2350000, "4월 전력 요금");
    addAmount(db, "28", "40404014", "외주가공비", "제조경비(제)", secondLot, 860000, "받침대 절곡 외주");
    addAmount(db, "30", "40701001", "급여", "판매비와관리비", "", 7400000, "관리직 급여");
    addAmount(db, "30", "40901001", "이자수익", "영업외수익", "", 125000, "보통예금 이자");
    db.exec("INSERT INTO MC_WonJaJeyInPut (InPut_Serial, InPut_Date, InPut_Year, InPut_Month, InPut_WonCode, "
            "InPut_WonName, InPut_DanWi, InPut_TextMemo, InPut_SuKg, InPut_DanGa, InPut_GaAmt, InPut_Kubun, "
            "InPut_Check_01) VALUES ('A0000009999', '2005-03-20', '2005', '03', 'ST01', '냉연강판 1.2T', 'kg', "
            "'3월 구매', 1000, 3200, 3200000, '당월입고', '마감완료')");
}

} // namespace

// A month of receipts with some issued and transferred, one drawn beyond what came in, and
// lots at several completion rates, one carried forward from March at 60 percent.
void sampleEntries(zedur::Db &db)
{
    using zedur::issues::IssueKind;
    const QString steel = receive(db, "ST01", "냉연강판 1.2T", "kg", 1200, 3250.5, "03", "대한철강(주)");
    const QString hot = receive(db, "ST02", "열연강판 3.0T", "kg", 800, 2980, "04", "대한철강(주)");
    const QString bolts = receive(db, "BT10", "육각볼트 M10", "EA", 5000, 85.25, "07", "한국볼트상사");
    const QString paint = receive(db, "PN01", "분체도료 회색", "kg", 300, 12500, "11", "삼화페인트");
    const QString rubber = receive(db, "RB05", "고무패킹 50mm", "EA", 1000, 420, "12", "동아고무");
    issue(db, steel, IssueKind::Lot, "500", "05", "선반 프레임 1차");
    issue(db, steel, IssueKind::Lot, "150", "12", "선반 프레임 2차");
    issue(db, steel, IssueKind::Transfer, "100", "15", "시제품 견본");
    issue(db, hot, IssueKind::Lot, "800", "06", "받침대");
    issue(db, bolts, IssueKind::Transfer, "200", "08", "설비 수리용");
    issue(db, bolts, IssueKind::Lot, "3000", "10", "조립");
    issue(db, rubber, IssueKind::Lot, "900", "13", "도어 패킹");
    issue(db, paint, IssueKind::Lot, "120", "14", "선반 도장");
    // The receipt corrected afterwards to fewer than were issued: its stock goes negative.
    db.exec("UpDate MC_WonJaJeyInPut Set InPut_SuKg = 850, InPut_GaAmt = 357000 Where InPut_Serial = :s",
            {{":s", rubber}});
    complete(db, lotOf(db, steel, "500"), "100");
    complete(db, lotOf(db, steel, "150"), "35.127");
    complete(db, lotOf(db, bolts, "3000"), "100");
    complete(db, lotOf(db, hot, "800"), "100");
    complete(db, lotOf(db, rubber, "900"), "100");
    complete(db, lotOf(db, paint, "120"), "100");
    // A lot carried forward from March at 60 percent with its earlier costs.
    db.exec("Insert InTo MC_JeyGongPumInPut (Gong_Serial, Gong_Date, Gong_Year, Gong_Month, Gong_WonCode, "
            "Gong_WonName, Gong_DanWi, Gong_SuKg, Gong_DanGa, Gong_GaAmt, Gong_Kubun, Gong_JenGiWoul, "
            "Gong_DaongWoul, Gong_TotWoul, Gong_JenGiWonAmt, Gong_JenGiNoMu_01, Gong_JenGiNoMu_02, "
            "Gong_JenGiJeyJo_01, Gong_JenGiJeyJo_02, Gong_DaongWonAmt, Gong_WoulAmtTot, Gong_TextMemo) "
            "Values ('A0000000099', '2005-04-01', '2005', '04', 'ST01', '냉연강판 1.2T', 'kg', 400, 3250.5, "
            "1300200, '전기이월', 60, 0, 60, 780120, 150000, 82000, 64000, 31000, 0, 1107120, '3월 이월분')");
    sampleAmounts(db, lotOf(db, steel, "500"), lotOf(db, hot, "800"));
}

} // namespace shots
