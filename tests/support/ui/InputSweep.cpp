#include "ui/InputSweep.h"

#include "MessageRecorder.h"
#include "TestBooks.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMap>
#include <QTest>

namespace zedur::test {

namespace {

enum class Arrival { Typed, Pasted };
enum class SaveBy { Button, Shortcut };

void deliver(const SweptScreen &swept, ScreenDriver &ui, QLineEdit *box, const QString &text, Arrival way)
{
    if (swept.filledByAPick.contains(box->objectName())) {
        box->setText(text);
        return;
    }
    if (way == Arrival::Typed) {
        ui.type(box->objectName(), text);
        return;
    }
    ui.focus(box->objectName());
    box->selectAll();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
}

// Every row of the table by its serial, as text, to find the one a save wrote or changed.
QMap<QString, QString> rowsBySerial(Db &db, const SweptScreen &swept)
{
    QMap<QString, QString> rows;
    const ResultSet rs = db.query(QStringLiteral("SELECT * FROM %1").arg(swept.table));
    for (int r = 0; r < rs.size(); ++r) {
        QStringList values;
        for (const QVariant &v : rs.rows().at(r))
            values << v.toString();
        rows.insert(rs.text(r, swept.serialColumn), values.join(u'|'));
    }
    return rows;
}

// The newest serial among the rows that are new or changed; empty when none is.
QString savedSerial(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QString newest;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (before.value(it.key()) != it.value() && it.key() > newest)
            newest = it.key();
    return newest;
}

void sweepOnce(const SweptScreen &swept, const QString &box, const QString &column, const QString &text,
               const QVariant &stored, Arrival way, SaveBy save)
{
    const QString how =
        QStringLiteral("%1, saved by the %2")
            .arg(way == Arrival::Typed ? "typed" : "pasted", save == SaveBy::Button ? "button" : "shortcut");
    TestBooks books;
    MessageRecorder messages;
    std::unique_ptr<QWidget> screen = swept.open(books.db());
    ScreenDriver ui(screen.get());
    if (swept.begin)
        swept.begin(ui, screen.get());
    else
        ui.click(QStringLiteral("InsertBtn"));
    QVERIFY2(messages.messages.isEmpty(),
             qPrintable(how + ": the entry did not begin: " + messages.texts().join(" | ")));
    const QMap<QString, QString> before = rowsBySerial(books.db(), swept);

    // The first box gets its text first, as leaving it empty is refused; any other box last,
    // after the boxes a save needs.
    auto *target = ui.find<QLineEdit>(box);
    const bool first = swept.validRow.first().first == box;
    if (first)
        deliver(swept, ui, target, text, way);
    for (const auto &[name, value] : swept.validRow) {
        if (name == box)
            continue;
        if (swept.filledByAPick.contains(name))
            ui.find<QLineEdit>(name)->setText(value);
        else
            ui.type(name, value);
    }
    if (!first)
        deliver(swept, ui, target, text, way);
    if (swept.beforeSave)
        swept.beforeSave(ui, screen.get());
    if (save == SaveBy::Button)
        ui.click(QStringLiteral("SaveBtn"));
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);

    // A shortcut's save follows its leave check through the event loop.
    QString serial;
    const bool written = QTest::qWaitFor(
        [&] {
            serial = savedSerial(before, rowsBySerial(books.db(), swept));
            return !serial.isEmpty();
        },
        stored.isValid() ? 3000 : 200);
    if (!stored.isValid()) {
        // The refusal may follow the leave check through the event loop too.
        const auto refusalShown = [&] {
            return !messages.messages.isEmpty() || QApplication::focusWidget() == target;
        };
        const bool shown = QTest::qWaitFor(refusalShown, 3000);
        serial = savedSerial(before, rowsBySerial(books.db(), swept));
        if (written || !serial.isEmpty())
            QFAIL(qPrintable(
                how + ": wrote row " + serial + " with " + column + " " +
                books.db()
                    .scalar(
                        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :s").arg(column, swept.table, swept.serialColumn),
                        {{":s", serial}})
                    .toString()));
        // A box whose leave check refuses a text keeps the focus without a word.
        QVERIFY2(shown, qPrintable(how + ": refused without a word and without keeping the focus"));
        return;
    }
    QVERIFY2(!serial.isEmpty(), qPrintable(how + ": nothing written; " + messages.texts().join(" | ")));
    const ResultSet row = books.db().query(
        QStringLiteral("SELECT * FROM %1 WHERE %2 = :s").arg(swept.table, swept.serialColumn), {{":s", serial}});
    if (stored.typeId() == QMetaType::Double)
        QVERIFY2(row.number(0, column) == stored.toDouble(),
                 qPrintable(how + QStringLiteral(": %1 is %2, not %3")
                                      .arg(column, QString::number(row.number(0, column), 'g', 17),
                                           QString::number(stored.toDouble(), 'g', 17))));
    else
        QVERIFY2(row.text(0, column) == stored.toString(),
                 qPrintable(
                     how +
                     QStringLiteral(": %1 is \"%2\", not \"%3\"").arg(column, row.text(0, column), stored.toString())));
}

} // namespace

void sweepBox(const SweptScreen &screen, const QString &box, const QString &column, const QString &text,
              const QVariant &typed, const QVariant &pasted)
{
    for (Arrival way : {Arrival::Typed, Arrival::Pasted})
        for (SaveBy save : {SaveBy::Button, SaveBy::Shortcut}) {
            sweepOnce(screen, box, column, text, way == Arrival::Typed ? typed : pasted, way, save);
            if (QTest::currentTestFailed())
                return;
        }
}

} // namespace zedur::test
