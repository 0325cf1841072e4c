#pragma once

#include "entries/Refusal.h"

#include <QString>
#include <QStringList>

// The rules of the amounts screen that need no database: which statement an account
// belongs to, its summary account, and direct versus common amounts.
namespace zedur::amounts {

inline const QString Indirect = QStringLiteral("간접");
inline const QString Direct = QStringLiteral("직접");
inline const QString CommonLot = QStringLiteral("간접(공통)비"); // the lot box of a common amount

// "간접", "직접".
const QStringList &kindItems();

// Manufacturing accounts (codes "404...") belong to the statement of cost of goods
// manufactured, every other account to the income statement.
bool isManufacturingAccount(const QString &acCode);
QString groupKubunFor(const QString &acCode);

// The summary account's name: the call name without its last part, i.e. cut to its
// first (length of call - length of name - 1) characters; empty when that is negative.
QString groupAccountName(const QString &acNameCall, const QString &acName);

// The lot box when the kind list changes: "간접(공통)비" for "간접", empty for "직접".
QString lotBoxForKind(const QString &kind);

// Leaving the kind list: a direct amount on a manufacturing account asks for its lot;
// anything else is a common amount.
struct KindChoice {
    QString kind;
    QString lotBox;
    bool pickLot = false; // open the WIP-lot dialog
};
KindChoice leaveKindList(const QString &acCode, const QString &kind, const QString &lotBox);

// Leaving the amount box: the text it shows ("#,##0.00"); an empty or zero amount is
// refused with its warning, a text that is no number silently.
Checked<QString> leaveAmountBox(const QString &typed);

// The amount as stored: a whole number.
double storedAmount(const QString &shownText);

} // namespace zedur::amounts
