#pragma once

#include <QString>
#include <QStringList>

// Text and number functions every screen shares. Names that the books' users know from
// the old program keep their old spelling (fNumValue, IsDouble, fRoundDown, ...).
namespace zedur {

QString fTrimLeftBlank(const QString &text);
QString fDeleteBlank(const QString &text);

// Keeps only "-0123456789." and reads the rest as a number; no character left gives 0.
// Throws ConversionError when what is left is still not a number ("1.2.3", "5-").
double fNumValue(const QString &text);

// Whether a typed number is acceptable: a number after blanks are removed, within the
// fixed-point currency range (about +/-9.2e14). The empty text counts as 0.
bool IsDouble(const QString &text);

// Truncates toward zero: digits < 0 keeps -digits decimals, digits == 0 keeps the whole
// number, digits > 0 zeroes that many trailing whole digits. The cut works on the value's
// 15-significant-digit decimal form, never on its binary noise.
// The text form is what the screens show or read back; roundDown() is the same as a number.
QString fRoundDown(int digits, double value);
double roundDown(int digits, double value);

// a x b of two decimal values (typed or shown), cut toward zero or rounded half away from
// zero to `decimals` decimals. The product is formed from the factors' decimal forms as
// scaled integers, so that a product needing more than fifteen digits loses none of them
// before the cut.
double productCut(double a, double b, int decimals);
double productRounded(double a, double b, int decimals);

// Number formatting with the picture strings of the screens ("#,##0.0000",
// "#,##0.0000;-#,##0.0000; ;", "0.00", "000", ...). Rounds half away from zero on the
// 15-significant-digit decimal form, so that 1.0005 formatted "0.000" gives "1.001".
QString formatFloat(const QString &picture, double value);

// Round to a number of decimals exactly as formatting with that many decimals would, and
// read the text back: where the screens store the value of a formatted text.
double roundDecimals(double value, int decimals);

// Round to 15 significant digits: amounts that pass from one statement to the next as
// decimal text carry no more than that.
double round15(double value);

// Position of text in names, ignoring case; -1 when absent.
int StringIndex(const QString &text, const QStringList &names);

// Width of a text in columns of the old Korean code page: two per character outside
// Latin-1, one otherwise. Fixed-width layouts (tree node texts, spreadsheet columns) use it.
int displayWidth(const QString &text);

} // namespace zedur
