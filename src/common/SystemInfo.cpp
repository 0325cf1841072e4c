#include "common/SystemInfo.h"

#include "common/BooksLocation.h"
#include "common/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <sys/statvfs.h>

namespace zedur {

namespace {
QString &appDirOverride()
{
    static QString dir;
    return dir;
}
QString &databaseLocationOverride()
{
    static QString location;
    return location;
}
bool &readOnlyRequested()
{
    static bool requested = false;
    return requested;
}
QString &programDateFormat()
{
    static QString format = QStringLiteral("yyyy-MM-dd");
    return format;
}
} // namespace

QString appDir()
{
    QString dir = appDirOverride();
    if (dir.isEmpty()) {
        // Chosen once: the books must not move while the program runs.
        static const QString chosen =
            chooseDataFolder(inspectProgramFolder(QCoreApplication::applicationDirPath()), userDataFolder());
        return chosen;
    }
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

void setAppDirForTesting(const QString &dir)
{
    appDirOverride() = dir;
}

QString exeFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QString databasePath()
{
    if (!databaseLocationOverride().isEmpty())
        return databaseLocationOverride();
    // The data folder's settings first, so that a user can point a shared installation at
    // other books; then the program's own folder, where an administrator sets them for all.
    for (const QString &folder : {appDir(), QCoreApplication::applicationDirPath() + u'/'}) {
        const SettingsLocation settings = locationFromSettings(folder + settingsFileName());
        if (!settings.error.isEmpty())
            return QStringLiteral("postgresql:// (") + settings.error + u')';
        if (!settings.location.isEmpty())
            return settings.location;
    }
    return appDir() + QStringLiteral("Access_Db/ZedUr_DB.mdb");
}

void setDatabaseLocation(const QString &location)
{
    databaseLocationOverride() = location;
}

bool booksReadOnlyRequested()
{
    return readOnlyRequested();
}

void setBooksReadOnlyRequested(bool readOnly)
{
    readOnlyRequested() = readOnly;
}

QString settingsFileName()
{
    return QStringLiteral("ZedUr.ini");
}

QString dataSaveDir()
{
    return appDir() + QStringLiteral("Data_Save/");
}

QString errorLogPath()
{
    return dataSaveDir() + QStringLiteral("ErrorMessage.Txt");
}

QString fComputerName()
{
    QString name = QSysInfo::machineHostName();
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

QString fVolumeSerial(const QString &path)
{
    // The nearest existing folder of path stands for its volume.
    QFileInfo info(path.isEmpty() ? QStringLiteral(".") : path);
    QString probe = info.absoluteFilePath();
    while (!QFileInfo::exists(probe) && probe != QDir::rootPath())
        probe = QFileInfo(probe).absolutePath();

    struct statvfs fs {};
    quint32 id = 0;
    if (::statvfs(QFile::encodeName(probe).constData(), &fs) == 0)
        id = static_cast<quint32>(fs.f_fsid);
    return QStringLiteral("%1 - %2")
        .arg(id >> 16, 4, 16, QChar(u'0'))
        .arg(id & 0xFFFF, 4, 16, QChar(u'0'))
        .toUpper();
}

void ChangeDateFormat(const QString &format)
{
    programDateFormat() = format;
}

QString dateFormat()
{
    return programDateFormat();
}

QString saveDateText(const QDateTime &when)
{
    QString text = when.date().toString(dateFormat());
    if (when.time() != QTime(0, 0))
        text += u' ' + when.time().toString(QStringLiteral("HH:mm:ss"));
    return text;
}

QString saveDateNow()
{
    return saveDateText(QDateTime::currentDateTime());
}

AuditValues AuditValues::now()
{
    return {fVolumeSerial(appDir()), fComputerName(), appDir(), saveDateNow()};
}

} // namespace zedur
