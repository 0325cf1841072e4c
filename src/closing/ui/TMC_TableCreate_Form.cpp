#include "closing/ui/TMC_TableCreate_Form.h"

#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "store/Backup.h"
#include "store/Books.h"

#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {
const QString explanation = QStringLiteral(
    "  기본 테이블들의 초기화 작업은\n\n"
    "  원자재 코드, 제품 코드, 완제품 BOM Tree와\n"
    "  월별로 등록된 모든 자료(원자재 입고, 공정 투입, 타계정 대체,\n"
    "  완성율, 제품 입고와 출고, 수익비용 금액, 월별 마감 정보)를 지우고,\n"
    "  아래에서 선택한 년월을 첫 달(미마감)로 하여 새로 시작합니다.\n\n"
    "  수익비용 계정과목 코드는 지워지지 않습니다.\n\n"
    "  실행하기 전의 데이타베이스 전체는 Access_Db/backup 폴더에\n"
    "  실행한 날짜와 시간이 붙은 백업 화일로 먼저 저장되며,\n"
    "  \"백업 및 복원\" 화면에서 되살릴 수 있습니다.");
}

TMC_TableCreate_Form::TMC_TableCreate_Form(QWidget *parent)
    : Screen({QStringLiteral("TMC_TableCreate_Form"), QStringLiteral("기본 테이블들을 초기화 하는 폼 입니다."),
              PeriodRule::None, QSize(640, 520)},
             parent)
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(explanation);

    auto retitle = [this] { setWindowTitle(QStringLiteral("...................")); };
    cbYear = new ListCombo(QStringLiteral("cbYear"), {}, this);
    cbMonth = new ListCombo(QStringLiteral("cbMonth"), {}, this);
    setKeySet(cbYear, KeySet::ListOnly, retitle);
    setKeySet(cbMonth, KeySet::ListOnly, retitle);
    exits().onLeave(cbYear, [this] { return cbYear->checkPick(); });
    exits().onLeave(cbMonth, [this] { return cbMonth->checkPick(); });

    BitBtn1 = new QPushButton(QStringLiteral("기본 테이블들의 초기화 작업 실행"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setMinimumHeight(60);
    PrintBtn = new QPushButton(QStringLiteral("&P 엑셀"), this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setEnabled(false);
    CloseBtn = new QPushButton(QStringLiteral("&X 종료"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    exits().setExempt({CloseBtn});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    auto *choice = new QGridLayout;
    choice->addWidget(new QLabel(QStringLiteral("등록 가능한 초기 년월 선택"), this), 0, 0, 1, 4);
    choice->addWidget(cbYear, 1, 0);
    choice->addWidget(new QLabel(QStringLiteral("년"), this), 1, 1);
    choice->addWidget(cbMonth, 1, 2);
    choice->addWidget(new QLabel(QStringLiteral("월"), this), 1, 3);
    choice->setColumnStretch(4, 1);
    layout->addLayout(choice);
    layout->addWidget(BitBtn1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PrintBtn);
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TMC_TableCreate_Form::BitBtn1Click);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void TMC_TableCreate_Form::onFirstShow()
{
    fillPeriodLists(cbYear, cbMonth);
    const QDate today = QDate::currentDate();
    cbYear->setCurrentIndex(cbYear->findText(QString::number(today.year())));
    cbMonth->setCurrentIndex(today.month() - 1);
}

void TMC_TableCreate_Form::BitBtn1Click()
{
    if (!cbYear->checkPick() || !cbMonth->checkPick())
        return;
    const Period start{cbYear->currentText(), cbMonth->currentText()};
    if (!mayChangeBooks(initialisationWording))
        return;
    perform(QStringLiteral("BitBtn1Click(Sender: TObject)"), [&] {
        // One wrong click must lose nothing: the whole database is copied first.
        const BackupWritten backup = writeBackup(db(), {BackupReason::Initialisation, {}});
        m_lastBackup = backup.file;
        initialiseBooks(db(), start, AuditValues::now());
        if (!backup.folderWarning.isEmpty())
            msg::warning(backup.folderWarning);
    });
}

} // namespace zedur
