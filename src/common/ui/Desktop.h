#pragma once

// The program's own way of showing messages and opening exported files: real message boxes
// and the desktop's spreadsheet program. Without it (the command line, the tools) messages
// go to standard error and exported files are only written.
namespace zedur {

void useDesktop();

// Only the message boxes (a test that answers a real box); the file opener stays as it is.
void useMessageBoxes();

} // namespace zedur
