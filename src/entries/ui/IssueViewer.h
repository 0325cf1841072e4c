#pragma once

#include "entries/ui/EntryScreen.h"

namespace zedur {

// What the two viewers of the issue screen share: they list the rows one kind of issue made
// in a month, show the picked row in read-only boxes and delete it. Each is a window of its
// own that stays open after the issue screen closes, with its own connection.
class IssueViewer : public EntryScreen
{
    Q_OBJECT
public:
    const Period &shown() const { return m_shown; }

protected:
    struct Field {
        QString stem; // column after the table prefix: "Serial", "SuKg", ...
        QString label;
        bool number = false; // shown "#,##0.0000"
    };
    // The boxes both viewers show, in the order of the row; `extra` goes before the kind
    // and the closing mark.
    static QVector<Field> rowFields(const QVector<Field> &extra);
    // `prefix` is the table's column prefix ("Gong_"); the boxes are named "ed" + column.
    IssueViewer(const ScreenSetup &setup, const Period &shown, const QString &prefix, const QVector<Field> &fields,
                const QVector<GridColumn> &columns, const QVector<SearchItem> &searchItems,
                const QVector<SortItem> &sortItems);

    QLineEdit *box(const QString &stem) const;

    virtual Statement list(const QString &searchItem, const QString &text, const QString &sortItem) const = 0;
    virtual Verdict deleteRow(Db &db, const QString &serial) = 0;

    void onFirstShow() override;
    void pQuery() override;
    void deleteClicked() override;

private:
    Period m_shown;
    QString m_prefix;
    QVector<SearchItem> m_searchItems;
};

} // namespace zedur
