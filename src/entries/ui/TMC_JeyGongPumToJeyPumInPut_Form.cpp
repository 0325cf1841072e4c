#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "common/ui/NumberBox.h"
#include "entries/FlatProductTree.h"
#include "entries/WarehouseReceipts.h"
#include "entries/WipLotList.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form_JeyPum.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {

const QString GridNumber = QStringLiteral("#,##0.0000;-#,##0.0000; ;");

QVector<GridColumn> lotColumns()
{
    const QVector<QPair<QString, QString>> texts{
        {"Gong_Date", "기준일자"}, {"Gong_WonCode", "원자재 코드"}, {"Gong_WonName", "원자재 이름"}};
    const QVector<QPair<QString, QString>> balances{{"Gong_GongSuKg", "재공품입고수량"},
                                                    {"Gong_GongGaAmt", "재공품원자재금액"},
                                                    {"Gong_WoulAmtTot", "창고입고배부액금액"},
                                                    {"ChaongGo_SuKg", "창고입고수량"},
                                                    {"ChaongGo_GaAmt", "창고입고원자재금액"},
                                                    {"ChaongGo_WoulAmtTot", "창고입고배부액금액"},
                                                    {"TaAc_SuKg", "타계정대체수량"},
                                                    {"TaAc_GaAmt", "타계정대체원자재금액"},
                                                    {"TaAc_WoulAmtTot", "타계정배부액금액"},
                                                    {"JeyGo_SuKg", "재고수량"},
                                                    {"JeyGo_GaAmt", "재고원자재금액"},
                                                    {"JeyGo_WoulAmtTot", "재고배부액금액"},
                                                    {"Gong_DanGa", "단     가"},
                                                    {"Gong_SuKg", "투입 수량"},
                                                    {"Gong_GaAmt", "원자재 금액"}};
    const QVector<QPair<QString, QString>> lotTexts{{"Gong_KuSize", "규격"},  {"Gong_Model", "모델명"},
                                                    {"Gong_PumName", "품명"}, {"Gong_TextMemo", "적요 및 메모"},
                                                    {"Gong_Kubun", "구분"},   {"Gong_Bigo", "비       고"}};
    const QVector<QPair<QString, QString>> costs{{"Gong_JenGiWoul", "전월완성율"},
                                                 {"Gong_DaongWoul", "당월완성율"},
                                                 {"Gong_TotWoul", "완성율합계"},
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
                                                 {"Gong_GongWoulAmtTot", "재공품완성율배부액"}};
    const QVector<QPair<QString, QString>> rest{{"Gong_DanWi", "단위"},
                                                {"Gong_SerialJen", "전표번호"},
                                                {"Gong_SaleName", "거래처상호"},
                                                {"Gong_SaleNumber", "대표자명"},
                                                {"Gong_SaleDyiPou", "대표자명"},
                                                {"Gong_TaxNumber", "권번호"},
                                                {"Gong_Year", "년도"},
                                                {"Gong_InPutSerial", "원자재저장순서"},
                                                {"Gong_Month", "월"},
                                                {"Gong_SaleCode", "거래처코드"},
                                                {"Gong_Serial", "저장순서"}};
    QVector<GridColumn> columns;
    for (const auto &[field, title] : texts)
        columns.append({field, title});
    for (const auto &[field, title] : balances)
        columns.append({field, title, GridNumber});
    for (const auto &[field, title] : lotTexts)
        columns.append({field, title});
    for (const auto &[field, title] : costs)
        columns.append({field, title, GridNumber});
    for (const auto &[field, title] : rest)
        columns.append({field, title});
    return columns;
}

QVector<GridColumn> checkColumns()
{
    QVector<GridColumn> columns{
        {"Tr_Code", "P원재자코드"}, {"SumVw_WonCode", "원자재코드"}, {"SumVw_WonName", "원자재이름"}};
    const QVector<QPair<QString, QString>> numbers{
        {"JanCheck_SuKg", "부족량 (K - E)"}, {"Parent_SuKg", "BOM소유량 B"}, {"Total_SuKg", "소유량계산E (A * B)"},
        {"SumVw_SuKg", "재고량 K"},          {"SumVw_DanGa", "원자재단가"},  {"SumVw_GaAmt", "원자재금액"}};
    for (const auto &[field, title] : numbers)
        columns.append({field, title, GridNumber});
    columns << GridColumn{"Tr_Model", "모델명"} << GridColumn{"Tr_PumName", "품명"} << GridColumn{"Tr_KuSize", "규격"};
    const QVector<QPair<QString, QString>> costs{{"SumVw_JenGiWoul", "전월완성율"},
                                                 {"SumVw_DaongWoul", "당월완성율"},
                                                 {"SumVw_TotWoul", "완성율합계"},
                                                 {"SumVw_JenGiWonAmt", "전월완성원자재금액"},
                                                 {"SumVw_JenGiNoMu_01", "전월직접노무비배부액"},
                                                 {"SumVw_JenGiNoMu_02", "전월간접노무비배부액"},
                                                 {"SumVw_JenGiJeyJo_01", "전월직접제조경비배부액"},
                                                 {"SumVw_JenGiJeyJo_02", "전월간접제조경비배부액"},
                                                 {"SumVw_DaongWonAmt", "당월완성원자재금액"},
                                                 {"SumVw_DaongNoMu_01", "당월직접노무비배부액"},
                                                 {"SumVw_DaongNoMu_02", "당월간접노무비배부액"},
                                                 {"SumVw_DaongJeyJo_01", "당월직접제조경비배부액"},
                                                 {"SumVw_DaongJeyJo_02", "당월간접제조경비배부액"}};
    for (const auto &[field, title] : costs)
        columns.append({field, title, GridNumber});
    columns << GridColumn{"Tr_DanWi", "단위"};
    return columns;
}

} // namespace

TMC_JeyGongPumToJeyPumInPut_Form::TMC_JeyGongPumToJeyPumInPut_Form(QWidget *parent)
    : WipLotScreen({QStringLiteral("TMC_JeyGongPumToJeyPumInPut_Form"),
                    QStringLiteral("제조공정<재공품>의 100%완성품을 제품창고입고에 등록하는 폼 입니다."),
                    PeriodRule::Entry, QSize(1250, 980)},
                   parent, wiplist::warehouseSearchItems(), wiplist::warehouseSortItems())
{
    addEntryBoxes("창고입고 제품 입력[등록]수량", "입고일자", "재공품의 완제품 창고 입고");
    addBeside(edIn_SuKg, new QLabel("(A)"));
    GongJeongBtn = addBarButton("GongJeongBtn", "제품창고 입고 호출");
    QGroupBox *lotPanel = addLotPanel(QStringLiteral("#,##0.0000"));

    DBGrid_Tree = new DataGrid(QStringLiteral("DBGrid_Tree"), this);
    DBGrid_Tree->setColumns({{"Tr_Code", "제품코드"},
                             {"Tr_Name", "제품명"},
                             {"Tr_Model", "모델명"},
                             {"Tr_PumName", "품명"},
                             {"Tr_KuSize", "규격"},
                             {"Tr_NameText", "적요사항"},
                             {"Tr_DanWi", "단위"},
                             {"Tr_Bigo", "비고"}});
    TreeSearchBtn = new QPushButton(QStringLiteral("체크확인"), this);
    TreeSearchBtn->setObjectName("TreeSearchBtn");
    TreeExcelBtn = new QPushButton(QStringLiteral("엑셀전환"), this);
    TreeExcelBtn->setObjectName("TreeExcelBtn");
    Panel_Title = new QLabel(this);
    Panel_Title->setObjectName("Panel_Title");
    DBGrid_Sum = new DataGrid(QStringLiteral("DBGrid_Sum"), this);
    DBGrid_Sum->setColumns(checkColumns());

    setLotColumns(lotColumns());
    mainLayout()->addWidget(lotPanel);
    auto *checkBar = new QHBoxLayout;
    checkBar->addWidget(TreeSearchBtn);
    checkBar->addWidget(TreeExcelBtn);
    checkBar->addWidget(Panel_Title, 1);
    auto *check = new QVBoxLayout;
    check->addLayout(checkBar);
    check->addWidget(DBGrid_Sum, 1);
    auto *products = new QHBoxLayout;
    products->addWidget(DBGrid_Tree, 2);
    products->addLayout(check, 3);
    mainLayout()->addLayout(products, 1);

    for (QWidget *w :
         {static_cast<QWidget *>(DBGrid_Sum), static_cast<QWidget *>(SaveBtn), static_cast<QWidget *>(KuenNoSearchBtn)})
        exemptFromExitChecks(w);
    exits().onLeave(edIn_SuKg, [this] { return quantityLeft(); });
    exits().onLeave(edIn_Date, [this] { return dayLeft(); });
    connect(TreeSearchBtn, &QPushButton::clicked, this, [this] { checkClicked(); });
    connect(TreeExcelBtn, &QPushButton::clicked, this, [this] { checkExportClicked(); });
    connect(GongJeongBtn, &QPushButton::clicked, this,
            [this] { openViewerAndClose<TMC_JeyGongPumToJeyPumInPut_Form_JeyPum>(); });
}

void TMC_JeyGongPumToJeyPumInPut_Form::recreateWorkTables(Db &db)
{
    warehouse::recreateWorkTables(db);
}

void TMC_JeyGongPumToJeyPumInPut_Form::listsOpened()
{
    bool trees = true;
    perform(QStringLiteral("FormShow(Sender: TObject)"), [&] {
        Transaction t(db());
        trees = warehouse::refillFlatTree(db());
        t.commit();
        DBGrid_Tree->setResult(warehouse::topProducts(db()));
    });
    if (!trees)
        msg::warning(QStringLiteral("완제품의 [[<<BOM>>]] 구성 데이타가 없습니다......"));
}

void TMC_JeyGongPumToJeyPumInPut_Form::clearEntry()
{
    WipLotScreen::clearEntry();
    m_checked = false;
    m_latestReceiptDate.clear();
    Panel_Title->clear();
    DBGrid_Sum->close();
}

void TMC_JeyGongPumToJeyPumInPut_Form::lotsExported()
{
    m_checked = false;
}

void TMC_JeyGongPumToJeyPumInPut_Form::checkClicked()
{
    m_checked = true;
    Panel_Title->clear();
    if (Verdict quantity = warehouse::quantityRefusal(edIn_SuKg->text())) {
        m_checked = false;
        showRefusal(*quantity);
        return;
    }
    if (DBGrid_Tree->rowCount() == 0)
        return;
    Checked<warehouse::CheckResult> result;
    const QString product = DBGrid_Tree->currentText("Tr_Code");
    if (!perform(QStringLiteral("TreeSearchBtnClick"),
                 [&] { result = warehouse::checkAvailability(db(), shownPeriod(), product, edIn_SuKg->text()); }))
        return;
    if (!result.ok()) {
        m_checked = false;
        showRefusal(*result.refusal);
        return;
    }
    m_latestReceiptDate = result.value.latestReceiptDate;
    Panel_Title->setText(result.value.title);
    DBGrid_Sum->setResult(result.value.rows);
}

void TMC_JeyGongPumToJeyPumInPut_Form::checkExportClicked()
{
    if (!DBGrid_Sum->isOpen() || DBGrid_Sum->rowCount() == 0)
        return;
    if (!m_checked) {
        msg::warning(warehouse::runCheckFirstText());
        return;
    }
    pExcelExport(DBGrid_Sum->exportSheet(setup().className));
    m_checked = false;
}

bool TMC_JeyGongPumToJeyPumInPut_Form::quantityLeft()
{
    const Checked<QString> left = warehouse::leaveQuantity(edIn_SuKg->text());
    if (refused(left.refusal))
        return false;
    edIn_SuKg->setText(left.value);
    m_checked = false;
    return true;
}

bool TMC_JeyGongPumToJeyPumInPut_Form::dayLeft()
{
    const Checked<warehouse::DayLeft> left = warehouse::leaveDay(shownPeriod(), edIn_Date->text(), m_latestReceiptDate);
    if (!left.value.day.isEmpty())
        edIn_Date->setText(left.value.day);
    if (left.ok()) {
        Panel_Date->setText(left.value.date);
        return true;
    }
    Panel_Date->clear();
    if (left.value.clearsCheck)
        m_checked = false;
    showRefusal(*left.refusal);
    // Sent on to the quantity (to check first), the user has left the day box for good.
    return left.refusal->focus != edIn_Date->objectName();
}

void TMC_JeyGongPumToJeyPumInPut_Form::saveClicked()
{
    warehouse::ReceiptRequest request;
    fillEntry(request);
    request.gridLotSerial = DBGrid1->currentText("Gong_Serial");
    request.checkGridOpen = DBGrid_Sum->isOpen();
    request.checkGridHasRows = DBGrid_Sum->rowCount() > 0;
    request.checked = m_checked;
    request.productCode = DBGrid_Tree->rowCount() > 0 ? DBGrid_Tree->currentText("Tr_Code") : QString();
    saveEntry<warehouse::ReceiptSaved>([&] { return warehouse::saveReceipt(db(), request); },
                                       &warehouse::ReceiptSaved::clearsCheck, m_checked,
                                       [](const warehouse::ReceiptSaved &saved) { return saved.lots; });
}

} // namespace zedur
