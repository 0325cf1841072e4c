#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "common/ui/KindPanel.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "common/ui/Panels.h"
#include "common/ui/ScreenColours.h"
#include "entries/ProductBalances.h"
#include "entries/ProductShipments.h"
#include "entries/ShipmentLists.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zedur {

using namespace colours;

namespace {

const QString Amount = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<GridColumn> receiptColumns()
{
    QVector<GridColumn> out{{"JeyPum_Date", "기준일자"},
                            {"JeyPum_JeyPumCode", "제품코드"},
                            {"JeyPum_JeyPumName", "제품   이름"},
                            {"JeyPum_JeyPumSuKg", "창고제품수량", GridNumber, Lime},
                            {"JeyPum_ChulGoSuKg", "매출 출고수량", GridNumber, Aqua},
                            {"JeyPum_TaAcSuKg", "제품타계정수량", GridNumber, Yellow},
                            {"JeyPum_JeyGoSuKg", "제품재고수량", GridNumber, Lime},
                            {"JeyPum_Model", "모델명"},
                            {"JeyPum_PumName", "품명"},
                            {"JeyPum_KuSize", "규격"},
                            {"JeyPum_TextMemo", "적요기재사항"}};
    for (const auto &[field, title] :
         QVector<QPair<QString, QString>>{{"JeyPum_SuKg", "제품수량"},
                                          {"JeyPum_GaAmt", "원자재금액"},
                                          {"JeyPum_JenGiNoMu", "직접노무비배부액"},
                                          {"JeyPum_DaongNoMu", "간접노무비배부액"},
                                          {"JeyPum_JenGiJeyJo", "직접제조경비배부액"},
                                          {"JeyPum_DaongJeyJo", "간접제조경비배부액"},
                                          {"JeyPum_TotGaAmt", "완성제품금액(제품매출원가)"},
                                          {"JeyPum_DanGa", "완 제 품    단 가"}})
        out.append({field, title, GridNumber});
    out << GridColumn{"JeyPum_Kubun", "구분"} << GridColumn{"JeyPum_Bigo", "비고"}
        << GridColumn{"JeyPum_Check_01", "마감체크"} << GridColumn{"JeyPum_Month", "월"}
        << GridColumn{"JeyPum_Year", "년도"} << GridColumn{"JeyPum_DanWi", "단위"};
    return out;
}

} // namespace

TMC_ChaongGoJeyPumChulGoTaAc_Form::TMC_ChaongGoJeyPumChulGoTaAc_Form(QWidget *parent)
    : EntryScreen({QStringLiteral("TMC_ChaongGoJeyPumChulGoTaAc_Form"),
                   QStringLiteral("창고에 있는 완제품(제품매출원가)을 출고(매출) 및 제품 타 계정 대체등에 등록하는 폼 "
                                  "입니다."),
                   PeriodRule::Entry, QSize(1150, 800)},
                  parent, {Button::Save, Button::Print, Button::Close})
{
    Panel_InDate = panel("Panel_InDate");
    addControl("기준일자", Panel_InDate);
    edIn_SuKg = addNumberBox("edIn_SuKg", "출고및타계정 수량", {}, Amount, KeySet::NumberNoMinus);
    // A day that is not a whole number ("1.") can be typed, and is refused as no date.
    edIn_Date = addTextBox("edIn_Date", "출고및타계정 일자", {}, 2, KeySet::NumberNoMinus);
    edIn_Date->setMaximumWidth(60);
    Panel_Date = panel("Panel_Date");
    addBeside(edIn_Date, Panel_Date, 1);
    cbInKubun = new ListCombo("cbInKubun", shipments::kindItems());
    addControl("구분", cbInKubun);
    Panel_Kubun = panel("Panel_Kubun");
    Panel_Kubun->setMinimumWidth(140);
    addBeside(cbInKubun, Panel_Kubun);
    edIn_DanGa = addNumberBox("edIn_DanGa", "출고및타계정 단가", {}, Amount, KeySet::NumberNoMinus);
    edIn_GaAmt = addNumberBox("edIn_GaAmt", "매출액 및 타계정대체 금액", {}, Amount, KeySet::NumberNoMinus);
    deriveFrom(edIn_GaAmt, {edIn_SuKg, edIn_DanGa});
    edIn_Serial = addReadOnlyBox("edIn_Serial", "저장순서", "JeyPum_Serial");
    edIn_WonCode = addReadOnlyBox("edIn_WonCode", "제품코드", "JeyPum_JeyPumCode");
    edIn_WonName = addReadOnlyBox("edIn_WonName", "제품 이름", "JeyPum_JeyPumName");
    edIn_PumName = addReadOnlyBox("edIn_PumName", "품명", "JeyPum_PumName");
    edIn_KuSize = addReadOnlyBox("edIn_KuSize", "규격", "JeyPum_KuSize");
    edIn_DanWi = addTextBox("edIn_DanWi", "단위", "JeyPum_DanWi", 50);
    edIn_Model = addTextBox("edIn_Model", "모델명", "JeyPum_Model", 100);
    edIn_SerialJen = addTextBox("edIn_SerialJen", "전표번호", "JeyPum_SerialJen", 50);
    edIn_TaxNumber = addTextBox("edIn_TaxNumber", "세금계산서권번호", "JeyPum_TaxNumber", 50);
    edIn_SaleCode = addTextBox("edIn_SaleCode", "거래처코드", "JeyPum_SaleCode", 50);
    edIn_SaleName = addTextBox("edIn_SaleName", "거래처상호명", "JeyPum_SaleName", 200);
    edIn_SaleNumber = addTextBox("edIn_SaleNumber", "사업자등록번호", "JeyPum_SaleNumber", 50);
    edIn_SaleDyiPou = addTextBox("edIn_SaleDyiPou", "대표자명", "JeyPum_SaleDyiPou", 50);
    edIn_TextMemo = addTextBox("edIn_TextMemo", "적요및메모", "JeyPum_TextMemo", 100);
    edIn_Bigo = addTextBox("edIn_Bigo", "비고", "JeyPum_Bigo", 100);
    setSerialBox(edIn_Serial);
    PrintBtn->setText(QStringLiteral("엑셀"));
    GongJeongBtn = addBarButton("GongJeongBtn", "창고 매출 출고");
    TaAcBta = addBarButton("TaAcBta", "타 계정 호출");

    addEntryPeriodLists();
    addEntrySearch(shipments::receiptSearchItems(), shipments::receiptSortItems());
    setGridColumns(receiptColumns());
    // A receipt of which more went out than came in stands out; what shows as zero is not negative.
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (roundDecimals(rs.number(row, "JeyPum_JeyGoSuKg"), 4) < 0)
            return RowStyle{Red, true};
        return std::nullopt;
    });
    finishLayout();

    exemptFromExitChecks(KuenNoSearchBtn);
    exits().onLeave(edIn_SuKg, [this] { return quantityLeft(); });
    exits().onLeave(edIn_Date, [this] { return dayLeft(); });
    exits().onLeave(edIn_DanGa, [this] { return priceLeft(); });
    exits().onLeave(edIn_GaAmt, [this] { return amountLeft(); });
    exits().onLeave(cbInKubun, [this] { return cbInKubun->checkPick(); });
    m_kind = new KindPanel(cbInKubun, Panel_Kubun,
                           {{shipments::kindItems().at(0), Aqua}, {shipments::kindItems().at(1), Red}});
    connect(GongJeongBtn, &QPushButton::clicked, this,
            [this] { openViewerAndClose<TMC_ChaongGoJeyPumChulGoTaAc_Form_ChulGo>(); });
    connect(TaAcBta, &QPushButton::clicked, this,
            [this] { openViewerAndClose<TMC_ChaongGoJeyPumChulGoTaAc_Form_TaAc>(); });
    refreshOnReturn({edIn_SuKg, edIn_Date, edIn_DanGa, edSSearch}, [this] {
        if (DBGrid1->isOpen())
            runSearch();
    });
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::onFirstShow()
{
    if (connected())
        perform(QStringLiteral("FormShow(Sender: TObject)"), [this] {
            Transaction t(db());
            recreateProductBalanceTables(db());
            t.commit();
        });
    m_balances.forget();
    resetSearch();
    cbInKubun->setCurrentIndex(0);
    clearEntry();
    if (!applyPeriodRuleOnShow(cbSYear, cbSMonth))
        return;
    pQuery();
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::pQuery()
{
    const Period shown = shownPeriod();
    const QString text = searchText(shipments::receiptSearchItems());
    const QString search = cbSSearch->pickOrFirst();
    const QString sort = cbSSort->pickOrFirst();
    perform(QStringLiteral("pQuery"), [&] {
        m_balances.show(db(), shown);
        DBGrid1->setList(db(), shipments::receiptList(shown, search, text, sort));
    });
    clearEntry();
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::clearEntry()
{
    EntryScreen::clearEntry();
    for (QLabel *p : {Panel_InDate, Panel_Date})
        p->clear();
    m_kind->clear();
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::pClear()
{
    clearEntry();
    resetSearch();
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::rowPicked()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0)
        return;
    clearEntry();
    cbInKubun->setCurrentIndex(0);
    pDisplay();
    Panel_InDate->setText(DBGrid1->currentText("JeyPum_Date"));
    const shipments::MovementNumbers proposed = shipments::proposeMovement(remaining(), unitCost());
    showNumbers(proposed.quantity, proposed.price, proposed.amount);
    setMode(2);
}

double TMC_ChaongGoJeyPumChulGoTaAc_Form::remaining() const
{
    const int row = DBGrid1->currentRowIndex();
    return row < 0 ? 0.0 : DBGrid1->rows().number(row, "JeyPum_JeyGoSuKg");
}

std::optional<double> TMC_ChaongGoJeyPumChulGoTaAc_Form::unitCost() const
{
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return std::nullopt;
    // Divided by a receipt's zero quantity the unit cost is NULL: there is none, not 0.
    const QVariant cost = DBGrid1->rows().value(row, "JeyPum_DanGa");
    if (cost.isNull())
        return std::nullopt;
    return cost.toDouble();
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::showNumbers(const QString &quantity, const QString &price,
                                                    const QString &amount)
{
    edIn_SuKg->setText(quantity);
    edIn_DanGa->setText(price);
    edIn_GaAmt->setText(amount);
}

bool TMC_ChaongGoJeyPumChulGoTaAc_Form::quantityLeft()
{
    const Checked<shipments::MovementNumbers> left =
        shipments::leaveQuantity({edIn_SuKg->text(), edIn_DanGa->text(), edIn_GaAmt->text()}, remaining());
    if (refused(left.refusal))
        return false;
    showNumbers(left.value.quantity, left.value.price, left.value.amount);
    return true;
}

bool TMC_ChaongGoJeyPumChulGoTaAc_Form::dayLeft()
{
    if (edIn_SuKg == exits().leavingTowards())
        return true;
    const Checked<DayDate> day = shipments::leaveMovementDay(shownPeriod(), edIn_Date->text(), Panel_InDate->text());
    if (!day.value.day.isEmpty())
        edIn_Date->setText(day.value.day);
    if (refused(day.refusal)) {
        Panel_Date->clear(); // it would show a date the box no longer holds
        return false;
    }
    Panel_Date->setText(day.value.date);
    return true;
}

bool TMC_ChaongGoJeyPumChulGoTaAc_Form::priceLeft()
{
    if (edIn_SuKg == exits().leavingTowards())
        return true;
    const auto kind = shipments::MovementKind(cbInKubun->currentIndex());
    const Checked<shipments::PriceLeft> left =
        shipments::leavePrice(kind, {edIn_SuKg->text(), edIn_DanGa->text(), edIn_GaAmt->text()}, unitCost());
    if (refused(left.refusal))
        return false;
    if (!left.value.warning.isEmpty())
        msg::warning(left.value.warning); // selling below cost is allowed: the price stays
    showNumbers(left.value.numbers.quantity, left.value.numbers.price, left.value.numbers.amount);
    return true;
}

bool TMC_ChaongGoJeyPumChulGoTaAc_Form::amountLeft()
{
    const Checked<shipments::MovementNumbers> left =
        shipments::leaveAmount({edIn_SuKg->text(), edIn_DanGa->text(), edIn_GaAmt->text()});
    if (refused(left.refusal))
        return false;
    edIn_GaAmt->setText(left.value.amount);
    return true;
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::saveClicked()
{
    shipments::MovementRequest request;
    request.shown = shownPeriod();
    request.receiptSerial = DBGrid1->rowCount() > 0 ? DBGrid1->currentText("JeyPum_Serial") : QString();
    request.kind =
        cbInKubun->hasValidPick() ? shipments::MovementKind(cbInKubun->currentIndex()) : shipments::MovementKind::None;
    request.numbers = {edIn_SuKg->text(), edIn_DanGa->text(), edIn_GaAmt->text()};
    request.amountTyped = typedOnPurpose(edIn_GaAmt);
    request.day = edIn_Date->text();
    for (const QString &stem : shipments::descriptiveStems())
        request.texts.insert(stem, findChild<QLineEdit *>("edIn_" + stem)->text());
    request.textMemo = edIn_TextMemo->text();
    request.bigo = edIn_Bigo->text();
    request.audit = AuditValues::now();
    const bool done = carriedOut(QStringLiteral("SaveBtnClick"), [&] {
        const shipments::MovementSaved saved = shipments::saveMovement(db(), request);
        for (const QString &notice : saved.notices)
            msg::warning(notice); // said before whatever follows it
        return saved.refusal;
    });
    if (!done)
        return;
    perform(QStringLiteral("SaveBtnClick"), [&] { m_balances.moved(db(), {request.receiptSerial}); });
    runSearch();
    DBGrid1->moveTo("JeyPum_Serial", request.receiptSerial);
    focusButtonPanel();
}

void TMC_ChaongGoJeyPumChulGoTaAc_Form::printClicked()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0) {
        showRefusal(Refusal{QStringLiteral("데이타가 없습니다......"), edIn_SuKg->objectName()});
        return;
    }
    for (QLineEdit *picked : {static_cast<QLineEdit *>(edIn_SuKg), edIn_WonName}) {
        if (picked->text().trimmed().isEmpty()) {
            showRefusal(Refusal{QStringLiteral("먼저 데이타를 선택 하세요....."), picked->objectName()});
            return;
        }
    }
    perform(QStringLiteral("PrintBtnClick"), [this] { pExcelExport(DBGrid1->exportSheet(setup().className)); });
}

} // namespace zedur
