#include "imports/ui/TMC_DataImport_Form.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/SystemInfo.h"
#include "common/ui/ButtonBar.h"
#include "common/ui/DataGrid.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "imports/ImportLayouts.h"
#include "imports/ImportRun.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {

const QColor RefusedRow(255, 210, 210);
const QColor SameRow(230, 230, 230);

QStringList kindTitles()
{
    QStringList titles;
    for (const imports::KindInfo &k : imports::kinds())
        titles << k.title;
    return titles;
}

// One line of the grid for each reason a row is refused, one for each row taken.
void addLines(QVector<QVector<QVariant>> &lines, const imports::RowReport &r)
{
    const QVariant row = r.row > 0 ? QVariant(r.row) : QVariant();
    const QString action = imports::actionText(r.action);
    if (r.problems.isEmpty()) {
        lines.append({r.sheet, row, action, r.code, r.name, QString(), QString()});
        return;
    }
    for (const imports::Problem &p : r.problems)
        lines.append({r.sheet, row, action, r.code, r.name, p.column, p.reason});
}

} // namespace

TMC_DataImport_Form::TMC_DataImport_Form(QWidget *parent)
    : Screen(
          {QStringLiteral("TMC_DataImport_Form"),
           QStringLiteral("회사의 원자재, 제품, BOM Tree, 계정과목과 기초재고를 스프레드시트에서 가져오는 폼 입니다."),
           PeriodRule::None, QSize(1100, 740)},
          parent)
{
    cbKind = new ListCombo(QStringLiteral("cbKind"), kindTitles(), this);
    exits().onLeave(cbKind, [this] { return cbKind->checkPick(); });
    edFile = new QLineEdit(this);
    edFile->setObjectName(QStringLiteral("edFile"));
    enterMovesOn(edFile);
    chkUpdate = new QCheckBox(QStringLiteral("장부에 있는 코드 고치기 (그 코드의 화면이 허락하는 만큼)"), this);
    chkUpdate->setObjectName(QStringLiteral("chkUpdate"));
    MemoLayout = new QPlainTextEdit(this);
    MemoLayout->setObjectName(QStringLiteral("MemoLayout"));
    MemoLayout->setReadOnly(true);
    MemoLayout->setMaximumHeight(130);
    lbSummary = new QLabel(this);
    lbSummary->setObjectName(QStringLiteral("lbSummary"));
    lbSummary->setWordWrap(true);

    auto *bar = new ButtonBar(this, {});
    FileBtn = bar->addButton(QStringLiteral("FileBtn"), QStringLiteral("&O 파일 선택"));
    CheckBtn = bar->addButton(QStringLiteral("CheckBtn"), QStringLiteral("&K 점검"));
    ImportBtn = bar->addButton(QStringLiteral("ImportBtn"), QStringLiteral("&I 가져오기"));
    PrintBtn = bar->addButton(QStringLiteral("PrintBtn"), QStringLiteral("&P 엑셀"));
    CloseBtn = bar->addButton(QStringLiteral("CloseBtn"), QStringLiteral("&X 종료"));
    exits().setExempt({CloseBtn});

    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setColumns({{"Im_Sheet", "시트"},
                         {"Im_Row", "행"},
                         {"Im_Action", "처리"},
                         {"Im_Code", "코드"},
                         {"Im_Name", "이름"},
                         {"Im_Column", "열"},
                         {"Im_Reason", "오류 이유"}});
    DBGrid1->horizontalHeader()->setStretchLastSection(true); // the reasons are long
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        const QString action = rs.text(row, "Im_Action");
        if (action == imports::actionText(imports::RowAction::Refused))
            return RowStyle{RefusedRow};
        if (action == imports::actionText(imports::RowAction::Same))
            return RowStyle{SameRow};
        return std::nullopt;
    });

    auto *form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("가져올 자료"), this), 0, 0, Qt::AlignRight);
    form->addWidget(cbKind, 0, 1);
    form->addWidget(chkUpdate, 0, 2, 1, 2);
    form->addWidget(new QLabel(QStringLiteral("파일"), this), 1, 0, Qt::AlignRight);
    form->addWidget(edFile, 1, 1, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("파일 양식"), this), 2, 0, Qt::AlignRight | Qt::AlignTop);
    form->addWidget(MemoLayout, 2, 1, 1, 3);
    form->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(bar);
    layout->addWidget(lbSummary);
    layout->addWidget(DBGrid1, 1);
    setTabOrder(cbKind, chkUpdate);
    setTabOrder(chkUpdate, edFile);

    connect(cbKind, &QComboBox::currentIndexChanged, this, [this] { kindChosen(); });
    connect(FileBtn, &QPushButton::clicked, this, [this] { FileBtnClick(); });
    connect(CheckBtn, &QPushButton::clicked, this, [this] { run(true); });
    connect(ImportBtn, &QPushButton::clicked, this, [this] { run(false); });
    connect(PrintBtn, &QPushButton::clicked, this, [this] { PrintBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void TMC_DataImport_Form::onFirstShow()
{
    cbKind->setCurrentIndex(0);
    kindChosen();
    cbKind->setFocus();
}

imports::Kind TMC_DataImport_Form::chosenKind() const
{
    return imports::kinds().at(qMax(0, cbKind->currentIndex())).kind;
}

void TMC_DataImport_Form::kindChosen()
{
    if (!cbKind->hasValidPick())
        return;
    MemoLayout->setPlainText(imports::layoutText(chosenKind()));
    DBGrid1->close();
    lbSummary->clear();
}

void TMC_DataImport_Form::FileBtnClick()
{
    const QString start = edFile->text().trimmed().isEmpty() ? dataSaveDir() : QFileInfo(edFile->text()).path();
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("가져올 파일"), start,
                                                        QStringLiteral("스프레드시트 (*.xlsx *.csv);;모든 파일 (*)"));
    if (!chosen.isEmpty())
        edFile->setText(chosen);
}

void TMC_DataImport_Form::run(bool checkOnly)
{
    const QString file = edFile->text().trimmed();
    if (file.isEmpty()) {
        msg::warning(QStringLiteral("가져올 파일을 선택 하세요......"));
        edFile->setFocus();
        return;
    }
    if (!cbKind->checkPick())
        return;
    const imports::Kind kind = chosenKind();
    imports::ImportOptions options;
    options.checkOnly = checkOnly;
    options.update = chkUpdate->isChecked();
    QVector<QVector<QVariant>> lines;
    int unlisted = 0;
    imports::ImportOutcome outcome;
    const bool ran = perform(checkOnly ? QStringLiteral("CheckBtnClick") : QStringLiteral("ImportBtnClick"), [&] {
        outcome = imports::runImport(db(), kind, file, options, [&](const imports::RowReport &r) {
            if (lines.size() < ListedLines)
                addLines(lines, r);
            else
                ++unlisted;
        });
    });
    if (!ran)
        return;
    DBGrid1->setResult(
        ResultSet({"Im_Sheet", "Im_Row", "Im_Action", "Im_Code", "Im_Name", "Im_Column", "Im_Reason"}, lines));
    QString summary = QStringLiteral("%1: 자료 %2행 — 추가 %3, 수정 %4, 같음 %5, 오류 %6행 (오류 %7건).")
                          .arg(imports::kindInfo(kind).title)
                          .arg(outcome.rows)
                          .arg(outcome.added)
                          .arg(outcome.updated)
                          .arg(outcome.same)
                          .arg(outcome.refusedRows)
                          .arg(outcome.problems);
    if (unlisted > 0)
        summary += QStringLiteral(" 목록에는 처음 %1줄만 보입니다.").arg(ListedLines);
    if (!outcome.ok())
        summary += QStringLiteral(" 오류가 있어 아무것도 쓰지 않았습니다.");
    else if (outcome.written)
        summary += QStringLiteral(" 모두 장부에 썼습니다.");
    else
        summary += QStringLiteral(" 점검만 하였습니다: 오류가 없습니다.");
    lbSummary->setText(summary);
    if (checkOnly)
        return;
    if (outcome.written)
        msg::information(QStringLiteral("%1행을 가져왔습니다 (추가 %2, 수정 %3, 같음 %4)......")
                             .arg(outcome.rows)
                             .arg(outcome.added)
                             .arg(outcome.updated)
                             .arg(outcome.same));
    else
        msg::warning(QStringLiteral("오류가 %1건 있어 아무것도 가져오지 않았습니다......").arg(outcome.problems) + LB +
                     QStringLiteral("목록의 오류를 고친 뒤에 다시 가져오세요......."));
}

void TMC_DataImport_Form::PrintBtnClick()
{
    ExportSheet sheet = DBGrid1->exportSheet(setup().className);
    pExcelExport(sheet);
}

} // namespace zedur
