#include "store/ListPages.h"

#include "store/Dialect.h"
#include "store/StoreError.h"

namespace zedur {

namespace {

// How many pages are kept: a screenful and what was scrolled past lately.
constexpr int KeptPages = 32;

QString orderOf(const ListStatement &list)
{
    return list.orderBy.isEmpty() ? list.key : list.orderBy + QStringLiteral(", ") + list.key;
}

QString whereOf(const ListStatement &list, const QString &more = {})
{
    QStringList terms;
    if (!list.where.isEmpty())
        terms << u'(' + list.where + u')';
    if (!more.isEmpty())
        terms << more;
    return terms.isEmpty() ? QString() : QStringLiteral(" Where ") + terms.join(QStringLiteral(" And "));
}

// The list's values that this statement names (a value named only where the statement
// leaves it out would be refused as a misspelt name).
Params usedBy(const QString &sql, const Params &params)
{
    Params used;
    for (const auto &p : params)
        if (sql.contains(p.first))
            used.append(p);
    return used;
}

} // namespace

Statement ListStatement::whole() const
{
    Statement s;
    s.sql = QStringLiteral("Select %1 From %2%3 Order By %4").arg(columns, from, whereOf(*this), orderOf(*this));
    s.params = usedBy(s.sql, params);
    return s;
}

ListPages::ListPages(Db &db, ListStatement list) : m_db(db), m_list(std::move(list))
{
    const QString sql = QStringLiteral("Select %1 As List_Key From %2%3 Order By %4")
                            .arg(m_list.key, m_list.from, whereOf(m_list), orderOf(m_list));
    const ResultSet keys = m_db.query(sql, usedBy(sql, m_list.params));
    m_keys.reserve(keys.size());
    for (const QVector<QVariant> &row : keys.rows())
        m_keys.append(row.first());
    // The first page tells the columns, also of an empty list.
    page(0);
}

QString ListPages::keyColumn() const
{
    return m_list.key.section(u'.', -1).trimmed();
}

const ListPages::Page &ListPages::page(int number) const
{
    if (const auto it = m_pages.constFind(number); it != m_pages.constEnd())
        return it.value();
    const int first = number * PageSize;
    const int count = qMax(0, qMin(PageSize, size() - first));
    Page fetched;
    fetched.rows.resize(count);
    QStringList names;
    Params params;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral(":tbListKey%1").arg(i);
        names << name;
        params.append({name, m_keys.at(first + i)});
    }
    const QString keys = names.isEmpty() ? QStringLiteral("1 = 0")
                                         : QStringLiteral("%1 In (%2)").arg(m_list.key, names.join(u','));
    const QString sql = QStringLiteral("Select %1, %2 As List_Key From %3%4")
                            .arg(m_list.columns, m_list.key, m_list.from, whereOf(m_list, keys));
    try {
        const ResultSet rows = m_db.query(sql, usedBy(sql, m_list.params) + params);
        if (m_columns.isEmpty())
            m_columns = rows.columns().mid(0, rows.columns().size() - 1);
        QHash<QString, int> byKey;
        for (int r = 0; r < rows.size(); ++r)
            byKey.insert(rows.rows().at(r).last().toString(), r);
        for (int i = 0; i < count; ++i) {
            const int r = byKey.value(m_keys.at(first + i).toString(), -1);
            // A row changed since the keys were read so that the list no longer holds it
            // (another desk's change) stays blank until the list is read again.
            fetched.rows[i] = r < 0 ? QVector<QVariant>(m_columns.size())
                                    : rows.rows().at(r).mid(0, m_columns.size());
        }
    } catch (const Failure &f) {
        for (QVector<QVariant> &row : fetched.rows)
            row.resize(m_columns.size());
        if (m_onFailure)
            m_onFailure(f);
        else if (number == 0 && m_columns.isEmpty())
            throw; // the list itself cannot be read
    }
    if (m_pageOrder.size() >= KeptPages)
        m_pages.remove(m_pageOrder.takeFirst());
    m_pageOrder.append(number);
    return m_pages.insert(number, std::move(fetched)).value();
}

QVariant ListPages::at(int row, int column) const
{
    if (row < 0 || row >= size() || column < 0 || column >= m_columns.size())
        return {};
    return page(row / PageSize).rows.at(row % PageSize).at(column);
}

int ListPages::find(const QString &field, const QString &value) const
{
    if (field.compare(keyColumn(), Qt::CaseInsensitive) != 0)
        return Rows::find(field, value);
    if (m_rowOfKey.isEmpty())
        for (int r = 0; r < m_keys.size(); ++r)
            m_rowOfKey.insert(m_keys.at(r).toString().trimmed().toUpper(), r);
    return m_rowOfKey.value(value.trimmed().toUpper(), -1);
}

QVector<double> ListPages::totals(const QStringList &fields) const
{
    QStringList present;
    for (const QString &field : fields)
        if (columnIndex(field) >= 0)
            present << field;
    QVector<double> sums(fields.size(), 0.0);
    if (present.isEmpty())
        return sums;
    const QString sql = QStringLiteral("Select %1 From (Select %2 From %3%4) List")
                            .arg(dialect::stableTotals(m_db.engine(), present), m_list.columns, m_list.from,
                                 whereOf(m_list));
    const ResultSet rs = m_db.query(sql, usedBy(sql, m_list.params));
    for (int i = 0, p = 0; i < fields.size(); ++i)
        if (columnIndex(fields.at(i)) >= 0)
            sums[i] = rs.rows().value(0).value(p++).toDouble();
    return sums;
}

ResultSet ListPages::whole() const
{
    return m_db.query(m_list.whole());
}

} // namespace zedur
