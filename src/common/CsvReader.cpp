#include "common/KoreanCodePage.h"
#include "common/SheetReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace zedur {

namespace {

constexpr qint64 Piece = 1 << 16;

void openOrThrow(QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        throw SheetError(QStringLiteral("파일을 열 수 없습니다: ") + file.fileName());
}

enum class Encoding { Utf8, Cp949 };

// UTF-8 when the whole file is UTF-8, else the Korean code page, which spreadsheet
// programs save CSV in by default; a file with NUL bytes is no text at all.
Encoding encodingOf(const QString &path)
{
    QFile file(path);
    openOrThrow(file);
    QStringDecoder utf8(QStringConverter::Utf8);
    bool utf8Valid = true;
    while (!file.atEnd()) {
        const QByteArray piece = file.read(Piece);
        if (piece.contains('\0'))
            throw SheetError(
                QStringLiteral("스프레드시트 파일(.xlsx, .csv)이 아닙니다: 글자가 아닌 바이트가 있습니다."));
        if (utf8Valid) {
            const QString decoded = utf8.decode(piece); // decodes only when made a text
            Q_UNUSED(decoded);
            utf8Valid = !utf8.hasError();
        }
    }
    // A character cut off by the end of the file is no valid UTF-8 either: a line feed after it
    // makes the decoder say so.
    if (utf8Valid) {
        const QString last = utf8.decode(QByteArrayView("\n"));
        Q_UNUSED(last);
    }
    if (utf8Valid && !utf8.hasError())
        return Encoding::Utf8;
    file.seek(0);
    Cp949Decoder cp949;
    while (!file.atEnd() && !cp949.hasError())
        (void)cp949.decode(file.read(Piece));
    if (!cp949.finish())
        throw SheetError(QStringLiteral("파일의 글자를 읽을 수 없습니다: UTF-8도, 한글 완성형(CP949)도 아닙니다."));
    return Encoding::Cp949;
}

// Splits decoded text into records as a spreadsheet program reads CSV: fields separated by
// commas, a field in double quotes may hold commas, line breaks and doubled quotes.
class CsvParser
{
public:
    explicit CsvParser(const SheetVisitor &visitor) : m_visitor(visitor) {}

    void feed(const QString &text)
    {
        for (const QChar c : text) {
            if (m_inQuotes) {
                if (m_quoteSeen) {
                    m_quoteSeen = false;
                    if (c == u'"') {
                        m_field += c;
                        continue;
                    }
                    m_inQuotes = false;
                } else if (c == u'"') {
                    m_quoteSeen = true;
                    continue;
                } else {
                    m_field += c;
                    continue;
                }
            }
            if (m_afterCr) {
                m_afterCr = false;
                if (c == u'\n')
                    continue;
            }
            if (c == u'"' && m_field.isEmpty() && !m_quoted) {
                m_inQuotes = true;
                m_quoted = true;
            } else if (c == u',') {
                endField();
            } else if (c == u'\r' || c == u'\n') {
                m_afterCr = c == u'\r';
                endRecord();
            } else {
                m_field += c;
            }
        }
    }

    void finish()
    {
        if (m_inQuotes && !m_quoteSeen)
            throw SheetError(
                QStringLiteral("CSV 파일의 %1행에서 연 따옴표(\")가 닫히지 않았습니다.").arg(m_record + 1));
        if (!m_field.isEmpty() || !m_cells.isEmpty() || m_quoted)
            endRecord();
    }

private:
    void endField()
    {
        const QString value = m_field.trimmed();
        m_cells.append(value.isEmpty() ? QVariant() : QVariant(m_quoted ? m_field : value));
        m_field.clear();
        m_quoted = false;
        m_inQuotes = false;
        m_quoteSeen = false;
    }

    void endRecord()
    {
        endField();
        ++m_record;
        if (m_record > MaxSheetRows)
            throw SheetError(QStringLiteral("시트가 너무 큽니다: %1행을 넘습니다.").arg(MaxSheetRows));
        while (!m_cells.isEmpty() && !m_cells.last().isValid())
            m_cells.removeLast();
        if (!m_cells.isEmpty())
            m_visitor.row(m_record, m_cells);
        m_cells.clear();
    }

    const SheetVisitor &m_visitor;
    SheetCells m_cells;
    QString m_field;
    int m_record = 0;
    bool m_inQuotes = false;
    bool m_quoteSeen = false; // a quote inside quotes: the end, or the first of a doubled one
    bool m_quoted = false;    // the field began with a quote
    bool m_afterCr = false;
};

} // namespace

void readCsv(const QString &path, const SheetVisitor &visitor)
{
    const Encoding encoding = encodingOf(path);
    QFile file(path);
    openOrThrow(file);
    visitor.sheet(QFileInfo(path).completeBaseName());
    CsvParser parser(visitor);
    if (encoding == Encoding::Utf8) {
        QStringDecoder utf8(QStringConverter::Utf8); // drops a leading byte-order mark
        while (!file.atEnd())
            parser.feed(utf8.decode(file.read(Piece)));
    } else {
        Cp949Decoder cp949;
        while (!file.atEnd())
            parser.feed(cp949.decode(file.read(Piece)));
    }
    parser.finish();
}

} // namespace zedur
