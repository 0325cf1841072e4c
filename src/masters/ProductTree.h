#pragma once

#include "common/Messages.h"
#include "masters/ProductTreeStore.h"
#include "masters/TreeNodeText.h"
#include "masters/TreeStructure.h"

#include <QString>
#include <optional>

// The rules of the product-tree screen and its dialog, without widgets: every button and
// the dialog's OK either get a refusal to show (its kind, exact text and what the screen
// does next) or go ahead.
namespace zedur {

// What the screen does after showing a refusal.
enum class AfterRefusal {
    KeepDialog,      // nothing more
    FocusNodeText,   // focus on the dialog's node text (ListEdit)
    FocusQuantity,   // focus on the dialog's quantity box (edSuKg), its text selected
    CloseDialog,     // clear the dialog and close it
    RestoreNodeText, // the edited node's tree text goes back to its Tr_NameText
    RefreshTree,     // rebuild the tree view
};

struct TreeRefusal {
    MessageKind kind = MessageKind::Warning;
    QString text; // empty: nothing is shown, the action just does not happen
    AfterRefusal after = AfterRefusal::KeepDialog;
};

// The texts of the tree's rules, as the screen words them, for whatever else holds trees to
// them. `verb` ends the text: cannotAdd() or cannotEdit().
namespace treetexts {
QString rawMaterialAtTop();
QString rawMaterialUnderRawMaterial();
QString productUnderRawMaterial();
QString sameInTree(const QString &verb);
QString sameRoot(const QString &verb);
// Receipts that use the code keep its nodes as they are; empty when none does.
QString receiptsUse(Db &db, const QString &code, const QString &verb);
const QString &cannotAdd();
const QString &cannotEdit();
} // namespace treetexts

// Shows the refusal's box (none for a silent one).
void showRefusal(const TreeRefusal &refusal);

inline const QString kTreeNoDataText = QStringLiteral("데이타가 없습니다......");

// What the dialog's OK is asked with.
struct TreeNodeRequest {
    TreeAction action = TreeAction::Append; // Edit is dialog mode 0, AddChild mode 2
    bool nodeSelected = false;              // the screen's node-selected flag
    int selected = -1;                      // Tr_Index of the selected row
    std::optional<TreeItem> item;           // the item picked in the dialog's list
    QString quantityText;                   // edSuKg
    QString remark;                         // edBigo
};

// The dialog's quantity box as a number: empty means 1.
double treeQuantity(const QString &boxText);

// The node text the dialog shows (ListEdit) for an item and a quantity box.
QString treeNodeTextOf(const TreeItem &item, const QString &quantityText);

struct TreeDecision {
    std::optional<TreeRefusal> refusal;
    int position = -1;     // where the node is written
    TreeNodeValues values; // what is written there
    bool accepted() const { return !refusal; }
};

// The checks of the dialog's OK, in their order, on the list as it is now.
TreeDecision decideTreeNode(Db &db, const ProductTreeList &list, const TreeNodeRequest &request);
// The dialog's OK as one transaction: reads the list, decides, and writes when accepted.
TreeDecision saveTreeNode(Db &db, const TreeNodeRequest &request);

// The node-selected flag that every button but Close and Print needs when the table has rows.
std::optional<TreeRefusal> refuseWithoutSelection(const ProductTreeList &list, bool nodeSelected, int selected);
// EditNodeBtn and DeleteBtn before the dialog or the question: the selection, then a
// node with children, then receipts that use the node's code; deleting also needs a node.
std::optional<TreeRefusal> refuseNodeEdit(Db &db, const ProductTreeList &list, bool nodeSelected, int selected);
std::optional<TreeRefusal> refuseNodeDelete(Db &db, const ProductTreeList &list, bool nodeSelected, int selected);
// The Yes/No question (a warning box) before a node is deleted.
QString deleteQuestionText(const QString &nameText);

} // namespace zedur
