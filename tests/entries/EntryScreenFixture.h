#pragma once

#include "EntryFixture.h"
#include "entries/StoredRow.h"
#include "ui/ScreenFixture.h"

#include <QComboBox>

namespace zedur::test {

// An entry screen or viewer of type S driven offscreen on fresh books of April 2005, with
// the entry screens' month and search rows.
template <class S> struct EntryScreenFixture : ScreenFixture<S> {
    using ScreenFixture<S>::ui;

    // Another month picked in the month list, the focus still in it (leaving it runs the list).
    void chooseMonth(const QString &month, const QString &monthList = "cbSMonth")
    {
        ui->focus(monthList);
        auto *list = ui->template find<QComboBox>(monthList);
        list->setCurrentIndex(list->findText(month));
    }
    // Another month shown: the month list left with it picked runs the list again.
    void showMonth(const QString &month, const QString &monthList = "cbSMonth", const QString &leaveTo = "edSSearch")
    {
        chooseMonth(month, monthList);
        ui->focus(leaveTo);
    }

    // The list searched as a user searches it: the entry picked in the search list, the text
    // typed, "&E 검색" clicked.
    void search(const QString &item, const QString &text)
    {
        ui->focus("cbSSearch");
        auto *list = ui->template find<QComboBox>("cbSSearch");
        const int index = list->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        list->setCurrentIndex(index);
        ui->type("edSSearch", text);
        ui->click("KuenNoSearchBtn");
    }

    // A row of an entry table as stored, read by its serial.
    ResultSet storedRow(const EntryTable &table, const QString &serial)
    {
        return this->db().query(
            QStringLiteral("Select * From %1 Where %2 = :s").arg(table.name, table.column("Serial")), {{":s", serial}});
    }
};

} // namespace zedur::test
