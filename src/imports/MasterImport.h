#pragma once

#include "imports/Importer.h"
#include "masters/MasterCodes.h"

namespace zedur::imports {

// Raw-material or product codes, held to their screen's rules: a code of letters and digits,
// a name, codes and names distinct across both masters, texts within their columns, the
// raw-material price stored as its box stores it; a code in a product tree is not changed.
std::unique_ptr<Importer> makeMasterImport(ImportContext &context, const masters::MasterKind &kind);

} // namespace zedur::imports
