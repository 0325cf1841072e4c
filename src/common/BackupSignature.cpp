#include "common/BackupSignature.h"

#include <QFile>
#include <QtEndian>

namespace zedur::backupsignature {

bool looksLikeBackup(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(8 + labelTag.size());
    return head.size() == 8 + labelTag.size() && qFromLittleEndian<quint32>(head.constData()) == labelMagic &&
           head.mid(8) == labelTag;
}

} // namespace zedur::backupsignature
