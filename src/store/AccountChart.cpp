#include "store/AccountChart.h"

#include "common/SystemInfo.h"
#include "store/Db.h"
#include "store/Serials.h"

namespace zedur {

namespace {

enum class Kind {
    Group,    // a group the user registers detail accounts under ("계정등록")
    Computed, // a line the statements fill themselves
    Detail,   // a supplied account amounts can be booked on ("호출")
};

struct Account {
    const char *code;
    const char *name;
    Kind kind;
    bool alwaysShown; // "초기값제로": the statements list it even without amounts
    const char *totalCode;
    const char *reportName = nullptr; // for groups and computed lines; detail accounts indent their name
};

// The chart a new set of books starts with. The statements read these codes (the
// manufacturing statement 404xxxxx, the income statement 402xxxxx-413xxxxx); the
// allocation finds labour and overhead by the group names "노무비(제)" and "제조경비(제)".
const Account manufacturing[] = {
    {"40401000", "재료비", Kind::Computed, true, "40405000", "Ⅰ. 재료비"},
    {"40401001", "기초원재료재고액", Kind::Computed, true, "40401000", "    기초원재료재고액"},
    {"40401002", "당기원재료매입액", Kind::Computed, true, "40401000", "    당기원재료매입액"},
    {"40401006", "타계정으로대체액", Kind::Computed, true, "40401000", "    타계정으로대체액"},
    {"40401007", "기말원재료재고액", Kind::Computed, true, "40401000", "    기말원재료재고액"},
    {"40403000", "노무비(제)", Kind::Group, true, "40405000", "Ⅱ. 노무비"},
    {"40403001", "임금", Kind::Detail, false, "40403000"},
    {"40403002", "상여금", Kind::Detail, false, "40403000"},
    {"40403003", "제수당", Kind::Detail, false, "40403000"},
    {"40403004", "퇴직급여", Kind::Detail, false, "40403000"},
    {"40404000", "제조경비(제)", Kind::Group, true, "40405000", "Ⅲ. 제조경비"},
    {"40404001", "복리후생비", Kind::Detail, false, "40404000"},
    {"40404002", "여비교통비", Kind::Detail, false, "40404000"},
    {"40404003", "통신비", Kind::Detail, false, "40404000"},
    {"40404004", "가스수도료", Kind::Detail, false, "40404000"},
    {"40404005", "전력비", Kind::Detail, false, "40404000"},
    {"40404006", "세금과공과", Kind::Detail, false, "40404000"},
    {"40404007", "감가상각비", Kind::Detail, false, "40404000"},
    {"40404008", "지급임차료", Kind::Detail, false, "40404000"},
    {"40404009", "수선비", Kind::Detail, false, "40404000"},
    {"40404010", "보험료", Kind::Detail, false, "40404000"},
    {"40404011", "차량유지비", Kind::Detail, false, "40404000"},
    {"40404012", "운반비", Kind::Detail, false, "40404000"},
    {"40404013", "소모품비", Kind::Detail, false, "40404000"},
    {"40404014", "외주가공비", Kind::Detail, false, "40404000"},
    {"40405000", "당기총제조비용", Kind::Computed, true, "40407000", "Ⅳ. 당기총제조비용"},
    {"40406000", "기초재공품재고액", Kind::Computed, true, "40407000", "Ⅴ. 기초재공품재고액"},
    {"40407000", "합계", Kind::Computed, true, "40410000", "Ⅵ. 합계"},
    {"40408000", "기말재공품재고액", Kind::Computed, true, "40410000", "Ⅶ. 기말재공품재고액"},
    {"40409000", "타계정으로대체액", Kind::Computed, true, "40410000", "Ⅷ. 타계정으로대체액"},
    {"40410000", "당기제품제조원가", Kind::Computed, true, "40410000", "Ⅸ. 당기제품제조원가"},
};

const Account income[] = {
    {"40200000", "매출액", Kind::Computed, true, "40600000", "Ⅰ. 매출액"},
    {"40201001", "제품매출액", Kind::Computed, true, "40200000", "    제품매출액"},
    {"40300000", "매출원가", Kind::Computed, true, "40600000", "Ⅱ. 매출원가"},
    {"40304000", "제품매출원가계정", Kind::Computed, false, "40300000", "    제품매출원가계정"},
    {"40304001", "제품매출원가", Kind::Computed, true, "40300000", "    제품매출원가"},
    {"40304002", "기초제품재고액", Kind::Computed, true, "40304001", "    기초제품재고액"},
    {"40304003", "당기제품제조원가", Kind::Computed, true, "40304001", "    당기제품제조원가"},
    {"40304004", "타계정으로대체액", Kind::Computed, true, "40304001", "    타계정으로대체액"},
    // Booked amounts here (customs duty refunds) are taken off the cost of goods sold.
    {"40304005", "관세환급금", Kind::Detail, false, "40304000"},
    {"40304006", "기말제품재고액", Kind::Computed, true, "40304001", "    기말제품재고액"},
    {"40600000", "매출총이익", Kind::Computed, true, "40800000", "Ⅲ. 매출총이익"},
    {"40701000", "판매비와관리비", Kind::Group, true, "40800000", "Ⅳ. 판매비와관리비"},
    {"40701001", "급여", Kind::Detail, false, "40701000"},
    {"40701002", "퇴직급여", Kind::Detail, false, "40701000"},
    {"40701003", "복리후생비", Kind::Detail, false, "40701000"},
    {"40701004", "여비교통비", Kind::Detail, false, "40701000"},
    {"40701005", "접대비", Kind::Detail, false, "40701000"},
    {"40701006", "통신비", Kind::Detail, false, "40701000"},
    {"40701007", "수도광열비", Kind::Detail, false, "40701000"},
    {"40701008", "세금과공과", Kind::Detail, false, "40701000"},
    {"40701009", "감가상각비", Kind::Detail, false, "40701000"},
    {"40701010", "지급임차료", Kind::Detail, false, "40701000"},
    {"40701011", "수선비", Kind::Detail, false, "40701000"},
    {"40701012", "보험료", Kind::Detail, false, "40701000"},
    {"40701013", "차량유지비", Kind::Detail, false, "40701000"},
    {"40701014", "운반비", Kind::Detail, false, "40701000"},
    {"40701015", "광고선전비", Kind::Detail, false, "40701000"},
    {"40701016", "소모품비", Kind::Detail, false, "40701000"},
    {"40701017", "지급수수료", Kind::Detail, false, "40701000"},
    {"40701018", "대손상각비", Kind::Detail, false, "40701000"},
    {"40800000", "영업이익", Kind::Computed, true, "41100000", "Ⅴ. 영업이익"},
    {"40901000", "영업외수익", Kind::Group, true, "41100000", "Ⅵ. 영업외수익"},
    {"40901001", "이자수익", Kind::Detail, false, "40901000"},
    {"40901002", "배당금수익", Kind::Detail, false, "40901000"},
    {"40901003", "외환차익", Kind::Detail, false, "40901000"},
    {"40901004", "유형자산처분이익", Kind::Detail, false, "40901000"},
    {"40901005", "잡이익", Kind::Detail, false, "40901000"},
    {"41001000", "영업외비용", Kind::Group, true, "41100000", "Ⅶ. 영업외비용"},
    {"41001001", "이자비용", Kind::Detail, false, "41001000"},
    {"41001002", "외환차손", Kind::Detail, false, "41001000"},
    {"41001003", "기부금", Kind::Detail, false, "41001000"},
    {"41001004", "유형자산처분손실", Kind::Detail, false, "41001000"},
    {"41001005", "잡손실", Kind::Detail, false, "41001000"},
    {"41100000", "법인세비용차감전순이익", Kind::Computed, true, "41300000", "Ⅷ. 법인세비용차감전순이익"},
    {"41201000", "법인세비용", Kind::Group, true, "41300000", "Ⅸ. 법인세비용"},
    {"41201001", "법인세등", Kind::Detail, false, "41201000"},
    {"41300000", "당기순이익", Kind::Computed, true, "41300000", "Ⅹ. 당기순이익"},
};

template <std::size_t N>
void insertAccounts(Db &db, const Account (&accounts)[N], const QString &statement, const AuditValues &audit)
{
    for (const Account &a : accounts) {
        const QString code = QString::fromUtf8(a.code);
        const QString name = QString::fromUtf8(a.name);
        QString groupName;
        if (a.kind == Kind::Detail) {
            const QString groupCode = code.left(5) + QStringLiteral("000");
            for (const Account &g : accounts)
                if (groupCode == QString::fromUtf8(g.code))
                    groupName = QString::fromUtf8(g.name);
        }
        const bool detail = a.kind == Kind::Detail;
        const QString report = detail ? QStringLiteral("    ") + name : QString::fromUtf8(a.reportName);
        const QString call = detail ? groupName + u'/' + name : name;
        const QString inputKind = a.kind == Kind::Group    ? QStringLiteral("계정등록")
                                  : a.kind == Kind::Detail ? QStringLiteral("등록")
                                                           : QStringLiteral("자동집계");
        db.exec(QStringLiteral(
                    "Insert InTo MC_AcNameCode (Ac_Serial, Ac_Kubun_A, Ac_Kubun_B, Ac_Kubun_C, Ac_Kubun_D, "
                    "Ac_AcCode, Ac_AcName, Ac_AcNameReport, Ac_AcNameCall, Ac_GroupKubun, Ac_InPutKubun, "
                    "Ac_CallKubun, Ac_TotalCode, Ac_TextMemo, Ac_Check_01, Ac_Check_02, Ac_Check_03, "
                    "Ac_Check_04, Ac_Check_05, Ac_SaveDate) Values (:serial, :a, :b, :c, :d, :code, :name, "
                    ":report, :call, :statement, :input, :callKind, :total, :memo, :check01, :check02, "
                    ":check03, :check04, :check05, :saveDate)"),
                {{":serial", Serial_MaxValue(db, "MC_AcNameCode", "Ac_Serial")},
                 {":a", code.mid(0, 1)},
                 {":b", code.mid(1, 2)},
                 {":c", code.mid(3, 2)},
                 {":d", code.mid(5, 3)},
                 {":code", code},
                 {":name", name},
                 {":report", report},
                 {":call", call},
                 {":statement", statement},
                 {":input", inputKind},
                 {":callKind", detail ? QStringLiteral("호출") : QStringLiteral("")},
                 {":total", QString::fromUtf8(a.totalCode)},
                 {":memo", QStringLiteral("")},
                 {":check01", QStringLiteral("기초마감")},
                 {":check02", a.alwaysShown ? QStringLiteral("초기값제로") : QStringLiteral("")},
                 {":check03", audit.volumeSerial},
                 {":check04", audit.computerName},
                 {":check05", audit.folder},
                 {":saveDate", audit.saveDate}});
    }
}

} // namespace

void insertStartingChart(Db &db, const AuditValues &audit)
{
    insertAccounts(db, manufacturing, QStringLiteral("01제조"), audit);
    insertAccounts(db, income, QStringLiteral("03손익"), audit);
}

} // namespace zedur
