#include "masters/ui/TMC_JeyPumTreeWonJaJey_Unit_Form.h"

#include "common/Messages.h"
#include "common/SpreadsheetExport.h"
#include "common/ui/DataGrid.h"
#include "common/ui/NumberBox.h"
#include "masters/ProductTree.h"
#include "masters/ui/ProductTreeView.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace zedur {

namespace {

using Dialog = TMC_JeyPumTreeWonJaJey_AppendEdit_Form;

const QString kAllCount = QStringLiteral("  모든 목록수 : ");
const QString kChildCount = QStringLiteral("  현재 하위 목록수 : ");

QString countText(const QString &label, int count)
{
    return label + QString::number(count) + QStringLiteral(" 개");
}

} // namespace

TMC_JeyPumTreeWonJaJey_Unit_Form::TMC_JeyPumTreeWonJaJey_Unit_Form(QWidget *parent)
    : Screen({QStringLiteral("TMC_JeyPumTreeWonJaJey_Unit_Form"),
              QStringLiteral("완제품에 제품코드와 원자재코드를 Tree구조로 등록하는 폼 입니다."), PeriodRule::None,
              QSize(1120, 760)},
             parent)
{
    auto *buttons = new QHBoxLayout;
    auto button = [&](const char *name, const char *caption) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        b->setMinimumHeight(30);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, b] { ButtonClick(b); });
        return b;
    };
    RefreshBtn = button("RefreshBtn", " 최신 정보로 고침");
    NewNodeBtn = button("NewNodeBtn", " 현재 노드에서 새로 추가");
    NewSubNodeBtn = button("NewSubNodeBtn", " 현재 자식<하위>노드 추가");
    EditNodeBtn = button("EditNodeBtn", " 선택된 현재 노드 수정[정정]");
    DeleteBtn = button("DeleteBtn", " 선택된 노드 포함하여 삭제");
    PrintBtn = button("PrintBtn", " 엑셀 전환");
    CloseBtn = button("CloseBtn", " 종      료");

    TreeView1 = new ProductTreeView(QStringLiteral("TreeView1"), this);
    DBGrid1 = new DataGrid(QStringLiteral("DBGrid1"), this);
    DBGrid1->setColumns({{"Tr_Index", "순서", "#,##0"},
                         {"Tr_Level", "깊이", "#,##0"},
                         {"Tr_Code", "제품,원자재 코드"},
                         {"Tr_Kubun", "구분"},
                         {"Tr_Name", "제품,원자재 이름"},
                         {"Tr_SuKg", "소유량(중량)", "#,##0.0000"},
                         {"Tr_NameText", "노드 텍스트 적요"},
                         {"Tr_Bigo", "비                    고"}});
    DBGrid1->setRowStyle([](const Rows &rs, int row) -> std::optional<RowStyle> {
        if (rs.value(row, QStringLiteral("Tr_Level")).toInt() != 0)
            return std::nullopt;
        return RowStyle{QColor(Qt::cyan), false, 9};
    });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    AllCountPanel = new QLabel(kAllCount, this);
    AllCountPanel->setObjectName(QStringLiteral("AllCountPanel"));
    ChildCountPanel = new QLabel(kChildCount, this);
    ChildCountPanel->setObjectName(QStringLiteral("ChildCountPanel"));
    StatusBar1->addWidget(AllCountPanel, 1);
    StatusBar1->addWidget(ChildCountPanel, 1);

    auto *views = new QSplitter(Qt::Vertical, this);
    views->addWidget(TreeView1);
    views->addWidget(DBGrid1);
    views->setStretchFactor(0, 3);
    views->setStretchFactor(1, 2);
    views->setChildrenCollapsible(false);

    auto *main = new QVBoxLayout(this);
    main->addLayout(buttons);
    main->addWidget(views, 1);
    main->addWidget(StatusBar1);

    connect(TreeView1, &ProductTreeView::nodePicked, this, [this] { TreeView1Pick(); });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] { TreeView1Change(); });
}

TMC_JeyPumTreeWonJaJey_Unit_Form::~TMC_JeyPumTreeWonJaJey_Unit_Form()
{
    dropDialog();
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::onFirstShow()
{
    pQuery(QStringLiteral("FormShow(Sender: TObject)"));
    m_nodeSelected = false;
    pRefresh();
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::closeEvent(QCloseEvent *event)
{
    dropDialog();
    Screen::closeEvent(event);
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::ButtonClick(QPushButton *button)
{
    if (button == CloseBtn) {
        close();
        return;
    }
    if (button == PrintBtn) {
        exportTree();
        return;
    }
    // Every other button but the refresh changes the tree.
    if (button != RefreshBtn && !mayChangeBooks(rowChangesWording))
        return;
    if (auto refusal = refuseWithoutSelection(m_tree, m_nodeSelected, m_selectedIndex)) {
        showRefusal(*refusal);
        return;
    }
    if (button == RefreshBtn)
        pRefresh();
    else if (button == NewNodeBtn)
        openDialog(Dialog::Mode::AddAtLevel);
    else if (button == NewSubNodeBtn)
        openDialog(Dialog::Mode::AddChild);
    else if (button == EditNodeBtn)
        editNode();
    else if (button == DeleteBtn)
        deleteNode();
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::pRefresh()
{
    if (!m_listOpen || m_tree.isEmpty()) {
        msg::warning(kTreeNoDataText);
        return;
    }
    if (m_tree.size() != 1 && !pQuery(QStringLiteral("RefreshBtnClick(Sender: TObject)")))
        return;
    showTreeAt(0);
}

bool TMC_JeyPumTreeWonJaJey_Unit_Form::pQuery(const QString &handler)
{
    return perform(handler, [this] {
        const ResultSet list = queryTreeList(db());
        m_tree = ProductTreeList(list);
        DBGrid1->setResult(list);
        m_listOpen = true;
    });
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::showTreeAt(int position)
{
    TreeView1->rebuild(m_tree);
    TreeView1->showNode(qBound(0, position, m_tree.size() - 1));
    if (!TreeView1->currentItem())
        TreeView1Change();
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::TreeView1Pick()
{
    if (m_tree.isEmpty() || TreeView1->currentPosition() < 0)
        return;
    m_nodeSelected = true;
    TreeView1Change();
    if (m_dialog)
        m_dialog->showNode(selectedNodeText());
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::TreeView1Change()
{
    const int position = TreeView1->currentPosition();
    AllCountPanel->setText(countText(kAllCount, m_tree.size()));
    if (position < 0 || position >= m_tree.size()) {
        ChildCountPanel->setText(countText(kChildCount, 0));
        return;
    }
    // The buttons act on the node the user sees selected, also after the screen moved it.
    if (m_nodeSelected)
        m_selectedIndex = position;
    DBGrid1->moveTo(QStringLiteral("Tr_Index"), QString::number(position));
    ChildCountPanel->setText(countText(kChildCount, int(m_tree.structure().children(position).size())));
}

QString TMC_JeyPumTreeWonJaJey_Unit_Form::selectedNodeText() const
{
    if (m_selectedIndex < 0 || m_selectedIndex >= m_tree.size())
        return {};
    return m_tree.row(m_selectedIndex).nameText;
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::openDialog(Dialog::Mode mode)
{
    dropDialog(); // one dialog at a time: a new request replaces the open one
    m_dialog = new Dialog(this);
    connect(m_dialog, &QDialog::finished, this, [this] {
        m_nodeSelected = false;
        m_dialog = nullptr;
        activateWindow();
        TreeView1->setFocus();
    });
    connect(m_dialog, &Dialog::okClicked, this, [this] { dialogOk(); });
    m_dialog->start(mode, m_tree.isEmpty() ? QString() : selectedNodeText());
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::dropDialog()
{
    if (!m_dialog)
        return;
    disconnect(m_dialog, nullptr, this, nullptr);
    m_dialog->close();
    m_dialog = nullptr;
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::editNode()
{
    std::optional<TreeRefusal> refusal;
    if (!perform(QStringLiteral("EditNodeBtnClick(Sender: TObject)"),
                 [&] { refusal = refuseNodeEdit(db(), m_tree, m_nodeSelected, m_selectedIndex); }))
        return;
    if (refusal) {
        showRefusal(*refusal);
        return;
    }
    openDialog(Dialog::Mode::Edit);
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::deleteNode()
{
    const QString handler = QStringLiteral("DeleteBtnClick(Sender: TObject)");
    std::optional<TreeRefusal> refusal;
    if (!perform(handler, [&] { refusal = refuseNodeDelete(db(), m_tree, m_nodeSelected, m_selectedIndex); }))
        return;
    if (refusal) {
        showRefusal(*refusal);
        return;
    }
    const int position = m_selectedIndex;
    const bool yes = msg::ask(deleteQuestionText(m_tree.row(position).nameText), MessageKind::Warning);
    m_nodeSelected = false;
    if (!yes)
        return;
    if (perform(handler, [&] { deleteTreeNode(db(), position); }) && pQuery(handler))
        showTreeAt(position - 1); // where the node was: its previous sibling or its parent
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::exportTree()
{
    ResultSet list;
    if (!perform(QStringLiteral("PrintBtnClick(Sender: TObject)"), [&] { list = queryTreeExport(db()); }))
        return;
    if (list.isEmpty()) {
        msg::warning(kTreeNoDataText);
        return;
    }
    ExportSheet sheet = exportSheetOf(list, treeExportFields());
    sheet.baseName = setup().className;
    pExcelExport(sheet);
}

void TMC_JeyPumTreeWonJaJey_Unit_Form::dialogOk()
{
    Dialog *dialog = m_dialog;
    if (!dialog)
        return;
    TreeNodeRequest request = dialog->request();
    request.nodeSelected = m_nodeSelected;
    request.selected = m_selectedIndex;
    std::optional<TreeRefusal> refusal;
    TreeDecision decision;
    const bool done = dialog->perform(QStringLiteral("OkBitBtnClick(Sender: TObject)"), [&] {
        // The user may have picked another node since the dialog opened: an edit checks it
        // as the edit button would have.
        if (request.action == TreeAction::Edit)
            refusal = refuseNodeEdit(db(), m_tree, request.nodeSelected, request.selected);
        if (refusal)
            return;
        decision = saveTreeNode(db(), request);
        refusal = decision.refusal;
    });
    if (!done) {
        dialog->pClear();
        dialog->close();
        return;
    }
    if (refusal) {
        if (refusal->after == AfterRefusal::RefreshTree && pQuery(QStringLiteral("pRefresh")))
            showTreeAt(m_selectedIndex);
        showRefusal(*refusal);
        if (refusal->after == AfterRefusal::FocusNodeText)
            dialog->ListEdit->setFocus();
        if (refusal->after == AfterRefusal::FocusQuantity) {
            dialog->edSuKg->setFocus();
            dialog->edSuKg->selectAll();
        }
        if (refusal->after == AfterRefusal::CloseDialog) {
            dialog->pClear();
            dialog->close();
        }
        // The tree view shows a node's new text only once it is saved: RestoreNodeText has
        // nothing to put back.
        return;
    }
    m_nodeSelected = false;
    if (pQuery(QStringLiteral("OkBitBtnClick(Sender: TObject)")))
        showTreeAt(decision.position);
    dialog->pClear();
    dialog->close();
}

} // namespace zedur
