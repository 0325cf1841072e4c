#include "common/ui/SearchBar.h"

#include "common/TextNumber.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zedur {

namespace {
class LeaveSearchFilter : public QObject
{
public:
    LeaveSearchFilter(QLineEdit *edit, QPushButton *button, std::function<void()> search)
        : QObject(edit), m_button(button), m_search(std::move(search))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool leftForGood = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        const bool buttonClicked = reason == Qt::MouseFocusReason && QApplication::focusWidget() == m_button;
        if (leftForGood && !buttonClicked)
            m_search();
        return false;
    }

private:
    QPushButton *m_button;
    std::function<void()> m_search;
};
} // namespace

void searchWhenLeft(QLineEdit *edit, QPushButton *button, std::function<void()> search)
{
    edit->installEventFilter(new LeaveSearchFilter(edit, button, std::move(search)));
}

SearchBar::SearchBar(QWidget *owner, const QVector<SearchItem> &items, const Names &names)
    : QObject(owner), m_items(items), m_label(names.label)
{
    QStringList labels;
    for (const SearchItem &item : items)
        labels << item.label;
    m_combo = new ListCombo(names.combo, labels, owner);
    m_edit = new QLineEdit(owner);
    m_edit->setObjectName(names.edit);
    m_edit->setMaxLength(names.maxLength);
    enterMovesOn(m_edit);
    m_button = new QPushButton(names.buttonText, owner);
    m_button->setObjectName(names.button);
    connect(m_button, &QPushButton::clicked, this, &SearchBar::searchRequested);
    searchWhenLeft(m_edit, m_button, [this] { emit searchRequested(); });
}

QString SearchBar::condition(Params &params) const
{
    const int index = qMax(0, m_combo->currentIndex());
    const SearchItem &item = m_items.at(index);
    if (!item.usesText()) {
        m_edit->clear();
        return item.condition;
    }
    params.append({QStringLiteral(":tbName"), likePattern(m_edit->text())});
    return item.condition;
}

void SearchBar::reset()
{
    m_combo->setCurrentIndex(0);
    m_edit->clear();
}

} // namespace zedur
