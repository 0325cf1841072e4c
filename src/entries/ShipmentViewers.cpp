#include "entries/ShipmentViewers.h"

#include "common/Messages.h"
#include "entries/EntryTransaction.h"
#include "entries/EntryWarnings.h"
#include "entries/ProductShipments.h"
#include "entries/StoredRow.h"
#include "store/Db.h"

namespace zedur::shipments {

namespace {

QString undeletable(const QString &why)
{
    return QStringLiteral("선택된 데이타는") + LB + why + LB + QStringLiteral("삭제가 불가능한 데이타입니다.......");
}

// The viewers keep their boxes and point at the serial after a refusal.
RowRule viewerRule(const EntryTable &table, const QString &serialBox)
{
    return RowRule{table, false, QStringLiteral("등록,수정,삭제등이 가능합니다........"), serialBox, false};
}

Verdict deleteRow(Db &db, const RowRule &rule, const Period &shown, const QString &serial, bool refusesReturns)
{
    EntryTransaction t(db);
    const StoredRow row = readStoredRow(db, rule, serial, shown);
    if (refusesReturns && row.text(QStringLiteral("Kubun")) == ReturnKubun)
        return rule.refusal(undeletable(QStringLiteral("반품매출된 데이타라")));
    if (row.text(QStringLiteral("Check_01")) == period::Closed)
        return rule.refusal(undeletable(QStringLiteral("마감완료된 데이타라")));
    if (!row.found())
        return rule.refusal(warnings::pickRowToDelete());
    if (row.refusal())
        return row.refusal();
    deleteStoredRow(db, row);
    period::markRecalculation(db);
    t.commit();
    return std::nullopt;
}

} // namespace

Verdict deleteShipment(Db &db, const Period &shown, const QString &serial)
{
    return deleteRow(db, viewerRule(entryTables::Shipments, ShipmentViewerSerialBox), shown, serial, true);
}

Verdict deleteProductTransfer(Db &db, const Period &shown, const QString &serial)
{
    return deleteRow(db, viewerRule(entryTables::ProductTransfers, TransferViewerSerialBox), shown, serial, false);
}

} // namespace zedur::shipments
