#include "app/TMC_ZedUrMain_Form.h"

#include "app/MenuTree.h"
#include "closing/ui/BooksFileCheck.h"
#include "closing/ui/TMC_BackUpReStore_Form.h"
#include "closing/ui/TMC_JeyJoAmtUpDate_Form.h"
#include "closing/ui/TMC_MonthMaGam_Form.h"
#include "closing/ui/TMC_TableCreate_Form.h"
#include "common/ErrorLog.h"
#include "common/Messages.h"
#include "common/SystemInfo.h"
#include "common/ui/HelpWindow.h"
#include "common/ui/StepProgress.h"
#include "entries/ui/TMC_AcNameAmtInPut_Form.h"
#include "entries/ui/TMC_BanPumSaleAmtInPut_Form.h"
#include "entries/ui/TMC_ChaongGoJeyPumChulGoTaAc_Form.h"
#include "entries/ui/TMC_JeyGongPumToJeyPumInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumToTaAcInPut_Form.h"
#include "entries/ui/TMC_JeyGongPumWoulInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyInPut_Form.h"
#include "entries/ui/TMC_WonJaJeyTaJeyGongVw_Form.h"
#include "imports/ui/TMC_DataImport_Form.h"
#include "masters/ui/TMC_AcNameCode_Form.h"
#include "masters/ui/TMC_JeyPumCode_Form.h"
#include "masters/ui/TMC_JeyPumTreeWonJaJey_Unit_Form.h"
#include "masters/ui/TMC_WonJaJeyCode_Form.h"
#include "reports/ui/TMC_ReportBeyBu01_Form.h"
#include "reports/ui/TMC_ReportBeyBu02_Form.h"
#include "reports/ui/TMC_ReportBeyBu03_Form.h"
#include "reports/ui/TMC_ReportBeyBu04_Form.h"
#include "reports/ui/TMC_ReportBeyBu05_Form.h"
#include "reports/ui/TMC_ReportJeyGongPumYbChulGo_Form.h"
#include "reports/ui/TMC_ReportJeyJoAmtVw_Form.h"
#include "reports/ui/TMC_ReportJeyJoVwList_Form.h"
#include "reports/ui/TMC_ReportJeyPumTrend_Form.h"
#include "reports/ui/TMC_ReportJeyPumYbChulGo_Form.h"
#include "reports/ui/TMC_ReportPLVwList_Form.h"
#include "reports/ui/TMC_ReportWonJaJeyYbChulGo_Form.h"
#include "store/Db.h"
#include "store/Integrity.h"
#include "store/IntegrityCheckRecord.h"
#include "store/Restore.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace zedur {

namespace {

constexpr int codeRole = Qt::UserRole;

QIcon iconForLevel(const QWidget *w, int level, bool group)
{
    if (group)
        return w->style()->standardIcon(QStyle::SP_DirIcon);
    return w->style()->standardIcon(level == 0 ? QStyle::SP_DialogCloseButton : QStyle::SP_FileIcon);
}

QFont gulimLike(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("NanumGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QString mainDescriptionText()
{
    const QStringList lines = {"  본",
                               "  원가계산 프로그램은",
                               "  사칙연산의 제어 가능한 ",
                               "  엑셀 편집기로",
                               "  결론에 도달하지",
                               "  못한 정보를",
                               "  사용자가 손쉽게",
                               "  원자재,재공품,제품,",
                               "  제조원가명세서,",
                               "  손익계산서등과 ",
                               "  연계하여,",
                               "  원가계산을 테스트하는 ",
                               "  프로그램입니다.",
                               "",
                               "",
                               "",
                               "  프로그램의 최대 장점은,",
                               "  추가 배부된 데이타 ",
                               "  흐름에 대하여",
                               "  확인 체크가 뛰어나다는 점과",
                               "  재고자산 계정의 입출고 정보와",
                               "  제조원가명세서. 손익계산서등과",
                               "  연계하여,",
                               "  제품매출액 대한 제품매출원가와",
                               "  매출총이익을 연동 관계를 ",
                               "  확인하는 프로그램입니다.",
                               "",
                               "",
                               "",
                               "  원가계산 프로그램에 대한",
                               "  자세한 사항은,",
                               "  편집화일 도움말을",
                               "  참조 바랍니다.",
                               "",
                               "",
                               "",
                               "  배부액 계산시",
                               "  소숫점 두자리까지의",
                               "  계산을 원칙으로 하였으나",
                               "  데이타 집계와",
                               "  현황 레포트사이에",
                               "  약간의 차액이 발생될",
                               "  소지가 있습니다."};
    return lines.join(u'\n');
}

QString damagedBooksText(const QString &databaseFile, const QString &backup)
{
    const QString restore =
        backup.isEmpty()
            ? QStringLiteral("  백업 파일이 없습니다.") + LB
            : QStringLiteral("  가장 최근의 백업 파일:") + LB + QStringLiteral("  ") + backup + LB + LB +
                  QStringLiteral("  프로그램을 다시 시작하면 이 백업으로 복원할 수 있습니다") + LB +
                  QStringLiteral("  (zedur-cli restore 백업파일 로도 복원합니다).") + LB;
    return QStringLiteral("  장부 파일이 손상되었습니다:") + LB + QStringLiteral("  ") + databaseFile + LB + LB +
           QStringLiteral("  이 파일에는 아무것도 쓰지 않으며, 화면을 열지 않습니다.") + LB + LB + restore;
}

QString damagedBooksOffer(const QString &databaseFile, const BackupInfo &backup)
{
    return QStringLiteral("  장부 파일이 손상되었습니다:") + LB + QStringLiteral("  ") + databaseFile + LB + LB +
           QStringLiteral("  가장 최근의 온전한 백업:") + LB + QStringLiteral("  ") + backup.file + LB +
           QStringLiteral("  %1, %2, 백업 안의 열린 월 %3 %4")
               .arg(backup.moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), backup.why(), backup.openMonth,
                    backup.openState) +
           LB + LB + QStringLiteral("  이 백업으로 장부를 복원할까요?") + LB +
           QStringLiteral("  손상된 장부는 복원하기 전에 백업 폴더에 그대로 보관됩니다.") + LB +
           QStringLiteral("  \"아니오\"이면 장부 파일에 아무것도 쓰지 않고, 화면을 열지 않습니다.") + LB;
}

MenuTreeView::MenuTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("tvGroup"));
    setHeaderHidden(true);
    setIndentation(19);
    setExpandsOnDoubleClick(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void MenuTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    // The expand button lies left of the node's own rectangle; the tree handles it alone.
    if (!index.isValid() || at.x() < visualRect(index).left())
        return;
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    const int code = item->data(0, codeRole).toInt();
    if (code >= 0)
        emit entryClicked(code);
    else
        item->setExpanded(!item->isExpanded());
}

TMC_ZedUrMain_Form::TMC_ZedUrMain_Form(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TMC_ZedUrMain_Form"));
    setWindowTitle(QStringLiteral("제조원가 산출, 계산,  흐름의Report등을 테스트하는 프로젝트 프로그램입니다."));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(790, 650);
    setFont(gulimLike(13, false));

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(390);
    auto *left = new QVBoxLayout(Panel1);
    left->setContentsMargins(0, 0, 0, 0);
    tvGroup = new MenuTreeView(Panel1);
    left->addWidget(tvGroup);

    Panel3 = new QWidget(central);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto *right = new QVBoxLayout(Panel3);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    Memo2 = new QPlainTextEdit(Panel3);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setFixedHeight(50);
    Memo2->setFont(gulimLike(21, true));
    Memo2->setStyleSheet(QStringLiteral("QPlainTextEdit { background: yellow; color: red; }"));
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setPlainText(QStringLiteral("제조원가 계산 프로그램"));
    Memo2->document()->setDefaultTextOption(QTextOption(Qt::AlignCenter));
    Memo2->setPlainText(Memo2->toPlainText());
    Memo3 = new QPlainTextEdit(Panel3);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setReadOnly(true);
    Memo3->setFont(gulimLike(21, true));
    Memo3->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #ffffe1; color: blue; }"));
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo3->setPlainText(mainDescriptionText());
    right->addWidget(Memo2);
    right->addWidget(Memo3, 1);

    row->addWidget(Panel1);
    row->addWidget(Panel3, 1);
    setCentralWidget(central);

    for (const MenuNode &node : mainMenu()) {
        auto *top = new QTreeWidgetItem(tvGroup, {node.text});
        top->setData(0, codeRole, node.code);
        top->setIcon(0, iconForLevel(this, 0, node.code < 0));
        for (const MenuNode &child : node.children) {
            auto *item = new QTreeWidgetItem(top, {child.text});
            item->setData(0, codeRole, child.code);
            item->setIcon(0, iconForLevel(this, 1, false));
        }
    }
    tvGroup->collapseAll();
    connect(tvGroup, &MenuTreeView::entryClicked, this, &TMC_ZedUrMain_Form::pRunMenu);
    installHelpKey();

    ChangeDateFormat(QStringLiteral("yyyy-MM-dd"));
    if (booksLookSound())
        openBooks();
}

bool TMC_ZedUrMain_Form::booksLookSound()
{
    if (!QFileInfo(databasePath()).isFile())
        return true; // books on a server, or none: opening them tells
    m_checkRecord = std::make_unique<IntegrityCheckRecord>(databasePath());
    if (!m_checkRecord->due())
        return true;
    // Before any connection writes to the file: damaged books are left as they are unless
    // the user restores a backup over them, and no screen opens on them.
    const IntegrityCheck check = checkBooksFile(this, databasePath(), *m_checkRecord);
    if (check.damage.isEmpty())
        return true;
    booksFoundDamaged(check.damage);
    return false;
}

void TMC_ZedUrMain_Form::stoppedCleanly()
{
    if (m_checkRecord)
        m_checkRecord->stoppedCleanly();
}

void TMC_ZedUrMain_Form::openBooks()
{
    if (m_checkRecord)
        m_checkRecord->inUse();
    try {
        m_connection = Db::openDefault();
        // Said where it stays in sight: only the refusals would tell otherwise.
        if (m_connection->readOnly())
            setWindowTitle(windowTitle() + QStringLiteral(" [읽기 전용]"));
    } catch (const StoreError &e) {
        msg::warning(connectionWarningText(databasePath()));
        if (!LogError({QStringLiteral("procedure TMC_ZedUrMain_Form.FormCreate(Sender: TObject);"),
                       QStringLiteral("액세스[Access] DB의 화일오류"), e.className(), e.message()}))
            msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
    }
}

void TMC_ZedUrMain_Form::booksFoundDamaged(const QStringList &damage)
{
    const QVector<BackupInfo> backups = listBackups(databasePath());
    m_damageWarning = damagedBooksText(databasePath(), backups.isEmpty() ? QString() : backups.first().file);
    if (!LogError({QStringLiteral("procedure TMC_ZedUrMain_Form.FormCreate(Sender: TObject);"),
                   QStringLiteral("장부 파일 손상"), QStringLiteral("IntegrityCheck"), damage.join(u'\n')}))
        msg::error(QStringLiteral("오류 기록 파일에 기록할 수 없습니다.") + LB + errorLogPath());
    if (backups.isEmpty()) {
        msg::warning(m_damageWarning);
        return;
    }
    if (!msg::ask(damagedBooksOffer(databasePath(), backups.first()), MessageKind::Warning))
        return;
    std::unique_ptr<PreparedRestore> prepared;
    try {
        StepProgress progress(this, QStringLiteral("백업 및 복원"));
        prepared = std::make_unique<PreparedRestore>(databasePath(), backups.first().file, true, progress.reporter());
    } catch (const RestoreRefused &refused) {
        msg::warning(refused.message());
        return;
    } catch (const Failure &failure) {
        reportFailure(QStringLiteral("백업을 풀지 못했습니다."),
                      QStringLiteral("procedure TMC_ZedUrMain_Form.FormCreate(Sender: TObject);"),
                      QStringLiteral("장부 복원"), failure);
        return;
    }
    performRestore(std::move(prepared));
}

void TMC_ZedUrMain_Form::performRestore(std::unique_ptr<PreparedRestore> prepared)
{
    // The screens are closed already; the main window's connection goes too, so that the
    // books file can be replaced whole.
    m_connection.reset();
    std::optional<RestoreDone> done;
    try {
        StepProgress progress(this, QStringLiteral("백업 및 복원"));
        done = prepared->commit(progress.reporter());
    } catch (const RestoreRefused &refused) {
        msg::warning(refused.message());
    } catch (const Failure &failure) {
        reportFailure(QStringLiteral("장부를 복원하지 못했습니다."),
                      QStringLiteral("procedure TMC_ZedUrMain_Form.pRestore;"), QStringLiteral("장부 복원"), failure);
    }
    if (!done) {
        if (m_damageWarning.isEmpty())
            openBooks();
        return;
    }
    m_damageWarning.clear();
    openBooks();
    msg::information(QStringLiteral("장부를 복원하였습니다. 열린 월: ") + done->openNow + LB + LB +
                     QStringLiteral("복원하기 전의 장부는 이 백업에 있습니다 (이 복원을 되돌릴 때 쓰세요):") + LB +
                     done->backupOfPresent);
    if (!done->folderWarning.isEmpty())
        msg::warning(done->folderWarning);
}

TMC_ZedUrMain_Form::~TMC_ZedUrMain_Form() = default;

void TMC_ZedUrMain_Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        msg::plain(QStringLiteral("현재 \"Alt+F4\"키는 종료를 못 시킵니다"));
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

template <class ScreenClass> void TMC_ZedUrMain_Form::showScreen(int code)
{
    std::unique_ptr<PreparedRestore> restore;
    {
        ScreenClass screen(this);
        setHelpSection(&screen, menuEntryText(code));
        screen.exec();
        if constexpr (requires { screen.takeRestore(); })
            restore = screen.takeRestore();
    }
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    // Once the screen and its connection are gone.
    if (restore)
        performRestore(std::move(restore));
}

void TMC_ZedUrMain_Form::pRunMenu(int code)
{
    if (!m_damageWarning.isEmpty() && code != 800 && code != 900) {
        msg::warning(m_damageWarning);
        return;
    }
    switch (code) {
    case 110:
        pShow_110();
        break;
    case 111:
        pShow_111();
        break;
    case 112:
        pShow_112();
        break;
    case 113:
        pShow_113();
        break;
    case 114:
        pShow_114();
        break;
    case 210:
        pShow_210();
        break;
    case 211:
        pShow_211();
        break;
    case 212:
        pShow_212();
        break;
    case 213:
        pShow_213();
        break;
    case 214:
        pShow_214();
        break;
    case 215:
        pShow_215();
        break;
    case 216:
        pShow_216();
        break;
    case 217:
        pShow_217();
        break;
    case 218:
        pShow_218();
        break;
    case 310:
        pShow_310();
        break;
    case 311:
        pShow_311();
        break;
    case 312:
        pShow_312();
        break;
    case 313:
        pShow_313();
        break;
    case 314:
        pShow_314();
        break;
    case 315:
        pShow_315();
        break;
    case 351:
        pShow_351();
        break;
    case 352:
        pShow_352();
        break;
    case 353:
        pShow_353();
        break;
    case 354:
        pShow_354();
        break;
    case 355:
        pShow_355();
        break;
    case 356:
        pShow_356();
        break;
    case 510:
        pShow_510();
        break;
    case 511:
        pShow_511();
        break;
    case 512:
        pShow_512();
        break;
    case 800:
        HelpWindow::showSection(this, QString());
        break;
    case 900:
        pClose();
        break;
    default:
        break;
    }
}

void TMC_ZedUrMain_Form::pClose()
{
    close();
}

void TMC_ZedUrMain_Form::pShow_110()
{
    showScreen<TMC_WonJaJeyCode_Form>(110);
}
void TMC_ZedUrMain_Form::pShow_111()
{
    showScreen<TMC_JeyPumCode_Form>(111);
}
void TMC_ZedUrMain_Form::pShow_112()
{
    showScreen<TMC_JeyPumTreeWonJaJey_Unit_Form>(112);
}
void TMC_ZedUrMain_Form::pShow_113()
{
    showScreen<TMC_AcNameCode_Form>(113);
}
void TMC_ZedUrMain_Form::pShow_114()
{
    showScreen<TMC_DataImport_Form>(114);
}
void TMC_ZedUrMain_Form::pShow_210()
{
    showScreen<TMC_WonJaJeyInPut_Form>(210);
}
void TMC_ZedUrMain_Form::pShow_211()
{
    showScreen<TMC_WonJaJeyTaJeyGongVw_Form>(211);
}
void TMC_ZedUrMain_Form::pShow_212()
{
    showScreen<TMC_JeyGongPumWoulInPut_Form>(212);
}
void TMC_ZedUrMain_Form::pShow_213()
{
    showScreen<TMC_JeyGongPumToJeyPumInPut_Form>(213);
}
void TMC_ZedUrMain_Form::pShow_214()
{
    showScreen<TMC_JeyGongPumToTaAcInPut_Form>(214);
}
void TMC_ZedUrMain_Form::pShow_215()
{
    showScreen<TMC_ChaongGoJeyPumChulGoTaAc_Form>(215);
}
void TMC_ZedUrMain_Form::pShow_216()
{
    showScreen<TMC_AcNameAmtInPut_Form>(216);
}
void TMC_ZedUrMain_Form::pShow_217()
{
    showScreen<TMC_JeyJoAmtUpDate_Form>(217);
}
void TMC_ZedUrMain_Form::pShow_218()
{
    showScreen<TMC_BanPumSaleAmtInPut_Form>(218);
}
void TMC_ZedUrMain_Form::pShow_310()
{
    showScreen<TMC_ReportWonJaJeyYbChulGo_Form>(310);
}
void TMC_ZedUrMain_Form::pShow_311()
{
    showScreen<TMC_ReportJeyGongPumYbChulGo_Form>(311);
}
void TMC_ZedUrMain_Form::pShow_312()
{
    showScreen<TMC_ReportJeyPumYbChulGo_Form>(312);
}
void TMC_ZedUrMain_Form::pShow_313()
{
    showScreen<TMC_ReportJeyJoVwList_Form>(313);
}
void TMC_ZedUrMain_Form::pShow_314()
{
    showScreen<TMC_ReportPLVwList_Form>(314);
}
void TMC_ZedUrMain_Form::pShow_315()
{
    showScreen<TMC_ReportJeyPumTrend_Form>(315);
}
void TMC_ZedUrMain_Form::pShow_351()
{
    showScreen<TMC_ReportBeyBu01_Form>(351);
}
void TMC_ZedUrMain_Form::pShow_352()
{
    showScreen<TMC_ReportBeyBu02_Form>(352);
}
void TMC_ZedUrMain_Form::pShow_353()
{
    showScreen<TMC_ReportBeyBu03_Form>(353);
}
void TMC_ZedUrMain_Form::pShow_354()
{
    showScreen<TMC_ReportBeyBu04_Form>(354);
}
void TMC_ZedUrMain_Form::pShow_355()
{
    showScreen<TMC_ReportBeyBu05_Form>(355);
}
void TMC_ZedUrMain_Form::pShow_356()
{
    showScreen<TMC_ReportJeyJoAmtVw_Form>(356);
}
void TMC_ZedUrMain_Form::pShow_510()
{
    showScreen<TMC_TableCreate_Form>(510);
}
void TMC_ZedUrMain_Form::pShow_511()
{
    showScreen<TMC_MonthMaGam_Form>(511);
}
void TMC_ZedUrMain_Form::pShow_512()
{
    showScreen<TMC_BackUpReStore_Form>(512);
}

} // namespace zedur
