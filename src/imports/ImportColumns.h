#pragma once

#include "common/SheetReader.h"
#include "imports/ImportReport.h"

#include <QHash>
#include <QStringList>
#include <optional>

// The columns of a sheet a firm brings in, found by their titles in the first filled row:
// the titles the program's own export writes and the labels of the screen's boxes, in any
// order, blanks and letter case ignored; other columns are left alone.
namespace zedur::imports {

struct Field {
    QString key;        // the table's column, or a name of the import's own
    QStringList titles; // the first is the one named when the column is missing
    int width = 0;      // a text's greatest length; 0 for numbers
};

// A field's width from the books' schema.
Field textField(const QString &table, const QString &column, const QStringList &titles);

class SheetColumns
{
public:
    // Binds the title row to the fields; a field found twice is a problem.
    SheetColumns(const QVector<Field> &fields, const SheetCells &titles, QVector<Problem> &problems);

    bool has(const QString &key) const { return m_columns.contains(key); }
    int columnOf(const QString &key) const { return m_columns.value(key, -1); }
    QString titleOf(const QString &key) const;
    const Field &field(const QString &key) const;
    // Problems for the fields that must be there and are not.
    void requireAll(const QStringList &keys, QVector<Problem> &problems) const;

private:
    QVector<Field> m_fields;
    QHash<QString, int> m_columns; // key -> column index
    QHash<QString, QString> m_titles;
};

// Whether a title row names a field (for telling the kinds of a sheet apart).
bool titlesName(const SheetCells &titles, const Field &field);

// The values of one data row, read by field; what cannot be read is a problem of the row.
class FieldRow
{
public:
    FieldRow(const SheetColumns &columns, const SheetCells &cells) : m_columns(columns), m_cells(cells) {}

    bool has(const QString &key) const { return m_columns.has(key); }
    // Whether the cell holds anything.
    bool filled(const QString &key) const;
    // Text, trimmed; longer than the field's width is a problem.
    QString text(const QString &key);
    // A code: upper case, letters and digits only, within its width.
    QString code(const QString &key);
    // A number: empty gives nothing; text must read as one (thousands separators allowed).
    std::optional<double> number(const QString &key);
    // The text a cell shows, for messages.
    QString shown(const QString &key) const;

    void problem(const QString &key, const QString &reason);
    void rowProblem(const QString &reason) { m_problems.append({QString(), reason}); }
    const QVector<Problem> &problems() const { return m_problems; }
    bool ok() const { return m_problems.isEmpty(); }

private:
    QVariant cell(const QString &key) const;

    const SheetColumns &m_columns;
    const SheetCells &m_cells;
    QVector<Problem> m_problems;
};

// A cell as text: numbers without a needless ".0", booleans as TRUE/FALSE.
QString cellText(const QVariant &cell);
// A message text made one line, for a list of reasons.
QString oneLine(const QString &message);

} // namespace zedur::imports
