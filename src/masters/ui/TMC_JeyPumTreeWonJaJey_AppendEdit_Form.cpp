#include "masters/ui/TMC_JeyPumTreeWonJaJey_AppendEdit_Form.h"

#include "common/TextNumber.h"
#include "common/ui/BoxLook.h"
#include "common/ui/DataGrid.h"
#include "common/ui/KeyFilters.h"
#include "common/ui/ListCombo.h"
#include "common/ui/NumberBox.h"
#include "common/ui/SearchBar.h"
#include "masters/ui/ProductTreeView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zedur {

namespace {

const QString kQuantityLabel = QStringLiteral("소유수량(중량)");
const QString kOneQuantity = QStringLiteral("1.0000");

QLabel *captionPanel(const QString &name, const QString &style, QWidget *parent)
{
    auto *panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumHeight(28);
    panel->setStyleSheet(style);
    return panel;
}

QLineEdit *shownBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    makeReadOnlyBox(box);
    // Shown, not typed: the keyboard passes them by.
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

} // namespace

TMC_JeyPumTreeWonJaJey_AppendEdit_Form::TMC_JeyPumTreeWonJaJey_AppendEdit_Form(QWidget *parent)
    : Screen({QStringLiteral("TMC_JeyPumTreeWonJaJey_AppendEdit_Form"),
              QStringLiteral("제품,원자재등의  이름을 검색하는 폼 입니다."), PeriodRule::None, QSize(900, 660)},
             parent)
{
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    Panel1 = captionPanel(QStringLiteral("Panel1"),
                          QStringLiteral("QLabel { background: #fff8d0; font-weight: bold; padding: 2px 6px; }"), this);

    SearchBar::Names names;
    names.combo = QStringLiteral("cbKubun");
    names.button = QStringLiteral("SearchBtn");
    names.buttonText = QStringLiteral("&R 검색");
    m_search = new SearchBar(this, {{QStringLiteral("전체")}, {QStringLiteral("제품")}, {QStringLiteral("원자재")}},
                             names);
    cbKubun = m_search->combo();
    edSearch = m_search->edit();
    SearchBtn = m_search->button();
    SearchBtn->setAutoDefault(false);
    // Leaving the search box searches already; the button is there for the mouse.
    SearchBtn->setFocusPolicy(Qt::NoFocus);

    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setColumns({{"Kubun_Index", "구분인덱스"},
                         {"Kubun_Name", "구분"},
                         {"Tr_Code", "제품,원자재코드"},
                         {"Tr_Name", "제품,원자재 이름"},
                         {"Tr_NameAlias", "제품,원자재 이름 별명"},
                         {"Tr_DanWi", "단위"},
                         {"Tr_Model", "모델명"},
                         {"Tr_PumName", "품명"},
                         {"Tr_KuSize", "규격"},
                         {"Tr_TextMemo", "적요 및 메모"}});
    // Tab and Enter leave the list, so that the dialog works from the keyboard alone.
    DBGrid1->setTabKeyNavigation(false);
    enterMovesOn(DBGrid1);

    TitlePanel = captionPanel(QStringLiteral("TitlePanel"),
                              QStringLiteral("QLabel { background: #dce8f8; font-weight: bold; padding: 2px 6px; }"),
                              this);
    edCode = shownBox(QStringLiteral("edCode"), this);
    edName = shownBox(QStringLiteral("edName"), this);
    edKubun = shownBox(QStringLiteral("edKubun"), this);
    cbInPut_Kubun = new ListCombo(QStringLiteral("cbInPut_Kubun"),
                                  {QStringLiteral("추가하기"), QStringLiteral("삽입하기")}, this);
    Label_SuKg = new QLabel(kQuantityLabel, this);
    Label_SuKg->setObjectName(QStringLiteral("Label_SuKg"));
    edSuKg = new NumberBox(QStringLiteral("edSuKg"), QStringLiteral("#,##0.0000"), this);
    setKeySet(edSuKg, KeySet::NumberNoMinus);
    enterMovesOn(edSuKg);
    ListEdit = shownBox(QStringLiteral("ListEdit"), this);
    ListEdit->setFont(nodeTextFont(ListEdit->font()));
    edBigo = new QLineEdit(this);
    edBigo->setObjectName(QStringLiteral("edBigo"));
    edBigo->setMaxLength(200);
    enterMovesOn(edBigo);
    Label_Memo = new QLabel(this);
    Label_Memo->setObjectName(QStringLiteral("Label_Memo"));
    Label_Memo->setStyleSheet(QStringLiteral("QLabel { color: #1f5fbf; }"));
    OkBitBtn = new QPushButton(QStringLiteral("확인"), this);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    CancelBitBtn = new QPushButton(QStringLiteral("취소"), this);
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    for (QPushButton *b : {OkBitBtn, CancelBitBtn})
        b->setMinimumSize(110, 32);

    auto *main = new QVBoxLayout(this);
    main->addWidget(Panel1);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("구분"), this));
    searchRow->addWidget(cbKubun);
    searchRow->addWidget(edSearch, 1);
    searchRow->addWidget(SearchBtn);
    main->addLayout(searchRow);
    main->addWidget(DBGrid1, 1);
    main->addWidget(TitlePanel);
    auto *boxes = new QGridLayout;
    auto place = [&](int row, int column, QWidget *label, QWidget *box, int span = 1) {
        boxes->addWidget(label, row, column, Qt::AlignRight);
        boxes->addWidget(box, row, column + 1, 1, span);
    };
    place(0, 0, new QLabel(QStringLiteral("선택한 제품,원자재 코드"), this), edCode);
    place(0, 2, new QLabel(QStringLiteral("선택한 제품,원자재 이름"), this), edName);
    place(1, 0, new QLabel(QStringLiteral("구분"), this), edKubun);
    m_inputKubunLabel = new QLabel(QStringLiteral("노드 등록 구분"), this);
    place(1, 2, m_inputKubunLabel, cbInPut_Kubun);
    place(2, 0, Label_SuKg, edSuKg);
    place(2, 2, new QLabel(QStringLiteral("비고"), this), edBigo);
    place(3, 0, new QLabel(QStringLiteral("노드 텍스트"), this), ListEdit, 3);
    boxes->addWidget(Label_Memo, 4, 1, 1, 3);
    boxes->setColumnStretch(1, 1);
    boxes->setColumnStretch(3, 1);
    main->addLayout(boxes);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBitBtn);
    buttons->addWidget(CancelBitBtn);
    main->addLayout(buttons);

    QWidget *order[] = {cbKubun, edSearch, DBGrid1, cbInPut_Kubun, edSuKg, edBigo, OkBitBtn, CancelBitBtn};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    exits().onLeave(cbKubun, [this] { return cbKubun->checkPick(); });
    exits().onLeave(cbInPut_Kubun, [this] { return cbInPut_Kubun->checkPick(); });
    exits().onLeave(edSuKg, [this] { return edSuKgExit(); });
    exits().addExempt(CancelBitBtn);

    connect(m_search, &SearchBar::searchRequested, this, [this] { pQuery(searchFilter()); });
    connect(DBGrid1, &DataGrid::rowPicked, this, [this] { DBGrid1Picked(); });
    connect(OkBitBtn, &QPushButton::clicked, this, &TMC_JeyPumTreeWonJaJey_AppendEdit_Form::okClicked);
    connect(CancelBitBtn, &QPushButton::clicked, this, [this] { close(); });
}

void TMC_JeyPumTreeWonJaJey_AppendEdit_Form::start(Mode mode, const QString &nodeText)
{
    pClear();
    m_mode = mode;
    const bool adding = mode != Mode::Edit;
    cbInPut_Kubun->setVisible(mode == Mode::AddAtLevel);
    m_inputKubunLabel->setVisible(mode == Mode::AddAtLevel);
    TitlePanel->setText(adding ? QStringLiteral("추가할 이름") : QStringLiteral("수정할 이름"));
    showNode(nodeText);
    // An edit starts from an empty list: the user searches for what the node becomes.
    pQuery(adding ? TreeItemFilter::All : TreeItemFilter::Nothing);
    show();
    raise();
    activateWindow();
    edSearch->setFocus();
}

void TMC_JeyPumTreeWonJaJey_AppendEdit_Form::showNode(const QString &nodeText)
{
    QString head;
    switch (m_mode) {
    case Mode::Edit:
        head = QStringLiteral("선택된 현재 노드 수정 선택  ==> ");
        break;
    case Mode::AddAtLevel:
        head = QStringLiteral("현재 노드에서 새로이 노드 추가  ==> ");
        break;
    case Mode::AddChild:
        head = QStringLiteral("현재 노드에서 자식[하위] 노드 추가  ==> ");
        break;
    }
    const QString node = nodeText.isEmpty() ? QStringLiteral("처음 등록하는 부분") : nodeText;
    Panel1->setText(fDeleteBlank(QString(head + node).remove(u'*')));
}

TreeNodeRequest TMC_JeyPumTreeWonJaJey_AppendEdit_Form::request() const
{
    TreeNodeRequest r;
    switch (m_mode) {
    case Mode::Edit:
        r.action = TreeAction::Edit;
        break;
    case Mode::AddAtLevel:
        r.action = cbInPut_Kubun->currentIndex() == 1 ? TreeAction::InsertBefore : TreeAction::Append;
        break;
    case Mode::AddChild:
        r.action = TreeAction::AddChild;
        break;
    }
    r.item = m_item;
    r.quantityText = edSuKg->text();
    r.remark = edBigo->text();
    return r;
}

void TMC_JeyPumTreeWonJaJey_AppendEdit_Form::pClear()
{
    m_search->reset();
    cbInPut_Kubun->setCurrentIndex(0);
    for (QLineEdit *box : {edCode, edName, edKubun, static_cast<QLineEdit *>(edSuKg), ListEdit, edBigo})
        box->clear();
    m_item.reset();
    Label_SuKg->setText(kQuantityLabel);
    Label_Memo->clear();
}

TreeItemFilter TMC_JeyPumTreeWonJaJey_AppendEdit_Form::searchFilter() const
{
    switch (cbKubun->currentIndex()) {
    case 1:
        return TreeItemFilter::Products;
    case 2:
        return TreeItemFilter::RawMaterials;
    default:
        return TreeItemFilter::All;
    }
}

void TMC_JeyPumTreeWonJaJey_AppendEdit_Form::pQuery(TreeItemFilter filter)
{
    perform(QStringLiteral("SearchBtnClick(Sender: TObject)"),
            [&] { DBGrid1->setResult(queryTreeItems(db(), filter, edSearch->text())); });
}

void TMC_JeyPumTreeWonJaJey_AppendEdit_Form::DBGrid1Picked()
{
    const int row = DBGrid1->currentRowIndex();
    if (DBGrid1->rowCount() == 0 || row < 0)
        return;
    m_item = treeItemAt(DBGrid1->rows(), row);
    edCode->setText(m_item->code);
    edName->setText(m_item->name);
    edKubun->setText(m_item->kubun);
    edBigo->setText(m_item->textMemo);
    if (edSuKg->text().isEmpty())
        edSuKg->setText(kOneQuantity);
    Label_SuKg->setText(m_item->kubun + kQuantityLabel);
    Label_Memo->setText(m_item->kubun == kTreeProductKind ? QStringLiteral("제품 소유량(중량)은 기본값으로 1임.")
                                                          : QString());
    buildNodeText();
}

bool TMC_JeyPumTreeWonJaJey_AppendEdit_Form::edSuKgExit()
{
    if (edSuKg->text().isEmpty())
        edSuKg->setText(kOneQuantity);
    if (!IsDouble(edSuKg->text()))
        return false;
    edSuKg->showValue(edSuKg->value());
    buildNodeText();
    return true;
}

void TMC_JeyPumTreeWonJaJey_AppendEdit_Form::buildNodeText()
{
    ListEdit->setText(m_item ? treeNodeTextOf(*m_item, edSuKg->text()) : QString());
    ListEdit->setCursorPosition(0);
}

} // namespace zedur
