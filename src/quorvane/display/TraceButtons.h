#pragma once
// Which allocation-trace commands the current movement line offers (AbilitaBottoniTracciaRib): CMD_LEFT when
// the line is the destination of some allocation (it has origins), CMD_RIGHT when it is the origin of some
// (it has destinations). Each command is shown exactly when it is enabled.

#include "db/Connection.h"

#include <string>

namespace quorvane::display {

struct TraceButtons {
    bool left = false;      // CMD_LEFT: origins
    bool right = false;     // CMD_RIGHT: destinations
    bool operator==(const TraceButtons&) const = default;
};

// One row with WK_ORIG and WK_DEST, 1 when such trace rows exist, NULL otherwise.
std::string traceButtonsStatement(int company, const std::string& registrationNumber, const std::string& line);

// Both off without a current row, or when its registration number or line number is empty; otherwise the
// trace table decides. A database error propagates (db::Error).
TraceButtons AbilitaBottoniTracciaRib(db::Connection& connection, int company, const db::Recordset* movements);

} // namespace quorvane::display
