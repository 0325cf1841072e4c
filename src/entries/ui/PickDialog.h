#pragma once

#include "common/ui/DataGrid.h"
#include "common/ui/Screen.h"

#include <QVector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zedur {

// A window beside an entry screen, not modal, in which the user looks up a row (a raw
// material, an account, a WIP lot) and picks it for the screen: a search row, read-only
// boxes showing the row picked, the grid, and the buttons at the bottom. Picking a row
// (click or key in the grid) fills the boxes and signals `picked`; the screen then reads
// the row with pickedText/pickedNumber. It has its own connection, as every screen does.
class PickDialog : public Screen
{
    Q_OBJECT
public:
    PickDialog(const ScreenSetup &setup, QWidget *parent);

    DataGrid *DBGrid1 = nullptr;
    QPushButton *CloseBtn = nullptr;
    // The text search of the dialogs that have one (see addTextSearch).
    QLineEdit *edSearch = nullptr;
    QPushButton *SearchBtn = nullptr;

    // A field of the row picked last (the grid's current row).
    QString pickedText(const QString &field) const;
    double pickedNumber(const QString &field) const;

    // Shows the dialog in front of its screen (again, when it was open already).
    void showInFront();
    // The dialogs with a text search: shown in front with the list for this text and
    // nothing chosen yet.
    void searchFor(const QString &text);

signals:
    void picked();

protected:
    // A search text with its label and button; the button and leaving the text empty the
    // boxes and run the list again.
    void addTextSearch(const QString &label, const QString &buttonText = QStringLiteral("&R 검색"));
    // The row the search controls go into (for dialogs with search and sort lists).
    QHBoxLayout *searchRow() const { return m_searchRow; }
    // A read-only box showing a field of the row picked; numbers in their picture.
    QLineEdit *addShownBox(const QString &name, const QString &label, const QString &field,
                           const QString &picture = {});
    // A button that is shown but never enabled, as the dialogs have always had.
    void addIdleButton(const QString &name, const QString &text);
    // Lays the parts out with this many label/box pairs per line; call at the end of the
    // constructor.
    void finishLayout(int boxesPerLine);
    // Closing (button, window or Escape) is refused with this warning while any of these
    // boxes is empty; the search text is selected for a new search.
    void requireChoice(const QString &warning, const QList<QLineEdit *> &boxes)
    {
        m_choiceWarning = warning;
        m_choiceBoxes = boxes;
    }

    // Runs the list with the search as it stands.
    virtual void pQuery() = 0;
    // The search of the text search and of the dialogs' own search buttons.
    void runSearch();

    void reject() override;

private:
    struct ShownBox {
        QLabel *caption;
        QLineEdit *box;
        QString field;
        QString picture;
    };
    void rowPicked();
    void clearShownBoxes();

    QHBoxLayout *m_searchRow;
    QHBoxLayout *m_buttonRow;
    QVector<ShownBox> m_shown;
    QString m_choiceWarning;
    QList<QLineEdit *> m_choiceBoxes;
};

} // namespace zedur
