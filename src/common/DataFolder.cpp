#include "common/DataFolder.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace zedur {

namespace {
QString withSlash(QString dir)
{
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}
} // namespace

QString chooseDataFolder(const ProgramFolder &program, const QString &userDataFolder)
{
    const bool portable = program.writable && program.holdsBooksFolder;
    if (portable || userDataFolder.isEmpty())
        return withSlash(program.path);
    return withSlash(userDataFolder);
}

ProgramFolder inspectProgramFolder(const QString &path)
{
    const QFileInfo folder(path);
    const QFileInfo books(withSlash(path) + QStringLiteral("Access_Db"));
    return {path, folder.isDir() && folder.isWritable(), books.isDir()};
}

QString userDataFolder()
{
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return shared.isEmpty() ? QString() : shared + QStringLiteral("/zedur");
}

} // namespace zedur
