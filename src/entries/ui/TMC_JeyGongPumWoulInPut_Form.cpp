#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "common/ui/GridTotals.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/Completion.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {

const QString Amount = QStringLiteral("#,##0.0000");
const QString Rate = QStringLiteral("#,##0.00");
const QString GridAmount = QStringLiteral("#,##0.0000;-#,##0.0000; ;");
const QString GridRate = QStringLiteral("#,##0.00;-#,##0.00; ;");
const QColor Lime(0, 255, 0);
const QColor Aqua(0, 255, 255);
const QColor Yellow(255, 255, 0);
const QString NoData = QStringLiteral("데이타가 없습니다......");
const QString PickFirst = QStringLiteral("먼저 데이타를 선택 하세요.....");

QLabel *percent()
{
    return new QLabel(QStringLiteral("%"));
}

} // namespace

TMC_JeyGongPumWoulInPut_Form::TMC_JeyGongPumWoulInPut_Form(QWidget *parent)
    : EntryScreen({QStringLiteral("TMC_JeyGongPumWoulInPut_Form"),
                   QStringLiteral("제조공정에 투입된 재공품의 정보에 당월 완성율을 등록하는 폼 입니다."),
                   PeriodRule::Entry, QSize(1100, 780)},
                  parent, {Button::Save, Button::Cancel, Button::Print, Button::Close})
{
    edG_Serial = addReadOnlyBox("edG_Serial", "저장순서", "Gong_Serial");
    edG_Date = addReadOnlyBox("edG_Date", "기준일자", "Gong_Date");
    edG_Year = addReadOnlyBox("edG_Year", "기준년월", "Gong_Year");
    edG_Month = addReadOnlyBox("edG_Month", {}, "Gong_Month");
    edG_WonCode = addReadOnlyBox("edG_WonCode", "원자재코드", "Gong_WonCode");
    edG_WonName = addReadOnlyBox("edG_WonName", "원자재이름", "Gong_WonName");
    edG_SuKg = addReadOnlyNumberBox("edG_SuKg", "원자재수량(중량)", "Gong_SuKg");
    edG_DanGa = addReadOnlyNumberBox("edG_DanGa", "원자재단가", "Gong_DanGa");
    edG_GaAmt = addReadOnlyNumberBox("edG_GaAmt", "원자재금액", "Gong_GaAmt");
    edG_JenGiWoul = addReadOnlyNumberBox("edG_JenGiWoul", "전월완성율", "Gong_JenGiWoul", Rate);
    addBeside(edG_JenGiWoul, percent());
    edG_DaongWoul = addNumberBox("edG_DaongWoul", "당월완성율", "Gong_DaongWoul", Rate, KeySet::NumberNoMinus);
    addBeside(edG_DaongWoul, percent());
    edG_TotWoul = addReadOnlyNumberBox("edG_TotWoul", "완성율누계", "Gong_TotWoul", Rate);
    addBeside(edG_TotWoul, percent());
    edG_JenGiWonAmt = addReadOnlyNumberBox("edG_JenGiWonAmt", "전월완성율원자재금액", "Gong_JenGiWonAmt");
    edG_DaongWonAmt =
        addNumberBox("edG_DaongWonAmt", "당월완성율원자재금액", "Gong_DaongWonAmt", Amount, KeySet::Digits);
    edG_Gong_WoulAmtTot = addReadOnlyNumberBox("edG_Gong_WoulAmtTot", "재공품완성율배부액", "Gong_WoulAmtTot");
    edG_TextMemo = addTextBox("edG_TextMemo", "적요및메모", "Gong_TextMemo", 100);
    edG_Bigo = addTextBox("edG_Bigo", "비고", "Gong_Bigo", 100);
    edG_Check_01 = addReadOnlyBox("edG_Check_01", "마감체크", "Gong_Check_01");
    edG_Kubun = addReadOnlyBox("edG_Kubun", "투입구분", "Gong_Kubun");
    edG_DanWi = addReadOnlyBox("edG_DanWi", "단위", "Gong_DanWi");
    edG_Model = addReadOnlyBox("edG_Model", "모델명", "Gong_Model");
    edG_PumName = addReadOnlyBox("edG_PumName", "품명", "Gong_PumName");
    edG_KuSize = addReadOnlyBox("edG_KuSize", "규격", "Gong_KuSize");
    edG_SerialJen = addReadOnlyBox("edG_SerialJen", "전표번호", "Gong_SerialJen");
    edG_TaxNumber = addReadOnlyBox("edG_TaxNumber", "권번호", "Gong_TaxNumber");
    edG_SaleCode = addReadOnlyBox("edG_SaleCode", "거래처코드", "Gong_SaleCode");
    edG_SaleName = addReadOnlyBox("edG_SaleName", "거래처상호", "Gong_SaleName");
    edG_SaleNumber = addReadOnlyBox("edG_SaleNumber", "사업자번호", "Gong_SaleNumber");
    edG_SaleDyiPou = addReadOnlyBox("edG_SaleDyiPou", "대표자명", "Gong_SaleDyiPou");
    setSerialBox(edG_Serial);

    addEntryPeriodLists();
    cbWoul = addSearchRowList("cbWoul", "완성율구분", labelsOf(completion::rateItems()));
    addEntrySearch(completion::searchItems(), completion::sortItems());
    const auto rate = [](const char *field, const char *title) {
        return GridColumn{field, title, GridRate, Yellow, Qt::AlignHCenter};
    };
    setGridColumns({{"Gong_Serial", "저장순서"},
                    {"Gong_Date", "기준일자"},
                    {"Gong_WonName", "원자재 이름"},
                    {"Gong_Model", "모델명"},
                    {"Gong_PumName", "품명"},
                    {"Gong_KuSize", "규격"},
                    {"Gong_SuKg", "수량(중량)", GridAmount},
                    {"Gong_DanGa", "단  가", GridAmount},
                    {"Gong_GaAmt", "공급가액", GridAmount},
                    {"Gong_Kubun", "구    분"},
                    rate("Gong_JenGiWoul", "전월원자재완성율"),
                    rate("Gong_DaongWoul", "당월원자재완성율"),
                    rate("Gong_TotWoul", "원자재완성율누계"),
                    {"Gong_JenGiWonAmt", "전월완성율원자재원가", GridAmount, Aqua},
                    {"Gong_JenGiNoMu_01", "전월직접노무비배부액", GridAmount, Aqua},
                    {"Gong_JenGiNoMu_02", "전월간접노무비배부액", GridAmount, Aqua},
                    {"Gong_JenGiJeyJo_01", "전월직접제조경비배부액", GridAmount, Aqua},
                    {"Gong_JenGiJeyJo_02", "전월간접제조경비배부액", GridAmount, Aqua},
                    {"Gong_DaongWonAmt", "당월완성율원자재원가", GridAmount},
                    {"Gong_DaongNoMu_01", "당월직접노무비배부액", GridAmount},
                    {"Gong_DaongNoMu_02", "당월간접노무비배부액", GridAmount},
                    {"Gong_DaongJeyJo_01", "당월직접제조경비배부액", GridAmount},
                    {"Gong_DaongJeyJo_02", "당월간접제조경비배부액", GridAmount},
                    {"Gong_WoulAmtTot", "재공품완성율배부액", GridAmount, Lime},
                    {"Gong_TextMemo", "적요 및 메모"},
                    {"Gong_Bigo", "비          고"},
                    {"Gong_SerialJen", "전표번호"},
                    {"Gong_SaleName", "거래처상호"},
                    {"Gong_WonCode", "원자재 코드"},
                    {"Gong_SaleCode", "거래처코드"},
                    {"Gong_DanWi", "단위"},
                    {"Gong_TaxNumber", "권번호"},
                    {"Gong_SaleNumber", "사업자번호"},
                    {"Gong_SaleDyiPou", "대표자명"},
                    {"Gong_InPutSerial", "원자등록Table의저장순서"},
                    {"Gong_GongSerial", "전월분재공품의저장순서"}});
    finishLayout();
    mainLayout()->addWidget(
        new GridTotals(DBGrid1, {"Gong_SuKg", "Gong_GaAmt", "Gong_DaongWonAmt", "Gong_WoulAmtTot"}, this));

    exits().onLeave(edG_DaongWoul, [this] { return rateLeft(); });
    exits().onLeave(edG_DaongWonAmt, [this] {
        edG_DaongWonAmt->setText(completion::leaveMonthCostBox(edG_DaongWonAmt->text()));
        return true;
    });
    exits().onLeave(cbWoul, [this] {
        if (!cbWoul->checkPick())
            return false;
        pQuery();
        return true;
    });
    exits().onLeave(cbSSort, [this] {
        if (!cbSSort->checkPick())
            return false;
        KuenNoSearchBtn->setFocus();
        return true;
    });
}

void TMC_JeyGongPumWoulInPut_Form::onFirstShow()
{
    resetSearch();
    cbWoul->setCurrentIndex(0);
    clearEntry();
    if (applyPeriodRuleOnShow(cbSYear, cbSMonth))
        pQuery();
}

void TMC_JeyGongPumWoulInPut_Form::pQuery()
{
    const QString text = searchText(completion::searchItems());
    perform(QStringLiteral("pQuery"), [&] {
        DBGrid1->setList(db(), completion::lotList(shownPeriod(), cbWoul->currentText(), cbSSearch->currentText(),
                                                   text, cbSSort->currentText()));
    });
}

bool TMC_JeyGongPumWoulInPut_Form::rateLeft()
{
    const QString typed = edG_DaongWoul->text();
    const Checked<completion::CompletionFigures> f =
        completion::leaveRateBox(typed, edG_JenGiWoul->value(), edG_GaAmt->value());
    // A rate that takes the lot above 100 is still shown as it will count, cut and summed.
    if (f.ok() || f.value.cumulative > 100.0) {
        edG_DaongWoul->setText(f.value.rateText());
        edG_TotWoul->setText(f.value.cumulativeText());
    }
    if (refused(f.refusal))
        return false;
    edG_DaongWonAmt->setText(f.value.monthCostText());
    return true;
}

void TMC_JeyGongPumWoulInPut_Form::cancelClicked()
{
    clearEntry();
}

void TMC_JeyGongPumWoulInPut_Form::saveClicked()
{
    completion::CompletionSave save;
    save.shown = shownPeriod();
    save.listIsEmpty = DBGrid1->rowCount() == 0;
    save.serial = edG_Serial->text();
    save.wonCode = edG_WonCode->text();
    save.typedRate = edG_DaongWoul->text();
    save.textMemo = edG_TextMemo->text();
    save.bigo = edG_Bigo->text();
    save.saveDate = saveDateNow();
    if (!carriedOut(QStringLiteral("SaveBtnClick"), [&] { return completion::saveCompletion(db(), save); }))
        return;
    const QString serial = save.serial.trimmed();
    pQuery();
    // The lot as stored now; the list may no longer hold it (a rate list of unfinished lots).
    clearEntry();
    if (DBGrid1->moveTo("Gong_Serial", serial))
        pDisplay();
}

void TMC_JeyGongPumWoulInPut_Form::printClicked()
{
    if (DBGrid1->rowCount() == 0) {
        msg::warning(NoData);
        return;
    }
    if (edG_Serial->text().trimmed().isEmpty()) {
        msg::warning(PickFirst);
        return;
    }
    pExcelExport(DBGrid1->exportSheet(setup().className));
}

} // namespace zedur
