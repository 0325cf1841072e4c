#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QVector>

class QLabel;

namespace zedur {

class ListCombo;

// A list of the kinds an entry can be and the panel beside it that says which one is picked,
// each kind in its own text on its own colour. The panel shows the pick when the list is
// entered or picked in, and is emptied on the button face when the entry is.
class KindPanel : public QObject
{
public:
    struct Kind {
        QString text;
        QColor colour;
    };
    // `kinds` by the list's index.
    KindPanel(ListCombo *list, QLabel *panel, const QVector<Kind> &kinds);

    // The pick as the panel shows it; emptied when there is none.
    void showPick();
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ListCombo *m_list;
    QLabel *m_panel;
    QVector<Kind> m_kinds;
};

} // namespace zedur
