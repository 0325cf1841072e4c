#include "reports/Statements.h"

#include "common/TextNumber.h"

namespace zedur::reports::statements {

namespace {

const QString manufacturingAccounts = QStringLiteral("01제조");
const QString incomeAccounts = QStringLiteral("03손익");
const QString manufacturingBookings = QStringLiteral("제조원가명세서");
const QString incomeBookings = QStringLiteral("손익계산서");
// Customs refunds: booked on the income statement, shown on a left line of their own and
// taken off the cost of goods sold; they form no group line.
const QString refundAccount = QStringLiteral("40304005");

enum class Column { Left, Right };

// How a booked amount enters the statement: in the left column under its own code, with
// or without its direct/indirect mark, or in the right column under its group's code.
enum class Booking { Marked, Unmarked, Group };

// Writes the rows of one statement into MC_AcNameReport.
class Lines
{
public:
    Lines(Db &db, const Period &month)
        : m_db(db), m_params{{":tbSYear", month.year.trimmed()}, {":tbSMonth", month.month.trimmed()}}
    {
    }

    // Every account of the statement marked "초기값제로", at zero.
    void zeroLines(const QString &accountGroup)
    {
        table().insertSelect(m_db, {{"Report_AcCode", "Ac_AcCode"}},
                             "From MC_AcNameCode Where Ac_GroupKubun = :tbGroup And Ac_Check_02 = '초기값제로'",
                             {{":tbGroup", accountGroup}});
    }

    // The month's booked amounts on the statement's accounts, one row each. A group's code
    // is text joined to text: added up as numbers it would name no account.
    void booked(const QString &bookingGroup, Booking how, const QString &accountFilter = {},
                const Params &filterParams = {})
    {
        QVector<Fill> fills;
        if (how == Booking::Group)
            fills = {{"Report_AcCode", "C.Ac_Kubun_A || C.Ac_Kubun_B || C.Ac_Kubun_C || '000'"},
                     {"Report_NuTotal", "A.Amt_Amt"}};
        else
            fills = {{"Report_AcCode", "C.Ac_AcCode"}, {"Report_SoTotal", "A.Amt_Amt"}};
        if (how == Booking::Marked)
            fills << Fill{"Report_Kubun", "Trim(COALESCE(A.Amt_JeyJoKubun, ''))"};
        table().insertSelect(
            m_db, fills,
            "From MC_AcNameAmtInPut A Inner Join MC_AcNameCode C On C.Ac_AcCode = A.Amt_AcCode "
            "Where A.Amt_Year = :tbSYear And A.Amt_Month = :tbSMonth And A.Amt_GroupKubun = :tbGroup " +
                accountFilter,
            m_params + Params{{":tbGroup", bookingGroup}} + filterParams);
    }

    // One row per source row: `expression` (negated when `sign` is -1) in one column.
    void fromRows(const QString &code, Column column, const QString &expression, const QString &fromWhere, int sign = 1)
    {
        const QString value = sign < 0 ? QStringLiteral("-(%1)").arg(expression) : expression;
        table().insertSelect(
            m_db, {{"Report_AcCode", ":tbCode"}, {column == Column::Left ? "Report_SoTotal" : "Report_NuTotal", value}},
            fromWhere, m_params + Params{{":tbCode", code}});
    }

    // One computed row, each figure written "0.0000".
    void line(const QString &code, double left, double right)
    {
        table().insertRow(m_db, {{"Report_AcCode", code},
                                 {"Report_SoTotal", roundDecimals(left, 4)},
                                 {"Report_NuTotal", roundDecimals(right, 4)}});
    }

    // The rows of the codes so far, summed over one column; 0 when there are none.
    double right(const QStringList &codes) { return sum(QStringLiteral("Report_NuTotal"), codes); }
    double left(const QStringList &codes) { return sum(QStringLiteral("Report_SoTotal"), codes); }

private:
    static const WorkTable &table() { return reportTable(); }

    double sum(const QString &column, const QStringList &codes)
    {
        QStringList names;
        Params params;
        for (int i = 0; i < codes.size(); ++i) {
            names << QStringLiteral(":c%1").arg(i);
            params.append({names.last(), codes.at(i)});
        }
        return m_db
            .scalar(QStringLiteral("Select total(%1) From MC_AcNameReport Where Report_AcCode In (%2)")
                        .arg(column, names.join(QStringLiteral(", "))),
                    params)
            .toDouble();
    }

    Db &m_db;
    Params m_params;
};

ReportList shownLines(Db &db)
{
    // The direct/indirect mark is the second key, so that a code's lines keep one order.
    return {columns(), db.query(QStringLiteral(
                           "Select R.Report_AcCode, C.Ac_AcNameReport, Trim(R.Report_Kubun) As Report_Kubun, "
                           "total(R.Report_SoTotal) As SoTotal, total(R.Report_NuTotal) As NuTotal "
                           "From MC_AcNameReport R Inner Join MC_AcNameCode C On R.Report_AcCode = C.Ac_AcCode "
                           "Group By R.Report_AcCode, C.Ac_AcNameReport, R.Report_Kubun "
                           "Order By R.Report_AcCode, Trim(R.Report_Kubun)"))};
}

const QString receiptsOfMonth =
    QStringLiteral("From MC_WonJaJeyInPut Where InPut_Year = :tbSYear And InPut_Month = :tbSMonth");
const QString transfersOfMonth =
    QStringLiteral("From MC_WonJaJeyInPut_TaAc Where TaInPut_Year = :tbSYear And TaInPut_Month = :tbSMonth");
const QString lotsOfMonth =
    QStringLiteral("From MC_JeyGongPumInPut Where Gong_Year = :tbSYear And Gong_Month = :tbSMonth");
const QString lotTransfersOfMonth =
    QStringLiteral("From MC_JeyGongPumInPut_TaAc Where TaGong_Year = :tbSYear And TaGong_Month = :tbSMonth");
const QString completionsOfMonth =
    QStringLiteral("From MC_ChaongGoJeyGongPumInJeyGong Where InGong_Year = :tbSYear And InGong_Month = :tbSMonth");
const QString shipmentsOfMonth =
    QStringLiteral("From MC_ChaongGoJeyPumInPut_ChulGo Where ChulGo_Year = :tbSYear And ChulGo_Month = :tbSMonth");
const QString productReceiptsOfMonth =
    QStringLiteral("From MC_ChaongGoJeyPumInPut Where JeyPum_Year = :tbSYear And JeyPum_Month = :tbSMonth");
const QString productTransfersOfMonth =
    QStringLiteral("From MC_ChaongGoJeyPumInPut_TaAc Where TaJeyPum_Year = :tbSYear And TaJeyPum_Month = :tbSMonth");
// The same bookings as the refund's own left line.
const QString refundsOfMonth =
    QStringLiteral("From MC_AcNameAmtInPut A Inner Join MC_AcNameCode C On C.Ac_AcCode = A.Amt_AcCode "
                   "Where A.Amt_Year = :tbSYear And A.Amt_Month = :tbSMonth And A.Amt_GroupKubun = '손익계산서' "
                   "And C.Ac_AcCode = '40304005'");

} // namespace

const WorkTable &reportTable()
{
    static const WorkTable table{QStringLiteral("MC_AcNameReport"),
                                 {text("Report_AcCode", 50), text("Report_AcName", 200), text("Report_Kubun", 50),
                                  real("Report_SoTotal"), real("Report_NuTotal"), text("Report_TextMemo", 200)},
                                 {"Report_AcCode"}};
    return table;
}

const ReportColumns &columns()
{
    static const ReportColumns list{
        {"Report_AcCode", "계정과목 코드"},
        {"Ac_AcNameReport", "계정과목 이름", {}, Shade::None, true},
        {"Report_Kubun", "구분"},
        {"SoTotal", "소  계    금  액", Amount4ZeroBlank},
        {"NuTotal", "누  계    금  액", Amount4ZeroBlank},
    };
    return list;
}

void recreateTable(Db &db)
{
    reportTable().recreate(db);
}

ReportList costOfGoodsManufactured(Db &db, const Period &month)
{
    Transaction t(db);
    reportTable().empty(db);
    Lines lines(db, month);
    lines.zeroLines(manufacturingAccounts);
    lines.booked(manufacturingBookings, Booking::Marked);
    lines.booked(manufacturingBookings, Booking::Group);

    lines.fromRows("40401001", Column::Left, "InPut_GaAmt", receiptsOfMonth + " And InPut_Kubun = '전기이월'");
    lines.fromRows("40401002", Column::Left, "InPut_GaAmt", receiptsOfMonth + " And InPut_Kubun = '당월입고'");
    lines.fromRows("40401006", Column::Left, "TaInPut_GaAmt", transfersOfMonth);
    const QString issuedLots = lotsOfMonth + " And Gong_Kubun = '당월투입'";
    lines.fromRows("40401007", Column::Left, "InPut_GaAmt", receiptsOfMonth);
    lines.fromRows("40401007", Column::Left, "TaInPut_GaAmt", transfersOfMonth, -1);
    lines.fromRows("40401007", Column::Left, "Gong_GaAmt", issuedLots, -1);
    lines.fromRows("40401000", Column::Right, "Gong_GaAmt", issuedLots);

    lines.line("40405000", 0, lines.right({"40401000", "40403000", "40404000"}));
    lines.fromRows("40406000", Column::Right,
                   "Gong_GaAmt + Gong_JenGiNoMu_01 + Gong_JenGiNoMu_02 + Gong_JenGiJeyJo_01 + Gong_JenGiJeyJo_02",
                   lotsOfMonth + " And Gong_Kubun = '전기이월'");
    lines.line("40407000", 0, lines.right({"40405000", "40406000"}));

    lines.fromRows("40408000", Column::Right, "Gong_WoulAmtTot", lotsOfMonth);
    lines.fromRows("40408000", Column::Right, "TaGong_WoulAmtTot", lotTransfersOfMonth, -1);
    lines.fromRows("40408000", Column::Right, "InGong_WoulAmtTot", completionsOfMonth, -1);
    lines.fromRows("40409000", Column::Right, "TaGong_WoulAmtTot", lotTransfersOfMonth);
    lines.line("40410000", 0, lines.right({"40407000"}) - lines.right({"40408000", "40409000"}));

    ReportList shown = shownLines(db);
    t.commit();
    return shown;
}

ReportList incomeStatement(Db &db, const Period &month)
{
    Transaction t(db);
    reportTable().empty(db);
    Lines lines(db, month);
    lines.zeroLines(incomeAccounts);
    const QString notRefunds = QStringLiteral("And C.Ac_AcCode <> :tbRefund");
    const QString refunds = QStringLiteral("And C.Ac_AcCode = :tbRefund");
    const Params refund{{":tbRefund", refundAccount}};
    lines.booked(incomeBookings, Booking::Marked, notRefunds, refund);
    lines.booked(incomeBookings, Booking::Unmarked, refunds, refund);
    lines.booked(incomeBookings, Booking::Group, notRefunds, refund);

    lines.fromRows("40201001", Column::Left, "ChulGo_GaAmt", shipmentsOfMonth);
    lines.fromRows("40200000", Column::Right, "ChulGo_GaAmt", shipmentsOfMonth);
    lines.fromRows("40304002", Column::Left, "JeyPum_TotGaAmt",
                   productReceiptsOfMonth + " And JeyPum_Kubun = '전기이월'");
    // Goods a customer sent back were not made this month: they come back at the cost they
    // left with, which comes off the cost of sales. The stock at the end stays the same.
    const QString returnedGoods = productReceiptsOfMonth + " And JeyPum_Kubun = '매출반품입고'";
    lines.fromRows("40304003", Column::Left, "JeyPum_TotGaAmt",
                   productReceiptsOfMonth + " And JeyPum_Kubun Not In ('전기이월', '매출반품입고')");
    lines.fromRows("40304004", Column::Left, "TaJeyPum_TotGaAmt", productTransfersOfMonth);
    const QString sold = shipmentsOfMonth + " And ChulGo_Kubun = '정기매출출고'";
    for (const QString code : {"40304001", "40300000"}) {
        lines.fromRows(code, Column::Right, "ChulGo_WonJaJeyAmt", sold);
        lines.fromRows(code, Column::Right, "A.Amt_Amt", refundsOfMonth, -1);
        lines.fromRows(code, Column::Right, "JeyPum_TotGaAmt", returnedGoods, -1);
    }

    const QStringList leaving{"40304004", refundAccount, "40304001"};
    lines.line("40304006", lines.left({"40304002", "40304003"}) - (lines.left(leaving) + lines.right(leaving)), 0);
    // Each profit line reads the one written just before it.
    lines.line("40600000", 0, lines.right({"40200000"}) - lines.right({"40300000"}));
    lines.line("40800000", 0, lines.right({"40600000"}) - lines.right({"40701000"}));
    lines.line("41100000", 0, lines.right({"40800000"}) + lines.right({"40901000"}) - lines.right({"41001000"}));
    lines.line("41300000", 0, lines.right({"41100000"}) - lines.right({"41201000"}));

    ReportList shown = shownLines(db);
    t.commit();
    return shown;
}

double rightTotal(const ResultSet &lines, const QString &code)
{
    double sum = 0;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.text(i, "Report_AcCode") == code)
            sum += lines.number(i, "NuTotal");
    return sum;
}

double leftTotal(const ResultSet &lines, const QString &code)
{
    double sum = 0;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.text(i, "Report_AcCode") == code)
            sum += lines.number(i, "SoTotal");
    return sum;
}

bool isGroupLine(const QString &code)
{
    return fDeleteBlank(code).mid(5, 3) == u"000";
}

} // namespace zedur::reports::statements
