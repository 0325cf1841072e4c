#pragma once

#include "TableRows.h"
#include "TestBooks.h"
#include "store/Db.h"
#include "store/Periods.h"

#include <QRegularExpression>
#include <QStringList>

// Rows of the kinds the allocation and the close read, written as their screens write
// them, and a picture of the books to tell whether a run changed anything.
namespace zedur::test {

inline const Period April{QStringLiteral("2005"), QStringLiteral("04")};
inline const Period March{QStringLiteral("2005"), QStringLiteral("03")};
inline const Period May{QStringLiteral("2005"), QStringLiteral("05")};

inline RowValues inMonth(const QString &prefix, const Period &p)
{
    return {{prefix + "Year", p.year}, {prefix + "Month", p.month}, {prefix + "Date", p.year + "-" + p.month + "-10"}};
}

inline void addLot(Db &db, const QString &serial, const RowValues &values, const Period &p = April)
{
    insertWith(db, "MC_JeyGongPumInPut",
               RowValues{{"Gong_Serial", serial}, {"Gong_Kubun", QStringLiteral("당월투입")}} + inMonth("Gong_", p) +
                   values);
}

inline void addAmount(Db &db, const QString &group, const QString &kind, const QString &lot, double amount,
                      const Period &p = April)
{
    static int n = 0;
    insertWith(db, "MC_AcNameAmtInPut",
               RowValues{{"Amt_Serial", serialNo(++n)},
                         {"Amt_GroupAcName", group},
                         {"Amt_JeyJoKubun", kind},
                         {"Amt_JeyGongPumSerial", lot},
                         {"Amt_Amt", amount}} +
                   inMonth("Amt_", p));
}

// Every row of the transaction tables and the period table, as text, in key order;
// without the audit columns (save time, volume, computer, folder) when `audit` is false.
inline QStringList picture(Db &db, bool audit = true)
{
    QStringList out;
    for (const char *table :
         {"MC_WonJaJeyInPut", "MC_WonJaJeyInPut_TaAc", "MC_JeyGongPumInPut", "MC_JeyGongPumInPut_TaAc",
          "MC_ChaongGoJeyGongPumInJeyGong", "MC_ChaongGoJeyPumInPut", "MC_ChaongGoJeyPumInPut_TaAc",
          "MC_ChaongGoJeyPumInPut_ChulGo", "MC_AcNameAmtInPut", "MC_YearMonthCheck"}) {
        const ResultSet rs = db.query(QStringLiteral("Select * From %1 Order By 1").arg(QLatin1String(table)));
        for (const auto &row : rs.rows()) {
            QStringList values;
            for (int i = 0; i < row.size(); ++i) {
                const QString &column = rs.columns().at(i);
                // The server gives column names in lower case.
                static const QRegularExpression auditColumn("(_SaveDate|_Check_0[345])$",
                                                            QRegularExpression::CaseInsensitiveOption);
                if (!audit && column.contains(auditColumn))
                    continue;
                values << (row.at(i).isNull() ? QStringLiteral("NULL") : row.at(i).toString());
            }
            out << QLatin1String(table) + u':' + values.join(u'|');
        }
    }
    return out;
}

inline QString openState(Db &db)
{
    return db.scalar("Select YM_Kubun From MC_YearMonthCheck Where YM_Kubun <> '마감완료'").toString();
}

} // namespace zedur::test
