#include "common/TextNumber.h"

#include "common/Failure.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace zedur {

QString fTrimLeftBlank(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    return text.mid(i);
}

QString fDeleteBlank(const QString &text)
{
    QString out = text;
    out.remove(u' ');
    return out;
}

double fNumValue(const QString &text)
{
    static const QString allowed = QStringLiteral("-0123456789.");
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (allowed.contains(c))
            kept.append(c);
    if (kept.isEmpty())
        return 0.0;
    static const QRegularExpression number(QStringLiteral("^-?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    bool ok = false;
    const double value = number.match(kept).hasMatch() ? kept.toDouble(&ok) : 0.0;
    // A number too large for a double is no number either: it would come back infinite.
    if (!ok || !std::isfinite(value))
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(kept));
    return value;
}

bool IsDouble(const QString &text)
{
    double value = 0.0;
    try {
        value = fNumValue(fDeleteBlank(text));
    } catch (const ConversionError &) {
        return false;
    }
    // The old check went through a fixed-point currency of four decimals.
    constexpr double currencyLimit = 922337203685477.5807;
    return std::isfinite(value) && std::fabs(roundDecimals(value, 1)) <= currencyLimit;
}

namespace {

// |value| rounded half away from zero at `decimals` decimals, from its 15-significant-digit
// decimal form: `count` digits, of which `point` stand before the decimal point (a negative
// point means leading zeros after it). Plain characters, no allocation: the engines round
// many values.
struct RoundedDigits {
    char digits[20] = {'0'};
    int count = 1;
    int point = 1;
    char at(int i) const { return (i >= 0 && i < count) ? digits[i] : '0'; }
};

RoundedDigits roundedDigits(double value, int decimals)
{
    RoundedDigits r;
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0 || !std::isfinite(magnitude))
        return r;
    // "d.dddddddddddddde+XX": fifteen significant digits.
    char buf[40];
    const char *end = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14).ptr;
    r.count = 0;
    const char *c = buf;
    for (; c < end && *c != 'e'; ++c)
        if (*c != '.')
            r.digits[r.count++] = *c;
    int exponent = 0;
    std::from_chars(c + 1 + (c[1] == '+' ? 1 : 0), end, exponent);
    r.point = exponent + 1;

    const int keep = r.point + decimals;
    if (keep < 0) {
        r.count = 0;
    } else if (keep < r.count) {
        const bool up = r.digits[keep] >= '5';
        r.count = keep;
        if (up) {
            int i = keep - 1;
            while (i >= 0 && r.digits[i] == '9')
                r.digits[i--] = '0';
            if (i >= 0) {
                ++r.digits[i];
            } else {
                std::memmove(r.digits + 1, r.digits, size_t(r.count));
                r.digits[0] = '1';
                ++r.count;
                ++r.point;
            }
        }
    }
    return r;
}

struct DecimalText {
    QString integer;
    QString fraction;
    bool isZero() const
    {
        for (QChar c : integer + fraction)
            if (c != u'0')
                return false;
        return true;
    }
};

DecimalText toDecimal(double value, int decimals)
{
    const RoundedDigits r = roundedDigits(value, decimals);
    DecimalText out;
    for (int i = 0; i < r.point; ++i)
        if (!out.integer.isEmpty() || r.at(i) != '0')
            out.integer.append(QLatin1Char(r.at(i)));
    if (out.integer.isEmpty())
        out.integer = QStringLiteral("0");
    for (int i = r.point; i < r.point + decimals; ++i)
        out.fraction.append(QLatin1Char(r.at(i)));
    return out;
}

struct Picture {
    QString prefix;
    QString suffix;
    bool hasDigits = false;
    bool thousands = false;
    int integerZeros = 0;
    int fractionMin = 0;
    int fractionMax = 0;
};

Picture parsePicture(const QString &section)
{
    static const QString placeholders = QStringLiteral("0#.,");
    Picture p;
    int first = -1;
    int last = -1;
    for (int i = 0; i < section.size(); ++i) {
        if (placeholders.contains(section.at(i))) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        p.prefix = section;
        return p;
    }
    p.hasDigits = true;
    p.prefix = section.left(first);
    p.suffix = section.mid(last + 1);
    const QString core = section.mid(first, last - first + 1);
    const int dot = core.indexOf(u'.');
    const QString integer = dot < 0 ? core : core.left(dot);
    const QString fraction = dot < 0 ? QString() : core.mid(dot + 1);
    p.thousands = integer.contains(u',');
    p.integerZeros = integer.count(u'0');
    p.fractionMin = fraction.count(u'0');
    p.fractionMax = fraction.count(u'0') + fraction.count(u'#');
    return p;
}

QString applyPicture(const Picture &p, double magnitude)
{
    if (!p.hasDigits)
        return p.prefix;
    const DecimalText d = toDecimal(magnitude, p.fractionMax);
    QString integer = d.integer;
    if (integer == u"0" && p.integerZeros == 0)
        integer.clear();
    while (integer.size() < p.integerZeros)
        integer.prepend(u'0');
    if (p.thousands) {
        for (int i = integer.size() - 3; i > 0; i -= 3)
            integer.insert(i, u',');
    }
    QString fraction = d.fraction;
    while (fraction.size() > p.fractionMin && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString out = p.prefix + integer;
    if (!fraction.isEmpty())
        out += u'.' + fraction;
    return out + p.suffix;
}

} // namespace

QString formatFloat(const QString &picture, double value)
{
    const QStringList sections = picture.split(u';');
    const Picture positive = parsePicture(sections.value(0));
    const bool zero = toDecimal(value, positive.fractionMax).isZero();
    if (zero) {
        if (sections.size() >= 3 && !sections.at(2).isEmpty())
            return applyPicture(parsePicture(sections.at(2)), 0.0);
        return applyPicture(positive, 0.0);
    }
    if (value < 0) {
        if (sections.size() >= 2 && !sections.at(1).isEmpty())
            return applyPicture(parsePicture(sections.at(1)), -value);
        return u'-' + applyPicture(positive, -value);
    }
    return applyPicture(positive, value);
}

namespace {
// A whole number below 10^15 is its own fifteen-digit decimal form, already rounded at any
// number of decimals: the engines round many of them (and many zeros), so they skip the
// decimal text.
bool isSmallWhole(double value)
{
    return std::fabs(value) < 1e15 && std::trunc(value) == value;
}


// The double nearest to the decimal digits x 10^exponent. Fifteen digits or fewer are a whole
// number a double holds exactly, as it holds 10^0 to 10^22: one multiplication or division
// of the two then rounds once, to the nearest, which is what reading the text gives (and
// what the reader itself does for such numbers); other numbers are read as text.
double decimalValue(const char *digits, int count, int exponent)
{
    static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (count <= 15 && exponent >= -22 && exponent <= 22) {
        std::int64_t whole = 0;
        for (int i = 0; i < count; ++i)
            whole = whole * 10 + (digits[i] - '0');
        return exponent < 0 ? double(whole) / Powers[-exponent] : double(whole) * Powers[exponent];
    }
    char buf[40];
    std::memcpy(buf, digits, size_t(count));
    buf[count] = 'e';
    const char *end = std::to_chars(buf + count + 1, buf + sizeof buf, exponent).ptr;
    double value = 0.0;
    std::from_chars(buf, end, value);
    return value;
}
} // namespace

double roundDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals >= 0 && isSmallWhole(value))
        return value == 0.0 ? 0.0 : value;
    const RoundedDigits r = roundedDigits(value, decimals);
    const double magnitude = r.count > 0 ? decimalValue(r.digits, r.count, r.point - r.count) : 0.0;
    return value < 0 ? -magnitude : magnitude;
}

double round15(double value)
{
    if (!std::isfinite(value) || isSmallWhole(value))
        return value;
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    double rounded = 0.0;
    std::from_chars(buf, written.ptr, rounded);
    return rounded;
}

namespace {

// A magnitude as the decimal it stands for: `digits` without a point, `scale` of them
// after it (negative: that many zeros follow). Fifteen significant digits, as a double
// carries: a typed 422921.82255 reads 422921.822550000 and not its binary 422921.8225499999,
// and 2.3 reads 2.30000000000000 and not 2.2999999999999998.
struct DecimalForm {
    QString digits;
    int scale = 0;
};

DecimalForm decimalForm(double magnitude)
{
    const QString scientific = QString::number(magnitude, 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    DecimalForm form;
    form.digits = scientific.left(e).remove(u'.');
    form.scale = 14 - scientific.mid(e + 1).toInt();
    return form;
}

// The whole part and `decimals` fraction digits of a form, cut toward zero.
std::pair<QString, QString> cutParts(const DecimalForm &form, int decimals)
{
    QString digits = form.digits;
    int scale = form.scale;
    if (scale < 0) {
        digits += QString(-scale, u'0');
        scale = 0;
    }
    if (digits.size() <= scale)
        digits.prepend(QString(scale - digits.size() + 1, u'0'));
    QString whole = digits.left(digits.size() - scale);
    const QString fraction = (digits.right(scale) + QString(decimals, u'0')).left(decimals);
    int lead = 0;
    while (lead < whole.size() - 1 && whole.at(lead) == u'0')
        ++lead;
    return {whole.mid(lead), fraction};
}

bool allZero(const QString &text)
{
    for (QChar c : text)
        if (c != u'0')
            return false;
    return true;
}

using Wide = unsigned __int128;

QString wideText(Wide value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text;
    while (value > 0) {
        text.prepend(QChar(u'0' + int(value % 10)));
        value /= 10;
    }
    return text;
}

// A form without the zeros that end it, as a scaled integer: at most fifteen digits.
Wide scaledInteger(const DecimalForm &form, int &scale)
{
    QString digits = form.digits;
    scale = form.scale;
    while (digits.size() > 1 && digits.endsWith(u'0')) {
        digits.chop(1);
        --scale;
    }
    Wide value = 0;
    for (QChar c : digits)
        value = value * 10 + Wide(c.unicode() - u'0');
    return value;
}

enum class Ending { Cut, Rounded };

// a x b from the factors' decimal forms: two integers of at most fifteen digits, whose
// product (at most thirty) is exact; only then cut or rounded to `decimals`.
double exactProduct(double a, double b, int decimals, Ending ending)
{
    int scaleA = 0;
    int scaleB = 0;
    Wide product = scaledInteger(decimalForm(std::fabs(a)), scaleA) * scaledInteger(decimalForm(std::fabs(b)), scaleB);
    int scale = scaleA + scaleB;
    if (scale - decimals > 36) {
        // Thirty digits at most: none of them reaches the kept places, not even by rounding.
        product = 0;
        scale = decimals;
    } else if (scale > decimals) {
        Wide divisor = 1;
        for (int i = decimals; i < scale; ++i)
            divisor *= 10;
        const Wide remainder = product % divisor;
        product /= divisor;
        if (ending == Ending::Rounded && remainder * 2 >= divisor)
            ++product;
        scale = decimals;
    }
    const DecimalForm form{wideText(product), scale};
    const auto [whole, fraction] = cutParts(form, std::max(scale, 0));
    const double magnitude = (whole + u'.' + fraction + u'0').toDouble();
    return (a < 0) != (b < 0) ? -magnitude : magnitude;
}

} // namespace

QString fRoundDown(int digits, double value)
{
    // Truncation is symmetric around zero: -1.234567 cut to five decimals is -1.23456. The
    // cut works on the value's decimal form, which absorbs the representation error the old
    // program nudged away with 1e-14 (a nudge that turned 1.99999999999995 into 2).
    const bool negative = value < 0;
    const double v = std::fabs(value);
    const QString sign = negative ? QStringLiteral("-") : QString();

    if (digits < 0) {
        const auto [whole, fraction] = cutParts(decimalForm(v), -digits);
        const QString twelve = (fraction + QString(12, u'0')).left(std::max(12, int(fraction.size())));
        const QString text = whole + u'.' + twelve;
        return allZero(whole + fraction) ? QString::number(0.0, 'f', 12) : sign + text;
    }
    QString wholeText = cutParts(decimalForm(v), 0).first;
    if (digits == 0)
        return allZero(wholeText) ? wholeText : sign + wholeText;
    if (wholeText.size() <= digits)
        return QStringLiteral("0");
    for (int i = wholeText.size() - digits; i < wholeText.size(); ++i)
        wholeText[i] = u'0';
    return sign + wholeText;
}

double productCut(double a, double b, int decimals)
{
    return exactProduct(a, b, decimals, Ending::Cut);
}

double productRounded(double a, double b, int decimals)
{
    return exactProduct(a, b, decimals, Ending::Rounded);
}

double roundDown(int digits, double value)
{
    return fNumValue(fRoundDown(digits, value));
}

int StringIndex(const QString &text, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        if (names.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int displayWidth(const QString &text)
{
    int width = 0;
    for (QChar c : text)
        width += c.unicode() > 0xFF ? 2 : 1;
    return width;
}

} // namespace zedur
