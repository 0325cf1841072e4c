#include "TestBooks.h"
#include "masters/ProductTreeStore.h"
#include "masters/TreeNodeText.h"
#include "store/Db.h"

#include <QTest>

using namespace zedur;
using test::TestBooks;

Q_DECLARE_METATYPE(zedur::TreeItemFilter)

// The tree dialog's list of products and raw materials.
class TreeItemListTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestBooks> m_books;

private slots:
    void initTestCase()
    {
        m_books = std::make_unique<TestBooks>();
        m_books->db().exec("INSERT INTO MC_JeyPumCode (Jey_Serial, Jey_Code, Jey_Name, Jey_TextMemo) "
                           "VALUES ('A0000000001', 'AB', 'CD', '메모 AB'), ('A0000000002', 'X1', '볼트', '')");
        m_books->db().exec("INSERT INTO MC_WonJaJeyCode (Won_Serial, Won_Code, Won_Name) "
                           "VALUES ('A0000000001', 'AB2', '철판'), ('A0000000002', 'Q1', 'BCD')");
    }
    void cleanupTestCase() { m_books.reset(); }

    // Code and name are searched as one text: "BC" only occurs across "AB" + "CD".
    void itemList_data()
    {
        QTest::addColumn<TreeItemFilter>("filter");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("codes");
        QTest::newRow("everything, products first, by name") << TreeItemFilter::All << "" << "AB X1 Q1 AB2";
        QTest::newRow("code and name joined as text") << TreeItemFilter::All << "BC" << "AB Q1";
        QTest::newRow("blanks dropped, case ignored") << TreeItemFilter::All << " b c" << "AB Q1";
        QTest::newRow("Korean name") << TreeItemFilter::All << "볼트" << "X1";
        QTest::newRow("products only") << TreeItemFilter::Products << "BC" << "AB";
        QTest::newRow("raw materials only") << TreeItemFilter::RawMaterials << "BC" << "Q1";
        QTest::newRow("nothing until searched") << TreeItemFilter::Nothing << "" << "";
    }
    void itemList()
    {
        QFETCH(TreeItemFilter, filter);
        QFETCH(QString, search);
        QFETCH(QString, codes);
        const ResultSet items = queryTreeItems(m_books->db(), filter, search);
        QStringList got;
        for (int i = 0; i < items.size(); ++i)
            got << items.text(i, "Tr_Code");
        QCOMPARE(got.join(u' '), codes);
    }

    void itemKinds()
    {
        const ResultSet items = queryTreeItems(m_books->db(), TreeItemFilter::All, "");
        QCOMPARE(items.value(0, "Kubun_Index").toString(), QStringLiteral("001"));
        QCOMPARE(items.value(0, "Kubun_Name").toString(), QStringLiteral("제품  "));
        QCOMPARE(items.value(2, "Kubun_Index").toString(), QStringLiteral("002"));
        const TreeItem product = treeItemAt(items, 0);
        QCOMPARE(product.kubun, kTreeProductKind);
        QCOMPARE(product.name, QStringLiteral("CD"));
        QCOMPARE(product.textMemo, QStringLiteral("메모 AB"));
        QCOMPARE(treeItemAt(items, 2).kubun, kTreeRawMaterialKind);
    }
};

QTEST_GUILESS_MAIN(TreeItemListTest)
#include "tst_treeitemlist.moc"
