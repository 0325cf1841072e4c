#pragma once

#include <QString>
#include <functional>

namespace zedur {

// Where a file the user asks for (a spreadsheet, a PDF) is written: a new time-stamped name
// under Data_Save/ beside the program, or in the user's documents folder where that cannot
// be written.
QString newSavedFilePath(const QString &baseName, const QString &suffix);

// Opens a written file with the file opener; false when there is none (the command line,
// the tools) or it could not.
bool openSavedFile(const QString &path);

// What opens a written file: the program sets the desktop's, tests their own; nullptr
// leaves files only written.
using FileOpener = std::function<bool(const QString &path)>;
void setFileOpener(FileOpener opener);

} // namespace zedur
