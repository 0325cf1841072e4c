#pragma once

#include "imports/ImportReport.h"

namespace zedur::imports {

// The layout a file of the kind needs, in the user's words: the columns looked for (by the
// titles of the program's own export or the screen's labels), which must be there, and how
// the rows are read.
QString layoutText(Kind kind);

} // namespace zedur::imports
