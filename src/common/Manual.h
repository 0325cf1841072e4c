#pragma once

#include <QString>
#include <QUrl>

// The user manual: HTML chapters with their pictures, in a folder beside the program
// (manual/ in the build and in a portable copy, share/zedur/manual when installed).
// Each screen's section carries an anchor named by its menu entry's text, so that the
// help key finds it from the menu alone.
namespace zedur {

// The manual's folder, or empty when none of its places holds it.
QString manualFolder();
void setManualFolderForTesting(const QString &folder);

// The manual's start (its table of contents); empty when the manual is missing.
QUrl manualStart();
// The section named `section` (a menu entry's text, blanks around it ignored), or the
// manual's start when no section has that name or `section` is empty.
QUrl manualSection(const QString &section);
// Whether a chapter of the manual holds a section named `section`.
bool manualHasSection(const QString &section);

} // namespace zedur
