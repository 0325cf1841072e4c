#include "imports/ImportColumns.h"

#include "common/KeySet.h"
#include "common/Messages.h"
#include "common/TextNumber.h"
#include "store/Schema.h"

#include <cmath>

namespace zedur::imports {

namespace {

QString normalTitle(const QString &title)
{
    QString out;
    for (const QChar c : title)
        if (!c.isSpace())
            out += c.toLower();
    return out;
}

bool matches(const Field &field, const QString &normal)
{
    for (const QString &t : field.titles)
        if (normalTitle(t) == normal)
            return true;
    return false;
}

// The largest number the books' typed numbers may be (a fixed-point currency's range).
constexpr double NumberLimit = 922337203685477.0;

} // namespace

Field textField(const QString &table, const QString &column, const QStringList &titles)
{
    for (const ColumnDef &c : schema::table(table).columns)
        if (c.name == column)
            return {column, titles, c.width};
    return {column, titles, 0};
}

SheetColumns::SheetColumns(const QVector<Field> &fields, const SheetCells &titles, QVector<Problem> &problems)
    : m_fields(fields)
{
    for (int c = 0; c < titles.size(); ++c) {
        const QString title = cellText(titles.at(c)).trimmed();
        const QString normal = normalTitle(title);
        if (normal.isEmpty())
            continue;
        for (const Field &f : fields) {
            if (!matches(f, normal))
                continue;
            if (m_columns.contains(f.key)) {
                problems.append(
                    {title, QStringLiteral("'%1' 열과 같은 내용의 열이 또 있습니다.").arg(m_titles.value(f.key))});
                break;
            }
            m_columns.insert(f.key, c);
            m_titles.insert(f.key, title);
            break;
        }
    }
}

QString SheetColumns::titleOf(const QString &key) const
{
    if (m_titles.contains(key))
        return m_titles.value(key);
    return field(key).titles.value(0);
}

const Field &SheetColumns::field(const QString &key) const
{
    for (const Field &f : m_fields)
        if (f.key == key)
            return f;
    static const Field none;
    return none;
}

void SheetColumns::requireAll(const QStringList &keys, QVector<Problem> &problems) const
{
    for (const QString &key : keys)
        if (!has(key))
            problems.append({titleOf(key), QStringLiteral("'%1' 열이 없습니다.").arg(titleOf(key))});
}

bool titlesName(const SheetCells &titles, const Field &field)
{
    for (const QVariant &t : titles)
        if (matches(field, normalTitle(cellText(t))))
            return true;
    return false;
}

QString cellText(const QVariant &cell)
{
    switch (cell.typeId()) {
    case QMetaType::Double: {
        const double v = cell.toDouble();
        if (std::floor(v) == v && std::fabs(v) < 1e15)
            return QString::number(qint64(v));
        return QString::number(v, 'g', 15);
    }
    case QMetaType::Bool:
        return cell.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    default:
        return cell.toString();
    }
}

QString oneLine(const QString &message)
{
    return plainLines(message).split(u'\n', Qt::SkipEmptyParts).join(u' ').simplified();
}

QVariant FieldRow::cell(const QString &key) const
{
    const int c = m_columns.columnOf(key);
    return c >= 0 && c < m_cells.size() ? m_cells.at(c) : QVariant();
}

bool FieldRow::filled(const QString &key) const
{
    return !cellText(cell(key)).trimmed().isEmpty();
}

QString FieldRow::shown(const QString &key) const
{
    return cellText(cell(key)).trimmed();
}

void FieldRow::problem(const QString &key, const QString &reason)
{
    m_problems.append({m_columns.titleOf(key), reason});
}

QString FieldRow::text(const QString &key)
{
    const QString value = cellText(cell(key)).trimmed();
    const int width = m_columns.field(key).width;
    if (width > 0 && value.size() > width)
        problem(key, QStringLiteral("%1자를 넘을 수 없습니다 (%2자).").arg(width).arg(value.size()));
    return value;
}

QString FieldRow::code(const QString &key)
{
    const QString value = text(key).toUpper();
    if (!typable(KeySet::CodeUpper, value, false))
        problem(key, QStringLiteral("코드에는 영문자와 숫자만 쓸 수 있습니다: ") + value);
    return value;
}

std::optional<double> FieldRow::number(const QString &key)
{
    const QVariant v = cell(key);
    if (v.typeId() == QMetaType::Double) {
        const double value = v.toDouble();
        if (std::isfinite(value) && std::fabs(value) <= NumberLimit)
            return value;
        problem(key, QStringLiteral("너무 큰 숫자입니다: ") + shown(key));
        return std::nullopt;
    }
    const QString text = cellText(v).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    QString plain = text;
    plain.remove(u',');
    plain.remove(u' ');
    bool ok = v.typeId() != QMetaType::Bool;
    const double value = ok ? plain.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(value)) {
        problem(key, QStringLiteral("숫자가 아닙니다: ") + text);
        return std::nullopt;
    }
    if (std::fabs(value) > NumberLimit) {
        problem(key, QStringLiteral("너무 큰 숫자입니다: ") + text);
        return std::nullopt;
    }
    return value;
}

} // namespace zedur::imports
