#pragma once

#include "common/ResultSet.h"
#include "common/SpreadsheetExport.h"
#include "store/ListPages.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <functional>
#include <memory>
#include <optional>

namespace zedur {

// One column of a grid: the field it shows, its title, and how its values are drawn.
struct GridColumn {
    QString field;
    QString title;
    QString picture;              // number format such as "#,##0.0000"; empty: the value as text
    QColor background;            // invalid: the grid's own
    Qt::Alignment alignment = {}; // default: numbers right, text left
    bool leadingBlanks = false;   // leading blanks are data (an indented account name)
};

// How a whole row is drawn where a screen colours rows by their content.
struct RowStyle {
    QColor background;
    bool bold = false;
    int pointSize = 0; // 0: the grid's own
};

class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setColumns(const QVector<GridColumn> &columns);
    void setRows(std::shared_ptr<const Rows> rows);
    const Rows &rows() const { return *m_rows; }
    const QVector<GridColumn> &columns() const { return m_columns; }
    void setRowStyle(std::function<std::optional<RowStyle>(const Rows &, int row)> style);
    void setHighlightedColumn(int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void indexFields();

    QVector<GridColumn> m_columns;
    QVector<int> m_fieldIndex; // column -> index in the rows, -1 when absent
    std::shared_ptr<const Rows> m_rows = std::make_shared<ResultSet>();
    std::function<std::optional<RowStyle>(const Rows &, int)> m_rowStyle;
    int m_highlighted = -1;
};

// The read-only list of a screen. The title of the column holding the selected cell is
// yellow and the selected cell red; a click, and every key pressed or released in the
// grid while it has rows, picks the current row (rowPicked). A short list is handed over
// whole (setResult); a list that may run to a month's rows is read a page at a time as it
// is scrolled (setList), and a failed read is shown and logged by the screen.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(const QString &objectName = QStringLiteral("DBGrid1"), QWidget *parent = nullptr);

    void setColumns(const QVector<GridColumn> &columns);
    const QVector<GridColumn> &columns() const { return m_model.columns(); }
    void setResult(const ResultSet &result);
    // Reads the list's keys (StoreError when that fails) and shows its first rows; the
    // connection must live as long as the grid shows the list.
    void setList(Db &db, const ListStatement &list);
    const Rows &rows() const { return m_model.rows(); }
    bool isOpen() const { return m_open; }
    void close(); // no list, as before the first query
    void setRowStyle(std::function<std::optional<RowStyle>(const Rows &, int row)> style);

    int rowCount() const { return m_model.rowCount(); }
    int currentRowIndex() const; // -1 when none
    QString currentText(const QString &field) const;
    QVariant currentValue(const QString &field) const;
    // Makes the first row whose field equals value (ignoring case) current; false when none.
    bool moveTo(const QString &field, const QString &value);

    // Shows a failed read of the list (the screen's error box and log) once the painting
    // that ran into it is over; once for the reads of one list.
    void reportReadFailure(const Failure &failure) const;

    // The visible columns with their titles, as the spreadsheet gets them.
    ExportSheet exportSheet(const QString &baseName) const;
    // The same columns over other rows of the same query (an export that reruns the list
    // without touching the grid).
    ExportSheet exportSheet(const QString &baseName, const Rows &rows) const;

signals:
    void rowPicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void showRows(std::shared_ptr<const Rows> rows);

    GridModel m_model;
    bool m_open = false;
    bool m_sized = false;
    mutable bool m_failureShown = false;
};

} // namespace zedur
