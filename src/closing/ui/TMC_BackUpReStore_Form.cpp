#include "closing/ui/TMC_BackUpReStore_Form.h"

#include "closing/ui/BooksFileCheck.h"
#include "common/ErrorLog.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/BoxLook.h"
#include "common/ui/StepProgress.h"
#include "store/IntegrityCheckRecord.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zedur {

namespace {

const QStringList columnTitles{QStringLiteral("백업 일시"), QStringLiteral("백업한 까닭"),
                               QStringLiteral("백업 안의 열린 월"), QStringLiteral("그 월의 상태"),
                               QStringLiteral("크기"), QStringLiteral("백업 화일")};

QTableWidgetItem *cell(const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    return item;
}

} // namespace

TMC_BackUpReStore_Form::TMC_BackUpReStore_Form(QWidget *parent)
    : Screen({QStringLiteral("TMC_BackUpReStore_Form"), QStringLiteral("장부의 백업을 보고 복원하는 폼 입니다."),
              PeriodRule::None, QSize(980, 560)},
             parent)
{
    Label1 = new QLabel(QStringLiteral("초기화, 마감, 복원을 하기 전마다 장부 전체를 백업합니다. 복원할 백업을 고르고 "
                                       "\"복원\"을 누르면, 무엇을 잃는지 보여 준 뒤에 되돌립니다."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    DBGrid1 = new QTableWidget(0, int(columnTitles.size()), this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setHorizontalHeaderLabels(columnTitles);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Panel_Folder = makePanel(QStringLiteral("Panel_Folder"), this);
    Panel_Folder->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel_Folder->setWordWrap(true);

    ReStoreBtn = new QPushButton(QStringLiteral("복원"), this);
    ReStoreBtn->setObjectName(QStringLiteral("ReStoreBtn"));
    ReStoreBtn->setMinimumHeight(40);
    CheckBtn = new QPushButton(QStringLiteral("장부 검사"), this);
    CheckBtn->setObjectName(QStringLiteral("CheckBtn"));
    CheckBtn->setMinimumHeight(40);
    CheckBtn->setToolTip(QStringLiteral("장부 파일 전체를 읽어 손상된 곳이 없는지 검사합니다."));
    CloseBtn = new QPushButton(QStringLiteral("&X 종료"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    exits().setExempt({CloseBtn});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(Panel_Folder);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ReStoreBtn);
    buttons->addWidget(CheckBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);

    connect(ReStoreBtn, &QPushButton::clicked, this, &TMC_BackUpReStore_Form::ReStoreBtnClick);
    connect(DBGrid1, &QTableWidget::cellDoubleClicked, this, &TMC_BackUpReStore_Form::ReStoreBtnClick);
    connect(CheckBtn, &QPushButton::clicked, this, &TMC_BackUpReStore_Form::CheckBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

TMC_BackUpReStore_Form::~TMC_BackUpReStore_Form() = default;

void TMC_BackUpReStore_Form::onFirstShow()
{
    pQuery();
}

void TMC_BackUpReStore_Form::pQuery()
{
    m_backups = listBackups(databasePath());
    DBGrid1->setRowCount(int(m_backups.size()));
    qint64 total = 0;
    for (int row = 0; row < m_backups.size(); ++row) {
        const BackupInfo &b = m_backups.at(row);
        total += b.size;
        DBGrid1->setItem(row, 0, cell(b.moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
        DBGrid1->setItem(row, 1, cell(b.why()));
        DBGrid1->setItem(row, 2, cell(b.openMonth, Qt::AlignCenter));
        DBGrid1->setItem(row, 3, cell(b.openState, Qt::AlignCenter));
        DBGrid1->setItem(row, 4, cell(backupSizeText(b.size), Qt::AlignRight | Qt::AlignVCenter));
        DBGrid1->setItem(row, 5, cell(QFileInfo(b.file).fileName()));
    }
    DBGrid1->resizeColumnsToContents();
    if (!m_backups.isEmpty())
        DBGrid1->selectRow(0);
    ReStoreBtn->setEnabled(!m_backups.isEmpty());
    const bool inAFile = QFileInfo(databasePath()).isFile();
    CheckBtn->setEnabled(inAFile);
    if (!inAFile)
        CheckBtn->setToolTip(QStringLiteral("서버의 장부는 서버가 지킵니다: 장부 파일만 검사합니다."));
    const QString warning = backupFolderWarning(databasePath());
    Panel_Folder->setText(QStringLiteral("백업 폴더: %1    백업 %2개, %3")
                              .arg(backupFolderOf(databasePath()))
                              .arg(m_backups.size())
                              .arg(backupSizeText(total)) +
                          (warning.isEmpty() ? QString() : u'\n' + plainLines(warning)));
    Panel_Folder->setStyleSheet(warning.isEmpty() ? QString() : QStringLiteral("QLabel { color: red; }"));
}

void TMC_BackUpReStore_Form::ReStoreBtnClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0 || row >= m_backups.size()) {
        msg::warning(QStringLiteral("복원할 백업을 고르세요......."));
        return;
    }
    std::unique_ptr<PreparedRestore> prepared;
    perform(QStringLiteral("ReStoreBtnClick(Sender: TObject)"), [&] {
        StepProgress progress(this, windowTitle());
        try {
            prepared = std::make_unique<PreparedRestore>(databasePath(), m_backups.at(row).file, false,
                                                         progress.reporter());
        } catch (const RestoreRefused &refused) {
            msg::warning(refused.message());
        }
    });
    if (!prepared)
        return;
    const QString heading = m_backups.at(row).moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + u' ' +
                            m_backups.at(row).why() + QStringLiteral("의 백업으로 장부를 되돌립니다.") + LB + LB;
    if (!msg::ask(heading + restoreConfirmationText(prepared->preview(), QStringLiteral("복원할까요?")),
                  MessageKind::Warning))
        return;
    m_restore = std::move(prepared);
    accept();
}

// The check the start-up makes only now and then, at the user's word: books damaged since
// are found now rather than by a failure in the middle of the month's work.
void TMC_BackUpReStore_Form::CheckBtnClick()
{
    IntegrityCheckRecord record(databasePath());
    const IntegrityCheck check = checkBooksFile(this, databasePath(), record);
    if (check.damage.isEmpty()) {
        msg::information(QStringLiteral("장부 파일에 손상된 곳이 없습니다......."));
        return;
    }
    if (!LogError({QStringLiteral("procedure TMC_BackUpReStore_Form.CheckBtnClick(Sender: TObject);"),
                   QStringLiteral("장부 파일 손상"), QStringLiteral("IntegrityCheck"), check.damage.join(u'\n')}))
        msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
    msg::warning(QStringLiteral("장부 파일이 손상되었습니다:") + LB + databasePath() + LB + LB +
                 QStringLiteral("검사에서 찾은 것:") + LB + check.damage.mid(0, 5).join(LB) + LB + LB +
                 QStringLiteral("위의 목록에서 손상되기 전의 백업을 골라 \"복원\"을 누르거나,") + LB +
                 QStringLiteral("프로그램을 다시 시작하여 가장 최근의 온전한 백업으로 복원하세요......."));
}

} // namespace zedur
