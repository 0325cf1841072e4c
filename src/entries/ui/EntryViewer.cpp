#include "entries/ui/EntryViewer.h"

#include "common/ui/ListCombo.h"

#include <QLineEdit>

namespace zedur {

EntryViewer::EntryViewer(const ScreenSetup &setup, const Period &shown, const QVector<ViewerField> &fields,
                         const QString &serialBox, const QVector<GridColumn> &columns,
                         const QVector<SearchItem> &searchItems, const QVector<SortItem> &sortItems)
    : EntryScreen(setup, nullptr, {Button::Delete, Button::Close}), m_shown(shown), m_searchItems(searchItems)
{
    for (const ViewerField &f : fields) {
        if (f.picture.isEmpty())
            addReadOnlyBox(f.name, f.label, f.column);
        else
            addReadOnlyNumberBox(f.name, f.label, f.column, f.picture);
    }
    setSerialBox(box(serialBox));
    addEntrySearch(searchItems, sortItems);
    setGridColumns(columns);
    finishLayout();
}

QLineEdit *EntryViewer::box(const QString &name) const
{
    return findChild<QLineEdit *>(name);
}

void EntryViewer::onFirstShow()
{
    resetSearch();
    pQuery();
}

void EntryViewer::pQuery()
{
    const QString text = searchText(m_searchItems);
    perform(QStringLiteral("pQuery"), [&] {
        DBGrid1->setList(db(), list(cbSSearch->currentText(), text, cbSSort->currentText()));
    });
}

void EntryViewer::deleteClicked()
{
    const QString serial = serialBox()->text().trimmed();
    if (!carriedOut(QStringLiteral("DeleteBtnClick"), [&] { return deleteRow(db(), serial); }))
        return;
    rowDeleted();
}

void EntryViewer::rowDeleted()
{
    pQuery();
    clearEntry();
}

} // namespace zedur
