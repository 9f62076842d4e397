#pragma once
// A value a user types or a file holds never carries a control character (NUL, a line end, a tab, an
// escape, …): none belongs in a code, a description or a number, and a NUL would cut a statement's or a
// message's text short where it stands. The selection is refused, naming the value's key, before any
// statement is built from it.

#include "selection/SelectionParameters.h"

#include <optional>
#include <string>

namespace quorvane {

struct RefusedValue {
    std::string key;   // as the selection file names it: "TXT_CONTO", "ADVQ_LIMITI[2].from", "USR_TIPOMOV[0]"
    std::string why;
};

// The code point of the first control character of UTF-8 text (C0, DEL or C1), or nothing.
std::optional<unsigned> controlCharacterIn(const std::string& text);

// The first value of the record that holds a control character, or nothing.
std::optional<RefusedValue> valueWithControlCharacter(const SelectionParameters& selection);

} // namespace quorvane
