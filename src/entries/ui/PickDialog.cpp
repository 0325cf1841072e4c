#include "entries/ui/PickDialog.h"

#include "common/Messages.h"
#include "common/TextNumber.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/NumberBox.h"
#include "common/ui/SearchBar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

PickDialog::PickDialog(const ScreenSetup &setup, QWidget *parent)
    : Screen(setup, parent), m_searchRow(new QHBoxLayout), m_buttonRow(new QHBoxLayout)
{
    setModal(false);
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);
    CloseBtn = new QPushButton(QStringLiteral("&X종료"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setAutoDefault(false);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(DBGrid1, &DataGrid::rowPicked, this, &PickDialog::rowPicked);
}

QString PickDialog::pickedText(const QString &field) const
{
    return DBGrid1->currentText(field);
}

double PickDialog::pickedNumber(const QString &field) const
{
    return DBGrid1->rows().number(DBGrid1->currentRowIndex(), field);
}

void PickDialog::showInFront()
{
    show();
    raise();
    activateWindow();
}

void PickDialog::searchFor(const QString &text)
{
    edSearch->setText(text);
    runSearch();
    showInFront();
}

void PickDialog::addTextSearch(const QString &label, const QString &buttonText)
{
    edSearch = new QLineEdit(this);
    edSearch->setObjectName(QStringLiteral("edSearch"));
    edSearch->setMaxLength(100);
    enterMovesOn(edSearch);
    SearchBtn = new QPushButton(buttonText, this);
    SearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    SearchBtn->setAutoDefault(false);
    connect(SearchBtn, &QPushButton::clicked, this, &PickDialog::runSearch);
    searchWhenLeft(edSearch, SearchBtn, [this] { runSearch(); });
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edSearch);
    m_searchRow->addWidget(caption);
    m_searchRow->addWidget(edSearch, 1);
    m_searchRow->addWidget(SearchBtn);
}

QLineEdit *PickDialog::addShownBox(const QString &name, const QString &label, const QString &field,
                                   const QString &picture)
{
    QLineEdit *box = picture.isEmpty() ? new QLineEdit(this) : new NumberBox(name, picture, this);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setStyleSheet(QStringLiteral("QLineEdit { background: #e4e4e4; }"));
    enterMovesOn(box);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(box);
    m_shown.append({caption, box, field, picture});
    return box;
}

void PickDialog::addIdleButton(const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setEnabled(false);
    m_buttonRow->addWidget(button);
}

void PickDialog::finishLayout(int boxesPerLine)
{
    auto *boxArea = new QGridLayout;
    for (int i = 0; i < m_shown.size(); ++i) {
        const int row = i / boxesPerLine;
        const int column = (i % boxesPerLine) * 2;
        boxArea->addWidget(m_shown.at(i).caption, row, column, Qt::AlignRight);
        boxArea->addWidget(m_shown.at(i).box, row, column + 1);
        boxArea->setColumnStretch(column + 1, 1);
    }
    m_buttonRow->insertStretch(0, 1);
    m_buttonRow->addWidget(CloseBtn);

    auto *main = new QVBoxLayout(this);
    main->addLayout(m_searchRow);
    main->addLayout(boxArea);
    main->addWidget(DBGrid1, 1);
    main->addLayout(m_buttonRow);
}

void PickDialog::runSearch()
{
    clearShownBoxes();
    pQuery();
}

void PickDialog::clearShownBoxes()
{
    for (const ShownBox &s : m_shown)
        s.box->clear();
}

void PickDialog::rowPicked()
{
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return;
    const Rows &rs = DBGrid1->rows();
    for (const ShownBox &s : m_shown) {
        if (s.picture.isEmpty())
            s.box->setText(rs.text(row, s.field));
        else
            s.box->setText(formatFloat(s.picture, rs.number(row, s.field)));
    }
    emit picked();
}

void PickDialog::reject()
{
    if (!m_choiceWarning.isEmpty()) {
        for (QLineEdit *box : m_choiceBoxes) {
            if (fDeleteBlank(box->text()).isEmpty()) {
                msg::warning(m_choiceWarning);
                if (edSearch) {
                    edSearch->setFocus();
                    edSearch->selectAll();
                }
                return;
            }
        }
    }
    QDialog::reject();
}

} // namespace zedur
