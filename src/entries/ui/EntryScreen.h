#pragma once

#include "common/ui/RecordScreen.h"
#include "entries/ListQuery.h"
#include "entries/Refusal.h"

namespace zedur {

// A screen of the monthly entries or one of their viewers: a record screen that shows the
// refusals the entries core returns, with the day box of the month shown and the entries'
// search row.
class EntryScreen : public RecordScreen
{
    Q_OBJECT
public:
    using RecordScreen::RecordScreen;

    QLineEdit *edDay = nullptr;
    // The search row under the names the issue, completion and viewer screens give it.
    ListCombo *cbSYear = nullptr;
    ListCombo *cbSMonth = nullptr;
    ListCombo *cbSSearch = nullptr;
    QLineEdit *edSSearch = nullptr;
    ListCombo *cbSSort = nullptr;
    QPushButton *KuenNoSearchBtn = nullptr;

protected:
    // The day box (two digits, digits only) and the read-only date box after it. Leaving
    // the day writes it as two digits and shows the date, or refuses a day the month does
    // not have and keeps the focus. `afterKey` runs after every key in the day box.
    QLineEdit *addDayBoxes(const QString &label, const QString &dateName, const QString &dateColumn,
                           std::function<void()> afterKey = {});

    // "구분년도" cbSYear and "구분월" cbSMonth.
    void addEntryPeriodLists();
    // "검색구분" cbSSearch / edSSearch, "&E 검색" KuenNoSearchBtn and "정렬구분" cbSSort.
    void addEntrySearch(const QVector<SearchItem> &items, const QVector<SortItem> &sorts);
    // Back to the first search and sort entries, without search text.
    void resetSearch();
    // The search text for the chosen entry of these items; an entry that ignores the text
    // empties the search box, as the list then shows.
    QString searchText(const QVector<SearchItem> &items);

    // A refusal of the core as the user sees it: its box, the boxes emptied when it says so
    // (clearEntry), then the focus on its control (the button panel when it names none).
    void showRefusal(const Refusal &refusal);
    // The same for a verdict; true when there was a refusal.
    bool refused(const Verdict &verdict);
    // Runs one step of the core (a save, a delete) as one user action: true when it ran
    // through; a failure is reported and a refusal shown, and either leaves the boxes as typed.
    bool carriedOut(const QString &handler, const std::function<Verdict()> &step);
    // The focus "on the button panel": its first enabled button.
    void focusButtonPanel();
    // What a refusal that empties the boxes empties: the boxes and the picked row.
    virtual void clearEntry();

    // The list is run again (`refresh`) when the user comes back to the screen from another
    // window, as rows may have changed meanwhile: not when the window that closed was one of
    // the screen's own (its message boxes above all: a refusal shown while leaving a box must
    // not wipe what is being typed), and not while the focus is in one of the `working` boxes.
    void refreshOnReturn(const QList<QWidget *> &working, std::function<void()> refresh);

    // A viewer of what the screen made, for the month shown: a window of its own that stays
    // open after the screen closes (which it does), with its own connection, freed when closed.
    template <class Viewer> void openViewerAndClose()
    {
        auto *viewer = new Viewer(shownPeriod());
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->show();
        close();
    }

    void pClear() override;
    void pDisplay() override;
    bool event(QEvent *event) override;

private:
    bool dayLeft();

    QList<QWidget *> m_working;
    std::function<void()> m_refreshOnReturn;
    bool m_awayFromScreen = false; // deactivated towards a window that is not the screen's own

    QLineEdit *m_dateBox = nullptr;
};

} // namespace zedur
