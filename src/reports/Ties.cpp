#include "reports/Ties.h"

#include "common/TextNumber.h"
#include "reports/HistoryTies.h"
#include "reports/ProductMovements.h"
#include "reports/RawMaterialMovements.h"
#include "reports/Statements.h"
#include "reports/WipMovements.h"
#include "store/Db.h"

#include <QHash>
#include <cmath>
#include <limits>

namespace zedur::reports::ties {

namespace {

// How far two figures may differ because of the places they are written with.
constexpr double FourPlaces = 0.0001; // a figure written "0.0000"
constexpr double TwoPlaces = 0.005;   // the total row's balance, written "#,##0.00"
constexpr double CarriedRow = 0.0005; // what the close may lose on one brought-forward row
// The WIP summary's closing row against the five rows it is made of: half the last place
// of each of the five four-decimal rows and of the five-decimal closing row.
constexpr double SummaryRows = 5 * 0.00005 + 0.000005;

constexpr double missing = std::numeric_limits<double>::quiet_NaN();

const QString total = QStringLiteral("99-합계");
const QString broughtForward = QStringLiteral("전기이월");
const QString refundAccount = QStringLiteral("40304005");

struct Reports {
    MovementReport raw;
    MovementReport wip;
    MovementReport products;
};

Reports movementsOf(Db &db, const Period &month)
{
    return {rawMovements::build(db, month), wipMovements::build(db, month), productMovements::build(db, month)};
}

double summary(const MovementReport &r, const QString &field)
{
    return r.summary.rows.isEmpty() ? missing : r.summary.rows.number(0, field);
}

// A row of the WIP summary by its index ("10" ... "50").
double wipRow(const MovementReport &r, const QString &index, const QString &field)
{
    const int row = r.summary.rows.find(QStringLiteral("Kubun_Index"), index);
    return row < 0 ? missing : r.summary.rows.number(row, field);
}

// The balance the total row writes after "잔액 ".
double balanceOf(const MovementReport &r, const QString &indexField, const QString &memoField)
{
    const ResultSet &rows = r.detail.rows;
    const int row = rows.find(indexField, total);
    if (row < 0)
        return missing;
    QString text = rows.text(row, memoField);
    text.remove(QStringLiteral("잔액")).remove(u',');
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : missing;
}

// A statement's line: its right or left column; missing when the statement has no such line.
double line(const ResultSet &lines, const QString &code, bool right)
{
    if (lines.find(QStringLiteral("Report_AcCode"), code) < 0)
        return missing;
    return right ? statements::rightTotal(lines, code) : statements::leftTotal(lines, code);
}

// What is left of each source row of a movement report (receipt, lot, product receipt), as
// the close carries it: rounded to four places, or as it is when `places` is negative.
double remainders(const MovementReport &r, const QString &indexField, const QString &prefix, int places)
{
    QHash<QString, double> left;
    const ResultSet &rows = r.detail.rows;
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.text(i, indexField) == total)
            continue;
        left[rows.text(i, prefix + "KubunSerial")] +=
            rows.number(i, prefix + "SuKg_YbGo") - rows.number(i, prefix + "SuKg_ChulGo");
    }
    double sum = 0;
    for (const double q : std::as_const(left))
        sum += places < 0 ? q : roundDecimals(q, places);
    return sum;
}

struct Opening {
    double quantity = 0;
    int rows = 0;
};

// The rows brought forward into the month: the first section's rows of that kind.
Opening openingOf(const MovementReport &r, const QString &indexField, const QString &prefix)
{
    Opening o;
    const ResultSet &rows = r.detail.rows;
    for (int i = 0; i < rows.size(); ++i)
        if (rows.text(i, indexField).startsWith(QStringLiteral("10")) &&
            rows.text(i, prefix + "Kubun") == broughtForward) {
            o.quantity += rows.number(i, prefix + "SuKg_YbGo");
            ++o.rows;
        }
    return o;
}

class Checks
{
public:
    explicit Checks(Verification &out) : m_out(out) {}

    void tie(const QString &what, double left, double right, double tolerance)
    {
        m_out.ties << Tie{what, left, right, tolerance};
    }
    void note(const QString &text) { m_out.notes << text; }

private:
    Verification &m_out;
};

void rawMaterialTies(Checks &c, const Reports &r, const ResultSet &cost)
{
    const QString raw = QStringLiteral("원자재 입출고 ");
    const QString statement = QStringLiteral("제조원가명세서 ");
    c.tie(statement + "40401001 = " + raw + "전월 원자재 이월액", line(cost, "40401001", false),
          summary(r.raw, "RGaAmt_JenGi"), FourPlaces);
    c.tie(statement + "40401002 = " + raw + "당월 원자재 매입액", line(cost, "40401002", false),
          summary(r.raw, "RGaAmt_Daong"), FourPlaces);
    c.tie(statement + "40401006 = " + raw + "타 계정 대체 원자재", line(cost, "40401006", false),
          summary(r.raw, "RGaAmt_TaAc"), FourPlaces);
    c.tie(statement + "40401007 = " + raw + "기말 원자재 재고액", line(cost, "40401007", false),
          summary(r.raw, "RGaAmt_JeyGo"), FourPlaces);
    c.tie(statement + "40401000 = " + raw + "제조공정투입 금액", line(cost, "40401000", true),
          summary(r.raw, "RGaAmt_JeyGong"), FourPlaces);
    c.tie("재공품 입출고 20행 원자재 금액[ A ] = " + raw + "제조공정투입 금액", wipRow(r.wip, "20", "Ret_WonJaJeyAmt"),
          summary(r.raw, "RGaAmt_JeyGong"), FourPlaces);
}

void wipTies(Checks &c, const Reports &r, const ResultSet &cost)
{
    const QString wip = QStringLiteral("재공품 입출고 ");
    const QString statement = QStringLiteral("제조원가명세서 ");
    const QString completion = QStringLiteral("Ret_WoulAmtTot");
    c.tie(statement + "40406000 = " + wip + "10행 완성율 금액", line(cost, "40406000", true),
          wipRow(r.wip, "10", completion), FourPlaces);
    c.tie(statement + "40409000 = " + wip + "40행 완성율 금액", line(cost, "40409000", true),
          wipRow(r.wip, "40", completion), FourPlaces);
    c.tie(statement + "40408000 = " + wip + "30행 완성율 금액", line(cost, "40408000", true),
          wipRow(r.wip, "30", completion), FourPlaces);
    c.tie(statement + "40408000 = " + wip + "합계 행 잔액", line(cost, "40408000", true),
          balanceOf(r.wip, "Kubun_Index", "Ret_TextMemo"), TwoPlaces);

    const QVector<QPair<QString, QString>> columns{
        {"Ret_WonJaJeyAmt", "A"},  {"Ret_NoMu_01_Amt", "B"},  {"Ret_NoMu_02_Amt", "C"}, {"Ret_NoMu_Tot", "D"},
        {"Ret_JeyJo_01_Amt", "E"}, {"Ret_JeyJo_02_Amt", "F"}, {"Ret_JeyJo_Tot", "G"},   {completion, "완성율 금액"}};
    for (const auto &[field, name] : columns) {
        const double made = wipRow(r.wip, "10", field) + wipRow(r.wip, "15", field) + wipRow(r.wip, "20", field) -
                            wipRow(r.wip, "40", field) - wipRow(r.wip, "50", field);
        c.tie(wip + "30행 = 10 + 15 + 20 - 40 - 50행 (" + name + ")", wipRow(r.wip, "30", field), made, SummaryRows);
    }
    c.tie(wip + "50행 완성율 금액 = 제품 입출고 당월 완성제품 입고액", wipRow(r.wip, "50", completion),
          summary(r.products, "Ret_Daong"), FourPlaces);
}

// Labour and overhead of the month that the allocation's rules bring to no lot: direct
// amounts naming no lot of the month, and common amounts of a month whose lots have no
// current raw-material amount to spread them by. `base` gets that amount.
double unallocated(Db &db, const Period &month, const ResultSet &cost, double &base)
{
    const Params p{{":tbYear", month.year}, {":tbMonth", month.month}};
    base = roundDecimals(db.scalar("Select total(Gong_DaongWonAmt) From MC_JeyGongPumInPut "
                                   "Where Gong_Year = :tbYear And Gong_Month = :tbMonth",
                                   p)
                             .toDouble(),
                         10);
    const double reached =
        db.scalar("Select total(A.Amt_Amt) From MC_AcNameAmtInPut A Where A.Amt_Year = :tbYear "
                  "And A.Amt_Month = :tbMonth And Trim(A.Amt_GroupAcName) In ('노무비(제)', '제조경비(제)') "
                  "And ((Trim(A.Amt_JeyJoKubun) = '직접' And Exists (Select 1 From MC_JeyGongPumInPut G "
                  "Where G.Gong_Serial = Trim(A.Amt_JeyGongPumSerial) And G.Gong_Year = :tbYear "
                  "And G.Gong_Month = :tbMonth)) Or (Trim(A.Amt_JeyJoKubun) = '간접' And :tbBase <> 0))",
                  p + Params{{":tbBase", base}})
            .toDouble();
    const double booked = statements::rightTotal(cost, "40403000") + statements::rightTotal(cost, "40404000");
    return booked - reached;
}

// What the month made, as the statement of cost of goods manufactured counts it, against
// what reached the product warehouse: the product movements and the income statement.
void manufacturedTies(Checks &c, Db &db, const Period &month, const Reports &r, const ResultSet &cost,
                      const ResultSet &income)
{
    double base = 0;
    const double left = unallocated(db, month, cost, base);
    QString besides;
    if (std::fabs(left) > FourPlaces)
        besides = QStringLiteral(" + 어느 재공품에도 배부되지 않은 노무비·제조경비 ") +
                  formatFloat(QStringLiteral("#,##0.0000"), left);
    // The common amounts are spread at rates of ten places.
    const double tolerance = std::max(CarriedRow, 1e-10 * std::fabs(base));
    const double made = line(cost, "40410000", true);
    c.tie(QStringLiteral("제조원가명세서 40410000 = 제품 입출고 당월 완성제품 입고액") + besides, made,
          summary(r.products, "Ret_Daong") + left, tolerance);
    c.tie(QStringLiteral("제조원가명세서 40410000 = 손익계산서 40304003") + besides, made,
          line(income, "40304003", false) + left, tolerance);
}

void incomeTies(Checks &c, Db &db, const Period &month, const Reports &r, const ResultSet &income)
{
    const QString products = QStringLiteral("제품 입출고 ");
    const QString statement = QStringLiteral("손익계산서 ");
    c.tie(statement + "40304002 = " + products + "전월 제품 재고액", line(income, "40304002", false),
          summary(r.products, "Ret_JenGi"), FourPlaces);
    c.tie(statement + "40304003 = " + products + "당월 완성제품 입고액", line(income, "40304003", false),
          summary(r.products, "Ret_Daong"), FourPlaces);
    c.tie(statement + "40304004 = " + products + "타 계정 대체 제품", line(income, "40304004", false),
          summary(r.products, "Ret_TaAc"), FourPlaces);
    c.tie(statement + "40304006 = " + products + "당월 제품 재고액", line(income, "40304006", false),
          summary(r.products, "Ret_JeyGo"), FourPlaces);
    c.tie(statement + "40200000 = " + products + "당월 전체 매출액", line(income, "40200000", true),
          summary(r.products, "Ret_SaleTotAmt"), FourPlaces);
    const double refunds =
        db.scalar("Select total(Amt_Amt) From MC_AcNameAmtInPut Where Amt_Year = :tbYear And Amt_Month = :tbMonth "
                  "And Amt_GroupKubun = '손익계산서' And Amt_AcCode = :tbCode",
                  {{":tbYear", month.year}, {":tbMonth", month.month}, {":tbCode", refundAccount}})
            .toDouble();
    c.tie(statement + "40304001 = " + products + "당월 매출된 제품매출원가 - 40304005 발생액 - " + products +
              "당월 매출반품 제품 입고액",
          line(income, "40304001", true),
          summary(r.products, "Ret_JeyPumAmt") - refunds - summary(r.products, "Ret_BanPum"), 2 * FourPlaces);
}

void carryTies(Checks &c, const Reports &now, const Reports &next)
{
    const QString after = QStringLiteral("다음 월 ");
    struct Account {
        QString name;
        const MovementReport &now;
        const MovementReport &next;
        QString indexField;
        QString prefix;
        int places;
    };
    const Account accounts[] = {{"원자재", now.raw, next.raw, "RInPut_JeyGongIndex", "RInPut_", 4},
                                {"재공품", now.wip, next.wip, "Kubun_Index", "Ret_", 4},
                                {"제품", now.products, next.products, "Ret_KubunIndex", "Ret_", -1}};
    int carried[3] = {};
    for (int i = 0; i < 3; ++i) {
        const Account &a = accounts[i];
        const Opening opening = openingOf(a.next, a.indexField, a.prefix);
        carried[i] = opening.rows;
        c.tie(a.name + QStringLiteral(" 남은 수량(이월된 자리수) = ") + after + a.name +
                  QStringLiteral(" 전기이월 수량"),
              remainders(a.now, a.indexField, a.prefix, a.places), opening.quantity, 1e-6);
    }
    c.tie(QStringLiteral("원자재 입출고 기말 원자재 재고액 = ") + after + QStringLiteral("전월 원자재 이월액"),
          summary(now.raw, "RGaAmt_JeyGo"), summary(next.raw, "RGaAmt_JenGi"), 2 * FourPlaces + CarriedRow * carried[0]);
    c.tie(QStringLiteral("재공품 입출고 30행 완성율 금액 = ") + after + QStringLiteral("10행 완성율 금액"),
          wipRow(now.wip, "30", "Ret_WoulAmtTot"), wipRow(next.wip, "10", "Ret_WoulAmtTot"),
          2 * FourPlaces + CarriedRow * carried[1]);
    c.tie(QStringLiteral("제품 입출고 당월 제품 재고액 = ") + after + QStringLiteral("전월 제품 재고액"),
          summary(now.products, "Ret_JeyGo"), summary(next.products, "Ret_JenGi"),
          2 * FourPlaces + CarriedRow * carried[2]);
}

void recreateWorkTables(Db &db)
{
    rawMovements::recreateTables(db);
    wipMovements::recreateTables(db);
    productMovements::recreateTables(db);
    statements::recreateTable(db);
}

} // namespace

bool Tie::holds() const
{
    // Sums of many rows carry binary noise far below the written places, growing with them.
    const double noise = 1e-12 * std::max(std::fabs(left), std::fabs(right));
    return std::fabs(left - right) <= tolerance + noise; // false when a figure is missing
}

bool Verification::holds() const
{
    return rows.holds() && std::all_of(ties.begin(), ties.end(), [](const Tie &t) { return t.holds(); });
}

Verification verifyMonth(Db &db, const Period &month)
{
    Verification out;
    Checks checks(out);
    // Never committed: the work tables the reports fill go back to what the screens left.
    Transaction untouched(db);
    // A desk saving meanwhile must not make the reports or the rows disagree.
    if (const QString statement = dialect::snapshotStatement(db.engine()); !statement.isEmpty())
        db.exec(statement);
    const std::optional<PeriodRow> row = period::find(db, month);
    if (row && row->state == period::Recalculate)
        checks.note(QStringLiteral("마지막 변경 뒤에 배부액 계산을 하지 않은 월입니다: 대조가 맞지 않을 수 있습니다."));

    recreateWorkTables(db);
    const Reports now = movementsOf(db, month);
    const ResultSet cost = statements::costOfGoodsManufactured(db, month).rows;
    const ResultSet income = statements::incomeStatement(db, month).rows;

    rawMaterialTies(checks, now, cost);
    wipTies(checks, now, cost);
    manufacturedTies(checks, db, month, now, cost, income);
    incomeTies(checks, db, month, now, income);
    yearToDateTies(db, month, out.ties);
    productTrendTies(db, month, now.products, out.ties);

    const Period following = nextMonth(month);
    if (!row || row->state != period::Closed)
        checks.note(QStringLiteral("이월 대조 제외: 마감되지 않은 월입니다."));
    else if (!period::find(db, following))
        checks.note(QStringLiteral("이월 대조 제외: 다음 월이 월별 체크 테이블에 없습니다."));
    else
        carryTies(checks, now, movementsOf(db, following));
    out.rows = rowchecks::checkRows(db, month);
    return out;
}

} // namespace zedur::reports::ties
