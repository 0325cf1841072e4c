#include "common/SheetReader.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <unzip.h>

namespace zedur {

namespace {

const QString NotAWorkbook = QStringLiteral("스프레드시트(.xlsx) 파일이 아닙니다: ");
const QString Damaged = QStringLiteral("손상된 .xlsx 파일입니다: ");

QString tooLarge(const QString &what)
{
    return QStringLiteral("시트가 너무 큽니다: ") + what;
}

// The package, opened once; its parts are read one at a time.
class Package
{
public:
    explicit Package(const QString &path) : m_zip(unzOpen64(QFile::encodeName(path).constData()))
    {
        if (!m_zip)
            throw SheetError(Damaged + QStringLiteral("압축(zip)을 풀 수 없습니다."));
    }
    ~Package() { unzClose(m_zip); }
    Package(const Package &) = delete;
    Package &operator=(const Package &) = delete;

    // Whether the package has the part; it becomes the current one.
    bool find(const QString &name) { return unzLocateFile(m_zip, name.toUtf8().constData(), 2) == UNZ_OK; }
    unzFile handle() const { return m_zip; }

private:
    unzFile m_zip;
};

// One part of the package, unpacked as it is read, refused once it grows past its limit.
class BoundedPart : public QIODevice
{
public:
    BoundedPart(Package &zip, const QString &name, qint64 limit) : m_zip(zip), m_name(name), m_limit(limit)
    {
        if (!zip.find(name))
            throw SheetError(Damaged + name + QStringLiteral(" 부분이 없습니다."));
        if (unzOpenCurrentFile(zip.handle()) != UNZ_OK)
            throw SheetError(Damaged + name + QStringLiteral(" 부분을 풀 수 없습니다."));
        m_open = true;
        QIODevice::open(QIODevice::ReadOnly);
    }
    ~BoundedPart() override
    {
        if (m_open)
            unzCloseCurrentFile(m_zip.handle());
    }

    bool isSequential() const override { return true; }
    bool exceeded() const { return m_exceeded; }
    // After the whole part was read: a part cut short or whose check sum does not match is
    // damaged.
    void finish()
    {
        m_open = false;
        if (m_failed || unzCloseCurrentFile(m_zip.handle()) != UNZ_OK)
            throw SheetError(Damaged + m_name + QStringLiteral(" 부분의 압축을 풀 수 없거나 검사합이 맞지 않습니다."));
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_read >= m_limit) {
            m_exceeded = true;
            return -1;
        }
        const unsigned wanted = unsigned(std::min({maxSize, m_limit - m_read, qint64(1) << 30}));
        const int got = unzReadCurrentFile(m_zip.handle(), data, wanted);
        if (got < 0) {
            m_failed = true;
            return -1;
        }
        m_read += got;
        return got;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    Package &m_zip;
    QString m_name;
    qint64 m_limit;
    qint64 m_read = 0;
    bool m_open = false;
    bool m_exceeded = false;
    bool m_failed = false;
};

// A part's XML, read to its end; a part that is no XML, or stops halfway, is damaged.
void checkXmlEnd(const QXmlStreamReader &xml, BoundedPart &part, const QString &name, const QString &limitText)
{
    if (part.exceeded())
        throw SheetError(tooLarge(limitText));
    if (xml.hasError())
        throw SheetError(Damaged + name + QStringLiteral(" 부분을 읽을 수 없습니다 (") + xml.errorString() +
                         QStringLiteral(")."));
    part.finish();
}

QString attribute(const QXmlStreamReader &xml, QLatin1StringView name)
{
    return xml.attributes().value(name).toString();
}

// The relationships of a part: id -> (type, target).
struct Relation {
    QString type;
    QString target;
};

QString folderOf(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

QString resolve(const QString &folder, const QString &target)
{
    if (target.startsWith(u'/'))
        return target.mid(1);
    QStringList parts = (folder + target).split(u'/', Qt::SkipEmptyParts);
    QStringList out;
    for (const QString &p : parts) {
        if (p == u"..")
            out.removeLast();
        else if (p != u".")
            out << p;
    }
    return out.join(u'/');
}

QHash<QString, Relation> readRelations(Package &zip, const QString &part)
{
    const QString name =
        folderOf(part) + QStringLiteral("_rels/") + part.mid(folderOf(part).size()) + QStringLiteral(".rels");
    QHash<QString, Relation> relations;
    if (!zip.find(name))
        return relations;
    BoundedPart device(zip, name, qint64(16) << 20);
    QXmlStreamReader xml(&device);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"Relationship")
            relations.insert(attribute(xml, QLatin1StringView("Id")),
                             {attribute(xml, QLatin1StringView("Type")),
                              resolve(folderOf(part), attribute(xml, QLatin1StringView("Target")))});
    }
    checkXmlEnd(xml, device, name, name);
    return relations;
}

struct SheetPart {
    QString name;
    QString part;
};

QString workbookPart(Package &zip)
{
    for (const Relation &r : readRelations(zip, QString()))
        if (r.type.endsWith(u"/officeDocument"))
            return r.target;
    return QStringLiteral("xl/workbook.xml");
}

QVector<SheetPart> readSheets(Package &zip, const QString &workbook, const QHash<QString, Relation> &relations)
{
    if (!zip.find(workbook))
        throw SheetError(NotAWorkbook + QStringLiteral("통합 문서(workbook) 부분이 없습니다."));
    BoundedPart device(zip, workbook, qint64(16) << 20);
    QXmlStreamReader xml(&device);
    QVector<SheetPart> sheets;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheet")
            continue;
        QString id;
        for (const QXmlStreamAttribute &a : xml.attributes())
            if (a.name() == u"id")
                id = a.value().toString();
        const Relation r = relations.value(id);
        if (r.target.isEmpty())
            throw SheetError(Damaged + QStringLiteral("시트 '") + attribute(xml, QLatin1StringView("name")) +
                             QStringLiteral("'의 위치가 없습니다."));
        // Chart sheets and the like hold no rows.
        if (r.type.endsWith(u"/worksheet"))
            sheets.append({attribute(xml, QLatin1StringView("name")), r.target});
    }
    checkXmlEnd(xml, device, workbook, workbook);
    return sheets;
}

// The text of a string item (<si> or <is>): its runs joined, without the phonetic guides.
QString itemText(QXmlStreamReader &xml)
{
    const QString endName = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == endName)
                break;
        }
    }
    return text;
}

QStringList readSharedStrings(Package &zip, const QString &part, const SheetLimits &limits)
{
    QStringList strings;
    if (part.isEmpty() || !zip.find(part))
        return strings;
    BoundedPart device(zip, part, limits.sharedStringBytes);
    QXmlStreamReader xml(&device);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << itemText(xml);
    }
    checkXmlEnd(xml, device, part,
                QStringLiteral("공유 문자열이 %1MB를 넘습니다.").arg(limits.sharedStringBytes >> 20));
    return strings;
}

// Days since 1899-12-30, as spreadsheets count dates.
double serialOfDate(const QString &iso)
{
    const QDateTime when = QDateTime::fromString(iso, Qt::ISODate);
    const QDate date = when.isValid() ? when.date() : QDate::fromString(iso.left(10), Qt::ISODate);
    if (!date.isValid())
        throw SheetError(Damaged + QStringLiteral("날짜 셀을 읽을 수 없습니다: ") + iso);
    const double days = double(QDate(1899, 12, 30).daysTo(date));
    return when.isValid() ? days + when.time().msecsSinceStartOfDay() / 86400000.0 : days;
}

class SheetRows
{
public:
    SheetRows(const QStringList &shared, const SheetVisitor &visitor) : m_shared(shared), m_visitor(visitor) {}

    void read(QXmlStreamReader &xml)
    {
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"row")
                row(xml);
        }
    }

private:
    void row(QXmlStreamReader &xml)
    {
        const QString r = attribute(xml, QLatin1StringView("r"));
        const int number = r.isEmpty() ? m_lastRow + 1 : r.toInt();
        if (number <= m_lastRow && !r.isEmpty())
            throw SheetError(Damaged + QStringLiteral("행 번호 %1이(가) 순서에 맞지 않습니다.").arg(r));
        if (number < 1 || number > MaxSheetRows)
            throw SheetError(
                tooLarge(QStringLiteral("%1행이 있습니다 (스프레드시트는 %2행까지).").arg(r).arg(MaxSheetRows)));
        m_lastRow = number;
        SheetCells cells;
        int column = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == u"row")
                break;
            if (!xml.isStartElement() || xml.name() != u"c")
                continue;
            const QString ref = attribute(xml, QLatin1StringView("r"));
            qsizetype letters = 0;
            while (letters < ref.size() && ref.at(letters).isLetter())
                ++letters;
            column = ref.isEmpty() ? column + 1 : columnNumber(ref.left(letters));
            if (column < 1 || column > MaxSheetColumns)
                throw SheetError(tooLarge(
                    QStringLiteral("%1 셀이 있습니다 (스프레드시트는 %2열까지).").arg(ref).arg(MaxSheetColumns)));
            const QVariant value = cell(xml);
            if (!value.isValid())
                continue;
            if (cells.size() < column)
                cells.resize(column);
            cells[column - 1] = value;
        }
        if (!cells.isEmpty())
            m_visitor.row(number, cells);
    }

    QVariant cell(QXmlStreamReader &xml)
    {
        const QString type = attribute(xml, QLatin1StringView("t"));
        QString v;
        QString inlineText;
        bool hasInline = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == u"c")
                break;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"v")
                v = xml.readElementText();
            else if (xml.name() == u"is") {
                inlineText = itemText(xml);
                hasInline = true;
            }
        }
        if (type == u"inlineStr")
            return text(hasInline ? inlineText : v);
        if (type == u"s") {
            bool ok = false;
            const int index = v.toInt(&ok);
            if (!ok || index < 0 || index >= m_shared.size())
                throw SheetError(Damaged + QStringLiteral("없는 공유 문자열 %1을(를) 가리키는 셀이 있습니다.").arg(v));
            return text(m_shared.at(index));
        }
        if (v.isEmpty())
            return {};
        if (type == u"b")
            return QVariant(v.trimmed() == u"1");
        if (type == u"str" || type == u"e")
            return text(v);
        if (type == u"d")
            return serialOfDate(v.trimmed());
        bool ok = false;
        const double number = v.trimmed().toDouble(&ok);
        if (!ok)
            throw SheetError(Damaged + QStringLiteral("숫자 셀을 읽을 수 없습니다: ") + v);
        return number;
    }

    static QVariant text(const QString &value) { return value.isEmpty() ? QVariant() : QVariant(value); }

    const QStringList &m_shared;
    const SheetVisitor &m_visitor;
    int m_lastRow = 0;
};

} // namespace

int columnNumber(const QString &letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return 0;
    int n = 0;
    for (const QChar c : letters) {
        const QChar upper = c.toUpper();
        if (upper < u'A' || upper > u'Z')
            return 0;
        n = n * 26 + (upper.unicode() - u'A' + 1);
    }
    return n;
}

void readXlsx(const QString &path, const SheetVisitor &visitor, const SheetLimits &limits)
{
    Package zip(path);
    const QString workbook = workbookPart(zip);
    const QHash<QString, Relation> relations = readRelations(zip, workbook);
    QString sharedPart;
    for (const Relation &r : relations)
        if (r.type.endsWith(u"/sharedStrings"))
            sharedPart = r.target;
    const QVector<SheetPart> sheets = readSheets(zip, workbook, relations);
    const QStringList shared = readSharedStrings(zip, sharedPart, limits);
    for (const SheetPart &sheet : sheets) {
        visitor.sheet(sheet.name);
        BoundedPart device(zip, sheet.part, limits.sheetBytes);
        QXmlStreamReader xml(&device);
        SheetRows(shared, visitor).read(xml);
        checkXmlEnd(
            xml, device, sheet.part,
            QStringLiteral("시트 '%1'이(가) 풀면 %2MB를 넘습니다.").arg(sheet.name).arg(limits.sheetBytes >> 20));
    }
}

void readSpreadsheet(const QString &path, const SheetVisitor &visitor, const SheetLimits &limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SheetError(QStringLiteral("파일을 열 수 없습니다: ") + path);
    const QByteArray head = file.read(8);
    file.close();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06"))
        return readXlsx(path, visitor, limits);
    if (head.startsWith("\xD0\xCF\x11\xE0"))
        throw SheetError(QStringLiteral("예전 엑셀 형식(.xls)의 파일은 읽을 수 없습니다: 스프레드시트 프로그램에서 "
                                        ".xlsx나 .csv로 저장하여 가져오세요."));
    if (suffix == u"xlsx" || suffix == u"xlsm")
        throw SheetError(NotAWorkbook + QStringLiteral("압축(zip) 파일이 아닙니다."));
    if (suffix == u"csv" || suffix == u"txt")
        return readCsv(path, visitor);
    throw SheetError(QStringLiteral("스프레드시트 파일(.xlsx, .csv)이 아닙니다: ") + QFileInfo(path).fileName());
}

} // namespace zedur
