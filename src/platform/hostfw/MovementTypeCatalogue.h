#pragma once
// The movement types of the company database, for the movement-type selector.

#include "controls/MovementTypeSource.h"
#include "db/Connection.h"

namespace hostfw {

class MovementTypeCatalogue final : public controls::MovementTypeSource {
public:
    explicit MovementTypeCatalogue(db::Connection& connection) : connection_(connection) {}

    std::vector<controls::MovementType> movementTypes() const override;

private:
    db::Connection& connection_;
};

} // namespace hostfw
