#include "masters/AccountCodes.h"

#include "common/TextNumber.h"
#include "store/Db.h"

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
