#pragma once
// Temporary files that must not outlive an interrupted process: when SIGINT, SIGTERM or SIGHUP ends it
// (Ctrl+C, a kill, a closed terminal), the files still registered are removed before it dies as the signal
// says. A signal the process ignores, or handles itself, is left alone.

#include <string>

namespace files {

// Registers a file to remove on such a signal; answers its slot (-1 when there is no room, the file is
// then only removed as usual).
int removeOnInterrupt(const std::string& path);
// The file is no longer to be removed (committed, or removed already).
void forgetOnInterrupt(int slot);

} // namespace files
