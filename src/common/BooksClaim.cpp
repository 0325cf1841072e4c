#include "common/BooksClaim.h"

#include "common/BooksLocation.h"
#include "common/FilePaths.h"
#include "common/Messages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zedur {

namespace {

QString lockFileOf(const QString &location, const QString &purpose)
{
    const QByteArray hash = QCryptographicHash::hash(booksIdentity(location).toUtf8(), QCryptographicHash::Sha1);
    return QDir::tempPath() + QStringLiteral("/zedur-") + purpose + u'-' + QString::fromLatin1(hash.toHex().left(20)) +
           QStringLiteral(".lock");
}

// Close-on-exec: a program the holder starts (the spreadsheet program an export opens) must
// not keep the claim after the holder has ended.
int openLockFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        // Every user of this machine claims the same books through the same file.
        if (fd >= 0)
            ::fchmod(fd, 0666);
    }
    if (fd < 0)
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    return fd;
}

void writeHolder(int fd, const BooksHolder &self)
{
    const QByteArray text = (self.program + u'\n' + self.command + u'\n').toUtf8();
    if (::pwrite(fd, text.constData(), size_t(text.size()), 0) == text.size())
        (void)!::ftruncate(fd, text.size());
}

BooksHolder readHolder(int fd)
{
    char buffer[512];
    const ssize_t read = ::pread(fd, buffer, sizeof buffer, 0);
    const QStringList lines = QString::fromUtf8(buffer, read > 0 ? qsizetype(read) : 0).split(u'\n');
    return {lines.value(0), lines.value(1)};
}

} // namespace

BooksClaim::BooksClaim(const QString &location, const QString &purpose, Mode mode, const BooksHolder &self)
{
    m_fd = openLockFile(lockFileOf(location, purpose));
    if (m_fd < 0)
        return;
    m_held = ::flock(m_fd, (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0;
    if (!m_held) {
        m_holder = readHolder(m_fd);
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    if (!self.program.isEmpty())
        writeHolder(m_fd, self);
}

BooksClaim::~BooksClaim()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString booksIdentity(const QString &location)
{
    if (isServerLocation(location)) {
        const std::optional<ServerAddress> address = parseServerLocation(location);
        if (!address)
            return location.trimmed();
        // The user is left out: the same database is the same books whoever opens it.
        const QString host = address->host.isEmpty() ? qEnvironmentVariable("PGHOST") : address->host;
        int port = address->port > 0 ? address->port : qEnvironmentVariableIntValue("PGPORT");
        if (port <= 0)
            port = 5432;
        return QStringLiteral("postgresql://%1:%2/%3").arg(host).arg(port).arg(address->database);
    }
    const QString file = resolvedFilePath(location);
    return file.isEmpty() ? QDir::cleanPath(QFileInfo(location).absoluteFilePath()) : file;
}

QString booksHeldText(const BooksHolder &holder)
{
    if (holder.program == BooksHolder::commandLine({}).program)
        return QStringLiteral("zedur-cli %1 명령이 이 장부에 쓰고 있습니다.").arg(holder.command) + LB +
               QStringLiteral("명령이 끝난 뒤에 다시 하세요.......");
    if (holder.program == BooksHolder::theProgram().program)
        return QStringLiteral("제조원가 계산 프로그램(zedur)이 이 장부를 열고 실행 중입니다.") + LB +
               QStringLiteral("프로그램을 종료한 뒤에 다시 하세요.......");
    return QStringLiteral("다른 프로그램이 이 장부를 쓰고 있습니다.") + LB +
           QStringLiteral("그 작업이 끝난 뒤에 다시 하세요.......");
}

} // namespace zedur
