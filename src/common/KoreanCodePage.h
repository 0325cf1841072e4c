#pragma once

#include <QByteArray>
#include <QString>

// Text in the Korean code page that spreadsheet programs on Windows save by default
// (CP949, which extends EUC-KR with all Hangul syllables). Qt's own converter has no such
// code page on every build, and where ICU serves it the name "CP949" means IBM's variant,
// which misreads the extended syllables; the C library's converter reads it on any Linux.
namespace zedur {

class Cp949Decoder
{
public:
    Cp949Decoder();
    ~Cp949Decoder();
    Cp949Decoder(const Cp949Decoder &) = delete;
    Cp949Decoder &operator=(const Cp949Decoder &) = delete;

    // Decodes the next piece of the text; a character split between two pieces is kept
    // for the next one. After a byte sequence the code page does not have, hasError().
    QString decode(const QByteArray &piece);
    // True when bytes were left over at the end of the text or any sequence was invalid.
    bool finish();
    bool hasError() const { return m_error; }

private:
    void *m_handle;
    QByteArray m_pending;
    bool m_error = false;
};

// The whole text at once; hasError reports a byte sequence that is not CP949.
QString decodeCp949(const QByteArray &bytes, bool *hasError = nullptr);

} // namespace zedur
