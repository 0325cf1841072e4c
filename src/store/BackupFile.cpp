#include "store/BackupFile.h"

#include "common/BackupSignature.h"

#include <QFile>
#include <QFileDevice>
#include <QJsonDocument>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <memory>
#include <fcntl.h>
#include <unistd.h>
#include <vector>
#include <zstd.h>

namespace zedur::backupfile {

namespace {

// Skippable frames (zstd's format): a magic number from this range, the length of what
// follows, and bytes a decompressor passes over.
using backupsignature::labelMagic;
using backupsignature::labelTag;
constexpr quint32 endMagic = 0x184D2A5E;
const QByteArray endTag = QByteArrayLiteral("ZEDUR-BACKUP-END");
constexpr int endFrameSize = 8 + 16 + 8; // header, tag, length of the whole file

// Fast enough to stay a small part of a close, several times smaller than the books.
constexpr int compressionLevel = 1;

QByteArray frameHeader(quint32 magic, quint32 size)
{
    QByteArray header(8, '\0');
    qToLittleEndian(magic, header.data());
    qToLittleEndian(size, header.data() + 4);
    return header;
}

bool writeAll(QIODevice &out, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 n = out.write(data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool writeAll(QIODevice &out, const QByteArray &bytes)
{
    return writeAll(out, bytes.constData(), bytes.size());
}

struct CompressorFree {
    void operator()(ZSTD_CCtx *c) const { ZSTD_freeCCtx(c); }
};
struct DecompressorFree {
    void operator()(ZSTD_DCtx *d) const { ZSTD_freeDCtx(d); }
};

QString zstdText(size_t code)
{
    return QString::fromUtf8(ZSTD_getErrorName(code));
}

} // namespace

bool write(QIODevice &out, const QJsonObject &label, qint64 booksBytes, const BooksReader &read, QString *error)
{
    auto failed = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray labelBytes = labelTag + QJsonDocument(label).toJson(QJsonDocument::Compact);
    if (!writeAll(out, frameHeader(labelMagic, quint32(labelBytes.size())) + labelBytes))
        return failed(out.errorString());

    std::unique_ptr<ZSTD_CCtx, CompressorFree> cctx(ZSTD_createCCtx());
    if (!cctx)
        return failed(QStringLiteral("zstd: no memory for the compressor"));
    ZSTD_CCtx_setParameter(cctx.get(), ZSTD_c_compressionLevel, compressionLevel);
    ZSTD_CCtx_setParameter(cctx.get(), ZSTD_c_checksumFlag, 1);
    // Compression in a thread of its own while this one reads the books; a library built
    // without threads refuses the setting and compresses here.
    ZSTD_CCtx_setParameter(cctx.get(), ZSTD_c_nbWorkers, 1);
    if (booksBytes >= 0)
        ZSTD_CCtx_setPledgedSrcSize(cctx.get(), quint64(booksBytes));

    std::vector<char> buffer(ZSTD_CStreamOutSize());
    QString failure;
    auto pump = [&](ZSTD_inBuffer &in, ZSTD_EndDirective mode) {
        for (;;) {
            ZSTD_outBuffer o{buffer.data(), buffer.size(), 0};
            const size_t left = ZSTD_compressStream2(cctx.get(), &o, &in, mode);
            if (ZSTD_isError(left)) {
                failure = zstdText(left);
                return false;
            }
            if (!writeAll(out, buffer.data(), qint64(o.pos))) {
                failure = out.errorString();
                return false;
            }
            const bool done = mode == ZSTD_e_end ? left == 0 : in.pos == in.size;
            if (done)
                return true;
        }
    };
    const bool readWhole = read([&](const char *data, qint64 size) {
        ZSTD_inBuffer in{data, size_t(size), 0};
        return pump(in, ZSTD_e_continue);
    });
    if (!failure.isEmpty())
        return failed(failure);
    if (!readWhole)
        return failed(QStringLiteral("the books could not be read whole"));
    ZSTD_inBuffer none{nullptr, 0, 0};
    if (!pump(none, ZSTD_e_end))
        return failed(failure);

    QByteArray end = frameHeader(endMagic, endFrameSize - 8) + endTag + QByteArray(8, '\0');
    qToLittleEndian(quint64(out.pos() + end.size()), end.data() + 8 + endTag.size());
    if (!writeAll(out, end))
        return failed(out.errorString());
    // On the disk before anything names it a backup.
    auto *file = qobject_cast<QFileDevice *>(&out);
    if (file && (!file->flush() || ::fsync(file->handle()) != 0))
        return failed(QStringLiteral("fsync: ") + QString::fromLocal8Bit(std::strerror(errno)));
    return true;
}

bool looksLikeBackupFile(const QString &path)
{
    return backupsignature::looksLikeBackup(path);
}

std::optional<QJsonObject> label(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8 + endFrameSize)
        return std::nullopt;
    const QByteArray header = file.read(8);
    if (header.size() != 8 || qFromLittleEndian<quint32>(header.constData()) != labelMagic)
        return std::nullopt;
    const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
    if (qint64(size) > file.size() - 8 - endFrameSize)
        return std::nullopt;
    const QByteArray labelBytes = file.read(size);
    if (!labelBytes.startsWith(labelTag))
        return std::nullopt;
    // A file cut short lacks its end mark, or has one that does not give its length.
    if (!file.seek(file.size() - endFrameSize))
        return std::nullopt;
    const QByteArray end = file.read(endFrameSize);
    if (end.size() != endFrameSize || qFromLittleEndian<quint32>(end.constData()) != endMagic ||
        end.mid(8, endTag.size()) != endTag ||
        qFromLittleEndian<quint64>(end.constData() + 8 + endTag.size()) != quint64(file.size()))
        return std::nullopt;
    QJsonParseError parsed;
    const QJsonDocument doc = QJsonDocument::fromJson(labelBytes.mid(labelTag.size()), &parsed);
    if (parsed.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

void expand(const QString &path, const QString &target)
{
    if (!label(path))
        throw BackupFileError(QStringLiteral("not a whole backup file: %1").arg(path));
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw BackupFileError(QStringLiteral("%1: %2").arg(path, in.errorString()));
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw BackupFileError(QStringLiteral("%1: %2").arg(target, out.errorString()));
    std::unique_ptr<ZSTD_DCtx, DecompressorFree> dctx(ZSTD_createDCtx());
    if (!dctx)
        throw BackupFileError(QStringLiteral("zstd: no memory for the decompressor"));
    std::vector<char> inBuffer(ZSTD_DStreamInSize());
    std::vector<char> outBuffer(ZSTD_DStreamOutSize());
    size_t pending = 0; // non-zero while a frame is unfinished
    qint64 n = 0;
    while ((n = in.read(inBuffer.data(), qint64(inBuffer.size()))) > 0) {
        ZSTD_inBuffer src{inBuffer.data(), size_t(n), 0};
        while (src.pos < src.size) {
            ZSTD_outBuffer dst{outBuffer.data(), outBuffer.size(), 0};
            pending = ZSTD_decompressStream(dctx.get(), &dst, &src);
            if (ZSTD_isError(pending))
                throw BackupFileError(QStringLiteral("%1: %2").arg(path, zstdText(pending)));
            if (!writeAll(out, outBuffer.data(), qint64(dst.pos)))
                throw BackupFileError(QStringLiteral("%1: %2").arg(target, out.errorString()));
        }
    }
    if (n < 0 || pending != 0)
        throw BackupFileError(QStringLiteral("the backup ends in the middle of its books: %1").arg(path));
    if (!out.flush() || ::fsync(out.handle()) != 0)
        throw BackupFileError(QStringLiteral("%1: %2").arg(target, out.errorString()));
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace zedur::backupfile
