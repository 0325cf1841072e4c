#pragma once

#include "common/ResultSet.h"
#include "common/SystemInfo.h"
#include "store/RowStatements.h"

#include <QHash>
#include <QString>

namespace zedur {

class Db;

// The rules of the account table that the account screen writes and the statements and the
// amount entry read back.
namespace accounts {

inline const QString table = QStringLiteral("MC_AcNameCode");
// Group accounts come with the books; only they are offered to register accounts under.
inline const QString groupInputKind = QStringLiteral("계정등록");
inline const QString registeredInputKind = QStringLiteral("등록");
// Accounts amounts can be booked on.
inline const QString bookableCallKind = QStringLiteral("호출");
// A supplied account: neither changed nor deleted.
inline const QString suppliedMark = QStringLiteral("기초마감");
// A closed account: no change at all.
inline const QString closedMark = QStringLiteral("마감완료");
inline const QString groupDetailNumber = QStringLiteral("000");
// Detail numbers run 001 to 949 under a group.
constexpr int firstRefusedDetailNumber = 950;
inline const QString groupFullText = QStringLiteral("계정과목 코드를 더이상 등록이 불가능합니다.......");

// One group account as chosen to register a detail account under.
struct Group {
    QString code;
    QString name;
    QString kubunA;
    QString kubunB;
    QString kubunC;
    QString kubunD;
    QString statement; // "01제조" or "03손익"
};
Group groupAt(const Rows &rows, int row);

// The group accounts of both statements, by code.
ResultSet groups(Db &db);
// One more than the greatest detail number under the group (1 under a group with none).
int nextDetailNumber(Db &db, const Group &group);
QString detailNumberText(int number); // "001"
// Number of amounts booked on the account in any month.
int bookedAmounts(Db &db, const QString &accountCode);

// What keeps a stored account as it is, in the order the screen tests it: a closed account,
// amounts booked on it, a supplied account.
enum class AccountLock { None, Closed, Booked, Supplied };
AccountLock changeLock(Db &db, const QString &accountCode, const QString &check01);
// The warning for a lock when the account was to be changed (or deleted).
QString lockText(AccountLock lock, bool deleting);

// The row of a new detail account under the group, as the account screen inserts it.
RowValues newAccountRow(const QString &serial, const Group &group, const QString &detailNumber, const QString &name,
                        const QString &memo, const AuditValues &audit);
// The stored row (by column, as stored) with a new name and memo, as the screen's change
// writes it: the group stays the one the account was registered under.
RowValues changedAccountRow(const QHash<QString, QString> &stored, const QString &name, const QString &memo,
                            const AuditValues &audit);

// The name the statements print: indented by four blanks, which are part of the stored text.
QString reportName(const QString &name);
// The name path "group/name" the amount entry shows, and the group's name taken back from it.
QString callName(const QString &groupName, const QString &name);
QString groupNameOf(const QString &callName, const QString &name);

} // namespace accounts
} // namespace zedur
