#pragma once
// Where the movement-type selector finds the company's movement types. The host implements it over the
// company database.

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace controls {

struct MovementType {
    int code = 0;
    QString description, mediumDescription, shortDescription;
    int kind = 0;                            // 0 actual, 1 budget, 2 simulation, …
    std::optional<QDate> validFrom, validTo; // open ends: always valid on that side
    bool operator==(const MovementType&) const = default;
};

class MovementTypeSource {
public:
    virtual ~MovementTypeSource() = default;
    // Every movement type, by code.
    virtual std::vector<MovementType> movementTypes() const = 0;
};

} // namespace controls
