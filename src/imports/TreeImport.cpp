#include "imports/TreeImport.h"

#include "imports/ImportColumns.h"
#include "masters/ProductTree.h"
#include "masters/ProductTreeStore.h"
#include "masters/TreeNodeText.h"
#include "store/Db.h"

#include <QSet>
#include <cmath>
#include <optional>

namespace zedur::imports {

namespace {

const QString Level = QStringLiteral("Tr_Level");
const QString Code = QStringLiteral("Tr_Code");
const QString Kubun = QStringLiteral("Tr_Kubun");
const QString Quantity = QStringLiteral("Tr_SuKg");
const QString Bigo = QStringLiteral("Tr_Bigo");
const QString TreeTable = QStringLiteral("MC_JeyPumTreeWonJaJey");

QVector<Field> treeFields()
{
    return {{Level, {"레벨", "단계"}},
            textField(TreeTable, Code, {"제품,원자재 코드", "코드"}),
            {Kubun, {"구분"}},
            {Quantity, {"원자재 소유 수량(중량)", "수량(중량)", "수량"}},
            textField(TreeTable, Bigo, {"비고"})};
}

QString key(const QString &code)
{
    return code.trimmed().toLower();
}

// A node as the file gives it and as the books will hold it.
struct Node {
    int row = 0;
    int level = 0;
    TreeItem item;
    double quantity = 1.0;
    QString bigo;
};

// A node as the books hold it, for telling an unchanged tree.
struct StoredNode {
    int level;
    QString code;
    double quantity;
    QString bigo;
};

struct StoredTree {
    int root = 0; // Tr_Index of its root
    QVector<StoredNode> nodes;
};

// One tree of the file, from its root row to the next root: judged whole once complete.
struct FileTree {
    QString sheet;
    QVector<Node> nodes;
    QVector<RowReport> reports;
    QSet<QString> codes;
    bool refused = false;
};

class TreeImport : public Importer
{
public:
    explicit TreeImport(ImportContext &context) : m_fields(treeFields()), m_update(context.options().update)
    {
        Db &db = context.db();
        const auto items = queryTreeItems(db, TreeItemFilter::All, QString());
        for (int i = 0; i < items.size(); ++i) {
            const TreeItem item = treeItemAt(items, i);
            m_items.insert(key(item.code), item);
        }
        StoredTree *tree = nullptr;
        int count = 0;
        db.forEachRow(QStringLiteral("Select Tr_Index, Tr_Level, Tr_Code, Tr_SuKg, Tr_Bigo From %1 Order By Tr_Index")
                          .arg(TreeTable),
                      {}, [&](const RowReader &r) {
                          ++count;
                          const int level = r.value(Level).toInt();
                          if (level == 0) {
                              tree = &m_stored[key(r.text(Code))];
                              tree->root = r.value("Tr_Index").toInt();
                              tree->nodes.clear();
                          }
                          if (tree)
                              tree->nodes.append({level, r.text(Code), r.number(Quantity), r.text(Bigo)});
                      });
        m_nextPosition = count;
    }

    bool beginSheet(ImportContext &context, const QString &sheet, int titleRow, const SheetCells &titles) override
    {
        flush(context);
        QVector<Problem> problems;
        m_columns.emplace(m_fields, titles, problems);
        m_columns->requireAll({Level, Code}, problems);
        for (const Problem &p : problems)
            context.fileProblem(sheet, titleRow, p);
        m_path.clear();
        return problems.isEmpty();
    }

    void row(ImportContext &context, const QString &sheet, int number, const SheetCells &cells) override
    {
        FieldRow r(*m_columns, cells);
        Node node;
        node.row = number;
        const std::optional<double> level = r.number(Level);
        const bool levelOk = level && *level >= 0 && std::floor(*level) == *level && *level < 1000;
        if (!levelOk && r.ok())
            r.problem(Level, QStringLiteral("레벨은 0 이상의 정수여야 합니다: ") + r.shown(Level));
        node.level = levelOk ? int(*level) : -1;
        const QString code = r.code(Code);
        node.bigo = r.has(Bigo) ? r.text(Bigo) : QString();
        const auto item = m_items.constFind(key(code));
        if (code.isEmpty())
            r.problem(Code, QStringLiteral("코드가 없습니다."));
        else if (item == m_items.constEnd())
            r.problem(Code, QStringLiteral("원자재 코드에도 제품 코드에도 없는 코드입니다: ") + code);
        else
            node.item = *item;
        const QString kind = node.item.kubun;
        if (!kind.isEmpty() && r.filled(Kubun) && r.shown(Kubun) != kind)
            r.problem(Kubun, QStringLiteral("구분이 코드와 맞지 않습니다: %1은(는) %2입니다.").arg(code, kind));
        if (kind == kTreeRawMaterialKind) {
            const std::optional<double> quantity = r.number(Quantity);
            node.quantity = quantity.value_or(1.0); // an empty box means one, as in the dialog
            if (quantity && *quantity <= 0)
                r.problem(Quantity, QStringLiteral("수량은 0보다 커야 합니다: ") + r.shown(Quantity));
        }
        if (node.level == 0) {
            flush(context);
            startTree(r, sheet, node);
        } else if (node.level > 0) {
            placeUnderParent(r, node);
        }
        RowReport report{sheet, number, RowAction::Add, code, node.item.name, r.problems()};
        if (!r.ok())
            report.action = RowAction::Refused;
        if (!m_tree) { // no tree to hold the row: judged on its own
            context.report(report);
            return;
        }
        m_tree->refused = m_tree->refused || !r.ok();
        m_tree->nodes.append(node);
        m_tree->reports.append(report);
    }

    void finish(ImportContext &context) override { flush(context); }

private:
    void startTree(FieldRow &r, const QString &sheet, const Node &node)
    {
        m_tree.emplace();
        m_tree->sheet = sheet;
        m_path = {node};
        if (!node.item.kubun.isEmpty() && node.item.kubun != kTreeProductKind)
            r.problem(Code, oneLine(treetexts::rawMaterialAtTop()));
        if (const int first = m_fileRoots.value(key(node.item.code)); first > 0 && !node.item.code.isEmpty())
            r.problem(Code, QStringLiteral("파일의 %1행에 같은 제품의 트리가 있습니다.").arg(first));
        else if (!node.item.code.isEmpty())
            m_fileRoots.insert(key(node.item.code), node.row);
        m_tree->codes.insert(key(node.item.code));
    }

    void placeUnderParent(FieldRow &r, const Node &node)
    {
        if (!m_tree || m_path.isEmpty()) {
            r.problem(Level, QStringLiteral("상위 노드가 없습니다: 트리는 레벨 0의 제품으로 시작해야 합니다."));
            return;
        }
        if (node.level > m_path.size()) {
            r.problem(Level,
                      QStringLiteral("상위 노드가 없습니다: 바로 위에 레벨 %1의 노드가 없습니다.").arg(node.level - 1));
            return;
        }
        m_path.resize(node.level);
        const Node &parent = m_path.last();
        const QString kind = node.item.kubun;
        if (parent.item.kubun == kTreeRawMaterialKind)
            r.problem(Level, oneLine(kind == kTreeProductKind ? treetexts::productUnderRawMaterial()
                                                              : treetexts::rawMaterialUnderRawMaterial()));
        if (!node.item.code.isEmpty()) {
            bool loop = false;
            for (const Node &ancestor : m_path)
                loop = loop || key(ancestor.item.code) == key(node.item.code);
            if (loop)
                r.problem(Code,
                          QStringLiteral("순환입니다: %1이(가) 자기 자신의 아래에 있습니다.").arg(node.item.code));
            else if (m_tree->codes.contains(key(node.item.code)))
                r.problem(Code, oneLine(treetexts::sameInTree(treetexts::cannotAdd())));
            m_tree->codes.insert(key(node.item.code));
        }
        m_path.append(node);
    }

    // The tree is complete: judged whole, its rows reported, written when it may be.
    void flush(ImportContext &context)
    {
        if (!m_tree)
            return;
        FileTree tree = std::move(*m_tree);
        m_tree.reset();
        const Node &root = tree.nodes.first();
        const auto stored = m_stored.constFind(key(root.item.code));
        RowAction action = RowAction::Add;
        if (!tree.refused && stored != m_stored.constEnd()) {
            action = judgeStored(context, tree, *stored);
        }
        for (RowReport &report : tree.reports) {
            if (report.action != RowAction::Refused)
                report.action = tree.refused ? RowAction::Add : action;
            context.report(report);
        }
        if (tree.refused || !context.writing() || action == RowAction::Same || action == RowAction::Refused)
            return;
        if (action == RowAction::Update) {
            const int replaced = stored->root;
            const int removed = deleteTreeNode(context.db(), replaced);
            m_nextPosition -= removed;
            m_stored.remove(key(root.item.code));
            // Trees after the replaced one moved up.
            for (StoredTree &t : m_stored)
                if (t.root > replaced)
                    t.root -= removed;
        }
        write(context, tree);
    }

    RowAction judgeStored(ImportContext &context, FileTree &tree, const StoredTree &stored)
    {
        RowReport &rootReport = tree.reports.first();
        if (same(tree, stored))
            return RowAction::Same;
        const Problem refused{m_columns->titleOf(Code), {}};
        if (!m_update) {
            rootReport.problems.append({refused.column, oneLine(treetexts::sameRoot(treetexts::cannotAdd())) +
                                                            QStringLiteral(" (장부에 있는 트리를 바꾸려면 '있는 코드 "
                                                                           "고치기'를 고르세요.)")});
        } else {
            for (const StoredNode &n : stored.nodes) {
                const QString used = treetexts::receiptsUse(context.db(), n.code, treetexts::cannotEdit());
                if (!used.isEmpty()) {
                    rootReport.problems.append({refused.column, n.code + QStringLiteral(": ") + oneLine(used)});
                    break;
                }
            }
        }
        if (rootReport.problems.isEmpty())
            return RowAction::Update;
        rootReport.action = RowAction::Refused;
        tree.refused = true;
        return RowAction::Refused;
    }

    static bool same(const FileTree &tree, const StoredTree &stored)
    {
        if (tree.nodes.size() != stored.nodes.size())
            return false;
        for (qsizetype i = 0; i < tree.nodes.size(); ++i) {
            const Node &n = tree.nodes.at(i);
            const StoredNode &s = stored.nodes.at(i);
            const double quantity = n.item.kubun == kTreeRawMaterialKind ? n.quantity : 1.0;
            if (n.level != s.level || key(n.item.code) != key(s.code) || quantity != s.quantity || n.bigo != s.bigo)
                return false;
        }
        return true;
    }

    void write(ImportContext &context, const FileTree &tree)
    {
        const QString rootCode = tree.nodes.first().item.code;
        QVector<TreeNodeValues> nodes;
        for (const Node &n : tree.nodes) {
            const bool rawMaterial = n.item.kubun == kTreeRawMaterialKind;
            TreeNodeValues v;
            v.level = n.level;
            v.suKg = rawMaterial ? n.quantity : 1.0;
            v.nameText = treeNodeText(n.item.kubun, n.item.name, v.suKg).trimmed();
            v.code = n.item.code;
            v.name = n.item.name;
            v.danWi = n.item.danWi;
            v.model = n.item.model;
            v.pumName = n.item.pumName;
            v.kuSize = n.item.kuSize;
            v.kubun = n.item.kubun;
            v.bigo = n.bigo;
            v.check01 = rootCode;
            nodes << v;
        }
        appendTreeNodes(context.db(), m_nextPosition, nodes);
        m_nextPosition += int(nodes.size());
    }

    QVector<Field> m_fields;
    bool m_update;
    std::optional<SheetColumns> m_columns;
    QHash<QString, TreeItem> m_items;    // products and raw materials by code
    QHash<QString, StoredTree> m_stored; // the books' trees by their product
    QHash<QString, int> m_fileRoots;     // the file's trees by product -> row
    std::optional<FileTree> m_tree;      // the tree being read
    QVector<Node> m_path;                // the nodes from the root to the last row
    int m_nextPosition = 0;
};

} // namespace

std::unique_ptr<Importer> makeTreeImport(ImportContext &context)
{
    return std::make_unique<TreeImport>(context);
}

} // namespace zedur::imports
