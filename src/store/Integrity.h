#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

namespace zedur {

// A quick check of the books' file through a read-only connection, so that damage is found
// before anything writes to the file. `damage` is what the check found wrong; empty when the
// file is sound, and also when it is missing or no database at all (opening it reports those).
// `steps` is the work the check took, in the engine's own units: the next check of the same
// books takes about as many, which lets a progress bar say how far one has come.
struct IntegrityCheck {
    QStringList damage;
    qint64 steps = 0;
};
// `tick` hears the steps done so far, often, while the check runs.
IntegrityCheck checkIntegrity(const QString &databaseFile, const std::function<void(qint64 steps)> &tick = {});
QStringList damageFound(const QString &databaseFile);

// The newest whole backup of the books in the backup folder beside them; empty when there is none.
QString newestBackup(const QString &databaseFile);

// The first row of a query on a database file opened only to read (nothing, not even a side
// file, is written); empty when there is no row or the file cannot be read.
QVariantList readOnlyRow(const QString &databaseFile, const QString &sql);

} // namespace zedur
