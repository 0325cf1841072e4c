#pragma once

#include "imports/Importer.h"

namespace zedur::imports {

// Product trees in the layout of the tree screen's export: one row a node, in list order,
// each with its level (0 for the product at the root) and code. Held to the tree screen's
// rules: a product at the root, nothing under a raw material, a code once in a tree (and so
// no product under itself), a quantity above 0; a tree whose product already has one is
// replaced only when chosen and while no receipt uses any of its codes.
std::unique_ptr<Importer> makeTreeImport(ImportContext &context);

} // namespace zedur::imports
