#include "engine/GroupValues.h"

#include "tsql/Collation.h"

namespace quorvane {

bool holdsNoValue(const db::Value& value)
{
    return value.isNull() || (value.isText() && value.asText().find_first_not_of(' ') == std::string::npos);
}

bool sameGroupValue(const db::Value& a, const db::Value& b)
{
    if (holdsNoValue(a) || holdsNoValue(b))
        return holdsNoValue(a) && holdsNoValue(b);
    if (a.isText() && b.isText())
        return tsql::compareText(a.asText(), b.asText()) == 0;
    return a == b || a.toText() == b.toText();
}

std::string groupValueKey(const db::Value& value)
{
    if (holdsNoValue(value))
        return {};
    return value.isText() ? tsql::equalityKey(value.asText()) : value.toText();
}

} // namespace quorvane
