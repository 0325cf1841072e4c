#pragma once

#include "common/Failure.h"
#include "common/ResultSet.h"
#include "store/Db.h"

#include <QHash>
#include <functional>
#include <memory>

namespace zedur {

// A list as a screen shows it, in parts, so that it can be read a page at a time:
// "Select <columns> From <from> Where <where> Order By <orderBy>, <key>". The key is what
// tells the rows apart (the serial of the list's own table): it completes the order, so
// that the rows have one order however often they are read.
struct ListStatement {
    QString columns;
    QString from;
    QString where; // empty: every row
    Params params;
    QString orderBy; // empty: by the key alone
    QString key;

    // The whole list in one statement.
    Statement whole() const;
};

// A long list read as it is looked at: the keys of every row in their order first (the
// list's size and order, without its columns), then the rows a page at a time, each page
// read when one of its rows is wanted, and kept while few pages are. Columns worked out
// per row (a balance from the movements) are then worked out for the rows looked at only.
// Totals are summed by the database. A failed read leaves the rows it should have filled
// empty and is handed to the failure handler, once per page.
class ListPages : public Rows
{
public:
    // Reads the keys; throws StoreError when that fails. The connection must outlive every
    // read (the list does not touch it when destroyed).
    ListPages(Db &db, ListStatement list);

    int size() const override { return int(m_keys.size()); }
    const QStringList &columns() const override { return m_columns; }
    QVariant at(int row, int column) const override;
    // The key field finds its row from the keys; any other field is looked for row by row.
    int find(const QString &field, const QString &value) const override;
    QVector<double> totals(const QStringList &fields) const override;
    ResultSet whole() const override;

    void onReadFailure(std::function<void(const Failure &)> handler) { m_onFailure = std::move(handler); }

    static constexpr int PageSize = 200;

private:
    struct Page {
        QVector<QVector<QVariant>> rows;
    };
    const Page &page(int number) const;
    // The column of the output that holds the key.
    QString keyColumn() const;

    Db &m_db;
    ListStatement m_list;
    QVector<QVariant> m_keys;
    mutable QStringList m_columns; // known from the first page read
    mutable QHash<int, Page> m_pages;
    mutable QVector<int> m_pageOrder; // oldest read first, to let go of
    mutable QHash<QString, int> m_rowOfKey;
    std::function<void(const Failure &)> m_onFailure;
};

} // namespace zedur
