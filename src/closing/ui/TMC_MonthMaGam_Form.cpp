#include "closing/ui/TMC_MonthMaGam_Form.h"

#include "closing/CloseUndo.h"
#include "closing/MonthClose.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/BoxLook.h"
#include "common/ui/ListCombo.h"
#include "common/ui/StepProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zedur {

TMC_MonthMaGam_Form::TMC_MonthMaGam_Form(QWidget *parent)
    : MonthRunScreen(
          {.screen = {QStringLiteral("TMC_MonthMaGam_Form"),
                      QStringLiteral(
                          "원자재, 재공품, 제품등의 계정과목 재고정보들을 다음 월로 이월작을 진행하는 폼 입니다."),
                      PeriodRule::Report, QSize(560, 480)},
           .memoLines = {QStringLiteral("재고자산 계정과목 중"), QStringLiteral("원자재, 재공품, 제품등의"),
                         QStringLiteral("재고 내역 정보를"), QStringLiteral("다음 월로 마감및이월 작업을"),
                         QStringLiteral("진행하는 부분입니다.")},
           .statusName = QStringLiteral("Panel9"),
           .statusDesign = QString(),
           .periodLabel = QStringLiteral("마감및이월 작업 년월"),
           .yearSuffix = QStringLiteral("년도"),
           .runCaption = QStringLiteral("이월 및 마감 작업 실행"),
           .retitleOnKey = true},
          parent)
{
    Panel9 = statusPanel();
    Label2 = new QLabel(QStringLiteral("차기 이월 년도"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Panel_YearMonth = makePanel(QStringLiteral("Panel_YearMonth"), this);
    extraRow()->addWidget(Label2);
    extraRow()->addWidget(Panel_YearMonth);
    extraRow()->addStretch(1);
    UndoBtn = new QPushButton(QStringLiteral("마감 취소"), this);
    UndoBtn->setObjectName(QStringLiteral("UndoBtn"));
    UndoBtn->setEnabled(false);
    extraRow()->addWidget(UndoBtn);
    connect(UndoBtn, &QPushButton::clicked, this, &TMC_MonthMaGam_Form::UndoBtnClick);
    for (ListCombo *list : {cbYear, cbMonth})
        exits().onLeave(list, [this, list] {
            if (!list->checkPick())
                return false;
            showFollowingMonth();
            return true;
        });
}

TMC_MonthMaGam_Form::~TMC_MonthMaGam_Form() = default;

void TMC_MonthMaGam_Form::onFirstShow()
{
    MonthRunScreen::onFirstShow();
    showFollowingMonth();
    offerUndo();
}

void TMC_MonthMaGam_Form::offerUndo()
{
    bool undoable = false;
    perform(QStringLiteral("FormShow(Sender: TObject)"), [&] { undoable = undoableClose(db()).has_value(); });
    UndoBtn->setEnabled(undoable);
}

void TMC_MonthMaGam_Form::UndoBtnClick()
{
    std::optional<BackupInfo> close;
    std::unique_ptr<PreparedRestore> prepared;
    perform(QStringLiteral("UndoBtnClick(Sender: TObject)"), [&] {
        // The newest change of period, as it stands now.
        close = undoableClose(db());
        if (!close)
            return;
        StepProgress progress(this, windowTitle());
        try {
            prepared = std::make_unique<PreparedRestore>(databasePath(), close->file, false, progress.reporter());
        } catch (const RestoreRefused &refused) {
            msg::warning(refused.message());
        }
    });
    if (!close) {
        msg::warning(QStringLiteral("취소할 수 있는 마감이 없습니다.") + LB +
                     QStringLiteral("가장 최근의 마감만, 그 뒤에 초기화나 복원을 하지 않았을 때 취소할 수 있습니다......."));
        UndoBtn->setEnabled(false);
        return;
    }
    if (!prepared)
        return;
    if (!msg::ask(undoCloseHeading(*close) +
                      restoreConfirmationText(prepared->preview(), close->purpose.closedMonth +
                                                                       QStringLiteral(" 마감을 취소할까요?")),
                  MessageKind::Warning))
        return;
    m_restore = std::move(prepared);
    accept();
}

void TMC_MonthMaGam_Form::showFollowingMonth()
{
    const Period next = nextMonth(chosenMonth());
    Panel_YearMonth->setText(next.year + QStringLiteral("년도  ") + next.month + QStringLiteral("월"));
}

void TMC_MonthMaGam_Form::PrintBtnClick()
{
    const Period month = chosenMonth();
    QString backupWarning;
    const bool closed = runEngine(QStringLiteral("PrintBtnClick(Sender: TObject)"), [&](const Progress &progress) {
        const CloseOutcome outcome = runMonthClose(db(), month, {}, progress);
        backupWarning = outcome.backupWarning;
        return outcome;
    });
    if (!backupWarning.isEmpty())
        msg::warning(backupWarning);
    if (!closed)
        return;
    showOpenMonth();
    showFollowingMonth();
    offerUndo();
}

} // namespace zedur
