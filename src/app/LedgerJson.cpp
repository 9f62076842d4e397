#include "LedgerJson.h"

#include <cstdio>

void writeJsonString(std::ostream& out, std::string_view text)
{
    out << '"';
    for (char c : text) {
        switch (c) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\r': out << "\\r"; break;
        case '\n': out << "\\n"; break;
        case '\t': out << "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out << escaped;
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

void writeJsonValue(std::ostream& out, const db::Value& value)
{
    if (value.isNull())
        out << "null";
    else if (value.isBool())
        out << (value.asBool() ? "true" : "false");
    else if (value.isNumber())
        out << value.toText();
    else
        writeJsonString(out, value.toText());
}
