#pragma once

#include "TestBooks.h"
#include "entries/Issues.h"
#include "entries/Receipts.h"
#include "store/Db.h"

#include <QTest>
#include <optional>

// Rows the entry tests start from, written through the engines themselves.
namespace zedur::test {

inline const Period April{QStringLiteral("2005"), QStringLiteral("04")};

inline receipts::ReceiptEntry receiptEntry(const QString &quantity, const QString &price,
                                           const QString &amount)
{
    receipts::ReceiptEntry e;
    e.day = QStringLiteral("10");
    e.wonCode = QStringLiteral("W001");
    e.wonName = QStringLiteral("강판");
    e.danWi = QStringLiteral("kg");
    e.textMemo = QStringLiteral("4월 매입");
    e.quantity = quantity;
    e.price = price;
    e.amount = amount;
    return e;
}

// A receipt of the open month saved as the screen saves it; its serial. With `typedAmount`,
// the user typed that amount after the quantity and the price.
inline QString addReceipt(Db &db, double quantity, double price, const QString &day = QStringLiteral("10"),
                          std::optional<double> typedAmount = std::nullopt)
{
    const Checked<QString> serial = receipts::beginNewReceipt(db, April, {});
    if (!serial.ok())
        throw std::runtime_error("receipt refused");
    receipts::ReceiptEntry e = receiptEntry(QString::number(quantity, 'f', 4), QString::number(price, 'f', 4),
                                            QString::number(typedAmount.value_or(quantity * price), 'f', 4));
    e.serial = serial.value;
    e.day = day;
    e.amountTyped = typedAmount.has_value();
    if (receipts::saveNewReceipt(db, {April, e, {}, {}, TestBooks::fixedAudit()}))
        throw std::runtime_error("receipt refused");
    return serial.value;
}

inline issues::IssueRequest issueRequest(const QString &receipt, issues::IssueKind kind,
                                         const QString &quantity, const QString &day = QStringLiteral("20"))
{
    issues::IssueRequest r;
    r.shown = April;
    r.receiptSerial = receipt;
    r.kind = kind;
    r.quantity = quantity;
    r.day = day;
    r.textMemo = QStringLiteral("공정 투입");
    r.bigo = QStringLiteral("1 라인");
    r.audit = TestBooks::fixedAudit();
    return r;
}

// The open month as the allocation leaves it, so that opening an entry screen shows its mark.
inline void markOpenMonthAllocated(Db &db)
{
    db.exec("UpDate MC_YearMonthCheck Set YM_Kubun = '미마감' Where YM_Kubun <> '마감완료'");
}

inline QString openMonthState(Db &db)
{
    return db.scalar("Select YM_Kubun From MC_YearMonthCheck Where YM_Kubun <> '마감완료'").toString();
}

// The serial of the newest row of a table.
inline QString newest(Db &db, const QString &table, const QString &serialColumn)
{
    return db.scalar(QStringLiteral("Select Max(%1) From %2").arg(serialColumn, table)).toString();
}

} // namespace zedur::test
