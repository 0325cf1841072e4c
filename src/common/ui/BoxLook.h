#pragma once

class QLineEdit;

namespace zedur {

// A box that shows a value the user cannot type over: read-only and drawn grey, the same
// in every screen.
void makeReadOnlyBox(QLineEdit *box);

} // namespace zedur
