#pragma once
// Where each value of a JSON text starts, by its path ("sections.details.objects[1].align"), so that a
// report file's error can name the line of the value it refuses rather than the first line where its key
// appears. The text is one the JSON reader already accepted.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace report {

std::map<std::string, std::size_t> jsonValueOffsets(std::string_view json);

} // namespace report
