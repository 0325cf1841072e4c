#pragma once

#include <QString>
#include <functional>

// Generated books kept on disk between runs of the benchmarks: months of 100,000 lots take
// minutes to generate and the same seed always gives the same books. A set is made once
// under its name (by `make`, given the path to write) and found there by the next run.
namespace zedur::test {

// The folder: $ZEDUR_BENCH_CACHE, else ~/.cache/zedur-bench. A name says everything the
// books depend on (seed, months, sizes) and the generator's version, so that books made by
// an older generator are never taken for new ones; delete the folder to start afresh.
QString benchCacheFolder();

// The books of that name, made first when the folder does not hold them yet. A set cut
// short (the run stopped while making it) is made again: it is written under another name
// and renamed when whole.
QString cachedBooks(const QString &name, const std::function<void(const QString &path)> &make);

} // namespace zedur::test
