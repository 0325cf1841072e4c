#pragma once

#include "entries/ui/EntryScreen.h"

namespace zedur {

// One read-only box of a viewer: its name, its label, the column it shows and, for a number,
// its picture. A box without a column is filled by the viewer itself.
struct ViewerField {
    QString name;
    QString label;
    QString column;
    QString picture; // empty: the column's text
};

// What every viewer of the entry screens shares: it lists the rows one kind of entry made in
// a month, shows the picked row in read-only boxes and deletes it. Each is a window of its
// own that stays open after its screen closes, with its own connection; so a delete hands
// the serial to the core, which reads the row anew (see ViewerRows.h).
class EntryViewer : public EntryScreen
{
    Q_OBJECT
public:
    const Period &shown() const { return m_shown; }

protected:
    EntryViewer(const ScreenSetup &setup, const Period &shown, const QVector<ViewerField> &fields,
                const QString &serialBox, const QVector<GridColumn> &columns, const QVector<SearchItem> &searchItems,
                const QVector<SortItem> &sortItems);

    QLineEdit *box(const QString &name) const;

    virtual ListStatement list(const QString &searchItem, const QString &text, const QString &sortItem) const = 0;
    virtual Verdict deleteRow(Db &db, const QString &serial) = 0;
    // After a delete went through: the list again, the boxes emptied.
    virtual void rowDeleted();

    void onFirstShow() override;
    void pQuery() override;
    void deleteClicked() override;

private:
    Period m_shown;
    QVector<SearchItem> m_searchItems;
};

} // namespace zedur
