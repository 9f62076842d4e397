// The database failed while the dialect was reading its description (busy, damaged, unreadable): not a
// fault of the statement, and nothing to remember about the object that was being looked up.
#pragma once

#include <stdexcept>
#include <string>

namespace tsql {

class EngineError : public std::runtime_error {
public:
    EngineError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }  // the engine's extended result code

private:
    int code_;
};

}  // namespace tsql
