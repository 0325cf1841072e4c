#include "entries/ui/EntryScreen.h"

#include "common/ui/ListCombo.h"
#include "entries/DayDate.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace zedur {

QLineEdit *EntryScreen::addDayBoxes(const QString &label, const QString &dateName, const QString &dateColumn,
                                    std::function<void()> afterKey)
{
    edDay = addTextBox(QStringLiteral("edDay"), label, {}, 2, KeySet::Digits, std::move(afterKey));
    edDay->setMaximumWidth(edDay->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    m_dateBox = addReadOnlyBox(dateName, {}, dateColumn);
    exits().onLeave(edDay, [this] { return dayLeft(); });
    return m_dateBox;
}

bool EntryScreen::dayLeft()
{
    const Checked<DayDate> day = checkDay(shownPeriod(), edDay->text(), edDay->objectName());
    if (!day.value.day.isEmpty())
        edDay->setText(day.value.day);
    if (!day.ok()) {
        showRefusal(*day.refusal);
        return false;
    }
    m_dateBox->setText(day.value.date);
    return true;
}

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

void EntryScreen::showRefusal(const Refusal &refusal)
{
    if (!refusal.text.isEmpty()) { // without a text the focus alone tells the user
        switch (refusal.kind) {
        case MessageKind::Error:
            msg::error(refusal.text);
            break;
        case MessageKind::Information:
            msg::information(refusal.text);
            break;
        case MessageKind::Plain:
            msg::plain(refusal.text);
            break;
        case MessageKind::Warning:
        case MessageKind::Question:
            msg::warning(refusal.text);
            break;
        }
    }
    if (refusal.clearsBoxes)
        clearEntry();
    auto *control = refusal.focus.isEmpty() ? nullptr : findChild<QWidget *>(refusal.focus);
    if (!control) {
        focusButtonPanel();
        return;
    }
    auto *edit = qobject_cast<QLineEdit *>(control);
    if (edit && refusal.focusText)
        edit->setText(*refusal.focusText);
    control->setFocus();
    if (edit && refusal.selectsText)
        edit->selectAll();
}

bool EntryScreen::refused(const Verdict &verdict)
{
    if (!verdict)
        return false;
    showRefusal(*verdict);
    return true;
}

bool EntryScreen::carriedOut(const QString &handler, const std::function<Verdict()> &step)
{
    Verdict verdict;
    if (!perform(handler, [&] { verdict = step(); }))
        return false;
    return !refused(verdict);
}

void EntryScreen::focusButtonPanel()
{
    for (QPushButton *button : {SaveBtn, InsertBtn, CancelBtn, DeleteBtn, PrintBtn, CloseBtn}) {
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

void EntryScreen::refreshOnReturn(const QList<QWidget *> &working, std::function<void()> refresh)
{
    m_working = working;
    m_refreshOnReturn = std::move(refresh);
}

bool EntryScreen::event(QEvent *event)
{
    if (m_refreshOnReturn && event->type() == QEvent::WindowDeactivate) {
        // The window taking over is already the active one when this one is told.
        QWidget *now = QApplication::activeWindow();
        bool own = qobject_cast<QMessageBox *>(now) != nullptr;
        for (QWidget *w = now; w && !own; w = w->parentWidget())
            own = w == this;
        m_awayFromScreen = !own;
    } else if (m_refreshOnReturn && event->type() == QEvent::WindowActivate && m_awayFromScreen) {
        m_awayFromScreen = false;
        if (!m_working.contains(focusWidget()))
            m_refreshOnReturn();
    }
    return RecordScreen::event(event);
}

void EntryScreen::pClear()
{
    RecordScreen::pClear();
    holdSerial(QString());
}

void EntryScreen::pDisplay()
{
    RecordScreen::pDisplay();
    if (edDay && m_dateBox)
        edDay->setText(m_dateBox->text().mid(8, 2));
}

} // namespace zedur
