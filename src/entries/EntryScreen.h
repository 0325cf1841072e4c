#pragma once

#include "common/RecordScreen.h"
#include "entries/ListQuery.h"
#include "entries/Refusal.h"

namespace zedur {

// A screen of the monthly entries or one of their viewers: a record screen that shows the
// refusals the entries core returns and searches with the entries' search row.
class EntryScreen : public RecordScreen
{
    Q_OBJECT
public:
    using RecordScreen::RecordScreen;

    // The search row under the names the entry screens give its controls.
    ListCombo *cbSYear = nullptr;
    ListCombo *cbSMonth = nullptr;
    ListCombo *cbSSearch = nullptr;
    QLineEdit *edSSearch = nullptr;
    ListCombo *cbSSort = nullptr;
    QPushButton *KuenNoSearchBtn = nullptr;

protected:
    // "구분년도" cbSYear and "구분월" cbSMonth.
    void addEntryPeriodLists();
    // "검색구분" cbSSearch / edSSearch, "&E 검색" KuenNoSearchBtn and "정렬구분" cbSSort.
    void addEntrySearch(const QVector<SearchItem> &items, const QVector<SortItem> &sorts);
    // Back to the first search and sort entries, without search text.
    void resetSearch();
    // The search text for the chosen entry of these items; an entry that ignores the text
    // empties the search box, as the list then shows.
    QString searchText(const QVector<SearchItem> &items);

    // Shows the refusal as returned (box, emptied boxes, focus); true when there was one.
    bool refused(const Verdict &verdict);
    // The focus "on the button panel": its first enabled button.
    void focusButtonPanel();
    // What a refusal that empties the boxes empties.
    virtual void clearEntry();
};

} // namespace zedur
