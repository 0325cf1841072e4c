#include "common/KoreanCodePage.h"

#include <cerrno>
#include <iconv.h>

namespace zedur {

namespace {
iconv_t handleOf(void *h)
{
    return static_cast<iconv_t>(h);
}
} // namespace

Cp949Decoder::Cp949Decoder() : m_handle(iconv_open("UTF-16LE", "CP949"))
{
    if (m_handle == reinterpret_cast<void *>(-1)) {
        m_handle = nullptr;
        m_error = true;
    }
}

Cp949Decoder::~Cp949Decoder()
{
    if (m_handle)
        iconv_close(handleOf(m_handle));
}

QString Cp949Decoder::decode(const QByteArray &piece)
{
    if (!m_handle || m_error)
        return {};
    QByteArray in = m_pending + piece;
    m_pending.clear();
    // Every byte gives at most one UTF-16 unit.
    QString out(in.size(), Qt::Uninitialized);
    char *from = in.data();
    size_t fromLeft = size_t(in.size());
    char *to = reinterpret_cast<char *>(out.data());
    size_t toLeft = size_t(out.size()) * 2;
    while (fromLeft > 0) {
        if (iconv(handleOf(m_handle), &from, &fromLeft, &to, &toLeft) != size_t(-1))
            continue;
        if (errno == EINVAL) { // a character cut at the end of this piece
            m_pending = QByteArray(from, qsizetype(fromLeft));
            break;
        }
        m_error = true; // EILSEQ: not the code page's
        break;
    }
    out.truncate(qsizetype((size_t(out.size()) * 2 - toLeft) / 2));
    return out;
}

bool Cp949Decoder::finish()
{
    if (!m_pending.isEmpty())
        m_error = true;
    return !m_error;
}

QString decodeCp949(const QByteArray &bytes, bool *hasError)
{
    Cp949Decoder decoder;
    const QString text = decoder.decode(bytes);
    const bool ok = decoder.finish();
    if (hasError)
        *hasError = !ok;
    return text;
}

} // namespace zedur
