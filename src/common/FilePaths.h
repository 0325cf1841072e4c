#pragma once

#include <QString>

namespace zedur {

// The file a path leads to, with every link and "." or ".." resolved, also for a file still
// to be made (the nearest folder that is there, resolved, and what is below it); empty for a
// link that leads nowhere.
QString resolvedFilePath(const QString &path);

} // namespace zedur
