#pragma once

#include "common/ui/Screen.h"
#include "masters/ProductTreeStore.h"
#include "masters/ui/TMC_JeyPumTreeWonJaJey_AppendEdit_Form.h"

#include <QPointer>

class QLabel;
class QPushButton;
class QStatusBar;

namespace zedur {

class DataGrid;
class ProductTreeView;

// The product trees (bills of materials): every product with the products and raw materials
// it is made of, shown as a tree and as the list behind it, and changed node by node through
// the companion dialog.
class TMC_JeyPumTreeWonJaJey_Unit_Form : public Screen
{
    Q_OBJECT
public:
    explicit TMC_JeyPumTreeWonJaJey_Unit_Form(QWidget *parent = nullptr);
    ~TMC_JeyPumTreeWonJaJey_Unit_Form() override;

    QPushButton *RefreshBtn;
    QPushButton *NewNodeBtn;
    QPushButton *NewSubNodeBtn;
    QPushButton *EditNodeBtn;
    QPushButton *DeleteBtn;
    QPushButton *PrintBtn;
    QPushButton *CloseBtn;
    ProductTreeView *TreeView1;
    DataGrid *DBGrid1;
    QStatusBar *StatusBar1;
    QLabel *AllCountPanel;
    QLabel *ChildCountPanel;

    // Whether the user picked a node since the last change, and the list position picked.
    bool nodeSelected() const { return m_nodeSelected; }
    int selectedIndex() const { return m_selectedIndex; }
    // The dialog while it is open.
    TMC_JeyPumTreeWonJaJey_AppendEdit_Form *appendEditForm() const { return m_dialog; }

protected:
    void onFirstShow() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void ButtonClick(QPushButton *button);
    void pRefresh();
    // Reads the tree list into the grid and the structure; false after a failure.
    bool pQuery(const QString &handler);
    // The tree view again from the list, showing the node at the position.
    void showTreeAt(int position);
    void TreeView1Pick();
    void TreeView1Change();
    void openDialog(TMC_JeyPumTreeWonJaJey_AppendEdit_Form::Mode mode);
    // Closes the open dialog without it counting as the user's: the selection stays.
    void dropDialog();
    void editNode();
    void deleteNode();
    void exportTree();
    void dialogOk();
    QString selectedNodeText() const;

    ProductTreeList m_tree;
    bool m_listOpen = false;
    bool m_nodeSelected = false;
    int m_selectedIndex = -1;
    QPointer<TMC_JeyPumTreeWonJaJey_AppendEdit_Form> m_dialog;
};

} // namespace zedur
