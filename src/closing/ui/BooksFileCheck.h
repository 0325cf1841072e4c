#pragma once

#include "store/Integrity.h"

class QWidget;

namespace zedur {

class IntegrityCheckRecord;

// Checks the books file whole while a bar shows how far it has come (measured against the
// steps the last check of these books took; a busy bar the first time). Books checked in
// under half a second show nothing. A pass is written into `record`.
IntegrityCheck checkBooksFile(QWidget *parent, const QString &booksFile, IntegrityCheckRecord &record);

} // namespace zedur
