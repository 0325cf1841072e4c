#pragma once

#include <QString>
#include <functional>

namespace zedur {

// A long run names each step as it begins, so that a screen or the command line can show
// how far it has come. An empty function reports nothing.
using Progress = std::function<void(const QString &step)>;

inline void report(const Progress &progress, const QString &step)
{
    if (progress)
        progress(step);
}

} // namespace zedur
