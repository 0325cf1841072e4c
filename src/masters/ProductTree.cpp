#include "masters/ProductTree.h"

#include "common/KeySet.h"
#include "common/TextNumber.h"
#include "store/Db.h"

namespace zedur {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kCannotEdit = QStringLiteral("수정할 수 없습니다.....");
const QString kCannotDelete = QStringLiteral("삭제할 수 없습니다.....");
const QString kCannotAdd = QStringLiteral("추가할 수 없습니다.....");

QString paragraphs(const QString &first, const QString &second, const QString &third)
{
    return first + LB + LB + second + LB + LB + third;
}

TreeRefusal warning(const QString &text, AfterRefusal after = AfterRefusal::KeepDialog)
{
    return {MessageKind::Warning, text, after};
}

TreeRefusal information(const QString &text, AfterRefusal after = AfterRefusal::KeepDialog)
{
    return {MessageKind::Information, text, after};
}

TreeRefusal selectNodeFirst()
{
    return warning(QStringLiteral("Tree 노드를 먼저 꼭 선택하세요......."));
}

TreeRefusal rawMaterialAtTop(AfterRefusal after)
{
    return warning(treetexts::rawMaterialAtTop(), after);
}

TreeRefusal sameUnderParent(AfterRefusal after)
{
    return warning(QStringLiteral("부모 노드 아래 같은 데이타가 있습니다........"), after);
}

TreeRefusal sameInTree(const QString &verb, AfterRefusal after)
{
    return information(treetexts::sameInTree(verb), after);
}

TreeRefusal sameRoot(const QString &verb, AfterRefusal after)
{
    return information(treetexts::sameRoot(verb), after);
}

// Receipts that already use a code keep its tree nodes as they are.
std::optional<TreeRefusal> receiptsRefusal(Db &db, const QString &code, const QString &verb, AfterRefusal after)
{
    const QString text = treetexts::receiptsUse(db, code, verb);
    if (text.isEmpty())
        return std::nullopt;
    return information(text, after);
}

bool isSelection(const ProductTreeList &list, bool nodeSelected, int selected)
{
    return nodeSelected && selected >= 0 && selected < list.size();
}

// Whether the code is already held by the family's head or one of its direct children,
// leaving out the node being edited.
bool familyHolds(const ProductTreeList &list, int head, const QString &code, int except)
{
    for (int p : list.structure().familyPositions(head))
        if (p != except && list.row(p).code.compare(code, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

std::optional<TreeRefusal> addRefusal(Db &db, const ProductTreeList &list, const TreeNodeRequest &request,
                                      const NodePlace &place)
{
    const TreeItem &item = *request.item;
    const bool rawMaterial = item.kubun == kTreeRawMaterialKind;
    const bool product = item.kubun == kTreeProductKind;
    const QString parentKind = place.parent == TreeStructure::NoParent ? QString() : list.row(place.parent).kubun;
    if (rawMaterial && place.level == 0)
        return rawMaterialAtTop(AfterRefusal::KeepDialog);
    if (rawMaterial && parentKind == kTreeRawMaterialKind)
        return warning(treetexts::rawMaterialUnderRawMaterial());
    if (product && parentKind == kTreeRawMaterialKind)
        return warning(treetexts::productUnderRawMaterial());
    if (familyHolds(list, place.family, item.code, -1))
        return sameUnderParent(AfterRefusal::CloseDialog);
    if (list.isEmpty())
        return std::nullopt;
    const QString tree = list.row(request.selected).check01;
    if (tree.isEmpty())
        return std::nullopt;
    if (!(product && place.level == 0)) {
        if (codeInTreeCount(db, tree, item.code) > 0)
            return sameInTree(kCannotAdd, AfterRefusal::KeepDialog);
    } else if (rootCount(db, item.code) > 0) {
        return sameRoot(kCannotAdd, AfterRefusal::KeepDialog);
    }
    return std::nullopt;
}

// Every check here leaves the edited row out: it would otherwise find itself, and a
// node's quantity could never be edited.
std::optional<TreeRefusal> editRefusal(Db &db, const ProductTreeList &list, const TreeNodeRequest &request,
                                       const NodePlace &place)
{
    const TreeItem &item = *request.item;
    const int self = place.position;
    // An edit may not turn a root into a raw material any more than an add may.
    if (item.kubun == kTreeRawMaterialKind && place.level == 0)
        return rawMaterialAtTop(AfterRefusal::RestoreNodeText);
    if (auto refusal = receiptsRefusal(db, item.code, kCannotEdit, AfterRefusal::RestoreNodeText))
        return refusal;
    if (codeInTreeCount(db, list.row(self).check01, item.code, self) > 0)
        return sameInTree(kCannotEdit, AfterRefusal::RestoreNodeText);
    if (place.level == 0 && rootCount(db, item.code, self) > 0)
        return sameRoot(kCannotEdit, AfterRefusal::RestoreNodeText);
    if (familyHolds(list, place.family, item.code, self))
        return sameUnderParent(AfterRefusal::RefreshTree);
    if (sameKindCount(db, item.kubun, item.code, self) > 1)
        return warning(QStringLiteral("동일한 원자재 코드 데이타가 한개 이상 있습니다........"),
                       AfterRefusal::RefreshTree);
    return std::nullopt;
}

// The refusals of EditNodeBtn and DeleteBtn for the selected node, in their order.
std::optional<TreeRefusal> changeRefusal(Db &db, const ProductTreeList &list, int selected, const QString &verb)
{
    if (list.structure().descendantCount(selected) > 0)
        return information(QStringLiteral("하위 자식<하위>노드가 있어") + kCrLf + verb);
    return receiptsRefusal(db, list.row(selected).code, verb, AfterRefusal::KeepDialog);
}

} // namespace

namespace treetexts {

QString rawMaterialAtTop()
{
    return QStringLiteral("최상위 노드[제로노드]에서는") + LB +
           QStringLiteral("원자재 코드 데이타를 등록 할 수 없습니다........");
}

QString rawMaterialUnderRawMaterial()
{
    return QStringLiteral("상위 노드[부모노드]에서") + LB + QStringLiteral("원자재 데이타와 동일한") + LB +
           QStringLiteral("원자재 코드 데이타를 등록 할 수 없습니다........");
}

QString productUnderRawMaterial()
{
    return QStringLiteral("원자재 코드 데이타 아래") + LB + QStringLiteral("[상위 노드(부모노드)]") + LB +
           QStringLiteral("제품 코드 데이타를 등록 할 수 없습니다........");
}

QString sameInTree(const QString &verb)
{
    return paragraphs(QStringLiteral("같은 제품 BOM코드에 "), QStringLiteral("동일한 데이타가 있어"), verb);
}

QString sameRoot(const QString &verb)
{
    return paragraphs(QStringLiteral("제품 BOM 최상위 코드에 "), QStringLiteral("동일한 데이타가 있어"), verb);
}

QString receiptsUse(Db &db, const QString &code, const QString &verb)
{
    if (rawMaterialReceiptCount(db, code) > 0)
        return paragraphs(QStringLiteral("원자재 정보에 등록된 "), QStringLiteral("데이타가 있어"), verb);
    if (productReceiptCount(db, code) > 0)
        return paragraphs(QStringLiteral("제품창고에 입고된 "), QStringLiteral("데이타가 있어"), verb);
    return {};
}

const QString &cannotAdd()
{
    return kCannotAdd;
}

const QString &cannotEdit()
{
    return kCannotEdit;
}

} // namespace treetexts

void showRefusal(const TreeRefusal &refusal)
{
    if (refusal.text.isEmpty())
        return;
    if (refusal.kind == MessageKind::Information)
        msg::information(refusal.text);
    else if (refusal.kind == MessageKind::Plain)
        msg::plain(refusal.text);
    else
        msg::warning(refusal.text);
}

double treeQuantity(const QString &boxText)
{
    const QString text = fTrimLeftBlank(boxText);
    return text.trimmed().isEmpty() ? 1.0 : fNumValue(text);
}

QString treeNodeTextOf(const TreeItem &item, const QString &quantityText)
{
    const double quantity = item.kubun == kTreeRawMaterialKind ? treeQuantity(quantityText) : 1.0;
    return treeNodeText(item.kubun, item.name, quantity);
}

TreeDecision decideTreeNode(Db &db, const ProductTreeList &list, const TreeNodeRequest &request)
{
    TreeDecision decision;
    const bool edit = request.action == TreeAction::Edit;
    if ((!list.isEmpty() || edit) && !isSelection(list, request.nodeSelected, request.selected)) {
        decision.refusal = selectNodeFirst();
        return decision;
    }
    if (!request.item) {
        decision.refusal = warning(QStringLiteral("이름을 꼭 등록하세요......."), AfterRefusal::FocusNodeText);
        return decision;
    }
    // The quantity box takes digits and a point only: a quantity below zero, or text that
    // is no number, is none the user could have typed and is not stored.
    if (request.item->kubun == kTreeRawMaterialKind && !typable(KeySet::NumberNoMinus, request.quantityText, true)) {
        decision.refusal = TreeRefusal{MessageKind::Plain, refusedKeyText, AfterRefusal::FocusQuantity};
        return decision;
    }
    const int selected = list.isEmpty() ? -1 : request.selected;
    const NodePlace place = list.structure().placeNode(request.action, selected);
    decision.refusal = edit ? editRefusal(db, list, request, place) : addRefusal(db, list, request, place);
    if (decision.refusal)
        return decision;

    const TreeItem &item = *request.item;
    const bool product = item.kubun == kTreeProductKind;
    decision.position = place.position;
    TreeNodeValues &v = decision.values;
    v.level = place.level;
    v.nameText = treeNodeTextOf(item, request.quantityText).trimmed();
    v.code = item.code;
    v.name = item.name;
    v.danWi = item.danWi;
    v.model = item.model;
    v.pumName = item.pumName;
    v.kuSize = item.kuSize;
    v.kubun = item.kubun;
    v.suKg = product ? 1.0 : treeQuantity(request.quantityText);
    v.bigo = request.remark;
    // A root names its own tree, also after an edit gave it another product; every other
    // node belongs to the selected node's tree.
    v.check01 = product && place.level == 0 ? item.code : list.row(selected).check01;
    return decision;
}

TreeDecision saveTreeNode(Db &db, const TreeNodeRequest &request)
{
    Transaction t(db);
    const TreeDecision decision = decideTreeNode(db, ProductTreeList(queryTreeList(db)), request);
    if (!decision.accepted())
        return decision;
    if (request.action == TreeAction::Edit)
        updateTreeNode(db, decision.position, decision.values);
    else
        insertTreeNode(db, decision.position, decision.values);
    t.commit();
    return decision;
}

std::optional<TreeRefusal> refuseWithoutSelection(const ProductTreeList &list, bool nodeSelected, int selected)
{
    if (!list.isEmpty() && !isSelection(list, nodeSelected, selected))
        return selectNodeFirst();
    return std::nullopt;
}

std::optional<TreeRefusal> refuseNodeEdit(Db &db, const ProductTreeList &list, bool nodeSelected, int selected)
{
    if (list.isEmpty())
        return TreeRefusal{MessageKind::Plain, QString(), AfterRefusal::KeepDialog};
    if (auto refusal = refuseWithoutSelection(list, nodeSelected, selected))
        return refusal;
    return changeRefusal(db, list, selected, kCannotEdit);
}

std::optional<TreeRefusal> refuseNodeDelete(Db &db, const ProductTreeList &list, bool nodeSelected, int selected)
{
    if (list.isEmpty())
        return information(QStringLiteral("삭제할 노드가 없습니다."));
    if (auto refusal = refuseWithoutSelection(list, nodeSelected, selected))
        return refusal;
    return changeRefusal(db, list, selected, kCannotDelete);
}

QString deleteQuestionText(const QString &nameText)
{
    return fDeleteBlank(nameText) + kCrLf + QStringLiteral("정말 삭제 합니까 ?");
}

} // namespace zedur
