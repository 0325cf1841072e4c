#pragma once

#include <QString>
#include <functional>

namespace zedur {

// Where a file the user asks for (a spreadsheet, a PDF) is written: a new time-stamped name
// under Data_Save/ beside the program, or in the user's documents folder where that cannot
// be written.
QString newSavedFilePath(const QString &baseName, const QString &suffix);

// Opens a written file with the desktop's program for it; false when none could.
bool openSavedFile(const QString &path);

// Replaces what opens the written file (tests open nothing); nullptr restores the desktop's.
using FileOpener = std::function<bool(const QString &path)>;
void setFileOpenerForTesting(FileOpener opener);

} // namespace zedur
