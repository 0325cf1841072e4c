#pragma once

#include <QString>

// Where the books, the error log and the exports live. A portable copy of the program keeps
// them beside itself; an installed program keeps them in the user's own data folder, which
// then stands in for the program folder everywhere.
namespace zedur {

struct ProgramFolder {
    QString path;
    bool writable = false;
    bool holdsBooksFolder = false; // Access_Db/ is there
};

// The folder that stands for the program folder, ending with "/": the program's own when it
// is writable and holds Access_Db/, otherwise the user's data folder (the program's own
// again when no user folder is known, so that the start-up warning still names a place).
QString chooseDataFolder(const ProgramFolder &program, const QString &userDataFolder);

ProgramFolder inspectProgramFolder(const QString &path);

// $XDG_DATA_HOME/zedur (usually ~/.local/share/zedur): the program's AppDataLocation, named
// here so that the program and its tools, whatever their own names, agree on it. Empty
// when the system cannot tell a home.
QString userDataFolder();

} // namespace zedur
