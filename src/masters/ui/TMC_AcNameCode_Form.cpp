#include "masters/ui/TMC_AcNameCode_Form.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "common/ui/ListCombo.h"
#include "store/RowStatements.h"
#include "store/Schema.h"
#include "store/Serials.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace zedur {

namespace {
// The export writes every column of the list.
const QVector<ExportField> exportFields = {
    {"Ac_Serial", "저장순서"},
    {"Ac_Kubun_A", "구분-A"},
    {"Ac_Kubun_B", "구분-B"},
    {"Ac_Kubun_C", "구분-C"},
    {"Ac_Kubun_D", "구분-D"},
    {"Ac_AcCode", "계정과목 코드"},
    {"Ac_AcName", "계정과목 이름"},
    {"Ac_AcNameReport", "Report 계정과목 이름"},
    {"Ac_AcNameCall", "계정과목 깊이 메모"},
    {"Ac_GroupKubun", "그룹 구분"},
    {"Ac_InPutKubun", "등록 구분"},
    {"Ac_CallKubun", "호출 구분"},
    {"Ac_TotalCode", "집계 계정과목 코드"},
    {"Ac_TextMemo", "적요 및 메모"},
    {"Ac_Check_01", "체크_01"},
    {"Ac_Check_02", "체크_02"},
    {"Ac_Check_03", "체크_03"},
    {"Ac_Check_04", "체크_04"},
    {"Ac_Check_05", "체크_05"},
    {"Ac_SaveDate", "저장시간"},
};

QLineEdit *partBox(QLineEdit *box)
{
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    return box;
}
} // namespace

TMC_AcNameCode_Form::TMC_AcNameCode_Form(QWidget *parent)
    : RecordScreen({QStringLiteral("TMC_AcNameCode_Form"),
                    QStringLiteral("제조원가명세서와 손익계산서의 계정과목을 등록하는 폼 입니다."), PeriodRule::None,
                    QSize(1000, 700)},
                   parent)
{
    edAc_Serial = addReadOnlyBox("edAc_Serial", "저장순서", "Ac_Serial");
    // The code is made from the group chosen in the dialog; only the name and memo are typed.
    edAc_Kubun_A = partBox(addTextBox("edAc_Kubun_A", "Kubun-A", "Ac_Kubun_A", 1));
    edAc_Kubun_B = partBox(addTextBox("edAc_Kubun_B", "Kubun-B", "Ac_Kubun_B", 2));
    edAc_Kubun_C = partBox(addTextBox("edAc_Kubun_C", "Kubun-C", "Ac_Kubun_C", 2));
    edAc_Kubun_D = partBox(addTextBox("edAc_Kubun_D", "Kubun-D", "Ac_Kubun_D", 3));
    edAc_GroupAcName = addTextBox("edAc_GroupAcName", "집계 계정과목 이름", QString(), 200);
    edAc_GroupAcName->setReadOnly(true);
    edAc_AcCode = addTextBox("edAc_AcCode", "계정과목 코드", "Ac_AcCode", 50);
    edAc_AcCode->setReadOnly(true);
    edAc_AcName = addTextBox("edAc_AcName", "계정과목 이름", "Ac_AcName", 200);
    edAc_TextMemo = addTextBox("edAc_TextMemo", "적요및메모", "Ac_TextMemo", 200);
    edAc_Check_01 = addReadOnlyBox("edAc_Check_01", "마감체크", "Ac_Check_01");
    setSerialBox(edAc_Serial);
    setLastBox(edAc_TextMemo);

    cbSGroupKubun = new ListCombo(QStringLiteral("cbSGroupKubun"), {"제조", "손익"}, this);
    addSearchFilter(QStringLiteral("그룹구분"), cbSGroupKubun);
    SearchBar::Names names;
    names.combo = QStringLiteral("cbSSearch");
    names.edit = QStringLiteral("edSSearch");
    names.button = QStringLiteral("KuenNoSearchBtn");
    names.buttonText = QStringLiteral("&E 검색");
    names.label = QStringLiteral("검색구분");
    setSearchItems(columnSearchItems({{"코드", "Ac_AcCode"}, {"이름", "Ac_AcName"}, {"적요", "Ac_TextMemo"}}), names);
    cbSSearch = cbSearch;
    edSSearch = edSearch;
    KuenNoSearchBtn = SearchBtn;
    // Leaving either list with a valid pick searches at once.
    for (ListCombo *list : {cbSGroupKubun, cbSSearch})
        exits().onLeave(list, [this, list] {
            if (!list->checkPick())
                return false;
            runSearch();
            return true;
        });

    setGridColumns({{"Ac_Serial", "저장순서"},
                    {"Ac_AcCode", "계정과목 코드"},
                    {"Ac_AcName", "계정과목 이름"},
                    {"Ac_AcNameCall", "계정과목 깊이 메모"},
                    {"Ac_TextMemo", "적요 및 메모"}});
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (rs.text(row, "Ac_Kubun_D") != accounts::groupDetailNumber)
            return std::nullopt;
        return RowStyle{QColor(Qt::cyan), true, 9};
    });
    finishLayout();
}

void TMC_AcNameCode_Form::onFirstShow()
{
    cbSGroupKubun->setCurrentIndex(0);
    pClear();
    holdSerial(QString());
    pQuery();
    enterMode(1);
    constexpr int pathColumn = 3; // the name path is the wide column
    DBGrid1->setColumnWidth(pathColumn, qMax(DBGrid1->columnWidth(pathColumn), 360));
}

void TMC_AcNameCode_Form::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        Params params{{":tbKubun", u'%' + cbSGroupKubun->currentText() + u'%'}};
        const QString condition = searchBar()->condition(params);
        DBGrid1->setResult(db().query(QStringLiteral(" Select * From MC_AcNameCode Where Ac_GroupKubun Like "
                                                     "( :tbKubun ) And %1 Order By Ac_AcCode, Ac_Serial ")
                                          .arg(condition),
                                      params));
    });
}

void TMC_AcNameCode_Form::pClear()
{
    RecordScreen::pClear();
    m_pickedRow.clear();
}

void TMC_AcNameCode_Form::pDisplay()
{
    RecordScreen::pDisplay();
    const Rows &rs = DBGrid1->rows();
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return;
    edAc_GroupAcName->setText(
        accounts::groupNameOf(rs.text(row, "Ac_AcNameCall"), rs.text(row, "Ac_AcName")));
    for (const QString &column : schema::table(accounts::table).columnNames())
        m_pickedRow.insert(column, rs.value(row, column).toString()); // as stored: leading blanks are data
}

void TMC_AcNameCode_Form::insertClicked()
{
    pClear();
    holdSerial(QString());
    perform(QStringLiteral("Serial_MaxValue"), [this] {
        holdSerial(Serial_MaxValue(db(), accounts::table, QStringLiteral("Ac_Serial")));
        edAc_Serial->setText(heldSerial());
    });
    enterMode(3);
    openGroupDialog();
}

void TMC_AcNameCode_Form::openGroupDialog()
{
    if (!m_groupDialog) {
        m_groupDialog = new TMC_AcNameCode_Form_Kubun(this);
        connect(m_groupDialog, &TMC_AcNameCode_Form_Kubun::groupChosen, this,
                &TMC_AcNameCode_Form::groupChosen);
        connect(m_groupDialog, &TMC_AcNameCode_Form_Kubun::closedWith, this,
                &TMC_AcNameCode_Form::groupDialogClosed);
    }
    m_groupDialog->show();
    // Beside the screen, on the right where there is room, else on the left.
    const QRect mine = frameGeometry();
    const QRect area = screen() ? screen()->availableGeometry() : mine;
    const int width = m_groupDialog->frameGeometry().width();
    const int x =
        mine.right() + width < area.right() ? mine.right() + 1 : qMax(area.left(), mine.left() - width);
    m_groupDialog->move(x, mine.top());
    m_groupDialog->raise();
    m_groupDialog->activateWindow();
    m_groupDialog->pQuery();
}

void TMC_AcNameCode_Form::groupChosen(const accounts::Group &group, int next)
{
    m_statement = group.statement;
    m_groupCode = group.code;
    edAc_GroupAcName->setText(group.name);
    edAc_Kubun_A->setText(group.kubunA);
    edAc_Kubun_B->setText(group.kubunB);
    edAc_Kubun_C->setText(group.kubunC);
    edAc_Kubun_D->setText(accounts::detailNumberText(next));
    edAc_AcCode->setText(group.kubunA + group.kubunB + group.kubunC + edAc_Kubun_D->text());
}

void TMC_AcNameCode_Form::groupDialogClosed(TMC_AcNameCode_Form_Kubun::Outcome outcome)
{
    activateWindow();
    switch (outcome) {
    case TMC_AcNameCode_Form_Kubun::Outcome::NoGroup:
        edAc_Kubun_A->setFocus();
        edAc_Kubun_A->selectAll();
        break;
    case TMC_AcNameCode_Form_Kubun::Outcome::GroupFull:
        emptyGroupBoxes();
        break;
    case TMC_AcNameCode_Form_Kubun::Outcome::GroupChosen:
        edAc_Serial->setFocus();
        m_groupDialog->deleteLater();
        break;
    }
}

void TMC_AcNameCode_Form::emptyGroupBoxes()
{
    for (QLineEdit *box :
         {edAc_Kubun_A, edAc_Kubun_B, edAc_Kubun_C, edAc_Kubun_D, edAc_GroupAcName, edAc_AcCode, edAc_AcName})
        box->clear();
}

void TMC_AcNameCode_Form::cancelClicked()
{
    pClear();
    holdSerial(QString());
    pQuery();
    enterMode(1);
    InsertBtn->setFocus();
}

bool TMC_AcNameCode_Form::refuseClosed()
{
    // The account being changed decides, not whichever row of the list happens to be current.
    if (m_pickedRow.value("Ac_Check_01").trimmed() != accounts::closedMark)
        return false;
    msg::warning(accounts::lockText(accounts::AccountLock::Closed, false));
    CancelBtn->setFocus();
    pClear();
    return true;
}

bool TMC_AcNameCode_Form::refuseLocked(bool deleting)
{
    accounts::AccountLock lock = accounts::AccountLock::None;
    if (!perform(QStringLiteral("RecordCount_Check"), [&] {
            lock = accounts::changeLock(db(), m_pickedRow.value("Ac_AcCode"), m_pickedRow.value("Ac_Check_01"));
        }))
        return true;
    if (lock == accounts::AccountLock::None)
        return false;
    msg::warning(accounts::lockText(lock, deleting));
    if (lock == accounts::AccountLock::Booked)
        edAc_AcCode->setFocus();
    return true;
}

void TMC_AcNameCode_Form::saveClicked()
{
    BusyCursor busy;
    if (refuseClosed())
        return;
    if (fDeleteBlank(edAc_AcCode->text()).isEmpty()) {
        msg::warning(QStringLiteral("계정과목 코드를 선택및등록 하세요......"));
        edAc_AcCode->setFocus();
        return;
    }
    if (fDeleteBlank(edAc_AcName->text()).isEmpty()) {
        msg::warning(QStringLiteral("계정과목 이름를 선택및등록 하세요......"));
        edAc_AcName->setFocus();
        return;
    }
    if (mode() == 3) {
        // The dialog refuses a full group only when it is closed; Save may come first.
        if (fNumValue(edAc_Kubun_D->text()) >= accounts::firstRefusedDetailNumber) {
            msg::warning(accounts::groupFullText);
            return;
        }
        if (!perform(QStringLiteral("pSql_Insert"), [this] { insertAccount(); }))
            return; // what was typed stays on screen
        holdSerial(edAc_Serial->text());
        enterMode(1);
        pClear();
        cbSGroupKubun->setCurrentIndex(cbSGroupKubun->findText(m_statement.mid(2)));
        pQuery();
        DBGrid1->moveTo(QStringLiteral("Ac_Serial"), heldSerial());
        InsertBtn->setFocus();
        return;
    }
    if (refuseLocked(false))
        return;
    if (!perform(QStringLiteral("pSql_UpDate"), [this] { updateAccount(); }))
        return;
    pQuery();
    DBGrid1->moveTo(QStringLiteral("Ac_Serial"), heldSerial());
}

void TMC_AcNameCode_Form::insertAccount()
{
    accounts::Group group;
    group.code = m_groupCode;
    group.name = edAc_GroupAcName->text().trimmed();
    group.kubunA = edAc_Kubun_A->text().trimmed();
    group.kubunB = edAc_Kubun_B->text().trimmed();
    group.kubunC = edAc_Kubun_C->text().trimmed();
    group.statement = m_statement;
    Transaction t(db());
    holdSerial(serialForNewRow(db(), accounts::table, QStringLiteral("Ac_Serial"), heldSerial()));
    insertRow(db(), accounts::table,
              accounts::newAccountRow(heldSerial(), group, edAc_Kubun_D->text().trimmed(), edAc_AcName->text(),
                                      edAc_TextMemo->text(), AuditValues::now()));
    t.commit();
    edAc_Serial->setText(heldSerial());
}

void TMC_AcNameCode_Form::updateAccount()
{
    // The group comes from the row as picked: a group chosen meanwhile in the dialog does not
    // move the account.
    Transaction t(db());
    updateRow(db(), accounts::table,
              accounts::changedAccountRow(m_pickedRow, edAc_AcName->text(), edAc_TextMemo->text(), AuditValues::now()),
              QStringLiteral("Ac_Serial"), heldSerial());
    t.commit();
}

void TMC_AcNameCode_Form::deleteClicked()
{
    BusyCursor busy;
    if (refuseClosed() || refuseLocked(true))
        return;
    const bool deleted = perform(QStringLiteral("DeleteBtnClick"), [this] {
        Transaction t(db());
        db().exec(QStringLiteral(" Delete From MC_AcNameCode Where Ac_Serial = ( :tbSerial ) "),
                  {{":tbSerial", edAc_Serial->text().trimmed()}});
        t.commit();
    });
    if (!deleted)
        return;
    pClear();
    holdSerial(QString());
    pQuery();
}

ExportSheet TMC_AcNameCode_Form::exportSheet() const
{
    ExportSheet sheet = exportSheetOf(DBGrid1->rows().whole(), exportFields);
    sheet.baseName = setup().className;
    return sheet;
}

void TMC_AcNameCode_Form::printClicked()
{
    pQuery();
    if (DBGrid1->rowCount() > 0)
        pExcelExport(exportSheet());
}

} // namespace zedur
