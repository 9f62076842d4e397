#include "engine/NodeFilter.h"

#include "db/QuotedLiterals.h"
#include "engine/FieldNames.h"

namespace quorvane {

std::string movementFilterOf(std::string_view tag)
{
    return PulisciNomeCampo(tag.substr(0, db::findOutsideLiterals(tag, '|')));
}

} // namespace quorvane
