#pragma once

#include "imports/Importer.h"

namespace zedur::imports {

// Detail accounts, held to the account screen's rules: registered under a group account the
// books came with (the code's first five characters and "000"), numbered 001 to 949 (the
// next free number when the file gives only the group), with a name; an account in the books
// is changed (name and memo) only when chosen and while the screen would allow it.
std::unique_ptr<Importer> makeAccountImport(ImportContext &context);

} // namespace zedur::imports
