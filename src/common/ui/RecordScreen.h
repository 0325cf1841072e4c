#pragma once

#include "common/ui/ButtonBar.h"
#include "common/ui/DataGrid.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/Screen.h"
#include "common/ui/SearchBar.h"

#include <QHash>
#include <QVector>
#include <initializer_list>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace zedur {

class DerivedBox;
class NumberBox;

// A screen of rows: edit boxes above, the button bar, the search bar and the grid below,
// with the three screen modes (1 browsing, 2 a row selected, 3 a new row), the held serial
// beside the serial box, and pClear/pDisplay over the declared boxes. A concrete screen
// declares its boxes, grid columns and search entries, and writes its own queries and checks.
class RecordScreen : public Screen
{
    Q_OBJECT
public:
    RecordScreen(const ScreenSetup &setup, QWidget *parent = nullptr,
                 const QList<Button> &buttons = {Button::Insert, Button::Cancel, Button::Save, Button::Delete,
                                                 Button::Print, Button::Close});

    int mode() const { return m_mode; }
    const QString &heldSerial() const { return m_heldSerial; }

    QPushButton *InsertBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *SaveBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *PrintBtn = nullptr;
    QPushButton *CloseBtn = nullptr;
    DataGrid *DBGrid1 = nullptr;
    ListCombo *cbYear = nullptr;
    ListCombo *cbMonth = nullptr;
    ListCombo *cbSearch = nullptr;
    QLineEdit *edSearch = nullptr;
    QPushButton *SearchBtn = nullptr;

protected:
    // Declarations, in tab order. A box bound to a column is filled by pDisplay from the
    // grid's current row (text trimmed, numbers in the box's picture) and emptied by pClear.
    // A box declared without a label goes beside the control declared before it, in its cell
    // (a second box under one label). `afterKey` runs after every key the box receives.
    QLineEdit *addTextBox(const QString &name, const QString &label, const QString &column, int maxLength,
                          KeySet keys = KeySet::Any, std::function<void()> afterKey = {});
    QLineEdit *addReadOnlyBox(const QString &name, const QString &label, const QString &column);
    // Read-only boxes that answer a typed character with "잘못 입력하셨습니다" instead of
    // ignoring it, where a screen says so.
    void refuseTypedKeys(std::initializer_list<QLineEdit *> readOnlyBoxes);
    NumberBox *addNumberBox(const QString &name, const QString &label, const QString &column,
                            const QString &picture = QStringLiteral("#,##0.0000"), KeySet keys = KeySet::Number,
                            std::function<void()> afterKey = {});
    // A list among the boxes: pDisplay picks the row's value, pClear leaves it. Leaving it
    // without a valid pick warns and keeps the focus; with one, `afterValidPick` runs.
    ListCombo *addListBox(const QString &name, const QString &label, const QString &column, const QStringList &items,
                          std::function<void()> afterValidPick = {});
    NumberBox *addReadOnlyNumberBox(const QString &name, const QString &label, const QString &column,
                                    const QString &picture = QStringLiteral("#,##0.0000"));
    // Boxes declared after this go into a panel of their own with `columns` label/box pairs a
    // line, which the screen places where it wants it; the tab order still follows the
    // declarations.
    QGroupBox *startBoxPanel(const QString &name, const QString &title, int columns);
    // Any other control (a list, a display panel) in the form, in tab order, bound to nothing.
    void addControl(const QString &label, QWidget *control);
    // A widget after a placed control, in the same cell: a unit sign, a panel showing what the
    // box makes of its value. It joins the tab order after that control when it takes focus.
    void addBeside(QWidget *placed, QWidget *extra, int stretch = 0);
    // A button after the button bar's own, enabled whatever the mode.
    QPushButton *addBarButton(const QString &name, const QString &caption);
    // A box worked out from others that the user may also type (an amount from its quantity
    // and price). typedOnPurpose tells the core whether the value shown stands or is to be
    // worked out again at the save: see DerivedBox.
    void deriveFrom(QLineEdit *derived, const QList<QLineEdit *> &sources);
    bool typedOnPurpose(QLineEdit *derived) const;
    // The box showing the row's serial; pDisplay also holds it as the current serial.
    void setSerialBox(QLineEdit *box) { m_serialBox = box; }
    void setGridColumns(const QVector<GridColumn> &columns);
    void setSearchItems(const QVector<SearchItem> &items, const SearchBar::Names &names = {});
    // The year and month lists of the month shown, in the search row. Leaving either with a
    // valid pick runs the list again; without one warns and keeps the focus.
    // The labels follow their lists ("2005 년 04 월") unless they are captions that go first
    // ("구분년도 2005").
    void addPeriodLists(const QString &yearName = QStringLiteral("cbYear"),
                        const QString &monthName = QStringLiteral("cbMonth"),
                        const QString &yearLabel = QStringLiteral("년"),
                        const QString &monthLabel = QStringLiteral("월"), bool labelsFirst = false);
    // A list-only combo box placed in the search row after the search text (sort lists and
    // the like), with the usual exit check.
    ListCombo *addSearchRowList(const QString &name, const QString &label, const QStringList &items);
    // The month the period lists show.
    Period shownPeriod() const;
    // A further control of the search row (a list narrowing the rows, say), placed with its
    // label in front of the search list and in the tab order before it.
    void addSearchFilter(const QString &label, QWidget *control);
    // Leaving this box moves the focus to the save button.
    void setLastBox(QLineEdit *box);
    // Lays the declared parts out; call once at the end of the constructor.
    void finishLayout();
    // Leaving a box towards these runs no exit check (besides the grid, Cancel and Close).
    void exemptFromExitChecks(QWidget *control) { exits().addExempt(control); }

    void setMode(int mode) { m_mode = mode; }
    void pEnabledBtn();
    // The mode and the buttons it enables, together.
    void enterMode(int mode)
    {
        setMode(mode);
        pEnabledBtn();
    }
    // After a new row was saved: browsing again, boxes and search emptied, the whole list
    // with the new row current, the focus on Insert.
    void listNewRow(const QString &serialColumn, const QString &serial);
    void holdSerial(const QString &serial) { m_heldSerial = serial.trimmed(); }
    QLineEdit *serialBox() const { return m_serialBox; }
    SearchBar *searchBar() const { return m_searchBar; }
    QGridLayout *boxArea() const { return m_boxArea; }
    // The box bound to a column (nullptr when none) and the value a save writes from it:
    // the trimmed text, or for a number box the number it shows.
    QLineEdit *boxFor(const QString &column) const;
    QVariant boxValue(const QString &column) const;
    QVBoxLayout *mainLayout() const { return m_main; }

    // Empties the bound boxes only.
    void clearBoxes();
    // Boxes emptied, search back to its first entry.
    virtual void pClear();
    virtual void pDisplay();
    // Runs the list query with the current search settings.
    virtual void pQuery() = 0;
    // The search: the list again with the chosen entry and text, the boxes emptied.
    void runSearch();

    // The button bar's actions; Close closes the screen.
    virtual void insertClicked() {}
    virtual void cancelClicked() {}
    virtual void saveClicked() {}
    virtual void deleteClicked() {}
    virtual void printClicked() {}

    // A grid click or grid key: the row into the boxes, mode 2.
    virtual void rowPicked();

private:
    struct Box {
        QLineEdit *edit;
        QString column;
        KeySet keys = KeySet::Any;
    };
    struct ListBox {
        ListCombo *list;
        QString column;
    };
    struct BoxArea {
        QGridLayout *grid;
        int columns;
        int placed = 0; // boxes placed so far
    };
    void placeBox(const QString &label, QWidget *box);
    QLineEdit *declareBox(QLineEdit *edit, const QString &label, const QString &column, KeySet keys);
    // Save re-checks every box it stores from: a text typing could not have left there is
    // refused as a refused key is, and the box gets the focus.
    bool boxesAreTypable();

    struct SearchFilter {
        QString label;
        QWidget *control;
        bool afterSearch = false; // placed after the search text rather than before the search list
        bool labelAfter = false;  // "2005 년": the label follows the control
    };

    ButtonBar *m_buttonBar;
    SearchBar *m_searchBar = nullptr;
    QVector<Box> m_boxes;
    QVector<ListBox> m_listBoxes;
    QVector<DerivedBox *> m_derived;
    QVector<QWidget *> m_tabChain; // the form's controls in declaration order
    QHash<QWidget *, QHBoxLayout *> m_cells;
    QWidget *m_lastPlaced = nullptr;
    QVector<BoxArea> m_areas; // the form's own first; boxes go into the last
    QVector<SearchFilter> m_searchFilters;
    QLineEdit *m_serialBox = nullptr;
    QGridLayout *m_boxArea;
    QVBoxLayout *m_main;
    int m_mode = 1;
    QString m_heldSerial;
};

} // namespace zedur
