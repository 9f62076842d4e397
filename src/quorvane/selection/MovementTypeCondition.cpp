#include "selection/MovementTypeCondition.h"

#include "controls/MovementTypeChoice.h"

#include <QString>

#include <algorithm>
#include <stdexcept>

namespace quorvane {

namespace {

std::vector<int> codesOf(const std::vector<std::string>& codes)
{
    std::vector<int> numbers;
    for (const std::string& code : codes) {
        bool ok = false;
        numbers.push_back(QString::fromStdString(code).toInt(&ok));
        if (!ok)
            throw std::invalid_argument("USR_TIPOMOV: \"" + code + "\" is not a movement-type code");
    }
    return numbers;
}

} // namespace

std::vector<controls::MovementType> chosenMovementTypes(const std::vector<controls::MovementType>& types,
                                                        const MovementTypeRange& range,
                                                        const std::optional<std::vector<std::string>>& codes)
{
    const std::optional<std::vector<int>> listed = codes ? std::optional(codesOf(*codes)) : std::nullopt;
    const std::optional<std::vector<int>> kinds = controls::kindsOf(QString::fromLatin1(offeredMovementKinds));
    std::vector<controls::MovementType> chosen;
    for (const controls::MovementType& type : types)
        if (controls::isOffered(type, kinds, range.from, range.to)
            && (!listed || std::find(listed->begin(), listed->end(), type.code) != listed->end()))
            chosen.push_back(type);
    return chosen;
}

std::string budgetMovementTypeCondition(const std::vector<controls::MovementType>& types,
                                        const MovementTypeRange& range)
{
    constexpr int budgetKind = 1;
    std::vector<int> codes;
    for (const controls::MovementType& type : types)
        if (controls::isOffered(type, std::vector<int>{budgetKind}, range.from, range.to))
            codes.push_back(type.code);
    return controls::movementTypeCondition(codes).toStdString();
}

} // namespace quorvane
