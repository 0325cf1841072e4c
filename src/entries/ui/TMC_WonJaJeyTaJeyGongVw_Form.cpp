#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"

#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "common/ui/BoxLook.h"
#include "common/ui/GridTotals.h"
#include "common/ui/KindPanel.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "common/ui/Panels.h"
#include "common/ui/ScreenColours.h"
#include "entries/IssueList.h"
#include "entries/Issues.h"
#include "entries/ReceiptBalances.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_JeyGong.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form_TaAc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace colours;

namespace {

const QString Amount = QStringLiteral("#,##0.0000");
const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

} // namespace

TMC_WonJaJeyTaJeyGongVw_Form::TMC_WonJaJeyTaJeyGongVw_Form(QWidget *parent)
    : EntryScreen({QStringLiteral("TMC_WonJaJeyTaJeyGongVw_Form"),
                   QStringLiteral("재고자산의 원자재를 제조공정투입 및 타 계정 대체등에 등록하는 폼 입니다."),
                   PeriodRule::Entry, QSize(1100, 760)},
                  parent, {Button::Save, Button::Close})
{
    edIn_SuKg = addNumberBox("edIn_SuKg", "투입 원자재 수량(중량)", {}, Amount, KeySet::NumberNoMinus);
    Panel_InDate = makePanel("Panel_InDate");
    addControl("기준일자", Panel_InDate);
    edIn_Date = addTextBox("edIn_Date", "투입일자", {}, 2, KeySet::Digits);
    edIn_Date->setMaximumWidth(60);
    Panel_Date = makePanel("Panel_Date");
    addBeside(edIn_Date, Panel_Date, 1);
    cbInKubun = new ListCombo("cbInKubun", issues::kindItems());
    addControl("구분", cbInKubun);
    Panel_Kubun = makePanel("Panel_Kubun");
    Panel_Kubun->setMinimumWidth(140);
    addBeside(cbInKubun, Panel_Kubun);
    edIn_TextMemo = addTextBox("edIn_TextMemo", "적요및메모", {}, 100);
    edIn_Bigo = addTextBox("edIn_Bigo", "비고", {}, 100);
    edIn_DanGa = addReadOnlyNumberBox("edIn_DanGa", "단가", "InPut_DanGa");
    edIn_GaAmt = addReadOnlyNumberBox("edIn_GaAmt", "금액", {});
    edIn_Serial = addReadOnlyBox("edIn_Serial", "저장순서", "InPut_Serial");
    edIn_WonCode = addReadOnlyBox("edIn_WonCode", "원자재코드", "InPut_WonCode");
    edIn_WonName = addReadOnlyBox("edIn_WonName", "원자재 명", "InPut_WonName");
    edIn_DanWi = addReadOnlyBox("edIn_DanWi", "단위", "InPut_DanWi");
    edIn_Model = addReadOnlyBox("edIn_Model", "모델명", "InPut_Model");
    edIn_PumName = addReadOnlyBox("edIn_PumName", "품명", "InPut_PumName");
    edIn_KuSize = addReadOnlyBox("edIn_KuSize", "규격", "InPut_KuSize");
    edIn_SerialJen = addReadOnlyBox("edIn_SerialJen", "거래명세서전표번호", "InPut_SerialJen");
    edIn_TaxNumber = addReadOnlyBox("edIn_TaxNumber", "세금계산서권번호", "InPut_TaxNumber");
    edIn_SaleCode = addReadOnlyBox("edIn_SaleCode", "거래처코드", "InPut_SaleCode");
    edIn_SaleName = addReadOnlyBox("edIn_SaleName", "거래처상호명", "InPut_SaleName");
    edIn_SaleNumber = addReadOnlyBox("edIn_SaleNumber", "사업자등록번호", "InPut_SaleNumber");
    edIn_SaleDyiPou = addReadOnlyBox("edIn_SaleDyiPou", "대표자명", "InPut_SaleDyiPou");
    setSerialBox(edIn_Serial);
    GongJeongBtn = addBarButton("GongJeongBtn", "공정투입 호출");
    TaAcBta = addBarButton("TaAcBta", "타 계정 호출");

    addEntryPeriodLists();
    addEntrySearch(issues::searchItems(), issues::sortItems());
    setGridColumns({{"InPut_Date", "기준일자"},
                    {"InPut_Kubun", "구분"},
                    {"InPut_WonCode", "원자재코드"},
                    {"InPut_WonName", "원자재 이름"},
                    {"InPut_DanGa", "원자재단가", GridNumber},
                    {"InPut_SuKg", "원자재수량", GridNumber, Lime},
                    {"InPut_GaAmt", "원자재 금액", GridNumber, Lime},
                    {"InPut_SuKgJeyGong", "공정투입수량", GridNumber, Aqua},
                    {"InPut_GaAmtJeyGong", "공정투입 금액", GridNumber, Aqua},
                    {"InPut_SuKgTaAc", "타계정대체수량", GridNumber, Yellow},
                    {"InPut_GaAmtTaAc", "타계정대체 금액", GridNumber, Yellow},
                    {"InPut_SuKgJan", "재고 수량", GridNumber, Lime},
                    {"InPut_GaAmtJan", "재 고 금 액", GridNumber, Lime},
                    {"InPut_DanWi", "단위"},
                    {"InPut_Model", "모델명"},
                    {"InPut_PumName", "품명"},
                    {"InPut_KuSize", "규격"},
                    {"InPut_SerialJen", "전표번호"},
                    {"InPut_TaxNumber", "세금계산서권번호"},
                    {"InPut_SaleCode", "거래처코드"},
                    {"InPut_SaleName", "거래처상호명"},
                    {"InPut_SaleNumber", "사업자번호"},
                    {"InPut_SaleDyiPou", "대표자명"},
                    {"InPut_TextMemo", "적요 및 메모"},
                    {"InPut_Bigo", "비                고"},
                    {"InPut_Serial", "저장순서"}});
    // A lot of which more went out than came in stands out; what shows as zero is not negative.
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (roundDecimals(rs.number(row, "InPut_SuKgJan"), 4) < 0)
            return RowStyle{Red, true, 9};
        return std::nullopt;
    });
    finishLayout();
    mainLayout()->addWidget(new GridTotals(DBGrid1,
                                           {"InPut_SuKg", "InPut_GaAmt", "InPut_SuKgJeyGong", "InPut_GaAmtJeyGong",
                                            "InPut_SuKgTaAc", "InPut_GaAmtTaAc", "InPut_SuKgJan", "InPut_GaAmtJan"},
                                           this));

    exits().onLeave(edIn_SuKg, [this] { return quantityLeft(); });
    exits().onLeave(edIn_Date, [this] { return dayLeft(); });
    exits().onLeave(cbInKubun, [this] { return cbInKubun->checkPick(); });
    m_kind = new KindPanel(cbInKubun, Panel_Kubun, {{"제조 공정 투입", Aqua}, {"타 계정 대체", Red}});
    connect(GongJeongBtn, &QPushButton::clicked, this,
            [this] { openViewerAndClose<TMC_WonJaJeyTaJeyGongVw_Form_JeyGong>(); });
    connect(TaAcBta, &QPushButton::clicked, this, [this] { openViewerAndClose<TMC_WonJaJeyTaJeyGongVw_Form_TaAc>(); });
    refreshOnReturn({edIn_SuKg, edIn_Date, edIn_DanGa, edSSearch}, [this] {
        if (DBGrid1->isOpen())
            pQuery();
    });
}

void TMC_WonJaJeyTaJeyGongVw_Form::onFirstShow()
{
    if (connected())
        perform(QStringLiteral("FormShow(Sender: TObject)"), [this] { recreateReceiptBalanceTables(db()); });
    m_balances.forget();
    resetSearch();
    cbInKubun->setCurrentIndex(0);
    if (!applyPeriodRuleOnShow(cbSYear, cbSMonth))
        return;
    clearEntry();
    pQuery();
}

void TMC_WonJaJeyTaJeyGongVw_Form::pQuery()
{
    const Period shown = shownPeriod();
    const QString text = searchText(issues::searchItems());
    perform(QStringLiteral("pQuery"), [&] {
        m_balances.show(db(), shown);
        DBGrid1->setList(db(),
                         issues::receiptBalanceList(shown, cbSSearch->currentText(), text, cbSSort->currentText()));
    });
    clearEntry();
}

void TMC_WonJaJeyTaJeyGongVw_Form::clearEntry()
{
    EntryScreen::clearEntry();
    for (QLabel *p : {Panel_InDate, Panel_Date})
        p->clear();
    m_kind->clear();
}

void TMC_WonJaJeyTaJeyGongVw_Form::pClear()
{
    clearEntry();
    resetSearch();
}

void TMC_WonJaJeyTaJeyGongVw_Form::rowPicked()
{
    if (DBGrid1->rowCount() == 0)
        return;
    clearEntry();
    cbInKubun->setCurrentIndex(0);
    pDisplay();
    Panel_InDate->setText(DBGrid1->currentText("InPut_Date"));
    const issues::IssueNumbers proposed = issues::proposeIssue(receiptPicked());
    edIn_SuKg->setText(proposed.quantity);
    edIn_GaAmt->setText(proposed.amount);
    setMode(2);
}

taken::Source TMC_WonJaJeyTaJeyGongVw_Form::receiptPicked() const
{
    if (DBGrid1->rowCount() == 0)
        return {};
    const Rows &rows = DBGrid1->rows();
    const int row = DBGrid1->currentRowIndex();
    return {rows.number(row, "InPut_SuKg"), roundDecimals(rows.number(row, "InPut_DanGa"), 4),
            rows.number(row, "InPut_GaAmt"), rows.number(row, "InPut_SuKgJan"), rows.number(row, "InPut_GaAmtJan")};
}

bool TMC_WonJaJeyTaJeyGongVw_Form::quantityLeft()
{
    if (exits().leavingTowards() == KuenNoSearchBtn)
        return true;
    const Checked<issues::IssueNumbers> left =
        issues::leaveIssueQuantity(edIn_SuKg->text(), receiptPicked());
    if (refused(left.refusal))
        return false;
    edIn_SuKg->setText(left.value.quantity);
    edIn_GaAmt->setText(left.value.amount);
    return true;
}

bool TMC_WonJaJeyTaJeyGongVw_Form::dayLeft()
{
    QWidget *towards = exits().leavingTowards();
    if (towards == KuenNoSearchBtn || towards == edIn_SuKg)
        return true;
    const Checked<QString> day = issues::leaveIssueDay(shownPeriod(), edIn_Date->text(), Panel_InDate->text());
    if (refused(day.refusal)) {
        Panel_Date->clear(); // it would show a date the box no longer holds
        return false;
    }
    edIn_Date->setText(day.value.right(2));
    Panel_Date->setText(day.value);
    return true;
}

void TMC_WonJaJeyTaJeyGongVw_Form::saveClicked()
{
    issues::IssueRequest request;
    request.shown = shownPeriod();
    request.receiptSerial = edIn_Serial->text().trimmed();
    request.kind = issues::IssueKind(cbInKubun->currentIndex());
    request.quantity = edIn_SuKg->text();
    request.day = edIn_Date->text();
    request.textMemo = edIn_TextMemo->text();
    request.bigo = edIn_Bigo->text();
    request.audit = AuditValues::now();
    if (!carriedOut(QStringLiteral("SaveBtnClick"), [&] { return issues::saveIssue(db(), request); }))
        return;
    perform(QStringLiteral("SaveBtnClick"), [&] { m_balances.moved(db(), {request.receiptSerial}); });
    pQuery();
    DBGrid1->moveTo("InPut_Serial", request.receiptSerial);
    focusButtonPanel();
}

} // namespace zedur
