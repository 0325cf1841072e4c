#include "masters/AccountCodes.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "store/Db.h"
#include "store/Schema.h"

namespace zedur::accounts {

Group groupAt(const Rows &rows, int row)
{
    return {rows.text(row, "Ac_AcCode"),  rows.text(row, "Ac_AcName"),  rows.text(row, "Ac_Kubun_A"),
            rows.text(row, "Ac_Kubun_B"), rows.text(row, "Ac_Kubun_C"), rows.text(row, "Ac_Kubun_D"),
            rows.text(row, "Ac_GroupKubun")};
}

ResultSet groups(Db &db)
{
    return db.query(QStringLiteral("Select * From MC_AcNameCode Where Ac_InPutKubun = :tbInPutKubun "
                                   "Order By Ac_AcCode, Ac_Serial"),
                    {{":tbInPutKubun", groupInputKind}});
}

int nextDetailNumber(Db &db, const Group &group)
{
    const QVariant greatest =
        db.scalar(QStringLiteral(" Select Max(Ac_Kubun_D) As ChuGaNo From MC_AcNameCode Where Ac_Kubun_A = "
                                 "(:tbKubun_A) And Ac_Kubun_B = (:tbKubun_B) And Ac_Kubun_C = (:tbKubun_C) "),
                  {{":tbKubun_A", group.kubunA}, {":tbKubun_B", group.kubunB}, {":tbKubun_C", group.kubunC}});
    return int(fNumValue(greatest.toString().trimmed())) + 1;
}

QString detailNumberText(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QChar(u'0'));
}

int bookedAmounts(Db &db, const QString &accountCode)
{
    return db.count(QStringLiteral(" Select * From MC_AcNameAmtInPut Where Amt_AcCode = ( :tbCode ) "),
                    {{":tbCode", accountCode}});
}

AccountLock changeLock(Db &db, const QString &accountCode, const QString &check01)
{
    if (check01.trimmed() == closedMark)
        return AccountLock::Closed;
    if (bookedAmounts(db, accountCode.trimmed()) > 0)
        return AccountLock::Booked;
    if (check01.trimmed() == suppliedMark)
        return AccountLock::Supplied;
    return AccountLock::None;
}

QString lockText(AccountLock lock, bool deleting)
{
    const QString refused = deleting ? QStringLiteral("삭제가 불가능합니다.......") : QStringLiteral("수정이 불가능합니다.......");
    switch (lock) {
    case AccountLock::None:
        return {};
    case AccountLock::Closed:
        return QStringLiteral("마감완료된 데이타는") + LB + QStringLiteral("등록,수정,삭제등이") + LB +
               QStringLiteral("불가능한 데이타입니다...................... ");
    case AccountLock::Booked:
        // This one breaks its line the other way round.
        return QStringLiteral("월별 수익비용 계정과목 금액이 등록된 데이타라\r\n") + refused;
    case AccountLock::Supplied:
        return QStringLiteral("초기 계정과목 코드라 ") + refused;
    }
    return {};
}

RowValues newAccountRow(const QString &serial, const Group &group, const QString &detailNumber, const QString &name,
                        const QString &memo, const AuditValues &audit)
{
    const QString trimmed = name.trimmed();
    return {{"Ac_Serial", serial.trimmed()},
            {"Ac_Kubun_A", group.kubunA},
            {"Ac_Kubun_B", group.kubunB},
            {"Ac_Kubun_C", group.kubunC},
            {"Ac_Kubun_D", detailNumber},
            {"Ac_AcCode", group.kubunA + group.kubunB + group.kubunC + detailNumber},
            {"Ac_AcName", trimmed},
            {"Ac_AcNameReport", reportName(trimmed)},
            {"Ac_AcNameCall", callName(group.name, trimmed)},
            {"Ac_GroupKubun", group.statement},
            {"Ac_InPutKubun", registeredInputKind},
            {"Ac_CallKubun", bookableCallKind},
            {"Ac_TotalCode", group.code},
            {"Ac_TextMemo", memo.trimmed()},
            {"Ac_Check_01", QStringLiteral("")},
            {"Ac_Check_02", QStringLiteral("")},
            {"Ac_Check_03", audit.volumeSerial},
            {"Ac_Check_04", audit.computerName},
            {"Ac_Check_05", audit.folder},
            {"Ac_SaveDate", audit.saveDate}};
}

RowValues changedAccountRow(const QHash<QString, QString> &stored, const QString &name, const QString &memo,
                            const AuditValues &audit)
{
    const QString trimmed = name.trimmed();
    const QString groupName =
        groupNameOf(stored.value("Ac_AcNameCall").trimmed(), stored.value("Ac_AcName").trimmed());
    const QHash<QString, QVariant> changed = {
        {"Ac_AcName", trimmed},
        {"Ac_AcNameReport", reportName(fDeleteBlank(trimmed))},
        {"Ac_AcNameCall", callName(groupName, trimmed)},
        {"Ac_TextMemo", memo.trimmed()},
        {"Ac_Check_03", audit.volumeSerial},
        {"Ac_Check_04", audit.computerName},
        {"Ac_Check_05", audit.folder},
        {"Ac_SaveDate", audit.saveDate},
    };
    RowValues values;
    for (const QString &column : schema::table(table).columnNames())
        values.append({column, changed.value(column, stored.value(column))});
    return values;
}

QString reportName(const QString &name)
{
    return QStringLiteral("    ") + name;
}

QString callName(const QString &groupName, const QString &name)
{
    return groupName + u'/' + name;
}

QString groupNameOf(const QString &callName, const QString &name)
{
    return callName.left(qMax(0, callName.size() - name.size() - 1));
}

} // namespace zedur::accounts
