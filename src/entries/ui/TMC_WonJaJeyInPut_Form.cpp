#include "entries/ui/TMC_WonJaJeyInPut_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/TextNumber.h"
#include "common/ui/GridTotals.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/ReceiptList.h"
#include "entries/ui/TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zedur {

namespace {
const QString Shown = QStringLiteral("#,##0.0000");
}

TMC_WonJaJeyInPut_Form::TMC_WonJaJeyInPut_Form(QWidget *parent)
    : EntryScreen({QStringLiteral("TMC_WonJaJeyInPut_Form"),
                   QStringLiteral("재고자산의 입고[ 매입 및 구매] 원자재를 등록하는 폼 입니다."), PeriodRule::Entry,
                   QSize(1100, 760)},
                  parent)
{
    edInPut_Serial = addReadOnlyBox("edInPut_Serial", "저장순서", "InPut_Serial");
    setSerialBox(edInPut_Serial);
    edInPut_Date = addDayBoxes("입고[등록]일자", "edInPut_Date", "InPut_Date");
    edInPut_WonName = addTextBox("edInPut_WonName", "원자재 이름", "InPut_WonName", 20);
    edInPut_WonCode = addTextBox("edInPut_WonCode", "원자재 코드", "InPut_WonCode", 20);
    edInPut_DanWi = addTextBox("edInPut_DanWi", "단위", "InPut_DanWi", 50);
    edInPut_Model = addTextBox("edInPut_Model", "모델명", "InPut_Model", 100);
    edInPut_PumName = addTextBox("edInPut_PumName", "품명", "InPut_PumName", 100);
    edInPut_KuSize = addTextBox("edInPut_KuSize", "규격", "InPut_KuSize", 100);
    edInPut_SerialJen = addTextBox("edInPut_SerialJen", "전표번호", "InPut_SerialJen", 50);
    edInPut_TaxNumber = addTextBox("edInPut_TaxNumber", "세금계산서권번호", "InPut_TaxNumber", 50);
    edInPut_SaleCode = addTextBox("edInPut_SaleCode", "거래처코드", "InPut_SaleCode", 50);
    edInPut_SaleName = addTextBox("edInPut_SaleName", "거래처상호", "InPut_SaleName", 200);
    edInPut_SaleNumber = addTextBox("edInPut_SaleNumber", "사업자번호", "InPut_SaleNumber", 50);
    edInPut_SaleDyiPou = addTextBox("edInPut_SaleDyiPou", "대표자명", "InPut_SaleDyiPou", 50);
    edInPut_TextMemo = addTextBox("edInPut_TextMemo", "적요및메모", "InPut_TextMemo", 100);
    edInPut_SuKg = addNumberBox("edInPut_SuKg", "수량(중량)", "InPut_SuKg", Shown, KeySet::Number);
    edInPut_DanGa = addNumberBox("edInPut_DanGa", "단가", "InPut_DanGa", Shown, KeySet::Number);
    edInPut_GaAmt = addNumberBox("edInPut_GaAmt", "금액[VAT별도]", "InPut_GaAmt", Shown, KeySet::Any);
    edInPut_Bigo = addTextBox("edInPut_Bigo", "비고", "InPut_Bigo", 100);
    edInPut_SuKg->setMaxLength(20);
    edInPut_DanGa->setMaxLength(20);
    edInPut_GaAmt->setMaxLength(100);
    deriveFrom(edInPut_GaAmt, {edInPut_SuKg, edInPut_DanGa});

    addPeriodLists();
    setSearchItems(receipts::searchItems());
    setGridColumns({{"InPut_Serial", "저장순서"},
                    {"InPut_Date", "입고일자"},
                    {"InPut_Year", "년도"},
                    {"InPut_Month", "월"},
                    {"InPut_WonCode", "원자재코드"},
                    {"InPut_WonName", "원자재이름"},
                    {"InPut_DanWi", "단위"},
                    {"InPut_Model", "모델명"},
                    {"InPut_PumName", "품명"},
                    {"InPut_KuSize", "규격"},
                    {"InPut_SerialJen", "전표번호"},
                    {"InPut_TaxNumber", "세금계산서권번호"},
                    {"InPut_SaleCode", "거래처코드"},
                    {"InPut_SaleName", "거래처상호"},
                    {"InPut_SaleNumber", "사업자번호"},
                    {"InPut_SaleDyiPou", "대표자명"},
                    {"InPut_TextMemo", "적요및메모"},
                    {"InPut_SuKg", "입고수량(중량)", Shown},
                    {"InPut_DanGa", "원자재단가", Shown},
                    {"InPut_GaAmt", "공급가액(금액)", Shown},
                    {"InPut_Kubun", "구분"},
                    {"InPut_Bigo", "비고"},
                    {"InPut_Check_01", "체크필드01"},
                    {"InPut_Check_02", "체크필드02"},
                    {"InPut_Check_03", "체크필드03"},
                    {"InPut_SaveDate", "저장시간"},
                    {"InPut_InPutSerial", "전월분저장순서"}});

    exits().onLeave(edInPut_WonName, [this] { return nameLeft(); });
    exits().onLeave(edInPut_SuKg, [this] { return numberLeft(receipts::NumberBox::Quantity); });
    exits().onLeave(edInPut_DanGa, [this] { return numberLeft(receipts::NumberBox::Price); });
    exits().onLeave(edInPut_GaAmt, [this] { return numberLeft(receipts::NumberBox::Amount); });
    setLastBox(edInPut_Bigo);
    for (NumberBox *box : {edInPut_SuKg, edInPut_DanGa, edInPut_GaAmt})
        box->installEventFilter(this);

    finishLayout();
    lbTotals = new GridTotals(DBGrid1, {"InPut_SuKg", "InPut_GaAmt"}, this);
    mainLayout()->addWidget(lbTotals);
}

void TMC_WonJaJeyInPut_Form::onFirstShow()
{
    const bool periodKnown = applyPeriodRuleOnShow(cbYear, cbMonth);
    pClear();
    enterMode(1);
    if (periodKnown)
        pQuery();
}

void TMC_WonJaJeyInPut_Form::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        const QString item = cbSearch->pickOrFirst();
        if (!itemNamed(receipts::searchItems(), item).usesText())
            edSearch->clear();
        DBGrid1->setList(db(), receipts::receiptList(shownPeriod(), item, edSearch->text()));
    });
}

void TMC_WonJaJeyInPut_Form::showOnly(const QString &serial)
{
    perform(QStringLiteral("pQuery_Search"), [&] {
        DBGrid1->setResult(db().query(QStringLiteral("Select * From MC_WonJaJeyInPut Where InPut_Serial = :tbSerial"),
                                      {{":tbSerial", serial}}));
    });
}

void TMC_WonJaJeyInPut_Form::pClear()
{
    EntryScreen::pClear();
    m_remembered = {};
}

void TMC_WonJaJeyInPut_Form::rowPicked()
{
    EntryScreen::rowPicked();
    m_remembered = {DBGrid1->currentText(QStringLiteral("InPut_Kubun")),
                    DBGrid1->currentText(QStringLiteral("InPut_Check_01"))};
}

receipts::ReceiptEntry TMC_WonJaJeyInPut_Form::entry() const
{
    receipts::ReceiptEntry e;
    e.serial = heldSerial();
    e.day = edDay->text();
    e.wonCode = edInPut_WonCode->text();
    e.wonName = edInPut_WonName->text();
    e.danWi = edInPut_DanWi->text();
    e.model = edInPut_Model->text();
    e.pumName = edInPut_PumName->text();
    e.kuSize = edInPut_KuSize->text();
    e.serialJen = edInPut_SerialJen->text();
    e.taxNumber = edInPut_TaxNumber->text();
    e.saleCode = edInPut_SaleCode->text();
    e.saleName = edInPut_SaleName->text();
    e.saleNumber = edInPut_SaleNumber->text();
    e.saleDyiPou = edInPut_SaleDyiPou->text();
    e.textMemo = edInPut_TextMemo->text();
    e.quantity = edInPut_SuKg->text();
    e.price = edInPut_DanGa->text();
    e.amount = edInPut_GaAmt->text();
    e.amountTyped = typedOnPurpose(edInPut_GaAmt);
    e.bigo = edInPut_Bigo->text();
    return e;
}

bool TMC_WonJaJeyInPut_Form::numberLeft(receipts::NumberBox left)
{
    const Checked<receipts::NumberBoxes> boxes =
        receipts::leaveNumberBox(left, {edInPut_SuKg->text(), edInPut_DanGa->text(), edInPut_GaAmt->text()});
    if (!boxes.ok()) {
        showRefusal(*boxes.refusal);
        return false;
    }
    showWhole(edInPut_SuKg, boxes.value.quantity);
    showWhole(edInPut_DanGa, boxes.value.price);
    showWhole(edInPut_GaAmt, boxes.value.amount);
    return true;
}

bool TMC_WonJaJeyInPut_Form::nameLeft()
{
    bool anyInATree = false;
    if (!perform(QStringLiteral("edInPut_WonNameExit"), [&] { anyInATree = receipts::anyMaterialInATree(db()); }))
        return true;
    if (!anyInATree) {
        msg::warning(receipts::noMaterialInTreeWarning());
        return true;
    }
    // Opened once the focus has settled in the next box, so that the dialog comes to the front.
    const QString typed = edInPut_WonName->text();
    QTimer::singleShot(0, this, [this, typed] { openMaterialDialog(typed); });
    return true;
}

void TMC_WonJaJeyInPut_Form::openMaterialDialog(const QString &typed)
{
    if (!m_materialDialog) {
        m_materialDialog = new TMC_WonJaJeyInPut_SearchWonJaJeyCode_Form01(this);
        connect(m_materialDialog, &PickDialog::picked, this, &TMC_WonJaJeyInPut_Form::materialPicked);
    }
    m_materialDialog->searchFor(typed);
}

void TMC_WonJaJeyInPut_Form::materialPicked()
{
    const auto *d = m_materialDialog;
    showWhole(edInPut_WonCode, d->pickedText(QStringLiteral("Won_Code")));
    showWhole(edInPut_WonName, d->pickedText(QStringLiteral("Won_Name")));
    showWhole(edInPut_DanWi, d->pickedText(QStringLiteral("Won_DanWi")));
    showWhole(edInPut_Model, d->pickedText(QStringLiteral("Won_Model")));
    showWhole(edInPut_PumName, d->pickedText(QStringLiteral("Won_PumName")));
    showWhole(edInPut_KuSize, d->pickedText(QStringLiteral("Won_KuSize")));
    edInPut_DanGa->showValue(d->pickedNumber(QStringLiteral("Won_DanGa")));
}

void TMC_WonJaJeyInPut_Form::insertClicked()
{
    Checked<QString> serial;
    if (!perform(QStringLiteral("InsertBtnClick"),
                 [&] { serial = receipts::beginNewReceipt(db(), shownPeriod(), m_remembered); }))
        return;
    if (!serial.ok()) {
        showRefusal(*serial.refusal);
        return;
    }
    pClear();
    holdSerial(serial.value);
    edInPut_Serial->setText(serial.value);
    enterMode(3);
    edDay->setFocus();
}

void TMC_WonJaJeyInPut_Form::cancelClicked()
{
    pClear();
    pQuery();
    enterMode(1);
}

void TMC_WonJaJeyInPut_Form::saveClicked()
{
    BusyCursor busy;
    const receipts::ReceiptSave save{shownPeriod(), entry(), m_remembered,
                                     DBGrid1->currentText(QStringLiteral("InPut_Check_01")), AuditValues::now()};
    const bool inserting = mode() == 3;
    QString serial = save.entry.serial;
    if (!carriedOut(inserting ? QStringLiteral("pSqlToInsert") : QStringLiteral("pSqlToUpDate"), [&] {
            return inserting ? receipts::saveNewReceipt(db(), save, &serial) : receipts::saveChangedReceipt(db(), save);
        }))
        return; // what was typed stays on screen
    if (!inserting) {
        showOnly(serial);
        return;
    }
    listNewRow(QStringLiteral("InPut_Serial"), serial);
}

void TMC_WonJaJeyInPut_Form::deleteClicked()
{
    BusyCursor busy;
    if (!carriedOut(QStringLiteral("DeleteBtnClick"),
                    [&] { return receipts::deleteReceipt(db(), shownPeriod(), heldSerial()); }))
        return;
    pClear();
    pQuery();
    // The row is gone: nothing is selected any more.
    enterMode(1);
}

void TMC_WonJaJeyInPut_Form::printClicked()
{
    pQuery();
    if (DBGrid1->rowCount() > 0)
        pExcelExport(DBGrid1->exportSheet(setup().className));
}

bool TMC_WonJaJeyInPut_Form::eventFilter(QObject *watched, QEvent *event)
{
    // A click into a number box of the row shown offers its whole value for editing.
    auto *box = qobject_cast<NumberBox *>(watched);
    if (box && event->type() == QEvent::MouseButtonRelease && mode() == 2 && box->hasFocus() && IsDouble(box->text())) {
        showWhole(box, formatFloat(QStringLiteral("0.0000"), fNumValue(fDeleteBlank(box->text()))));
        box->selectAll();
        return true;
    }
    return EntryScreen::eventFilter(watched, event);
}

} // namespace zedur
