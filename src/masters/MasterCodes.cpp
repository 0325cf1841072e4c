#include "masters/MasterCodes.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "store/Db.h"
#include "store/Schema.h"

namespace zedur::masters {

const MasterKind &rawMaterials()
{
    static const MasterKind kind{
        QStringLiteral("MC_WonJaJeyCode"),
        QStringLiteral("Won_Serial"),
        QStringLiteral("Won_Code"),
        QStringLiteral("Won_Name"),
        QStringLiteral("MC_JeyPumCode"),
        QStringLiteral("Jey_Code"),
        QStringLiteral("Jey_Name"),
        QStringLiteral("Won_Name, Won_Code, Won_Serial"),
        QStringLiteral("원자재 코드를 등록 하세요......"),
        QStringLiteral("원자재 이름를 등록 하세요......"),
        QStringLiteral("원자재 코드가 있는") + LB + QStringLiteral("원자재 코드를 등록 하였습니다......"),
        QStringLiteral("제품 코드가 있는") + LB + QStringLiteral("원자재 코드를 등록 하였습니다......"),
        QStringLiteral("원자재 이름이 있는") + LB + QStringLiteral("원자재 이름을 등록 하였습니다......"),
        QStringLiteral("제품 이름이 있는") + LB + QStringLiteral("원자재 이름을 등록 하였습니다......"),
        QStringLiteral("테이블 MC_WonJaJeyCode에 등록시 에러가 있습니다.")};
    return kind;
}

const MasterKind &products()
{
    // Unlike the raw materials', these warnings are single lines.
    static const MasterKind kind{QStringLiteral("MC_JeyPumCode"),
                                 QStringLiteral("Jey_Serial"),
                                 QStringLiteral("Jey_Code"),
                                 QStringLiteral("Jey_Name"),
                                 QStringLiteral("MC_WonJaJeyCode"),
                                 QStringLiteral("Won_Code"),
                                 QStringLiteral("Won_Name"),
                                 QStringLiteral("Jey_Name, Jey_Code, Jey_Serial"),
                                 QStringLiteral("제품 코드를 등록 하세요......"),
                                 QStringLiteral("제품 이름를 등록 하세요......"),
                                 QStringLiteral("제품 코드가 있는 제품 코드를 등록 하였습니다......"),
                                 QStringLiteral("원자재 코드가 있는 제품 코드를 등록 하였습니다......"),
                                 QStringLiteral("제품 이름이 있는 제품 이름을 등록 하였습니다......"),
                                 QStringLiteral("원자재 이름이 있는 제품 이름을 등록 하였습니다......"),
                                 QStringLiteral("테이블 MC_JeyPumCode에 등록시 에러가 있습니다.")};
    return kind;
}

const QString &treeLockedEditText()
{
    static const QString text =
        QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("수정이 불가능합니다.......");
    return text;
}

const QString &treeLockedDeleteText()
{
    static const QString text =
        QStringLiteral("완제품코드의 Tree 노드에 있는 코드라") + LB + QStringLiteral("삭제가 불가능합니다.......");
    return text;
}

QString takenText(Db &db, const MasterKind &kind, bool code, const QString &value, const QString &exceptSerial)
{
    const QString column = code ? kind.codeColumn : kind.nameColumn;
    const QString otherColumn = code ? kind.otherCodeColumn : kind.otherNameColumn;
    const QString trimmed = value.trimmed();
    if (db.count(QStringLiteral(" Select * From %1 Where %2 = ( :tbCode ) And %3 <> :tbSerial ")
                     .arg(kind.table, column, kind.serialColumn),
                 {{":tbCode", trimmed}, {":tbSerial", exceptSerial}}) > 0)
        return code ? kind.codeTaken : kind.nameTaken;
    if (db.count(QStringLiteral(" Select * From %1 Where %2 = ( :tbCode ) ").arg(kind.otherTable, otherColumn),
                 {{":tbCode", trimmed}}) > 0)
        return code ? kind.codeTakenByOther : kind.nameTakenByOther;
    return {};
}

bool usedInTree(Db &db, const QStringList &codes)
{
    for (const QString &code : codes)
        if (!code.trimmed().isEmpty() &&
            anyRowWith(db, QStringLiteral("MC_JeyPumTreeWonJaJey"), QStringLiteral("Tr_Code"), code.trimmed()))
            return true;
    return false;
}

RowValues masterRow(const MasterKind &kind, const QString &serial, const QHash<QString, QVariant> &given,
                    const AuditValues &audit)
{
    RowValues values;
    for (const ColumnDef &c : schema::table(kind.table).columns) {
        QVariant value;
        if (c.name == kind.serialColumn)
            value = serial.trimmed();
        else if (given.contains(c.name))
            value = given.value(c.name);
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
    return values;
}

double storedPrice(double typed)
{
    return roundDecimals(roundDown(-5, typed), 4);
}

} // namespace zedur::masters
