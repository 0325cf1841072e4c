#pragma once

#include "ui/ScreenDriver.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace zedur {
class Db;
}

// Text nobody would type on purpose, typed and pasted into one box of a screen, saved by the
// button and by its shortcut: the sweep's tables of cases call it for each box and text.
namespace zedur::test {

// A screen to sweep: its books and how to open it on them, how an entry begins (a new row,
// or the row it draws on picked), the boxes a valid entry needs in tab order, and the table
// its save writes or changes.
struct SweptScreen {
    std::function<std::unique_ptr<QWidget>(Db &)> open;
    QList<QPair<QString, QString>> validRow; // box, text
    QString table;
    QString serialColumn;
    // Default: "InsertBtn".
    std::function<void(ScreenDriver &, QWidget *)> begin = {};
    // Run after the boxes are filled, before the save (a check the save needs).
    std::function<void(ScreenDriver &, QWidget *)> beforeSave = {};
    // Boxes a pick dialog fills: set as the dialog leaves them, never typed.
    QStringList filledByAPick = {};
};

// `text` typed into `box` key by key and pasted whole, each saved by the button and by
// Alt+S: afterwards the row the save wrote or changed holds `typed` (or `pasted`) in
// `column`, a text or a number; invalid means nothing may be written, and the refusal must
// say so with a message or by keeping the focus in the box. Fails the running test otherwise.
void sweepBox(const SweptScreen &screen, const QString &box, const QString &column, const QString &text,
              const QVariant &typed, const QVariant &pasted);

} // namespace zedur::test
