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
                                          .arg(m_setup.kind.table, condition, m_setup.kind.orderBy),
                                      params));
    });
}

void MasterCodeScreen::showOnly(const QString &serial)
{
    perform(QStringLiteral("pQuery_Search"), [&] {
        DBGrid1->setResult(db().query(QStringLiteral(" Select * From %1 Where %2 = ( :tbName ) ")
                                          .arg(m_setup.kind.table, m_setup.kind.serialColumn),
                                      {{":tbName", serial}}));
        DBGrid1->moveTo(m_setup.kind.serialColumn, serial);
    });
}

bool MasterCodeScreen::codeLeft()
{
    if (mode() != 3)
        return true;
    return !refuseTaken(m_code, true, QString());
}

bool MasterCodeScreen::nameLeft()
{
    if (mode() != 3)
        return true;
    return !refuseTaken(m_name, false, QString());
}

bool MasterCodeScreen::refuseTaken(QLineEdit *box, bool code, const QString &exceptSerial)
{
    QString taken;
    const bool read = perform(QStringLiteral("Check_Query"), [&] {
        taken = masters::takenText(db(), m_setup.kind, code, box->text(), exceptSerial);
    });
    if (!read)
        return false; // the failure was shown; a broken connection must not trap the focus
    if (taken.isEmpty())
        return false;
    msg::warning(taken);
    box->setFocus();
    return true;
}

QString MasterCodeScreen::storedCode()
{
    QString code;
    perform(QStringLiteral("pStoredCode"), [&] {
        code = db().scalar(QStringLiteral("Select %1 From %2 Where %3 = :tbSerial")
                               .arg(m_setup.kind.codeColumn, m_setup.kind.table, m_setup.kind.serialColumn),
                           {{":tbSerial", m_serial->text().trimmed()}})
                   .toString()
                   .trimmed();
    });
    return code;
}

bool MasterCodeScreen::usedInTree(const QString &storedCode)
{
    bool used = false;
    perform(QStringLiteral("Check_TreeCode"),
            [&] { used = masters::usedInTree(db(), {m_code->text().trimmed(), storedCode}); });
    return used;
}

void MasterCodeScreen::writeRow(bool insert)
{
    QHash<QString, QVariant> typed;
    for (const ColumnDef &c : schema::table(m_setup.kind.table).columns)
        if (boxFor(c.name) && c.name != m_setup.kind.serialColumn)
            typed.insert(c.name, boxValue(c.name));
    const QString serial = insert ? heldSerial() : m_serial->text().trimmed();
    const RowValues values = masters::masterRow(m_setup.kind, serial, typed, AuditValues::now());
    if (insert)
        insertRow(db(), m_setup.kind.table, values);
    else
        updateRow(db(), m_setup.kind.table, values, m_setup.kind.serialColumn, serial);
}

void MasterCodeScreen::insertNewRow()
{
    Transaction t(db());
    holdSerial(serialForNewRow(db(), m_setup.kind.table, m_setup.kind.serialColumn, heldSerial()));
    writeRow(true);
    t.commit();
    m_serial->setText(heldSerial());
}

void MasterCodeScreen::insertClicked()
{
    pClear();
    holdSerial(QString());
    perform(QStringLiteral("Serial_MaxValue"), [this] {
        holdSerial(Serial_MaxValue(db(), m_setup.kind.table, m_setup.kind.serialColumn));
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
        msg::warning(m_setup.kind.codeMissing);
        m_code->setFocus();
        return;
    }
    if (fDeleteBlank(m_name->text()).isEmpty()) {
        msg::warning(m_setup.kind.nameMissing);
        m_name->setFocus();
        return;
    }
    const bool inserting = mode() == 3;
    if (!inserting && usedInTree(storedCode())) {
        msg::warning(masters::treeLockedEditText());
        m_code->setFocus();
        return;
    }
    // Codes and names stay distinct on every save, not only when leaving the boxes of a new row.
    const QString self = inserting ? QString() : m_serial->text().trimmed();
    if (refuseTaken(m_code, true, self) || refuseTaken(m_name, false, self))
        return;

    if (inserting) {
        const bool saved = perform(
            QStringLiteral("pSqlToInsert"), [this] { insertNewRow(); }, m_setup.kind.saveFailed + u' ', m_setup.kind.saveFailed);
        if (!saved)
            return; // what was typed stays on screen
        listNewRow(m_setup.kind.serialColumn, heldSerial());
        return;
    }
    const bool saved = perform(QStringLiteral("pSqlToUpDate"), [this] { writeRow(false); }, m_setup.kind.saveFailed + u' ',
                               m_setup.kind.saveFailed);
    if (saved)
        showOnly(m_serial->text().trimmed());
}

void MasterCodeScreen::deleteClicked()
{
    BusyCursor busy;
    if (usedInTree(storedCode())) {
        msg::warning(masters::treeLockedDeleteText());
        m_code->setFocus();
        return;
    }
    const bool deleted = perform(QStringLiteral("DeleteBtnClick"), [this] {
        db().exec(QStringLiteral(" Delete From %1 Where %2 = ( :tbSerial ) ").arg(m_setup.kind.table, m_setup.kind.serialColumn),
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
