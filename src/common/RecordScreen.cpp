#include "common/RecordScreen.h"

#include "common/ListCombo.h"
#include "common/NumberBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {
constexpr int boxColumns = 2; // label/box pairs per line
}

RecordScreen::RecordScreen(const ScreenSpec &spec, QWidget *parent, const QList<Button> &buttons)
    : Screen(spec, parent), m_buttonBar(new ButtonBar(this, buttons)), m_boxArea(new QGridLayout),
      m_main(new QVBoxLayout(this))
{
    InsertBtn = m_buttonBar->button(Button::Insert);
    CancelBtn = m_buttonBar->button(Button::Cancel);
    SaveBtn = m_buttonBar->button(Button::Save);
    DeleteBtn = m_buttonBar->button(Button::Delete);
    PrintBtn = m_buttonBar->button(Button::Print);
    CloseBtn = m_buttonBar->button(Button::Close);
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);

    connect(m_buttonBar, &ButtonBar::clicked, this, [this](Button b) {
        switch (b) {
        case Button::Insert:
            insertClicked();
            break;
        case Button::Cancel:
            cancelClicked();
            break;
        case Button::Save:
            saveClicked();
            break;
        case Button::Delete:
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

QLineEdit *RecordScreen::addTextBox(const QString &name, const QString &label, const QString &column, int maxLength,
                                    KeySet keys, std::function<void()> afterKey)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    setKeySet(edit, keys, std::move(afterKey));
    enterMovesOn(edit);
    m_boxes.append({edit, column});
    placeBox(label, edit);
    return edit;
}

QLineEdit *RecordScreen::addReadOnlyBox(const QString &name, const QString &label, const QString &column)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: #e4e4e4; }"));
    enterMovesOn(edit);
    m_boxes.append({edit, column});
    placeBox(label, edit);
    return edit;
}

NumberBox *RecordScreen::addNumberBox(const QString &name, const QString &label, const QString &column,
                                      const QString &picture, KeySet keys, std::function<void()> afterKey)
{
    auto *box = new NumberBox(name, picture, this);
    setKeySet(box, keys, std::move(afterKey));
    enterMovesOn(box);
    m_boxes.append({box, column});
    placeBox(label, box);
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

void RecordScreen::placeBox(const QString &label, QWidget *box)
{
    if (label.isEmpty() && !m_boxOrder.isEmpty()) {
        // Shares the label of the box before it, in the same cell.
        QWidget *previous = m_boxOrder.last();
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        m_boxArea->getItemPosition(m_boxArea->indexOf(previous), &row, &column, &rowSpan, &columnSpan);
        m_boxArea->removeWidget(previous);
        auto *cell = new QHBoxLayout;
        cell->addWidget(previous);
        cell->addWidget(box, 1);
        m_boxArea->addLayout(cell, row, column);
        m_boxOrder.append(box);
        ++m_besideBoxes;
        return;
    }
    m_boxOrder.append(box);
    const int index = int(m_boxOrder.size()) - 1 - m_besideBoxes;
    const int row = index / boxColumns;
    const int column = (index % boxColumns) * 2;
    auto *caption = new QLabel(label, this);
    caption->setBuddy(box);
    m_boxArea->addWidget(caption, row, column, Qt::AlignRight);
    m_boxArea->addWidget(box, row, column + 1);
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
    connect(m_searchBar, &SearchBar::searchRequested, this, [this] {
        const int entry = cbSearch->currentIndex();
        const QString text = edSearch->text();
        pClear();
        cbSearch->setCurrentIndex(entry);
        edSearch->setText(text);
        pQuery();
    });
}

void RecordScreen::addPeriodLists(const QString &yearName, const QString &monthName, const QString &yearLabel,
                                  const QString &monthLabel)
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
    m_searchRowExtras.prepend({monthLabel, cbMonth});
    m_searchRowExtras.prepend({yearLabel, cbYear});
}

ListCombo *RecordScreen::addSearchRowList(const QString &name, const QString &label, const QStringList &items)
{
    auto *list = new ListCombo(name, items, this);
    exits().onLeave(list, [list] { return list->checkPick(); });
    m_searchRowExtras.append({label, list});
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
    if (m_searchBar || !m_searchRowExtras.isEmpty()) {
        auto *search = new QHBoxLayout;
        int extra = 0;
        // The period lists come first, then the search bar, then the other lists.
        for (; extra < m_searchRowExtras.size() && (m_searchRowExtras.at(extra).second == cbYear ||
                                                    m_searchRowExtras.at(extra).second == cbMonth);
             ++extra) {
            search->addWidget(m_searchRowExtras.at(extra).second);
            search->addWidget(new QLabel(m_searchRowExtras.at(extra).first, this));
        }
        if (m_searchBar) {
            search->addWidget(new QLabel(QStringLiteral("검색"), this));
            search->addWidget(cbSearch);
            search->addWidget(edSearch, 1);
        }
        for (; extra < m_searchRowExtras.size(); ++extra) {
            search->addWidget(new QLabel(m_searchRowExtras.at(extra).first, this));
            search->addWidget(m_searchRowExtras.at(extra).second);
        }
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
    for (QWidget *box : m_boxOrder)
        chain(box);
    if (cbYear) {
        chain(cbYear);
        chain(cbMonth);
    }
    if (m_searchBar) {
        chain(cbSearch);
        chain(edSearch);
    }
    for (const auto &[label, control] : m_searchRowExtras)
        if (control != cbYear && control != cbMonth)
            chain(control);
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

void RecordScreen::pEnabledBtn()
{
    m_buttonBar->applyMode(m_mode);
}

void RecordScreen::pClear()
{
    for (const Box &b : m_boxes)
        b.edit->clear();
    if (m_searchBar)
        m_searchBar->reset();
}

void RecordScreen::pDisplay()
{
    const ResultSet &rs = DBGrid1->result();
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
    if (m_serialBox)
        holdSerial(m_serialBox->text());
}

void RecordScreen::rowPicked()
{
    pClear();
    pDisplay();
    setMode(2);
    pEnabledBtn();
}

} // namespace zedur
