#include "common/SearchBar.h"

#include "common/KeyFilters.h"
#include "common/ListCombo.h"
#include "common/TextNumber.h"

#include <QLineEdit>
#include <QPushButton>

namespace zedur {

QString likePattern(const QString &text)
{
    return u'%' + fDeleteBlank(text) + u'%';
}

SearchBar::SearchBar(QWidget *owner, const QVector<SearchItem> &items, const Names &names)
    : QObject(owner), m_items(items), m_parameter(names.parameter)
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
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        // Leaving the text (Enter or Tab) runs the search; the button does it itself.
        if (!m_button->hasFocus())
            emit searchRequested();
    });
}

QString SearchBar::condition(Params &params) const
{
    const int index = qMax(0, m_combo->currentIndex());
    const SearchItem &item = m_items.at(index);
    if (!item.usesText) {
        m_edit->clear();
        return item.condition;
    }
    params.append({m_parameter, likePattern(m_edit->text())});
    return item.condition;
}

void SearchBar::reset()
{
    m_combo->setCurrentIndex(0);
    m_edit->clear();
}

} // namespace zedur
