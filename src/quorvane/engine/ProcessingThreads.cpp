#include "engine/ProcessingThreads.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace quorvane {

namespace {

constexpr int mostThreads = 256;

int threadsOf(const std::string& text, const std::string& source)
{
    const bool digits = !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos;
    const int threads = digits ? std::stoi(text) : 0;
    if (threads < 1 || threads > mostThreads)
        throw std::invalid_argument(source + " expects a number of threads from 1 to " + std::to_string(mostThreads)
                                    + ", not \"" + text + "\"");
    return threads;
}

} // namespace

int processingThreads(const std::optional<std::string>& asked)
{
    if (asked)
        return threadsOf(*asked, "--threads");
    if (const char* setting = std::getenv("QUORVANE_THREADS"))
        return threadsOf(setting, "QUORVANE_THREADS");
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min<unsigned>(cores, mostThreads));
}

} // namespace quorvane
