#pragma once

#include "common/SystemInfo.h"
#include "store/RowStatements.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The rules of the two master-code tables, raw materials and products, that their screens
// and the import of a firm's lists both hold rows to: codes and names distinct across both
// masters, a code used in a product tree locked, the columns a saved row gets.
namespace zedur::masters {

// What tells the two masters apart: their table, the other master whose codes and names
// must differ from theirs, the list order and their messages.
struct MasterKind {
    QString table;
    QString serialColumn;
    QString codeColumn;
    QString nameColumn;
    QString otherTable;
    QString otherCodeColumn;
    QString otherNameColumn;
    QString orderBy;
    QString codeMissing; // "원자재 코드를 등록 하세요......"
    QString nameMissing;
    QString codeTaken; // the code is already one of this master's
    QString codeTakenByOther;
    QString nameTaken;
    QString nameTakenByOther;
    QString saveFailed; // "테이블 MC_WonJaJeyCode에 등록시 에러가 있습니다."
};

const MasterKind &rawMaterials();
const MasterKind &products();

inline const QString RawMaterialPriceColumn = QStringLiteral("Won_DanGa");

// A code in a product tree can be neither changed nor deleted.
const QString &treeLockedEditText();
const QString &treeLockedDeleteText();

// The warning for a code or name already taken, in this master by a row other than
// `exceptSerial` or in the other master; empty when it is free.
QString takenText(Db &db, const MasterKind &kind, bool code, const QString &value, const QString &exceptSerial);

// Whether any of the codes is a node of a product tree.
bool usedInTree(Db &db, const QStringList &codes);

// The row a save writes: every column of the table, in order; `given` holds the typed
// columns (texts trimmed), the audit columns come from `audit`, the rest is empty text.
RowValues masterRow(const MasterKind &kind, const QString &serial, const QHash<QString, QVariant> &given,
                    const AuditValues &audit);

// The raw-material price as the price box stores it: cut to five decimals, then the four
// decimals it shows.
double storedPrice(double typed);

} // namespace zedur::masters
