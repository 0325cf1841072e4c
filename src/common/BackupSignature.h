#pragma once

#include <QByteArray>
#include <QString>

// How a backup of the books begins: its label in one of zstd's skippable frames (a magic
// number from their range, the label's length, then the label, which starts with the tag).
// Here, below the store, so that whatever writes a file at a user's word knows a backup
// when it meets one.
namespace zedur::backupsignature {

constexpr quint32 labelMagic = 0x184D2A50;
inline const QByteArray labelTag = QByteArrayLiteral("ZEDUR-BACKUP-1\n");

bool looksLikeBackup(const QString &path);

} // namespace zedur::backupsignature
