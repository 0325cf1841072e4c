#include "closing/ui/MonthRunScreen.h"

#include "common/Messages.h"
#include "common/ui/BoxLook.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "common/ui/StepProgress.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zedur {

MonthRunScreen::MonthRunScreen(const MonthRunSetup &setup, QWidget *parent) : Screen(setup.screen, parent)
{
    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(setup.memoLines.join(QStringLiteral("\n\n")));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);

    m_status = makePanel(setup.statusName, this);
    m_status->setText(setup.statusDesign);
    m_status->setMinimumHeight(28);

    Label1 = new QLabel(setup.periodLabel, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cbYear = new ListCombo(QStringLiteral("cbYear"), {}, this);
    cbMonth = new ListCombo(QStringLiteral("cbMonth"), {}, this);
    std::function<void()> retitle;
    if (setup.retitleOnKey)
        retitle = [this] {
            setWindowTitle(QStringLiteral("..................."));
        };
    setKeySet(cbYear, KeySet::ListOnly, retitle);
    setKeySet(cbMonth, KeySet::ListOnly, retitle);

    PrintBtn = new QPushButton(setup.runCaption, this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setMinimumHeight(48);
    CloseBtn = new QPushButton(QStringLiteral("&X 종료"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    exits().setExempt({CloseBtn});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addWidget(m_status);
    auto *period = new QGridLayout;
    period->addWidget(Label1, 0, 0);
    period->addWidget(cbYear, 0, 1);
    period->addWidget(new QLabel(setup.yearSuffix, this), 0, 2);
    period->addWidget(cbMonth, 0, 3);
    period->addWidget(new QLabel(QStringLiteral("월"), this), 0, 4);
    period->setColumnStretch(5, 1);
    layout->addLayout(period);
    m_extraRow = new QHBoxLayout;
    layout->addLayout(m_extraRow);
    layout->addWidget(PrintBtn);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);

    connect(PrintBtn, &QPushButton::clicked, this, [this] {
        if (cbYear->checkPick() && cbMonth->checkPick())
            PrintBtnClick();
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

Period MonthRunScreen::chosenMonth() const
{
    return {cbYear->currentText(), cbMonth->currentText()};
}

void MonthRunScreen::onFirstShow()
{
    if (applyPeriodRuleOnShow(cbYear, cbMonth))
        showOpenMonth();
}

void MonthRunScreen::showOpenMonth()
{
    perform(QStringLiteral("FormShow(Sender: TObject)"), [this] {
        const QVector<PeriodRow> open = period::openRows(db());
        if (open.isEmpty())
            return;
        m_status->setText(statusLine(open.first().memo));
        if (open.size() != 1)
            return;
        cbYear->setCurrentIndex(cbYear->findText(open.first().period.year));
        cbMonth->setCurrentIndex(cbMonth->findText(open.first().period.month));
    });
}

bool MonthRunScreen::runEngine(const QString &handler, const std::function<RunOutcome(const Progress &)> &engine)
{
    RunOutcome outcome;
    const bool ran = perform(handler, [&] {
        StepProgress progress(this, windowTitle());
        outcome = engine(progress.reporter());
    });
    if (!ran)
        return false;
    m_status->setText(outcome.status);
    if (outcome.refusal)
        msg::warning(outcome.refusal->text);
    return outcome.done();
}

} // namespace zedur
