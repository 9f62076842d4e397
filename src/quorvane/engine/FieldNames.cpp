#include "engine/FieldNames.h"

#include <algorithm>
#include <cctype>

namespace quorvane {
namespace {

bool sameLetters(std::string_view text, std::size_t at, std::string_view what)
{
    return std::equal(what.begin(), what.end(), text.begin() + static_cast<std::ptrdiff_t>(at), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    });
}

std::string removedEverywhere(std::string_view text, std::string_view qualifier)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + qualifier.size() <= text.size() && sameLetters(text, i, qualifier)) {
            i += qualifier.size();
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

} // namespace

std::string PulisciNomeCampo(std::string_view columnName)
{
    return removedEverywhere(removedEverywhere(columnName, "CO5L_CI12."), "CO5L_CI13.");
}

} // namespace quorvane
