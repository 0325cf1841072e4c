#pragma once

#include <QString>
#include <QStringList>

namespace zedur {

// A quick check of the books' file through a read-only connection, so that damage is found
// before anything writes to the file. Returns what the check found wrong; empty when the
// file is sound, and also when it is missing or no database at all (opening it reports those).
QStringList damageFound(const QString &databaseFile);

// The newest backup of the books in the backup folder beside them; empty when there is none.
QString newestBackup(const QString &databaseFile);

} // namespace zedur
