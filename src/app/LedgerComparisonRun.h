#pragma once
// A command's processing with its comparison ("--compare previous-year|previous-period|budget"): the
// comparison's lines are extracted first, so that the working table then holds the selection's own lines as
// after a plain run, and the selection's last.

#include "LedgerSession.h"

#include "engine/ComparisonSelection.h"
#include "engine/LedgerComparison.h"
#include "engine/MovementExtraction.h"

#include <optional>
#include <string>

// The option's comparison; none without the option. Throws CommandFailure for a name it does not know.
std::optional<quorvane::ComparisonKind> comparisonOption(const std::optional<std::string>& value);

class LedgerComparisonRun {
public:
    // Extracts the comparison (when asked for) and the selection, each on `threads` threads. Throws
    // std::invalid_argument for a selection the comparison cannot move, and db::Error.
    LedgerComparisonRun(const LedgerSession& session, std::optional<quorvane::ComparisonKind> kind, int threads = 1);
    LedgerComparisonRun(const LedgerComparisonRun&) = delete;
    LedgerComparisonRun& operator=(const LedgerComparisonRun&) = delete;

    quorvane::MovementExtraction& extraction() { return extraction_; }
    // The comparison beside the selection; none when none was asked for.
    quorvane::LedgerComparison* comparison() { return comparison_ ? &*comparison_ : nullptr; }

private:
    quorvane::MovementExtraction extraction_;
    quorvane::MovementExtraction compared_;
    std::optional<quorvane::LedgerComparison> comparison_;
};
