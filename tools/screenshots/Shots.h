#pragma once

#include "store/Periods.h"

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace zedur {
class Db;
class DataGrid;
} // namespace zedur

// The pieces the screenshots tool is made of: sample books per subsystem, the pictures of
// each subsystem's screens, and the few helpers they share.
namespace shots {

// The month the sample books are open in.
inline const zedur::Period April{QStringLiteral("2005"), QStringLiteral("04")};

void shoot(QWidget &w, const QString &file);
void click(QWidget *w);
void typeInto(QLineEdit *box, const QString &text);
// Types into a box (or picks in a list) key by key, as a user would, then leaves it with Tab.
void typeAndLeave(QWidget *box, const QString &text);
// A button pressed with the mouse: it takes the focus first, so that exit checks take part.
void press(QPushButton *button);
void pickRow(zedur::DataGrid *grid, int row, int column);

void sampleMasters(zedur::Db &db);
void sampleEntries(zedur::Db &db);
void sampleReports(zedur::Db &db);

void shootMasters(const QString &out);
void shootEntries(const QString &out);
// The allocation and the close, run on the sample month, the backups and their restore.
void shootClosing(const QString &out);
// The start-up's offer of a backup for damaged books (books of their own).
void shootDamagedBooksOffer(const QString &out);
// The completion into the warehouse and the WIP transfers, with their viewers.
void shootWip(const QString &out);
void shootReports(const QString &out);
// Product shipments and transfers with their viewers, and sales returns.
void shootShipments(const QString &out);
// The statements and the product trend over the months, on generated books of their own.
void shootHistory(const QString &out);
// 자료 가져오기 with a checked file of good and bad rows.
void shootImports(const QString &out);
// F1 on a screen: the help window at its section, and at the table of contents (only where
// OUTDIR lies in the manual's folder).
void shootHelp(const QString &out);

} // namespace shots
