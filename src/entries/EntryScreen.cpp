#include "entries/EntryScreen.h"

#include "common/ListCombo.h"

#include <QLineEdit>
#include <QPushButton>

namespace zedur {

void EntryScreen::addEntryPeriodLists()
{
    addPeriodLists(QStringLiteral("cbSYear"), QStringLiteral("cbSMonth"), QStringLiteral("구분년도"),
                   QStringLiteral("구분월"), true);
    cbSYear = cbYear;
    cbSMonth = cbMonth;
}

void EntryScreen::addEntrySearch(const QVector<SearchItem> &items, const QVector<SortItem> &sorts)
{
    SearchBar::Names names;
    names.combo = QStringLiteral("cbSSearch");
    names.edit = QStringLiteral("edSSearch");
    names.button = QStringLiteral("KuenNoSearchBtn");
    names.buttonText = QStringLiteral("&E 검색");
    names.label = QStringLiteral("검색구분");
    setSearchItems(items, names);
    cbSSearch = cbSearch;
    edSSearch = edSearch;
    KuenNoSearchBtn = SearchBtn;
    cbSSort = addSearchRowList(QStringLiteral("cbSSort"), QStringLiteral("정렬구분"), labelsOf(sorts));
}

void EntryScreen::resetSearch()
{
    searchBar()->reset();
    cbSSort->setCurrentIndex(0);
}

QString EntryScreen::searchText(const QVector<SearchItem> &items)
{
    const int index = cbSearch->currentIndex();
    if (index < 0 || index >= items.size() || !items.at(index).usesText())
        edSearch->clear();
    return edSearch->text();
}

bool EntryScreen::refused(const Verdict &verdict)
{
    if (!verdict)
        return false;
    const Refusal &r = *verdict;
    if (!r.text.isEmpty()) {
        switch (r.kind) {
        case MessageKind::Error:
            msg::error(r.text);
            break;
        case MessageKind::Information:
            msg::information(r.text);
            break;
        case MessageKind::Plain:
            msg::plain(r.text);
            break;
        case MessageKind::Warning:
        case MessageKind::Question:
            msg::warning(r.text);
            break;
        }
    }
    if (r.clearsBoxes)
        clearEntry();
    QWidget *target = r.focus.isEmpty() ? nullptr : findChild<QWidget *>(r.focus);
    if (!target) {
        focusButtonPanel();
        return true;
    }
    target->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(target); edit && r.selectsText)
        edit->selectAll();
    return true;
}

void EntryScreen::focusButtonPanel()
{
    for (QPushButton *button : {SaveBtn, DeleteBtn, CloseBtn}) {
        if (button && button->isEnabled()) {
            button->setFocus();
            return;
        }
    }
}

void EntryScreen::clearEntry()
{
    clearBoxes();
    holdSerial(QString());
}

} // namespace zedur
