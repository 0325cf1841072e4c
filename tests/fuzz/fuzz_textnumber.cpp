// Feeds the typed-number functions what nobody would type on purpose and checks what must
// hold whatever arrives: no crash, no sanitizer report, and
// - a text is either refused (ConversionError) or read as a finite number; what IsDouble and
//   a number box accept reads without a refusal;
// - a value formatted and read back is the value rounded to the shown decimals, as decimal
//   arithmetic on its 15-significant-digit form rounds it (within 15 significant digits);
// - truncation to d decimals (or to tens) is the cut of that decimal form: within one unit of
//   the last kept place, on the zero side;
// - a product of two values cut or rounded is the decimal product of their forms, cut or
//   rounded.
// The oracles below work on the C library's decimal text, apart from the code under test.
// The properties are asked of finite values up to 1e300 (the books hold nothing near the
// largest double, where rounding up the last digit leaves the range); beyond that, and for
// NaN and infinities, the functions must merely not crash.
//
// Input: one byte choosing the decimals, two raw doubles, then UTF-8 text.

#include "common/Failure.h"
#include "common/KeySet.h"
#include "common/TextNumber.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

using namespace zedur;

namespace {

[[noreturn]] void fail(const char *what, double value, int decimals, const std::string &got, const std::string &want)
{
    std::fprintf(stderr, "property failed: %s\n  value %.17g, decimals %d\n  got  %s\n  want %s\n", what, value,
                 decimals, got.c_str(), want.c_str());
    std::abort();
}

std::string text(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// |v| as its fifteen significant digits and the position of the decimal point in them.
struct Decimal {
    std::string digits; // 15 digits, or "0"
    int point = 1;      // digits before the decimal point (may be <= 0 or > 15)
};

Decimal decimalOf(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    Decimal d;
    const char *e = std::strchr(buf, 'e');
    for (const char *p = buf; p < e; ++p)
        if (*p != '.')
            d.digits += *p;
    d.point = std::atoi(e + 1) + 1;
    if (std::fabs(v) == 0.0) {
        d.digits = "0";
        d.point = 1;
    }
    return d;
}

// The decimal form of |v| cut or rounded half away from zero at `decimals` places, as plain
// text; negative decimals zero that many whole places (cut only).
std::string decimalText(double v, int decimals, bool round)
{
    const Decimal d = decimalOf(v);
    auto digitAt = [&](int i) {
        return i >= 0 && i < int(d.digits.size()) ? d.digits[size_t(i)] : '0';
    };
    std::string whole;
    for (int i = 0; i < d.point; ++i)
        whole += digitAt(i);
    if (whole.empty())
        whole = "0";
    std::string fraction(size_t(std::max(0, -d.point)), '0');
    for (int i = std::max(d.point, 0); i < int(d.digits.size()); ++i)
        fraction += digitAt(i);

    if (decimals < 0) {
        const size_t zeroed = size_t(-decimals);
        if (whole.size() <= zeroed)
            return "0";
        for (size_t i = whole.size() - zeroed; i < whole.size(); ++i)
            whole[i] = '0';
        return whole;
    }
    const size_t places = size_t(decimals);
    std::string kept = whole + (fraction + std::string(places, '0')).substr(0, places);
    const char next = places < fraction.size() ? fraction[places] : '0';
    if (round && next >= '5') {
        size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    const std::string w = kept.substr(0, kept.size() - places);
    return places == 0 ? w : w + "." + kept.substr(kept.size() - places);
}

double decimalValue(double v, int decimals, bool round)
{
    const double magnitude = std::strtod(decimalText(v, decimals, round).c_str(), nullptr);
    return v < 0 ? -magnitude : magnitude;
}

double fifteenDigits(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    return std::strtod(buf, nullptr);
}

bool meaningful(double v)
{
    return std::isfinite(v) && std::fabs(v) <= 1e300;
}

// Equal within fifteen significant digits: at most one unit of the fifteenth apart (the C
// library and the code under test may break an exact tie at the sixteenth either way).
bool close(double a, double b)
{
    if (a == b)
        return true;
    const double larger = std::max(std::fabs(a), std::fabs(b));
    const double unit = std::pow(10.0, std::floor(std::log10(larger)) - 14);
    return std::fabs(a - b) <= unit + 4 * larger * std::numeric_limits<double>::epsilon();
}

void checkRead(const QString &typed)
{
    double value = 0;
    bool read = true;
    try {
        value = fNumValue(typed);
    } catch (const ConversionError &) {
        read = false;
    }
    if (read && !std::isfinite(value))
        fail("fNumValue gives a finite number or refuses", value, 0, typed.toStdString(), "finite");

    if (IsDouble(typed)) {
        const double accepted = fNumValue(fDeleteBlank(typed)); // must not throw
        if (!std::isfinite(accepted) || std::fabs(accepted) > 922337203685477.6)
            fail("IsDouble accepts only numbers of the currency range", accepted, 0, typed.toStdString(), "in range");
    }
    for (KeySet keys : {KeySet::Number, KeySet::NumberNoMinus, KeySet::DigitsMinus}) {
        if (!typable(keys, typed, true))
            continue;
        if (!IsDouble(typed))
            fail("a number box takes only what IsDouble accepts", 0, 0, typed.toStdString(), "IsDouble");
        if (!keyAllowed(keys, u'-') && fNumValue(fDeleteBlank(typed)) < 0)
            fail("a box without the minus key takes no negative number", 0, 0, typed.toStdString(), ">= 0");
    }
}

void checkFormats(double v, int decimals)
{
    // Whatever the value, formatting must not crash; only finite values have a meaning.
    const QString zeros = decimals > 0 ? QStringLiteral(".") + QString(decimals, u'0') : QString();
    const QString pictures[] = {QStringLiteral("#,##0") + zeros, QStringLiteral("0") + zeros,
                                QStringLiteral("#,##0%1;-#,##0%1; ;").arg(zeros)};
    for (const QString &picture : pictures) {
        const QString shown = formatFloat(picture, v);
        if (!meaningful(v))
            continue;
        const double back = fNumValue(shown);
        const double want = decimalValue(v, decimals, true);
        if (!close(back, want == 0 ? 0.0 : want))
            fail("formatted and read back is the value rounded to the shown decimals", v, decimals, shown.toStdString(),
                 decimalText(v, decimals, true));
    }
    if (!meaningful(v))
        return;
    const double rounded = roundDecimals(v, decimals);
    if (!close(rounded, decimalValue(v, decimals, true)))
        fail("roundDecimals", v, decimals, text(rounded), decimalText(v, decimals, true));
    // Rounding at the fifteenth significant digit moves a value by at most half a unit there
    // (and the result by its own representation error).
    if (std::fabs(round15(v) - v) > 5.3e-15 * std::fabs(v))
        fail("round15 keeps fifteen digits", v, 15, text(round15(v)), text(v));
}

void checkCut(double v, int decimals)
{
    if (!meaningful(v)) {
        fRoundDown(-decimals, v);
        return;
    }
    const QString cutText = fRoundDown(-decimals, v);
    const double cut = roundDown(-decimals, v);
    if (!close(fNumValue(cutText), cut))
        fail("fRoundDown's text and roundDown agree", v, decimals, cutText.toStdString(), text(cut));
    const double want = decimalValue(v, decimals, false);
    if (!close(cut, want == 0 ? 0.0 : want) || (cut != 0 && (cut < 0) != (v < 0)))
        fail("truncation cuts the decimal form toward zero", v, decimals, text(cut), decimalText(v, decimals, false));

    const int tens = decimals % 4 + 1;
    const double whole = roundDown(tens, v);
    const double wantWhole = decimalValue(v, -tens, false);
    if (!close(whole, wantWhole == 0 ? 0.0 : wantWhole))
        fail("truncation to tens", v, -tens, text(whole), decimalText(v, -tens, false));
}

void checkProduct(double a, double b, int decimals)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return;
    // Values the screens multiply: typed quantities, prices and rates, at most fifteen digits.
    if (std::fabs(a) > 1e15 || std::fabs(b) > 1e15 || std::fabs(a * b) > 1e15)
        return;
    const double fa = fifteenDigits(a); // the factors' decimal forms
    const double fb = fifteenDigits(b);
    // The exact product of the forms, cut or rounded, within the precision of a long double.
    const long double exact = static_cast<long double>(fa) * static_cast<long double>(fb);
    const long double unit = std::pow(10.0L, -decimals);
    for (bool rounded : {false, true}) {
        const double got = rounded ? productRounded(a, b, decimals) : productCut(a, b, decimals);
        const long double magnitude = std::fabs(exact);
        // A factor whose sixteenth digit is an exact tie may take either fifteenth digit.
        const long double tolerance = 2e-14L * magnitude + 1e-300L;
        const long double gap = magnitude - std::fabs(static_cast<long double>(got));
        const bool ok = rounded ? std::fabs(gap) <= unit / 2 + tolerance : gap >= -tolerance && gap < unit + tolerance;
        if (!ok || (got != 0 && (got < 0) != (exact < 0)))
            fail(rounded ? "productRounded is the rounded decimal product" : "productCut is the cut decimal product", a,
                 decimals, text(got), text(double(exact)) + " x " + text(b));
    }
}

double rawDouble(const uint8_t *data)
{
    double v;
    std::memcpy(&v, data, sizeof v);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int decimals = data[0] % 11; // the screens use 0, 2, 4 and 5; the Part allows up to twelve
    ++data;
    --size;
    double a = 0;
    double b = 0;
    if (size >= 16) {
        a = rawDouble(data);
        b = rawDouble(data + 8);
        data += 16;
        size -= 16;
    }
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkRead(typed);

    double fromText = 0;
    try {
        fromText = fNumValue(typed);
    } catch (const ConversionError &) {
    }
    for (double v : {a, b, fromText}) {
        checkFormats(v, decimals);
        checkCut(v, decimals);
    }
    checkProduct(fromText, a, decimals);
    checkProduct(a, b, decimals);
    return 0;
}
