#include "reports/ui/ReportScreen.h"

#include "common/Messages.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "reports/ReportMonth.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zedur {

ReportScreen::ReportScreen(const ScreenSetup &setup, const Look &look, QWidget *parent) : Screen(setup, parent)
{
    m_panel = new QLabel(look.panelText, this);
    m_panel->setObjectName(look.panelName);
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Sunken);
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setMinimumHeight(26);

    cbYear = new ListCombo(QStringLiteral("cbYear"), {}, this);
    cbMonth = new ListCombo(QStringLiteral("cbMonth"), {}, this);
    setUpMonthLists(cbYear, cbMonth);

    SearchBtn = new QPushButton(look.searchCaption, this);
    SearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    PrintBtn = new QPushButton(QStringLiteral("&P 엑셀"), this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    CloseBtn = new QPushButton(QStringLiteral("&X 종료"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    exits().setExempt({CloseBtn});

    connect(SearchBtn, &QPushButton::clicked, this, [this] { runReport(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void ReportScreen::setUpMonthLists(ListCombo *year, ListCombo *month)
{
    // A key in a list sets the caption again, as the screens always did.
    const auto retitle = [this] {
        setWindowTitle(this->setup().caption);
    };
    fillPeriodLists(year, month);
    for (ListCombo *list : {year, month}) {
        setKeySet(list, KeySet::ListOnly, retitle);
        exits().onLeave(list, [list] { return list->checkPick(); });
    }
}

Period ReportScreen::chosenMonth() const
{
    return {cbYear->pickOrFirst(), cbMonth->pickOrFirst()};
}

QHBoxLayout *ReportScreen::monthBar()
{
    auto *bar = new QHBoxLayout;
    bar->addWidget(cbYear);
    bar->addWidget(new QLabel(QStringLiteral("년"), this));
    bar->addSpacing(8);
    bar->addWidget(cbMonth);
    bar->addWidget(new QLabel(QStringLiteral("월"), this));
    bar->addSpacing(8);
    bar->addWidget(SearchBtn);
    return bar;
}

QHBoxLayout *ReportScreen::footButtons()
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PrintBtn);
    buttons->addWidget(CloseBtn);
    return buttons;
}

void ReportScreen::onFirstShow()
{
    if (!applyPeriodRuleOnShow(cbYear, cbMonth))
        return;
    perform(QStringLiteral("FormShow(Sender: TObject)"), [&] {
        if (const auto open = period::theOpenPeriod(db())) {
            m_panel->setText(reports::memoText(open->memo));
            afterShow(open->period);
        }
    });
}

bool ReportScreen::runReport()
{
    bool shown = false;
    perform(QStringLiteral("SearchBtnClick(Sender: TObject)"), [&] {
        clearLists();
        const Period month = chosenMonth();
        const reports::MonthCheck check = reports::checkReportMonth(db(), month);
        if (!check.ok()) {
            m_panel->setText(reports::noDataText);
            msg::warning(check.refusal);
            return;
        }
        m_panel->setText(reports::memoText(check.month->memo));
        showMonth(month);
        shown = true;
    });
    return shown;
}

} // namespace zedur
