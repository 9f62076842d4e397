#pragma once
// The registrations of a selection cut into ranges of about equal line counts, so that an extraction run
// in parts on several connections gives each about the same work. A registration is never split: the
// ERP posts a movement's header and lines together, so each part sees a movement whole or not at all.

#include "db/Connection.h"
#include "engine/ExtractionRequest.h"

#include <vector>

namespace quorvane {

// At most `count` ranges in registration order, together covering every registration; fewer when the
// selection's company and registration dates hold fewer registrations, one open range when they hold none.
std::vector<RegistrationRange> registrationPartitions(db::Connection& connection, const ExtractionRequest& request,
                                                      int count);

} // namespace quorvane
