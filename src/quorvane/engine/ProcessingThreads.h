#pragma once
// How many threads a processing runs on: the number asked for (the command line's --threads), otherwise
// the setting QUORVANE_THREADS of the environment, otherwise one a core of the machine.

#include <optional>
#include <string>

namespace quorvane {

// Throws std::invalid_argument naming the value when the one asked for, or the setting, is not a whole
// number from 1 to 256.
int processingThreads(const std::optional<std::string>& asked = std::nullopt);

} // namespace quorvane
