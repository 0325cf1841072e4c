#include "common/ui/RecordScreen.h"

#include "common/Messages.h"
#include "common/ui/BoxLook.h"
#include "common/ui/DerivedBox.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {
constexpr int boxColumns = 2; // label/box pairs per line in the form's own area
}

RecordScreen::RecordScreen(const ScreenSetup &setup, QWidget *parent, const QList<Button> &buttons)
    : Screen(setup, parent), m_buttonBar(new ButtonBar(this, buttons)), m_boxArea(new QGridLayout),
      m_main(new QVBoxLayout(this))
{
    InsertBtn = m_buttonBar->button(Button::Insert);
    CancelBtn = m_buttonBar->button(Button::Cancel);
    SaveBtn = m_buttonBar->button(Button::Save);
    DeleteBtn = m_buttonBar->button(Button::Delete);
    PrintBtn = m_buttonBar->button(Button::Print);
    CloseBtn = m_buttonBar->button(Button::Close);
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);
    m_areas.append({m_boxArea, boxColumns});

    connect(m_buttonBar, &ButtonBar::clicked, this, [this](Button b) {
        // A new row, a save or a delete on books that may only be read is refused before the
        // user types anything or anything starts; browsing, searching and exports go on.
        const auto mayChange = [this] {
            return mayChangeBooks(rowChangesWording);
        };
        switch (b) {
        case Button::Insert:
            if (mayChange())
                insertClicked();
            break;
        case Button::Cancel:
            cancelClicked();
            break;
        case Button::Save:
            if (mayChange() && boxesAreTypable())
                saveClicked();
            break;
        case Button::Delete:
            if (mayChange())
                deleteClicked();
            break;
        case Button::Print:
            printClicked();
            break;
        case Button::Close:
            close();
            break;
        }
    });
    connect(DBGrid1, &DataGrid::rowPicked, this, [this] { rowPicked(); });
    exits().setExempt({DBGrid1, CancelBtn, CloseBtn});
}

QLineEdit *RecordScreen::declareBox(QLineEdit *edit, const QString &label, const QString &column, KeySet keys)
{
    enterMovesOn(edit);
    m_boxes.append({edit, column, keys});
    if (label.isEmpty() && m_lastPlaced)
        addBeside(m_lastPlaced, edit, 1);
    else
        placeBox(label, edit);
    return edit;
}

QLineEdit *RecordScreen::addTextBox(const QString &name, const QString &label, const QString &column, int maxLength,
                                    KeySet keys, std::function<void()> afterKey)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    setKeySet(edit, keys, std::move(afterKey));
    return declareBox(edit, label, column, keys);
}

QLineEdit *RecordScreen::addReadOnlyBox(const QString &name, const QString &label, const QString &column)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    makeReadOnlyBox(edit);
    return declareBox(edit, label, column, KeySet::Any);
}

void RecordScreen::refuseTypedKeys(std::initializer_list<QLineEdit *> readOnlyBoxes)
{
    // The save's check still takes the boxes as read-only: what the screen shows in them stands.
    for (QLineEdit *box : readOnlyBoxes)
        setKeySet(box, KeySet::ListOnly);
}

NumberBox *RecordScreen::addNumberBox(const QString &name, const QString &label, const QString &column,
                                      const QString &picture, KeySet keys, std::function<void()> afterKey)
{
    auto *box = new NumberBox(name, picture, this);
    setKeySet(box, keys, std::move(afterKey));
    declareBox(box, label, column, keys);
    return box;
}

NumberBox *RecordScreen::addReadOnlyNumberBox(const QString &name, const QString &label, const QString &column,
                                              const QString &picture)
{
    auto *box = new NumberBox(name, picture, this);
    makeReadOnlyBox(box);
    declareBox(box, label, column, KeySet::Any);
    return box;
}

ListCombo *RecordScreen::addListBox(const QString &name, const QString &label, const QString &column,
                                    const QStringList &items, std::function<void()> afterValidPick)
{
    auto *list = new ListCombo(name, items, this);
    exits().onLeave(list, [list, afterValidPick] {
        if (!list->checkPick())
            return false;
        if (afterValidPick)
            afterValidPick();
        return true;
    });
    m_listBoxes.append({list, column});
    placeBox(label, list);
    return list;
}

void RecordScreen::addControl(const QString &label, QWidget *control)
{
    control->setParent(this);
    placeBox(label, control);
}

QGroupBox *RecordScreen::startBoxPanel(const QString &name, const QString &title, int columns)
{
    auto *group = new QGroupBox(title, this);
    group->setObjectName(name);
    auto *grid = new QGridLayout(group);
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c * 2 + 1, 1);
    m_areas.append({grid, columns});
    return group;
}

void RecordScreen::placeBox(const QString &label, QWidget *box)
{
    BoxArea &area = m_areas.last();
    const int index = area.placed++;
    const int row = index / area.columns;
    const int column = (index % area.columns) * 2;
    auto *caption = new QLabel(label, this);
    caption->setBuddy(box);
    auto *cell = new QHBoxLayout;
    cell->setContentsMargins(0, 0, 0, 0);
    cell->addWidget(box, 1);
    area.grid->addWidget(caption, row, column, Qt::AlignRight);
    area.grid->addLayout(cell, row, column + 1);
    m_cells.insert(box, cell);
    if (box->focusPolicy() != Qt::NoFocus)
        m_tabChain.append(box);
    m_lastPlaced = box;
}

void RecordScreen::addBeside(QWidget *placed, QWidget *extra, int stretch)
{
    QHBoxLayout *cell = m_cells.value(placed);
    Q_ASSERT(cell);
    extra->setParent(this);
    cell->addWidget(extra, stretch);
    if (extra->focusPolicy() != Qt::NoFocus) {
        // After the last control of the same cell in the tab order.
        qsizetype at = m_tabChain.size();
        for (qsizetype i = m_tabChain.size() - 1; i >= 0; --i) {
            if (m_cells.value(m_tabChain.at(i)) == cell) {
                at = i + 1;
                break;
            }
        }
        m_tabChain.insert(at, extra);
    }
    m_cells.insert(extra, cell);
}

QPushButton *RecordScreen::addBarButton(const QString &name, const QString &caption)
{
    return m_buttonBar->addButton(name, caption);
}

void RecordScreen::deriveFrom(QLineEdit *derived, const QList<QLineEdit *> &sources)
{
    m_derived.append(new DerivedBox(derived, sources, this));
}

bool RecordScreen::typedOnPurpose(QLineEdit *derived) const
{
    for (const DerivedBox *d : m_derived)
        if (d->box() == derived)
            return d->typedOnPurpose();
    return false;
}

void RecordScreen::setGridColumns(const QVector<GridColumn> &columns)
{
    DBGrid1->setColumns(columns);
}

void RecordScreen::setSearchItems(const QVector<SearchItem> &items, const SearchBar::Names &names)
{
    m_searchBar = new SearchBar(this, items, names);
    cbSearch = m_searchBar->combo();
    edSearch = m_searchBar->edit();
    SearchBtn = m_searchBar->button();
    exits().onLeave(cbSearch, [this] { return cbSearch->checkPick(); });
    connect(m_searchBar, &SearchBar::searchRequested, this, [this] { runSearch(); });
}

void RecordScreen::runSearch()
{
    const int entry = cbSearch->currentIndex();
    const QString text = edSearch->text();
    pClear();
    cbSearch->setCurrentIndex(entry);
    edSearch->setText(text);
    pQuery();
}

void RecordScreen::addSearchFilter(const QString &label, QWidget *control)
{
    m_searchFilters.append({label, control});
}

void RecordScreen::setLastBox(QLineEdit *box)
{
    exits().onLeave(box, [this] {
        SaveBtn->setFocus();
        return true;
    });
}

void RecordScreen::addPeriodLists(const QString &yearName, const QString &monthName, const QString &yearLabel,
                                  const QString &monthLabel, bool labelsFirst)
{
    cbYear = new ListCombo(yearName, {}, this);
    cbMonth = new ListCombo(monthName, {}, this);
    fillPeriodLists(cbYear, cbMonth);
    for (ListCombo *list : {cbYear, cbMonth}) {
        exits().onLeave(list, [this, list] {
            if (!list->checkPick())
                return false;
            pQuery();
            return true;
        });
    }
    m_searchFilters.prepend({monthLabel, cbMonth, false, !labelsFirst});
    m_searchFilters.prepend({yearLabel, cbYear, false, !labelsFirst});
}

ListCombo *RecordScreen::addSearchRowList(const QString &name, const QString &label, const QStringList &items)
{
    auto *list = new ListCombo(name, items, this);
    exits().onLeave(list, [list] { return list->checkPick(); });
    m_searchFilters.append({label, list, true});
    return list;
}

Period RecordScreen::shownPeriod() const
{
    if (!cbYear || !cbMonth)
        return {};
    return {cbYear->currentText().trimmed(), cbMonth->currentText().trimmed()};
}

void RecordScreen::finishLayout()
{
    m_boxArea->setColumnStretch(1, 1);
    m_boxArea->setColumnStretch(3, 1);
    m_main->addLayout(m_boxArea);
    m_main->addWidget(m_buttonBar);
    if (m_searchBar || !m_searchFilters.isEmpty()) {
        // The period lists and filters first, then the search bar, then the lists after it.
        auto *search = new QHBoxLayout;
        auto addFilter = [&](const SearchFilter &f) {
            if (!f.labelAfter)
                search->addWidget(new QLabel(f.label, this));
            search->addWidget(f.control);
            if (f.labelAfter)
                search->addWidget(new QLabel(f.label, this));
        };
        for (const SearchFilter &f : m_searchFilters)
            if (!f.afterSearch)
                addFilter(f);
        if (m_searchBar) {
            search->addWidget(new QLabel(m_searchBar->label(), this));
            search->addWidget(cbSearch);
            search->addWidget(edSearch, 1);
        }
        for (const SearchFilter &f : m_searchFilters)
            if (f.afterSearch)
                addFilter(f);
        if (m_searchBar)
            search->addWidget(SearchBtn);
        m_main->addLayout(search);
    }
    m_main->addWidget(DBGrid1, 1);
    // Tab order follows the declarations, then the search bar and the grid.
    QWidget *previous = nullptr;
    auto chain = [&previous, this](QWidget *w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (QWidget *control : m_tabChain)
        chain(control);
    for (const SearchFilter &f : m_searchFilters)
        if (!f.afterSearch)
            chain(f.control);
    if (m_searchBar) {
        chain(cbSearch);
        chain(edSearch);
    }
    for (const SearchFilter &f : m_searchFilters)
        if (f.afterSearch)
            chain(f.control);
    if (m_searchBar)
        chain(SearchBtn);
    chain(DBGrid1);
}

QLineEdit *RecordScreen::boxFor(const QString &column) const
{
    for (const Box &b : m_boxes)
        if (!column.isEmpty() && b.column.compare(column, Qt::CaseInsensitive) == 0)
            return b.edit;
    return nullptr;
}

QVariant RecordScreen::boxValue(const QString &column) const
{
    QLineEdit *box = boxFor(column);
    if (!box)
        return {};
    if (auto *number = qobject_cast<NumberBox *>(box))
        return number->value();
    return box->text().trimmed();
}

void RecordScreen::listNewRow(const QString &serialColumn, const QString &serial)
{
    enterMode(1);
    pClear();
    pQuery();
    DBGrid1->moveTo(serialColumn, serial);
    InsertBtn->setFocus();
}

bool RecordScreen::boxesAreTypable()
{
    for (const Box &b : m_boxes) {
        if (b.edit->isReadOnly() || typable(b.keys, b.edit->text(), qobject_cast<NumberBox *>(b.edit)))
            continue;
        msg::plain(refusedKeyText);
        b.edit->setFocus();
        b.edit->selectAll();
        return false;
    }
    return true;
}

void RecordScreen::pEnabledBtn()
{
    m_buttonBar->applyMode(m_mode);
}

void RecordScreen::clearBoxes()
{
    for (const Box &b : m_boxes)
        b.edit->clear();
    for (DerivedBox *d : m_derived)
        d->reset();
}

void RecordScreen::pClear()
{
    clearBoxes();
    if (m_searchBar)
        m_searchBar->reset();
}

void RecordScreen::pDisplay()
{
    const Rows &rs = DBGrid1->rows();
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return;
    for (const Box &b : m_boxes) {
        if (b.column.isEmpty())
            continue;
        if (auto *number = qobject_cast<NumberBox *>(b.edit))
            number->showValue(rs.number(row, b.column));
        else
            showWhole(b.edit, rs.text(row, b.column));
    }
    for (const ListBox &l : m_listBoxes)
        l.list->setCurrentIndex(l.list->findText(rs.text(row, l.column)));
    for (DerivedBox *d : m_derived)
        d->markStored();
    if (m_serialBox)
        holdSerial(m_serialBox->text());
}

void RecordScreen::rowPicked()
{
    pClear();
    pDisplay();
    enterMode(2);
}

} // namespace zedur
