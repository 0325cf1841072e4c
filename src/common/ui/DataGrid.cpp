#include "common/ui/DataGrid.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "common/ui/Screen.h"

#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

namespace zedur {

namespace {
bool isNumeric(const QVariant &v)
{
    const int t = v.typeId();
    return t == QMetaType::Double || t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::Float;
}
} // namespace

void GridModel::setColumns(const QVector<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    indexFields();
    endResetModel();
}

void GridModel::setRows(std::shared_ptr<const Rows> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    indexFields();
    endResetModel();
}

void GridModel::indexFields()
{
    m_fieldIndex.clear();
    for (const GridColumn &c : m_columns)
        m_fieldIndex << m_rows->columnIndex(c.field);
}

void GridModel::setRowStyle(std::function<std::optional<RowStyle>(const Rows &, int)> style)
{
    m_rowStyle = std::move(style);
}

void GridModel::setHighlightedColumn(int column)
{
    if (column == m_highlighted)
        return;
    const int old = m_highlighted;
    m_highlighted = column;
    if (old >= 0)
        emit headerDataChanged(Qt::Horizontal, old, old);
    if (column >= 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows->size();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const GridColumn &column = m_columns.at(index.column());
    const int field = m_fieldIndex.at(index.column());
    const QVariant value = field >= 0 ? m_rows->at(index.row(), field) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        if (value.isNull())
            return QString();
        if (!column.picture.isEmpty() && (isNumeric(value) || !value.toString().isEmpty()))
            return formatFloat(column.picture, value.toDouble());
        if (column.leadingBlanks) {
            QString text = value.toString();
            while (text.endsWith(u' '))
                text.chop(1);
            return text;
        }
        return value.toString().trimmed();
    case Qt::TextAlignmentRole:
        if (column.alignment)
            return int(column.alignment | Qt::AlignVCenter);
        return int((column.picture.isEmpty() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (m_rowStyle)
            if (auto style = m_rowStyle(*m_rows, index.row()); style && style->background.isValid())
                return style->background;
        if (column.background.isValid())
            return column.background;
        return {};
    case Qt::FontRole:
        if (m_rowStyle) {
            if (auto style = m_rowStyle(*m_rows, index.row()); style && (style->bold || style->pointSize > 0)) {
                QFont font;
                font.setBold(style->bold);
                if (style->pointSize > 0)
                    font.setPointSize(style->pointSize);
                return font;
            }
        }
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::BackgroundRole && section == m_highlighted && !m_rows->isEmpty())
        return QColor(Qt::yellow);
    return {};
}

DataGrid::DataGrid(const QString &objectName, QWidget *parent) : QTableView(parent)
{
    setObjectName(objectName);
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setMinimumWidth(12);
    horizontalHeader()->setHighlightSections(false);
    QPalette p = palette();
    p.setColor(QPalette::Highlight, Qt::red);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Inactive, QPalette::Highlight, Qt::red);
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    setPalette(p);
}

void DataGrid::setColumns(const QVector<GridColumn> &columns)
{
    m_model.setColumns(columns);
    const QFontMetrics metrics(font());
    for (int c = 0; c < columns.size(); ++c)
        setColumnWidth(c, qMax(60, metrics.horizontalAdvance(columns.at(c).title) + 24));
}

void DataGrid::setResult(const ResultSet &result)
{
    showRows(std::make_shared<ResultSet>(result));
}

void DataGrid::setList(Db &db, const ListStatement &list)
{
    auto rows = std::make_shared<ListPages>(db, list);
    rows->onReadFailure([this](const Failure &failure) { reportReadFailure(failure); });
    // Its first page sets the widths, not a thousand rows read for it.
    verticalHeader()->setResizeContentsPrecision(ListPages::PageSize - 1);
    showRows(std::move(rows));
}

void DataGrid::showRows(std::shared_ptr<const Rows> rows)
{
    m_open = true;
    m_failureShown = false;
    m_model.setRows(std::move(rows));
    const int count = m_model.rowCount();
    // Columns take the width of their contents once, then stay as the user leaves them.
    if (!m_sized && count > 0) {
        m_sized = true;
        resizeColumnsToContents();
        for (int c = 0; c < m_model.columnCount(); ++c)
            setColumnWidth(c, qMin(columnWidth(c) + 8, 400));
    }
    if (count > 0)
        setCurrentIndex(m_model.index(0, 0));
}

void DataGrid::reportReadFailure(const Failure &failure) const
{
    if (m_failureShown)
        return;
    m_failureShown = true;
    QTimer::singleShot(0, this, [this, failure] {
        if (auto *screen = qobject_cast<Screen *>(window()))
            screen->perform(objectName(), [&failure] { throw failure; });
        else
            msg::error(failure.message() + LB + LB + failure.className());
    });
}

void DataGrid::close()
{
    m_open = false;
    m_model.setRows(std::make_shared<ResultSet>());
}

void DataGrid::setRowStyle(std::function<std::optional<RowStyle>(const Rows &, int)> style)
{
    m_model.setRowStyle(std::move(style));
    viewport()->update();
}

int DataGrid::currentRowIndex() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

QString DataGrid::currentText(const QString &field) const
{
    return rows().text(currentRowIndex(), field);
}

QVariant DataGrid::currentValue(const QString &field) const
{
    return rows().value(currentRowIndex(), field);
}

bool DataGrid::moveTo(const QString &field, const QString &value)
{
    const int row = rows().find(field, value);
    if (row < 0)
        return false;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(m_model.index(row, column));
    scrollTo(currentIndex());
    return true;
}

ExportSheet DataGrid::exportSheet(const QString &baseName) const
{
    ExportSheet sheet = exportSheet(baseName, rows());
    sheet.open = m_open;
    return sheet;
}

ExportSheet DataGrid::exportSheet(const QString &baseName, const Rows &rows) const
{
    QVector<ExportField> fields;
    for (const GridColumn &c : m_model.columns())
        fields << ExportField{c.field, c.title};
    ExportSheet sheet = exportSheetOf(rows.whole(), fields);
    sheet.baseName = baseName;
    return sheet;
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    QTableView::keyPressEvent(event);
    if (rowCount() > 0)
        emit rowPicked();
}

void DataGrid::keyReleaseEvent(QKeyEvent *event)
{
    QTableView::keyReleaseEvent(event);
    if (rowCount() > 0 && !event->isAutoRepeat())
        emit rowPicked();
}

void DataGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    if (rowCount() > 0 && indexAt(event->position().toPoint()).isValid())
        emit rowPicked();
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    m_model.setHighlightedColumn(current.isValid() ? current.column() : -1);
}

} // namespace zedur
