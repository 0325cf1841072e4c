#include "masters/ui/MasterCodeScreen.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "common/TextNumber.h"
#include "store/RowStatements.h"
#include "store/Schema.h"
#include "store/Serials.h"

#include <QLineEdit>
#include <QPushButton>

namespace zedur {

namespace {
const QString treeLockedEdit = QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("수정이 불가능합니다.......");
const QString treeLockedDelete = QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("삭제가 불가능합니다.......");
} // namespace

MasterCodeScreen::MasterCodeScreen(const MasterCodeSetup &setup, QWidget *parent)
    : RecordScreen(setup.screen, parent), m_setup(setup)
{
}

void MasterCodeScreen::setKeyBoxes(QLineEdit *serial, QLineEdit *code, QLineEdit *name)
{
    m_serial = serial;
    m_code = code;
    m_name = name;
    setSerialBox(serial);
    exits().onLeave(code, [this] { return codeLeft(); });
    exits().onLeave(name, [this] { return nameLeft(); });
}

void MasterCodeScreen::onFirstShow()
{
    pClear();
    holdSerial(QString());
    pQuery();
    enterMode(1);
}

void MasterCodeScreen::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        Params params;
        const QString condition = searchBar()->condition(params);
        DBGrid1->setResult(db().query(QStringLiteral(" Select * From %1 Where %2 Order By %3 ")
                                          .arg(m_setup.table, condition, m_setup.orderBy),
                                      params));
    });
}

void MasterCodeScreen::showOnly(const QString &serial)
{
    perform(QStringLiteral("pQuery_Search"), [&] {
        DBGrid1->setResult(db().query(QStringLiteral(" Select * From %1 Where %2 = ( :tbName ) ")
                                          .arg(m_setup.table, m_setup.serialColumn),
                                      {{":tbName", serial}}));
        DBGrid1->moveTo(m_setup.serialColumn, serial);
    });
}

bool MasterCodeScreen::codeLeft()
{
    if (mode() != 3)
        return true;
    return !refuseTaken(m_code, m_setup.codeColumn, m_setup.otherCodeColumn, m_setup.codeTaken,
                        m_setup.codeTakenByOther, QString());
}

bool MasterCodeScreen::nameLeft()
{
    if (mode() != 3)
        return true;
    return !refuseTaken(m_name, m_setup.nameColumn, m_setup.otherNameColumn, m_setup.nameTaken,
                        m_setup.nameTakenByOther, QString());
}

bool MasterCodeScreen::refuseTaken(QLineEdit *box, const QString &column, const QString &otherColumn,
                                   const QString &takenText, const QString &takenByOtherText,
                                   const QString &exceptSerial)
{
    const QString value = box->text().trimmed();
    int mine = 0;
    int other = 0;
    const bool read = perform(QStringLiteral("Check_Query"), [&] {
        mine = db().count(QStringLiteral(" Select * From %1 Where %2 = ( :tbCode ) And %3 <> :tbSerial ")
                              .arg(m_setup.table, column, m_setup.serialColumn),
                          {{":tbCode", value}, {":tbSerial", exceptSerial}});
        other = db().count(QStringLiteral(" Select * From %1 Where %2 = ( :tbCode ) ").arg(m_setup.otherTable, otherColumn),
                           {{":tbCode", value}});
    });
    if (!read)
        return false; // the failure was shown; a broken connection must not trap the focus
    if (mine > 0 || other > 0) {
        msg::warning(mine > 0 ? takenText : takenByOtherText);
        box->setFocus();
        return true;
    }
    return false;
}

QString MasterCodeScreen::storedCode()
{
    QString code;
    perform(QStringLiteral("pStoredCode"), [&] {
        code = db().scalar(QStringLiteral("Select %1 From %2 Where %3 = :tbSerial")
                               .arg(m_setup.codeColumn, m_setup.table, m_setup.serialColumn),
                           {{":tbSerial", m_serial->text().trimmed()}})
                   .toString()
                   .trimmed();
    });
    return code;
}

bool MasterCodeScreen::usedInTree(const QString &storedCode)
{
    int uses = 0;
    perform(QStringLiteral("Check_TreeCode"), [&] {
        uses = db().count(QStringLiteral(" Select * From MC_JeyPumTreeWonJaJey Where Tr_Code = ( :tbCode ) "
                                         "Or Tr_Code = ( :tbStored ) "),
                          {{":tbCode", m_code->text().trimmed()}, {":tbStored", storedCode}});
    });
    return uses > 0;
}

void MasterCodeScreen::writeRow(bool insert)
{
    const AuditValues audit = AuditValues::now();
    RowValues values;
    for (const ColumnDef &c : schema::table(m_setup.table).columns) {
        QVariant value;
        if (c.name == m_setup.serialColumn)
            value = insert ? heldSerial() : m_serial->text().trimmed();
        else if (boxFor(c.name))
            value = boxValue(c.name);
        else if (c.name.endsWith(u"_Check_03"))
            value = audit.volumeSerial;
        else if (c.name.endsWith(u"_Check_04"))
            value = audit.computerName;
        else if (c.name.endsWith(u"_Check_05"))
            value = audit.folder;
        else if (c.name.endsWith(u"_SaveDate"))
            value = audit.saveDate;
        else
            value = QStringLiteral(""); // _Check_01_Index, _Check_01, _Check_02
        values.append({c.name, value});
    }
    if (insert)
        insertRow(db(), m_setup.table, values);
    else
        updateRow(db(), m_setup.table, values, m_setup.serialColumn, m_serial->text().trimmed());
}

void MasterCodeScreen::insertNewRow()
{
    Transaction t(db());
    holdSerial(serialForNewRow(db(), m_setup.table, m_setup.serialColumn, heldSerial()));
    writeRow(true);
    t.commit();
    m_serial->setText(heldSerial());
}

void MasterCodeScreen::insertClicked()
{
    pClear();
    holdSerial(QString());
    perform(QStringLiteral("Serial_MaxValue"), [this] {
        holdSerial(Serial_MaxValue(db(), m_setup.table, m_setup.serialColumn));
        m_serial->setText(heldSerial());
    });
    enterMode(3);
    m_code->setFocus();
}

void MasterCodeScreen::cancelClicked()
{
    pClear();
    holdSerial(QString());
    pQuery();
    enterMode(1);
    InsertBtn->setFocus();
}

void MasterCodeScreen::saveClicked()
{
    BusyCursor busy;
    if (fDeleteBlank(m_code->text()).isEmpty()) {
        msg::warning(m_setup.codeMissing);
        m_code->setFocus();
        return;
    }
    if (fDeleteBlank(m_name->text()).isEmpty()) {
        msg::warning(m_setup.nameMissing);
        m_name->setFocus();
        return;
    }
    const bool inserting = mode() == 3;
    if (!inserting && usedInTree(storedCode())) {
        msg::warning(treeLockedEdit);
        m_code->setFocus();
        return;
    }
    // Codes and names stay distinct on every save, not only when leaving the boxes of a new row.
    const QString self = inserting ? QString() : m_serial->text().trimmed();
    if (refuseTaken(m_code, m_setup.codeColumn, m_setup.otherCodeColumn, m_setup.codeTaken, m_setup.codeTakenByOther,
                    self) ||
        refuseTaken(m_name, m_setup.nameColumn, m_setup.otherNameColumn, m_setup.nameTaken, m_setup.nameTakenByOther,
                    self))
        return;

    if (inserting) {
        const bool saved = perform(
            QStringLiteral("pSqlToInsert"), [this] { insertNewRow(); }, m_setup.saveFailed + u' ', m_setup.saveFailed);
        if (!saved)
            return; // what was typed stays on screen
        listNewRow(m_setup.serialColumn, heldSerial());
        return;
    }
    const bool saved = perform(QStringLiteral("pSqlToUpDate"), [this] { writeRow(false); }, m_setup.saveFailed + u' ',
                               m_setup.saveFailed);
    if (saved)
        showOnly(m_serial->text().trimmed());
}

void MasterCodeScreen::deleteClicked()
{
    BusyCursor busy;
    if (usedInTree(storedCode())) {
        msg::warning(treeLockedDelete);
        m_code->setFocus();
        return;
    }
    const bool deleted = perform(QStringLiteral("DeleteBtnClick"), [this] {
        db().exec(QStringLiteral(" Delete From %1 Where %2 = ( :tbSerial ) ").arg(m_setup.table, m_setup.serialColumn),
                  {{":tbSerial", m_serial->text().trimmed()}});
    });
    if (!deleted)
        return;
    pClear();
    holdSerial(QString());
    pQuery();
}

void MasterCodeScreen::printClicked()
{
    pQuery();
    if (DBGrid1->rowCount() > 0)
        pExcelExport(DBGrid1->exportSheet(m_setup.screen.className));
}

} // namespace zedur
