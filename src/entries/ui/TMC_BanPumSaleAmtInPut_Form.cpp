#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "common/ui/Panels.h"
#include "entries/SalesReturns.h"
#include "entries/ShipmentLists.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zedur {

namespace {

const QString Amount = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<GridColumn> saleColumns()
{
    QVector<GridColumn> out;
    const QVector<QPair<QString, QString>> texts{{"ChulGo_Serial", "저장순서"},
                                                 {"ChulGo_Date", "기준일자"},
                                                 {"ChulGo_JeyPumCode", "제품  코드"},
                                                 {"ChulGo_JeyPumName", "제품  이름"},
                                                 {"ChulGo_DanWi", "단위"},
                                                 {"ChulGo_Model", "모델"},
                                                 {"ChulGo_PumName", "품명"},
                                                 {"ChulGo_KuSize", "규격"},
                                                 {"ChulGo_SerialJen", "전표번호"},
                                                 {"ChulGo_TaxNumber", "세금계산서권번호"},
                                                 {"ChulGo_SaleCode", "거래처코드"},
                                                 {"ChulGo_SaleName", "거래처상호명"},
                                                 {"ChulGo_SaleNumber", "사업자등록번호"},
                                                 {"ChulGo_SaleDyiPou", "대표자명"},
                                                 {"ChulGo_TextMemo", "적요기재사항"}};
    for (const auto &[field, title] : texts)
        out.append({field, title});
    for (const auto &[field, title] : QVector<QPair<QString, QString>>{{"ChulGo_SuKg", "매출 수량"},
                                                                       {"ChulGo_DanGa", "매출 단가"},
                                                                       {"ChulGo_GaAmt", "매출 금액"},
                                                                       {"ChulGo_WonJaJeyAmt", "제품매출원가"}})
        out.append({field, title, GridNumber});
    const QVector<QPair<QString, QString>> rest{{"ChulGo_Bigo", "비       고"},
                                                {"ChulGo_Check_01", "체크마감"},
                                                {"ChulGo_Check_02", "체크필드02"},
                                                {"ChulGo_Check_03", "체크필드03"},
                                                {"ChulGo_SaveDate", "저장시간"},
                                                {"ChulGo_JeyPumSerial", "제품 저장순서"},
                                                {"ChulGo_Kubun", "매출액 구분"},
                                                {"BanPum_ChulGoSerial", "반품 전 매출액 저장순서"},
                                                {"BanPum_ChulGoJeyPumSerial", "반품전제품매출원가저장순서"},
                                                {"BanPum_NewJeyPumSerial", "반품 후 제품매출원가 저장순서"},
                                                {"ChulGo_Year", "년도"},
                                                {"ChulGo_Month", "월"}};
    for (const auto &[field, title] : rest)
        out.append({field, title});
    return out;
}

} // namespace

TMC_BanPumSaleAmtInPut_Form::TMC_BanPumSaleAmtInPut_Form(QWidget *parent)
    : EntryScreen({QStringLiteral("TMC_BanPumSaleAmtInPut_Form"),
                   QStringLiteral("제품 매출로 출고된 매출액 데이타를 반품매출로 등록하는 폼 입니다."),
                   PeriodRule::Entry, QSize(1150, 780)},
                  parent, {Button::Save, Button::Delete, Button::Print, Button::Close})
{
    Panel_Year = panel("Panel_Year");
    addControl("등록 가능한 년도", Panel_Year);
    Panel_Month = panel("Panel_Month");
    addControl("월", Panel_Month);
    // The quantity, day and memo boxes take any key; what is no number is refused on leaving
    // and on saving.
    edIn_SuKg = addNumberBox("edIn_SuKg", "반품 매출액 수량", "ChulGo_SuKg", Amount, KeySet::Any);
    Panel_InDate = panel("Panel_InDate");
    addControl("기준일자", Panel_InDate);
    edIn_Date = addTextBox("edIn_Date", "반품 매출 일자", {}, 2);
    edIn_Date->setMaximumWidth(60);
    Panel_Date = panel("Panel_Date");
    addBeside(edIn_Date, Panel_Date, 1);
    edIn_Check_01 = addReadOnlyBox("edIn_Check_01", "마감체크", "ChulGo_Check_01");
    edIn_Kubun = addReadOnlyBox("edIn_Kubun", "매출액 구분", "ChulGo_Kubun");
    edIn_DanGa = addReadOnlyNumberBox("edIn_DanGa", "반품 매출 금액 단가", "ChulGo_DanGa", Amount);
    edIn_GaAmt = addReadOnlyNumberBox("edIn_GaAmt", "반품매출액", "ChulGo_GaAmt", Amount);
    edIn_JeyPumCode = addReadOnlyBox("edIn_JeyPumCode", "제품코드", "ChulGo_JeyPumCode");
    edIn_JeyPumName = addReadOnlyBox("edIn_JeyPumName", "제품이름", "ChulGo_JeyPumName");
    edIn_DanWi = addReadOnlyBox("edIn_DanWi", "단위", "ChulGo_DanWi");
    edIn_Model = addReadOnlyBox("edIn_Model", "모델명", "ChulGo_Model");
    edIn_PumName = addReadOnlyBox("edIn_PumName", "품명", "ChulGo_PumName");
    edIn_KuSize = addReadOnlyBox("edIn_KuSize", "규격", "ChulGo_KuSize");
    edIn_SerialJen = addReadOnlyBox("edIn_SerialJen", "전표번호", "ChulGo_SerialJen");
    edIn_TaxNumber = addReadOnlyBox("edIn_TaxNumber", "세금계산서권번호", "ChulGo_TaxNumber");
    edIn_SaleCode = addReadOnlyBox("edIn_SaleCode", "거래처코드", "ChulGo_SaleCode");
    edIn_SaleName = addReadOnlyBox("edIn_SaleName", "거래처상호명", "ChulGo_SaleName");
    edIn_SaleNumber = addReadOnlyBox("edIn_SaleNumber", "사업자등록번호", "ChulGo_SaleNumber");
    edIn_SaleDyiPou = addReadOnlyBox("edIn_SaleDyiPou", "대표자명", "ChulGo_SaleDyiPou");
    edIn_TextMemo = addTextBox("edIn_TextMemo", "적요및메모", "ChulGo_TextMemo", 100);
    edIn_Bigo = addTextBox("edIn_Bigo", "비고", "ChulGo_Bigo", 100);
    refuseTypedKeys({edIn_GaAmt, edIn_Check_01, edIn_Kubun, edIn_JeyPumName});

    addPeriodLists(QStringLiteral("cbSYear"), QStringLiteral("cbSMonth"), QStringLiteral("검색년도"),
                   QStringLiteral("검색월"), true);
    cbSYear = cbYear;
    cbSMonth = cbMonth;
    addEntrySearch(salesreturns::searchItems(), salesreturns::sortItems());
    cbSKubun = addSearchRowList(QStringLiteral("cbSKubun"), QStringLiteral("매출구분"), salesreturns::kindItems());
    cbSKubun->takeKeys(KeySet::DigitsMinus);
    cbSSort->takeKeys(KeySet::Digits);
    setGridColumns(saleColumns());
    finishLayout();

    exemptFromExitChecks(edIn_SuKg);
    exemptFromExitChecks(KuenNoSearchBtn);
    exits().onLeave(edIn_SuKg, [this] { return quantityLeft(); });
    exits().onLeave(edIn_Date, [this] { return dayLeft(); });
    refreshOnReturn({edIn_SuKg, edIn_Date, edSSearch}, [this] {
        if (DBGrid1->isOpen())
            runSearch();
    });
}

Period TMC_BanPumSaleAmtInPut_Form::openPeriod() const
{
    return {Panel_Year->text().trimmed(), Panel_Month->text().trimmed()};
}

void TMC_BanPumSaleAmtInPut_Form::onFirstShow()
{
    resetSearch();
    cbSKubun->setCurrentIndex(0);
    if (!applyPeriodRuleOnShow(cbSYear, cbSMonth))
        return;
    Panel_Year->setText(cbSYear->currentText());
    Panel_Month->setText(cbSMonth->currentText());
    clearEntry();
    pQuery();
}

ListStatement TMC_BanPumSaleAmtInPut_Form::listStatement()
{
    const QString text = searchText(salesreturns::searchItems());
    return salesreturns::saleList(shownPeriod(), cbSKubun->pickOrFirst(), cbSSearch->pickOrFirst(), text,
                                  cbSSort->pickOrFirst());
}

void TMC_BanPumSaleAmtInPut_Form::pQuery()
{
    perform(QStringLiteral("pQuery"), [&] { DBGrid1->setList(db(), listStatement()); });
    clearEntry();
}

void TMC_BanPumSaleAmtInPut_Form::clearEntry()
{
    EntryScreen::clearEntry();
    for (QLabel *p : {Panel_InDate, Panel_Date})
        p->clear();
}

void TMC_BanPumSaleAmtInPut_Form::pClear()
{
    clearEntry();
    resetSearch();
}

void TMC_BanPumSaleAmtInPut_Form::rowPicked()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0)
        return;
    clearEntry();
    pDisplay();
    m_shownSale = DBGrid1->currentText("ChulGo_Serial").trimmed();
    holdSerial(m_shownSale);
    Panel_InDate->setText(DBGrid1->currentText("ChulGo_Date"));
    setMode(2);
}

bool TMC_BanPumSaleAmtInPut_Form::quantityLeft()
{
    const int row = DBGrid1->currentRowIndex();
    productfigures::SaleTakenBack sale;
    if (row >= 0) {
        const Rows &rows = DBGrid1->rows();
        sale = {rows.number(row, "ChulGo_SuKg"), rows.number(row, "ChulGo_DanGa"), rows.number(row, "ChulGo_GaAmt")};
    }
    const Checked<salesreturns::ReturnBoxes> left =
        salesreturns::leaveReturnQuantity(edIn_Kubun->text(), edIn_SuKg->text(), sale);
    if (refused(left.refusal))
        return left.refusal->focus != edIn_SuKg->objectName(); // a return row sends the user on to the day
    edIn_SuKg->setText(left.value.quantity);
    edIn_GaAmt->setText(left.value.amount);
    return true;
}

bool TMC_BanPumSaleAmtInPut_Form::dayLeft()
{
    const Checked<DayDate> day = salesreturns::leaveReturnDay(openPeriod(), edIn_Date->text(), Panel_InDate->text());
    if (!day.value.day.isEmpty())
        edIn_Date->setText(day.value.day);
    if (refused(day.refusal)) {
        Panel_Date->clear(); // it would show a date the box no longer holds
        return false;
    }
    Panel_Date->setText(day.value.date);
    return true;
}

void TMC_BanPumSaleAmtInPut_Form::saveClicked()
{
    salesreturns::ReturnRequest request;
    request.open = openPeriod();
    request.saleSerial = m_shownSale;
    request.quantity = edIn_SuKg->text();
    request.day = edIn_Date->text();
    request.textMemo = edIn_TextMemo->text();
    request.bigo = edIn_Bigo->text();
    request.audit = AuditValues::now();
    if (!carriedOut(QStringLiteral("SaveBtnClick"), [&] { return salesreturns::saveReturn(db(), request); }))
        return;
    runSearch();
}

void TMC_BanPumSaleAmtInPut_Form::deleteClicked()
{
    salesreturns::ReturnDelete request;
    request.open = openPeriod();
    request.serial = DBGrid1->rowCount() > 0 ? DBGrid1->currentText("ChulGo_Serial") : QString();
    request.quantity = edIn_SuKg->text();
    request.kubun = edIn_Kubun->text();
    request.price = edIn_DanGa->text();
    if (!carriedOut(QStringLiteral("DeleteBtnClick"), [&] { return salesreturns::deleteReturn(db(), request); }))
        return;
    runSearch();
}

void TMC_BanPumSaleAmtInPut_Form::printClicked()
{
    // The list as it stands in the books now, whatever the grid shows.
    perform(QStringLiteral("PrintBtnClick"), [this] {
        const ResultSet rows = db().query(listStatement().whole());
        if (!rows.isEmpty())
            pExcelExport(DBGrid1->exportSheet(setup().className, rows));
    });
}

} // namespace zedur
