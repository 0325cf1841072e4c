#pragma once

#include "common/SearchItem.h"
#include "store/Db.h"

#include <QObject>
#include <QVector>
#include <functional>

class QLineEdit;
class QPushButton;

namespace zedur {

class ListCombo;

// The search list, the search text and the search button of a screen.
class SearchBar : public QObject
{
    Q_OBJECT
public:
    struct Names {
        QString combo = QStringLiteral("cbSearch");
        QString edit = QStringLiteral("edSearch");
        QString button = QStringLiteral("SearchBtn");
        QString buttonText = QStringLiteral("&F 검색");
        QString label = QStringLiteral("검색"); // in front of the search list
        int maxLength = 100;
    };
    SearchBar(QWidget *owner, const QVector<SearchItem> &items, const Names &names);
    SearchBar(QWidget *owner, const QVector<SearchItem> &items) : SearchBar(owner, items, Names()) {}

    ListCombo *combo() const { return m_combo; }
    QLineEdit *edit() const { return m_edit; }
    QPushButton *button() const { return m_button; }
    const QString &label() const { return m_label; }

    // The condition of the chosen entry; adds its parameter when it takes one. Entries that
    // ignore the text empty the search box.
    QString condition(Params &params) const;
    // Back to the first entry with an empty text.
    void reset();

signals:
    // The search button was pressed or the search text was left.
    void searchRequested();

private:
    QVector<SearchItem> m_items;
    QString m_label;
    ListCombo *m_combo;
    QLineEdit *m_edit;
    QPushButton *m_button;
};

// Runs `search` whenever the search text is left for good (not when its window merely loses
// activation), except for a click on the search button, which searches by itself.
void searchWhenLeft(QLineEdit *edit, QPushButton *button, std::function<void()> search);

} // namespace zedur
