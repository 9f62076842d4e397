#include "engine/NodeFilter.h"

#include "engine/FieldNames.h"

namespace quorvane {

std::string movementFilterOf(std::string_view tag)
{
    return PulisciNomeCampo(tag.substr(0, tag.find('|')));
}

} // namespace quorvane
