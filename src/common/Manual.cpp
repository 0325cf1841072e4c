#include "common/Manual.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace zedur {

namespace {

const QString startPage = QStringLiteral("index.html");

QString &folderOverride()
{
    static QString folder;
    return folder;
}

// The chapter file holding the anchor `name`, or empty.
QString chapterWithAnchor(const QString &folder, const QString &name)
{
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""));
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile chapter(dir.filePath(file));
        if (!chapter.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(chapter.readAll());
        for (const QRegularExpressionMatch &m : anchor.globalMatch(text))
            if (m.captured(1) == name)
                return dir.filePath(file);
    }
    return {};
}

} // namespace

void setManualFolderForTesting(const QString &folder)
{
    folderOverride() = folder;
}

QString manualFolder()
{
    const QStringList places =
        !folderOverride().isEmpty()
            ? QStringList{folderOverride()}
            : QStringList{
                  QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("manual")),
                  QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/zedur/manual"))};
    for (const QString &place : places) {
        const QString folder = QDir::cleanPath(place);
        if (QFile::exists(folder + u'/' + startPage))
            return folder;
    }
    return {};
}

QUrl manualStart()
{
    const QString folder = manualFolder();
    return folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder + u'/' + startPage);
}

QUrl manualSection(const QString &section)
{
    const QString folder = manualFolder();
    const QString name = section.trimmed();
    if (folder.isEmpty() || name.isEmpty())
        return manualStart();
    const QString chapter = chapterWithAnchor(folder, name);
    if (chapter.isEmpty())
        return manualStart();
    QUrl url = QUrl::fromLocalFile(chapter);
    url.setFragment(name);
    return url;
}

bool manualHasSection(const QString &section)
{
    const QString folder = manualFolder();
    return !folder.isEmpty() && !chapterWithAnchor(folder, section.trimmed()).isEmpty();
}

} // namespace zedur
