#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"

#include "common/TextNumber.h"
#include "common/ui/NumberBox.h"
#include "common/ui/Panels.h"
#include "common/ui/ScreenColours.h"
#include "entries/DayDate.h"
#include "entries/FlatProductTree.h"
#include "entries/WipBalances.h"
#include "entries/WipLotList.h"
#include "entries/WipTransfers.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form_TaAc.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

using namespace colours;

namespace {

const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<GridColumn> lotColumns()
{
    QVector<GridColumn> columns{
        {"Gong_Date", "기준일자"}, {"Gong_WonCode", "원자재코드"}, {"Gong_WonName", "원자재 이름"}};
    // The balances by group: issued and left lime, completed yellow, transferred aqua.
    const QVector<std::tuple<QString, QString, QColor>> balances{{"Gong_GongSuKg", "재공품입고수량", Lime},
                                                                 {"Gong_GongGaAmt", "재공품원자재금액", Lime},
                                                                 {"Gong_GongWoulAmtTot", "재공품배부액금액", Lime},
                                                                 {"ChaongGo_SuKg", "창고입고수량", Yellow},
                                                                 {"ChaongGo_GaAmt", "창고입고원자재금액", Yellow},
                                                                 {"ChaongGo_WoulAmtTot", "창고입고배부액금액", Yellow},
                                                                 {"TaAc_SuKg", "타계정대체수량", Aqua},
                                                                 {"TaAc_GaAmt", "타계정원자재금액", Aqua},
                                                                 {"TaAc_WoulAmtTot", "타계정배부액금액", Aqua},
                                                                 {"JeyGo_SuKg", "재고수량", Lime},
                                                                 {"JeyGo_GaAmt", "재고원자재금액", Lime},
                                                                 {"JeyGo_WoulAmtTot", "재고배부액금액", Lime}};
    for (const auto &[field, title, colour] : balances)
        columns.append({field, title, GridNumber, colour});
    columns << GridColumn{"Gong_SuKg", "투입 수량", GridNumber} << GridColumn{"Gong_DanGa", "단     가", GridNumber}
            << GridColumn{"Gong_GaAmt", "원자재 금액", GridNumber};
    for (const auto &[field, title] : QVector<QPair<QString, QString>>{{"Gong_Model", "모델명"},
                                                                       {"Gong_PumName", "품명"},
                                                                       {"Gong_KuSize", "규격"},
                                                                       {"Gong_TextMemo", "적요 및 메모"},
                                                                       {"Gong_Kubun", "구분"},
                                                                       {"Gong_Bigo", "비고"}})
        columns.append({field, title});
    for (const auto &[field, title] : QVector<QPair<QString, QString>>{{"Gong_JenGiWoul", "전월완성율"},
                                                                       {"Gong_DaongWoul", "당월완성율"},
                                                                       {"Gong_TotWoul", "완성율누계"},
                                                                       {"Gong_JenGiWonAmt", "전월원자재완성금액"},
                                                                       {"Gong_JenGiNoMu_01", "전월직접노무비"},
                                                                       {"Gong_JenGiNoMu_02", "전월간접노무비"},
                                                                       {"Gong_JenGiJeyJo_01", "전월직접제조경비"},
                                                                       {"Gong_JenGiJeyJo_02", "전월간접제조경비"},
                                                                       {"Gong_DaongWonAmt", "당월원자재완성금액"},
                                                                       {"Gong_DaongNoMu_01", "당월직접노무비"},
                                                                       {"Gong_DaongNoMu_02", "당월간접노무비"},
                                                                       {"Gong_DaongJeyJo_01", "당월직접제조경비"},
                                                                       {"Gong_DaongJeyJo_02", "당월간접제조경비"},
                                                                       {"Gong_WoulAmtTot", "재공품완성율배부액"}})
        columns.append({field, title, GridNumber});
    for (const auto &[field, title] : QVector<QPair<QString, QString>>{{"Gong_InPutSerial", "원자재저장순서"},
                                                                       {"Gong_Year", "년도"},
                                                                       {"Gong_Serial", "저장순서"},
                                                                       {"Gong_Month", "월"},
                                                                       {"Gong_DanWi", "단위"},
                                                                       {"Gong_SerialJen", "전표번호"},
                                                                       {"Gong_TaxNumber", "세금계산서권번호"},
                                                                       {"Gong_SaleCode", "거래처코드"},
                                                                       {"Gong_SaleName", "거래처상호"},
                                                                       {"Gong_SaleNumber", "사업자번호"},
                                                                       {"Gong_SaleDyiPou", "대표자명"}})
        columns.append({field, title});
    return columns;
}

} // namespace

TMC_JeyGongPumToTaAcInPut_Form::TMC_JeyGongPumToTaAcInPut_Form(QWidget *parent)
    : WipLotScreen(
          {QStringLiteral("TMC_JeyGongPumToTaAcInPut_Form"),
           QStringLiteral("제조공정<재공품>의 100%완성품이나 미 완성품을 재공품 타 계정 대체에 등록하는 폼 입니다."),
           PeriodRule::Entry, QSize(1250, 900)},
          parent, wiplist::transferSearchItems(), wiplist::transferSortItems())
{
    Panel_InDate = panel("Panel_InDate");
    addControl("기준일자", Panel_InDate);
    addEntryBoxes("타계정대체입력(등록)수량", "타계정대체일자", "재공품의 타 계정 대체");
    TaAcBtn = addBarButton("TaAcBtn", "재공품 타계정 호출");
    QGroupBox *lotPanel = addLotPanel(QStringLiteral("0.0000"));
    setLotColumns(lotColumns());
    mainLayout()->addWidget(lotPanel);

    for (QWidget *w : {static_cast<QWidget *>(edIn_SuKg), static_cast<QWidget *>(SaveBtn),
                       static_cast<QWidget *>(TaAcBtn), static_cast<QWidget *>(KuenNoSearchBtn)})
        exemptFromExitChecks(w);
    exits().onLeave(edIn_SuKg, [this] { return quantityLeft(); });
    exits().onLeave(edIn_Date, [this] { return dayLeft(); });
    // Passing through the lot's figures shows them again in the screen's short formats.
    const QString twoDecimals = QStringLiteral("#,##0.00");
    QVector<QPair<NumberBox *, QString>> reshown{
        {edG_SuKg, twoDecimals},      {edG_DanGa, twoDecimals},   {edG_JenGiWoul, twoDecimals},
        {edG_DaongWoul, twoDecimals}, {edG_TotWoul, twoDecimals}, {edG_ChaongGoSuKg, twoDecimals},
        {edG_TaAcSuKg, twoDecimals},  {edG_JanSuKg, twoDecimals}, {edG_GaAmt, QStringLiteral("#,##0")}};
    for (NumberBox *amount : {edG_JenGiWonAmt, edG_DaongWonAmt, edG_WonTotAmt, edG_JenGiNoMu_01, edG_JenGiNoMu_02,
                              edG_JenGiJeyJo_01, edG_JenGiJeyJo_02, edG_DaongNoMu_01, edG_DaongNoMu_02,
                              edG_DaongJeyJo_01, edG_DaongJeyJo_02, edG_ChaongGoGaAmt, edG_TaAcGaAmt, edG_JanAmt})
        reshown.append({amount, QStringLiteral("#,##0.0000")});
    for (const auto &[box, picture] : reshown) {
        exits().onLeave(box, [box = box, picture = picture] {
            if (!box->text().trimmed().isEmpty())
                box->setText(formatFloat(picture, box->value()));
            return true;
        });
    }
    connect(TaAcBtn, &QPushButton::clicked, this, [this] {
        m_selected = false;
        openViewerAndClose<TMC_JeyGongPumToTaAcInPut_Form_TaAc>();
    });
}

void TMC_JeyGongPumToTaAcInPut_Form::recreateWorkTables(Db &db)
{
    warehouse::recreateFlatTreeTable(db);
    recreateWipBalanceTables(db);
}

void TMC_JeyGongPumToTaAcInPut_Form::lotsExported()
{
    m_selected = false;
}

void TMC_JeyGongPumToTaAcInPut_Form::rowPicked()
{
    if (!DBGrid1->isOpen() || DBGrid1->rowCount() == 0)
        return;
    WipLotScreen::rowPicked();
    m_selected = true;
    Panel_InDate->setText(DBGrid1->currentText("Gong_Date"));
    edIn_SuKg->setText(edG_JanSuKg->text());
    edIn_TextMemo->setText(DBGrid1->currentText("Gong_TextMemo"));
    edIn_Bigo->setText(DBGrid1->currentText("Gong_Bigo"));
}

void TMC_JeyGongPumToTaAcInPut_Form::clearEntry()
{
    WipLotScreen::clearEntry();
    Panel_InDate->clear();
    m_selected = false;
}

bool TMC_JeyGongPumToTaAcInPut_Form::quantityLeft()
{
    const Checked<QString> left = wiptransfer::leaveQuantity(edIn_SuKg->text(), listedRemainder());
    if (refused(left.refusal))
        return false;
    edIn_SuKg->setText(left.value);
    return true;
}

bool TMC_JeyGongPumToTaAcInPut_Form::dayLeft()
{
    const Checked<DayDate> day = checkDay(shownPeriod(), edIn_Date->text(), edIn_Date->objectName());
    if (!day.value.day.isEmpty())
        edIn_Date->setText(day.value.day);
    if (refused(day.refusal)) {
        Panel_Date->clear();
        return false;
    }
    Panel_Date->setText(day.value.date);
    return true;
}

void TMC_JeyGongPumToTaAcInPut_Form::saveClicked()
{
    wiptransfer::TransferRequest request;
    fillEntry(request);
    request.lotSerial = heldSerial();
    request.selected = m_selected;
    saveEntry<wiptransfer::TransferSaved>([&] { return wiptransfer::saveTransfer(db(), request); },
                                          &wiptransfer::TransferSaved::clearsSelection, m_selected,
                                          [&](const wiptransfer::TransferSaved &) { return QStringList{request.lotSerial}; });
}

} // namespace zedur
