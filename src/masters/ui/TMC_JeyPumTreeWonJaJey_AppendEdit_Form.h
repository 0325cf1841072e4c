#pragma once

#include "common/ui/Screen.h"
#include "masters/ProductTree.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zedur {

class DataGrid;
class ListCombo;
class NumberBox;
class SearchBar;

// The companion of the product-tree screen: the user picks a product or raw material from
// the masters, gives its quantity and remark, and asks the tree screen to add or change the
// node. Shown beside the tree screen, not modal; a new one for every request.
class TMC_JeyPumTreeWonJaJey_AppendEdit_Form : public Screen
{
    Q_OBJECT
public:
    // Edit the selected node, add one at its level, or add one under it.
    enum class Mode { Edit = 0, AddAtLevel = 1, AddChild = 2 };

    explicit TMC_JeyPumTreeWonJaJey_AppendEdit_Form(QWidget *parent = nullptr);

    QLabel *Panel1;
    ListCombo *cbKubun;
    QLineEdit *edSearch;
    QPushButton *SearchBtn;
    DataGrid *DBGrid1;
    QLabel *TitlePanel;
    QLineEdit *edCode;
    QLineEdit *edName;
    QLineEdit *edKubun;
    ListCombo *cbInPut_Kubun;
    QLabel *Label_SuKg;
    NumberBox *edSuKg;
    QLineEdit *ListEdit;
    QLineEdit *edBigo;
    QLabel *Label_Memo;
    QPushButton *OkBitBtn;
    QPushButton *CancelBitBtn;

    Mode mode() const { return m_mode; }
    // Shows the dialog for one request about the node with this text (empty: the tree is
    // still empty): boxes cleared, captions and list as the mode starts them.
    void start(Mode mode, const QString &nodeText);
    // Panel1: what is being done, to which node.
    void showNode(const QString &nodeText);
    // What OK asks for; the tree screen adds its selection.
    TreeNodeRequest request() const;
    void pClear();

signals:
    void okClicked();

private:
    void pQuery(TreeItemFilter filter);
    TreeItemFilter searchFilter() const;
    void DBGrid1Picked();
    bool edSuKgExit();
    void buildNodeText();

    SearchBar *m_search;
    QLabel *m_inputKubunLabel;
    Mode m_mode = Mode::AddAtLevel;
    std::optional<TreeItem> m_item;
};

} // namespace zedur
