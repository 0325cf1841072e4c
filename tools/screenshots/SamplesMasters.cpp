#include "Shots.h"

#include "masters/ProductTree.h"
#include "store/Db.h"
#include "store/Serials.h"

#include <cstdio>

namespace shots {

namespace {

void sampleBooks(zedur::Db &db)
{
    const QStringList materials = {"ST01|냉연강판 1.2T|kg|3250.5", "ST02|열연강판 3.0T|kg|2980",
                                   "BT10|육각볼트 M10|EA|85.25", "PN01|분체도료 회색|kg|12500",
                                   "RB05|고무패킹 50mm|EA|420"};
    int n = 1;
    for (const QString &m : materials) {
        const QStringList f = m.split(u'|');
        db.exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name, Won_NameAlias, Won_DanGa, Won_DanWi, "
                "Won_Model, Won_PumName, Won_KuSize, Won_TextMemo, Won_Bigo) VALUES (:s, :c, :n, '', :p, :u, "
                "'KS-2024', :n, '1219x2438', '정기 구매', '')",
                {{":s", QStringLiteral("A%1").arg(n++, 10, 10, QChar(u'0'))},
                 {":c", f[0]},
                 {":n", f[1]},
                 {":u", f[2]},
                 {":p", f[3].toDouble()}});
    }
    const QStringList products = {"SH01|철제선반 5단|EA|1800x900x450", "CB20|공구함 대형|SET|600x300x280",
                                  "WR05|작업대 중량형|EA|1500x750x800", "RK12|파렛트랙 2열|SET|2000x1000x2400"};
    n = 1;
    for (const QString &p : products) {
        const QStringList f = p.split(u'|');
        db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_NameAlias, Jey_DanWi, Jey_Model, "
                "Jey_PumName, Jey_KuSize, Jey_TextMemo, Jey_Bigo) VALUES (:s, :c, :n, '', :u, 'KS-2024', :n, :k, "
                "'분체도장', '')",
                {{":s", QStringLiteral("A%1").arg(n++, 10, 10, QChar(u'0'))},
                 {":c", f[0]},
                 {":n", f[1]},
                 {":u", f[2]},
                 {":k", f[3]}});
    }
    // Two accounts registered by the user under the supplied groups.
    const QStringList accounts = {"40403005|잔업수당|노무비(제)|01제조|주야 2교대",
                                  "40404015|폐기물처리비|제조경비(제)|01제조|외부 위탁"};
    for (const QString &a : accounts) {
        const QStringList f = a.split(u'|');
        db.exec("INSERT INTO MC_AcNameCode (Ac_Serial, Ac_Kubun_A, Ac_Kubun_B, Ac_Kubun_C, Ac_Kubun_D, Ac_AcCode, "
                "Ac_AcName, Ac_AcNameReport, Ac_AcNameCall, Ac_GroupKubun, Ac_InPutKubun, Ac_CallKubun, "
                "Ac_TotalCode, Ac_TextMemo, Ac_Check_01, Ac_Check_02) VALUES (:s, :a, :b, :c, :d, :code, :name, "
                "'    ' || :name, :group || '/' || :name, :statement, '등록', '호출', :total, :memo, '', '')",
                {{":s", zedur::Serial_MaxValue(db, "MC_AcNameCode", "Ac_Serial")},
                 {":a", f[0].mid(0, 1)},
                 {":b", f[0].mid(1, 2)},
                 {":c", f[0].mid(3, 2)},
                 {":d", f[0].mid(5, 3)},
                 {":code", f[0]},
                 {":name", f[1]},
                 {":group", f[2]},
                 {":statement", f[3]},
                 {":total", f[0].left(5) + "000"},
                 {":memo", f[4]}});
    }
}

// Products and their trees: a shelf made of sheet steel, bolts, paint and a frame that is
// itself made of steel and rubber; a cabinet of its own.
void sampleTrees(zedur::Db &db)
{
    const QStringList products = {"P100|철제선반 3단|EA", "P200|선반 프레임|EA", "P300|철제 캐비닛|EA"};
    int n = 1;
    for (const QString &p : products) {
        const QStringList f = p.split(u'|');
        db.exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_NameAlias, Jey_DanWi, Jey_Model, "
                "Jey_PumName, Jey_KuSize, Jey_TextMemo) VALUES (:s, :c, :n, '', :u, 'SH-3', :n, '900x450x1800', "
                "'자체 생산')",
                {{":s", QStringLiteral("B%1").arg(n++, 10, 10, QChar(u'0'))}, {":c", f[0]}, {":n", f[1]}, {":u", f[2]}});
    }
    // "code quantity action selected": each node added as the dialog adds it.
    const QStringList steps = {"P100 1 append -1", "ST01 2.5 child 0",  "BT10 16 child 0",   "P200 1 child 0",
                               "ST02 1.8 child 3", "RB05 4 child 3",    "PN01 0.35 child 0", "P300 1 append 0",
                               "ST01 6.2 child 7", "BT10 24 child 7",   "PN01 0.8 child 7"};
    for (const QString &step : steps) {
        const QStringList f = step.split(u' ');
        zedur::TreeNodeRequest request;
        request.action = f[2] == u"child" ? zedur::TreeAction::AddChild : zedur::TreeAction::Append;
        request.selected = f[3].toInt();
        request.nodeSelected = request.selected >= 0;
        request.quantityText = f[1];
        const zedur::ResultSet items = queryTreeItems(db, zedur::TreeItemFilter::All, f[0]);
        request.item = zedur::treeItemAt(items, items.find("Tr_Code", f[0]));
        const zedur::TreeDecision decision = saveTreeNode(db, request);
        if (!decision.accepted())
            std::printf("sample tree refused %s: %s\n", qPrintable(f[0]), qPrintable(decision.refusal->text));
    }
}

} // namespace

void sampleMasters(zedur::Db &db)
{
    sampleBooks(db);
    sampleTrees(db);
}

} // namespace shots
