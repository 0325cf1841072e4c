#include "entries/ui/TMC_AcNameAmtInPut_Form_JeyGongPum.h"

#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "entries/AmountLists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zedur {

namespace {
const QString Number = QStringLiteral("#,##0.0000");
const QString Rate = QStringLiteral("#,##0.00");

// The lot's columns as the grid shows them; each also has its own box above the grid.
const QVector<GridColumn> &lotColumns()
{
    static const QVector<GridColumn> columns{{"Gong_Serial", "저장순서"},
                                             {"Gong_Date", "기준일자"},
                                             {"Gong_WonName", "원자재 이름"},
                                             {"Gong_TextMemo", "적요 및 메모"},
                                             {"Gong_SuKg", "수량(중량)", Number},
                                             {"Gong_DanGa", "단  가", Number},
                                             {"Gong_GaAmt", "공급가액", Number},
                                             {"Gong_Kubun", "구    분"},
                                             {"Gong_Bigo", "비          고"},
                                             {"Gong_JenGiWoul", "전월원자재완성율", Rate},
                                             {"Gong_DaongWoul", "당월원자재완성율", Rate},
                                             {"Gong_TotWoul", "원자재완성율누계", Rate},
                                             {"Gong_JenGiWonAmt", "전월완성율원자재원가", Number},
                                             {"Gong_JenGiNoMu_01", "전월직접노무비배부액", Number},
                                             {"Gong_JenGiNoMu_02", "전월간접노무비배부액", Number},
                                             {"Gong_JenGiJeyJo_01", "전월직접제조경비배부액", Number},
                                             {"Gong_JenGiJeyJo_02", "전월간접제조경비배부액", Number},
                                             {"Gong_DaongWonAmt", "당월완성율원자재원가", Number},
                                             {"Gong_DaongNoMu_01", "당월직접노무비배부액", Number},
                                             {"Gong_DaongNoMu_02", "당월간접노무비배부액", Number},
                                             {"Gong_DaongJeyJo_01", "당월직접제조경비배부액", Number},
                                             {"Gong_DaongJeyJo_02", "당월간접제조경비배부액", Number},
                                             {"Gong_WoulAmtTot", "재공품완성율배부액", Number},
                                             {"Gong_Check_01", "마감체크"}};
    return columns;
}

QLabel *captionFor(QWidget *control, const QString &text, QWidget *parent)
{
    auto *caption = new QLabel(text, parent);
    caption->setBuddy(control);
    return caption;
}
} // namespace

TMC_AcNameAmtInPut_Form_JeyGongPum::TMC_AcNameAmtInPut_Form_JeyGongPum(QWidget *parent)
    : PickDialog({QStringLiteral("TMC_AcNameAmtInPut_Form_JeyGongPum"),
                  QStringLiteral("원자재를 제조공정(재공품)에 투입된 데이타를 조회하는 폼 입니다."), PeriodRule::None,
                  QSize(1150, 760)},
                 parent)
{
    cbSSearch = new ListCombo(QStringLiteral("cbSSearch"), labelsOf(amounts::lotDialogSearchItems()), this);
    edSSearch = new QLineEdit(this);
    edSSearch->setObjectName(QStringLiteral("edSSearch"));
    edSSearch->setMaxLength(100);
    enterMovesOn(edSSearch);
    cbSSort = new ListCombo(QStringLiteral("cbSSort"), labelsOf(amounts::lotDialogSortItems()), this);
    KuenNoSearchBtn = new QPushButton(QStringLiteral("&E 검색"), this);
    KuenNoSearchBtn->setObjectName(QStringLiteral("KuenNoSearchBtn"));
    KuenNoSearchBtn->setAutoDefault(false);
    for (ListCombo *list : {cbSSearch, cbSSort})
        exits().onLeave(list, [list] { return list->checkPick(); });
    connect(KuenNoSearchBtn, &QPushButton::clicked, this, [this] { runSearch(); });

    searchRow()->addWidget(captionFor(cbSSearch, QStringLiteral("검색구분"), this));
    searchRow()->addWidget(cbSSearch);
    searchRow()->addWidget(edSSearch, 1);
    searchRow()->addWidget(captionFor(cbSSort, QStringLiteral("정렬구분"), this));
    searchRow()->addWidget(cbSSort);
    searchRow()->addWidget(KuenNoSearchBtn);

    for (const GridColumn &c : lotColumns())
        addShownBox(QStringLiteral("ed") + c.field, c.title.simplified(), c.field,
                    c.picture.isEmpty() ? QString() : Number);
    DBGrid1->setColumns(lotColumns());
    finishLayout(4);
}

void TMC_AcNameAmtInPut_Form_JeyGongPum::showLotsOf(const Period &month)
{
    m_month = month;
    cbSSearch->setCurrentIndex(0);
    edSSearch->clear();
    cbSSort->setCurrentIndex(0);
    runSearch();
    showInFront();
}

void TMC_AcNameAmtInPut_Form_JeyGongPum::pQuery()
{
    perform(QStringLiteral("pQuery"), [this] {
        const QString item = cbSSearch->pickOrFirst();
        if (!itemNamed(amounts::lotDialogSearchItems(), item).usesText())
            edSSearch->clear();
        DBGrid1->setList(db(), amounts::lotDialogList(m_month, item, edSSearch->text(), cbSSort->pickOrFirst()));
    });
}

} // namespace zedur
