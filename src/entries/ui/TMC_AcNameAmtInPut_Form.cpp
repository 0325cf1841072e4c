#include "entries/ui/TMC_AcNameAmtInPut_Form.h"

#include "common/SpreadsheetExport.h"
#include "common/ui/GridTotals.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "entries/AmountLists.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_AcName.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form_JeyGongPum.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zedur {

namespace {
// What the window title reads once a key was typed into the day or the amount box.
const QString TypingTitle = QStringLiteral("월별로 비용수익등의 계정과목 금액 정보를 등록하는 폼 입니다.");
} // namespace

TMC_AcNameAmtInPut_Form::TMC_AcNameAmtInPut_Form(QWidget *parent)
    : EntryScreen({QStringLiteral("TMC_AcNameAmtInPut_Form"),
                   QStringLiteral("비용,수익 계정과목들의 금액 정보를 등록하는 폼 입니다."), PeriodRule::Entry,
                   QSize(1100, 700)},
                  parent)
{
    edAmt_Serial = addReadOnlyBox("edAmt_Serial", "저장순서", "Amt_Serial");
    setSerialBox(edAmt_Serial);
    edAmt_Date = addDayBoxes("기준일자", "edAmt_Date", "Amt_Date", [this] { retitle(); });
    edAmt_AcName = addTextBox("edAmt_AcName", "계정과목 이름", "Amt_AcName", 20);
    edAmt_AcCode = addReadOnlyBox("edAmt_AcCode", "계정과목 코드", "Amt_AcCode");
    edAmt_GroupAcName = addReadOnlyBox("edAmt_GroupAcName", "집계 계정과목 이름", "Amt_GroupAcName");
    cbAmt_JeyJoKubun =
        addListBox("cbAmt_JeyJoKubun", "배부구분", "Amt_JeyJoKubun", amounts::kindItems(), [this] { kindLeft(); });
    edAmt_JeyGongPumSerial =
        addReadOnlyBox("edAmt_JeyGongPumSerial", "공정에 투입된 재공품 직접 배부 항목 등록 및 간접(공통)비 메모 등록",
                       "Amt_JeyGongPumSerial");
    edAmt_TextMemo = addTextBox("edAmt_TextMemo", "적요및메모", "Amt_TextMemo", 100);
    edAmt_Bigo = addTextBox("edAmt_Bigo", "비고", "Amt_Bigo", 100);
    // A picked row shows its amount as the whole number it is; leaving the box shows cents.
    edAmt_Amt = addNumberBox("edAmt_Amt", "기준금액", "Amt_Amt", QStringLiteral("#,##0"), KeySet::DigitsMinus,
                             [this] { retitle(); });
    edAmt_Amt->setMaxLength(100);
    edAmt_Check_01 = addReadOnlyBox("edAmt_Check_01", "마감체크", "Amt_Check_01");

    addPeriodLists();
    setSearchItems(amounts::searchItems());
    setGridColumns({{"Amt_Serial", "저장순서"},
                    {"Amt_Date", "기준일자"},
                    {"Amt_GroupKubun", "계정과목 구분"},
                    {"Amt_AcCode", "계정 코드"},
                    {"Amt_AcName", "계정과목 이름"},
                    {"Amt_GroupAcName", "상위집계 계정과목"},
                    {"Amt_JeyJoKubun", "제조배부구분"},
                    {"Amt_JeyGongPumSerial", "제조배부구분메모"},
                    {"Amt_TextMemo", "적요 및 메모"},
                    {"Amt_Bigo", "비             고"},
                    {"Amt_Amt", "기준  금액", "#,##0.00;-#,##0.00; ;"},
                    {"Amt_Check_01", "마감체크"}});

    // Here leaving the search list with a valid entry runs the list too.
    exits().onLeave(cbSearch, [this] {
        if (!cbSearch->checkPick())
            return false;
        pQuery();
        return true;
    });
    exits().onLeave(edAmt_AcName, [this] { return accountNameLeft(); });
    exits().onLeave(edAmt_Amt, [this] { return amountLeft(); });
    setLastBox(edAmt_Check_01);
    connect(cbAmt_JeyJoKubun, &QComboBox::activated, this,
            [this] { edAmt_JeyGongPumSerial->setText(amounts::lotBoxForKind(cbAmt_JeyJoKubun->currentText())); });

    finishLayout();
    lbTotals = new GridTotals(DBGrid1, {"Amt_Amt"}, this);
    mainLayout()->addWidget(lbTotals);
}

void TMC_AcNameAmtInPut_Form::retitle()
{
    setWindowTitle(TypingTitle);
}

void TMC_AcNameAmtInPut_Form::onFirstShow()
{
    const bool periodKnown = applyPeriodRuleOnShow(cbYear, cbMonth);
    enterMode(1);
    if (!periodKnown)
        return;
    cbSearch->setCurrentIndex(0);
    cbAmt_JeyJoKubun->setCurrentIndex(0);
    pClear();
    pQuery();
}

ListStatement TMC_AcNameAmtInPut_Form::listStatement()
{
    const QString item = cbSearch->pickOrFirst();
    if (!itemNamed(amounts::searchItems(), item).usesText())
        edSearch->clear();
    return amounts::amountList(shownPeriod(), item, edSearch->text());
}

void TMC_AcNameAmtInPut_Form::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        DBGrid1->setList(db(), listStatement());
    });
}

QString TMC_AcNameAmtInPut_Form::gridCheck01() const
{
    return DBGrid1->currentText(QStringLiteral("Amt_Check_01"));
}

amounts::AmountEntry TMC_AcNameAmtInPut_Form::entry() const
{
    amounts::AmountEntry e;
    e.serial = heldSerial();
    e.day = edDay->text();
    e.acCode = edAmt_AcCode->text();
    e.acName = edAmt_AcName->text();
    e.groupAcName = edAmt_GroupAcName->text();
    e.kind = cbAmt_JeyJoKubun->currentText();
    e.lotBox = edAmt_JeyGongPumSerial->text();
    e.textMemo = edAmt_TextMemo->text();
    e.bigo = edAmt_Bigo->text();
    e.amount = edAmt_Amt->text();
    return e;
}

bool TMC_AcNameAmtInPut_Form::accountNameLeft()
{
    const QString typed = edAmt_AcName->text();
    // Opened once the focus has settled in the next box, so that the dialog comes to the front.
    QTimer::singleShot(0, this, [this, typed] {
        if (!m_accountDialog) {
            m_accountDialog = new TMC_AcNameAmtInPut_Form_AcName(this);
            connect(m_accountDialog, &PickDialog::picked, this, &TMC_AcNameAmtInPut_Form::accountPicked);
        }
        m_accountDialog->searchFor(typed);
    });
    return true;
}

void TMC_AcNameAmtInPut_Form::accountPicked()
{
    const QString name = m_accountDialog->pickedText(QStringLiteral("Ac_AcName"));
    showWhole(edAmt_AcName, name);
    showWhole(edAmt_AcCode, m_accountDialog->pickedText(QStringLiteral("Ac_AcCode")));
    showWhole(edAmt_GroupAcName,
              amounts::groupAccountName(m_accountDialog->pickedText(QStringLiteral("Ac_AcNameCall")), name));
}

void TMC_AcNameAmtInPut_Form::kindLeft()
{
    const amounts::KindChoice choice =
        amounts::leaveKindList(edAmt_AcCode->text(), cbAmt_JeyJoKubun->currentText(), edAmt_JeyGongPumSerial->text());
    cbAmt_JeyJoKubun->setCurrentIndex(cbAmt_JeyJoKubun->findText(choice.kind));
    edAmt_JeyGongPumSerial->setText(choice.lotBox);
    if (!choice.pickLot)
        return;
    const Period month = shownPeriod();
    QTimer::singleShot(0, this, [this, month] {
        if (!m_lotDialog) {
            m_lotDialog = new TMC_AcNameAmtInPut_Form_JeyGongPum(this);
            connect(m_lotDialog, &PickDialog::picked, this, &TMC_AcNameAmtInPut_Form::lotPicked);
        }
        m_lotDialog->showLotsOf(month);
    });
}

void TMC_AcNameAmtInPut_Form::lotPicked()
{
    edAmt_JeyGongPumSerial->setText(m_lotDialog->pickedText(QStringLiteral("Gong_Serial")));
}

bool TMC_AcNameAmtInPut_Form::amountLeft()
{
    const Checked<QString> shown = amounts::leaveAmountBox(edAmt_Amt->text());
    if (!shown.ok()) {
        showRefusal(*shown.refusal);
        return false;
    }
    edAmt_Amt->setText(shown.value);
    return true;
}

void TMC_AcNameAmtInPut_Form::insertClicked()
{
    Checked<QString> serial;
    if (!perform(QStringLiteral("InsertBtnClick"),
                 [&] { serial = amounts::beginNewAmount(db(), shownPeriod(), gridCheck01()); }))
        return;
    if (!serial.ok()) {
        showRefusal(*serial.refusal);
        return;
    }
    pClear();
    holdSerial(serial.value);
    edAmt_Serial->setText(serial.value);
    enterMode(3);
    edDay->setFocus();
}

void TMC_AcNameAmtInPut_Form::cancelClicked()
{
    pClear();
    pQuery();
    enterMode(1);
}

void TMC_AcNameAmtInPut_Form::saveClicked()
{
    BusyCursor busy;
    const bool inserting = mode() == 3;
    // After a change is saved the screen is back to browsing while its buttons still offer
    // Save: that Save has no row to write.
    if (!inserting && mode() != 2)
        return;
    const amounts::AmountSave save{shownPeriod(), entry(), gridCheck01(), AuditValues::now()};
    QString serial = save.entry.serial;
    if (!carriedOut(inserting ? QStringLiteral("pSqlToInsert") : QStringLiteral("pSqlToUpDate"), [&] {
            return inserting ? amounts::saveNewAmount(db(), save, &serial) : amounts::saveChangedAmount(db(), save);
        }))
        return; // what was typed stays on screen
    if (inserting) {
        listNewRow(QStringLiteral("Amt_Serial"), serial);
        return;
    }
    pQuery();
    DBGrid1->moveTo(QStringLiteral("Amt_Serial"), serial);
    setMode(1); // the buttons stay as they were until the next pick or cancel
}

void TMC_AcNameAmtInPut_Form::deleteClicked()
{
    BusyCursor busy;
    if (!carriedOut(QStringLiteral("DeleteBtnClick"),
                    [&] { return amounts::deleteAmount(db(), shownPeriod(), heldSerial()); }))
        return;
    pClear();
    pQuery();
    // The row is gone: nothing is selected any more.
    enterMode(1);
}

void TMC_AcNameAmtInPut_Form::printClicked()
{
    ResultSet rows;
    if (!perform(QStringLiteral("PrintBtnClick"), [&] {
            rows = db().query(listStatement().whole());
        }))
        return;
    if (!rows.isEmpty())
        pExcelExport(DBGrid1->exportSheet(setup().className, rows));
}

} // namespace zedur
