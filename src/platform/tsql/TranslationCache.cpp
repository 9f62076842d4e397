#include "tsql/TranslationCache.h"

namespace tsql {

std::shared_ptr<const Translation> TranslationCache::find(std::string_view text) const
{
    auto it = entries_.find(std::string(text));
    return it == entries_.end() ? nullptr : it->second;
}

void TranslationCache::store(std::string_view text, std::shared_ptr<const Translation> translation)
{
    if (entries_.size() >= maxEntries)
        entries_.clear();
    entries_.emplace(std::string(text), std::move(translation));
}

void TranslationCache::clear() { entries_.clear(); }

}  // namespace tsql
