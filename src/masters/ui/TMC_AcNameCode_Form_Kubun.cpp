#include "masters/ui/TMC_AcNameCode_Form_Kubun.h"

#include "common/Messages.h"
#include "common/ui/DataGrid.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

TMC_AcNameCode_Form_Kubun::TMC_AcNameCode_Form_Kubun(QWidget *parent)
    : Screen({QStringLiteral("TMC_AcNameCode_Form_Kubun"),
              QStringLiteral("추가 등록할 그룹 계정과목를 선택하는 폼 입니다."), PeriodRule::None, QSize(820, 560)},
             parent)
{
    auto *form = new QGridLayout;
    auto box = [this, form](const char *name, const QString &label, int row, int column) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setReadOnly(true);
        form->addWidget(new QLabel(label, this), row, column * 2, Qt::AlignRight);
        form->addWidget(edit, row, column * 2 + 1);
        return edit;
    };
    edAc_Code2 = box("edAc_Code2", QStringLiteral("선택한 계정과목 코드"), 0, 0);
    edAc_Name2 = box("edAc_Name2", QStringLiteral("선택한 계정과목 이름"), 0, 1);
    edAc_Code2->setEnabled(false);
    edAc_Name2->setEnabled(false);
    edKubun_A = box("edKubun_A", QStringLiteral("구분-A"), 1, 0);
    edKubun_B = box("edKubun_B", QStringLiteral("구분-B"), 1, 1);
    edKubun_C = box("edKubun_C", QStringLiteral("구분-C"), 2, 0);
    edKubun_D = box("edKubun_D", QStringLiteral("구분-D"), 2, 1);
    edChuGaNo = box("edChuGaNo", QStringLiteral("추가번호 D"), 3, 0);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);

    auto *bar = new QHBoxLayout;
    auto button = [this, bar](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setMinimumHeight(30);
        bar->addWidget(b);
        return b;
    };
    PrintBtn = button("PrintBtn", QStringLiteral("&P출력"));
    CancelBtn = button("CancelBtn", QStringLiteral("&C전환"));
    CloseBtn = button("CloseBtn", QStringLiteral("&X종료"));
    PrintBtn->setEnabled(false);
    CancelBtn->setEnabled(false);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);

    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setColumns({{"Ac_Kubun_A", "구분-A"},
                         {"Ac_Kubun_B", "구분-B"},
                         {"Ac_Kubun_C", "구분-C"},
                         {"Ac_Kubun_D", "구분-D"},
                         {"Ac_AcCode", "계정과목 코드"},
                         {"Ac_AcName", "계정과목 이름"},
                         {"Ac_AcNameReport", "Report 계정과목 이름"},
                         {"Ac_GroupKubun", "그룹 구분"},
                         {"Ac_InPutKubun", "등록 구분"}});
    connect(DBGrid1, &DataGrid::rowPicked, this, [this] { choose(); });

    auto *main = new QVBoxLayout(this);
    main->addLayout(form);
    main->addLayout(bar);
    main->addWidget(DBGrid1, 1);
}

void TMC_AcNameCode_Form_Kubun::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] { DBGrid1->setResult(accounts::groups(db())); });
    DBGrid1->setFocus(); // the arrow keys then walk the groups
    if (DBGrid1->rowCount() > 0)
        choose();
}

void TMC_AcNameCode_Form_Kubun::choose()
{
    const int row = DBGrid1->currentRowIndex();
    if (row < 0)
        return;
    const accounts::Group group = accounts::groupAt(DBGrid1->rows(), row);
    edAc_Code2->setText(group.code);
    edAc_Name2->setText(group.name);
    edKubun_A->setText(group.kubunA);
    edKubun_B->setText(group.kubunB);
    edKubun_C->setText(group.kubunC);
    edKubun_D->setText(group.kubunD);
    const bool counted =
        perform(QStringLiteral("Serial_ChuGaNo"), [&] { m_next = accounts::nextDetailNumber(db(), group); });
    if (!counted)
        return;
    edChuGaNo->setText(accounts::detailNumberText(m_next));
    emit groupChosen(group, m_next);
}

TMC_AcNameCode_Form_Kubun::Outcome TMC_AcNameCode_Form_Kubun::outcome()
{
    if (edAc_Code2->text().trimmed().isEmpty() || edAc_Name2->text().trimmed().isEmpty()) {
        msg::warning(QStringLiteral("계정과목 코드를 선택 하세요....."));
        return Outcome::NoGroup;
    }
    if (m_next >= accounts::firstRefusedDetailNumber) {
        msg::warning(accounts::groupFullText);
        return Outcome::GroupFull;
    }
    return Outcome::GroupChosen;
}

void TMC_AcNameCode_Form_Kubun::closeEvent(QCloseEvent *event)
{
    const Outcome result = outcome();
    event->accept();
    hide(); // before the account screen takes the focus back
    emit closedWith(result);
}

void TMC_AcNameCode_Form_Kubun::reject()
{
    close();
}

} // namespace zedur
