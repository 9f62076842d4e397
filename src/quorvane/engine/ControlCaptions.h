#pragma once
// Captions computed for the window's label fields, by control name ("TXT_TOTDARE" → "1.234,56 "). The
// window puts each into its LabelField; the command line prints them.

#include <map>
#include <string>

namespace quorvane {

using ControlCaptions = std::map<std::string, std::string>;

} // namespace quorvane
