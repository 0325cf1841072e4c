#pragma once

namespace zedur {

// SQLite's process-wide settings, made once before the first connection opens (later calls,
// and calls after a connection opened, change nothing):
// - no count of the memory in use: SQLite would otherwise take a global lock at every
//   allocation and release, dozens of times for each row a large month writes;
// - connections without a lock of their own ("multi-thread"): each connection is used by
//   one thread only, as Qt's connections are, so SQLite need not lock it at every step.
void configureSqlite();

} // namespace zedur
