// Translations by statement text: the component sends the same statements again and again.
#pragma once

#include "tsql/Dialect.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace tsql {

class TranslationCache {
public:
    std::shared_ptr<const Translation> find(std::string_view text) const;
    // Statements differ by their constants, so the cache starts over when it grows past a bound.
    void store(std::string_view text, std::shared_ptr<const Translation> translation);
    void clear();

private:
    static constexpr size_t maxEntries = 2000;
    std::unordered_map<std::string, std::shared_ptr<const Translation>> entries_;
};

}  // namespace tsql
