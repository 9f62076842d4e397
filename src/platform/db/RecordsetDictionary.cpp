#include "RecordsetDictionary.h"

#include "tsql/Collation.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace db {

namespace {

std::size_t hashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

} // namespace

std::string_view RecordsetDictionary::text(std::uint32_t code) const
{
    return std::string_view(arena_).substr(offsets_[code], offsets_[code + 1] - offsets_[code]);
}

std::uint32_t RecordsetDictionary::intern(std::string_view text)
{
    if (lastCode_ && this->text(*lastCode_) == text)
        return *lastCode_;
    lastCode_ = findOrAdd(text);
    return *lastCode_;
}

std::uint32_t RecordsetDictionary::findOrAdd(std::string_view text)
{
    if (slots_.empty())
        rebuildIndex();
    std::size_t hash = hashOf(text);
    if (auto code = find(text, hash))
        return *code;
    auto code = static_cast<std::uint32_t>(size());
    arena_.append(text);
    offsets_.push_back(arena_.size());
    if (2 * (size() + 1) > slots_.size())
        rebuildIndex();
    else
        insertIntoIndex(code, hash);
    return code;
}

void RecordsetDictionary::releaseIndex()
{
    slots_ = {};
    arena_.shrink_to_fit();
    offsets_.shrink_to_fit();
}

std::size_t RecordsetDictionary::bytesUsed() const
{
    return arena_.capacity() + offsets_.capacity() * sizeof(std::uint64_t)
           + slots_.capacity() * sizeof(std::uint64_t)
           + (collation_.ranks.capacity() + collation_.byRank.capacity()) * sizeof(std::uint32_t);
}

std::uint64_t RecordsetDictionary::slotOf(std::uint32_t code, std::size_t hash)
{
    return (std::uint64_t(hash) & 0xFFFF'FFFF'0000'0000ULL) | (std::uint64_t(code) + 1);
}

std::optional<std::uint32_t> RecordsetDictionary::find(std::string_view text, std::size_t hash) const
{
    std::size_t mask = slots_.size() - 1;
    std::uint64_t fingerprint = slotOf(0, hash) >> 32;
    for (std::size_t i = hash & mask; slots_[i] != 0; i = (i + 1) & mask) {
        auto code = static_cast<std::uint32_t>(slots_[i] & 0xFFFF'FFFF) - 1;
        if (slots_[i] >> 32 == fingerprint && this->text(code) == text)
            return code;
    }
    return std::nullopt;
}

void RecordsetDictionary::insertIntoIndex(std::uint32_t code, std::size_t hash)
{
    std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i] != 0)
        i = (i + 1) & mask;
    slots_[i] = slotOf(code, hash);
}

// Keeps the table at most half full, so probes stay short.
void RecordsetDictionary::rebuildIndex()
{
    std::size_t capacity = 64;
    while (capacity < 4 * (size() + 1))
        capacity *= 2;
    slots_.assign(capacity, 0);
    for (std::uint32_t code = 0; code < size(); ++code)
        insertIntoIndex(code, hashOf(text(code)));
}

// The ranks follow the company database's collation, so that the record set sorts, filters and finds
// texts as the server does: "Ab" with "aB", "X" with "X ", and a text of blanks with the empty text.
const RecordsetDictionary::Collation& RecordsetDictionary::collation() const
{
    if (collation_.forSize == size() && collation_.ranks.size() == size())
        return collation_;
    Collation c;
    c.byRank.resize(size());
    std::iota(c.byRank.begin(), c.byRank.end(), 0U);
    std::sort(c.byRank.begin(), c.byRank.end(),
              [&](std::uint32_t a, std::uint32_t b) { return tsql::compareText(text(a), text(b)) < 0; });
    c.ranks.resize(size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < c.byRank.size(); ++i) {
        if (i > 0 && tsql::compareText(text(c.byRank[i]), text(c.byRank[i - 1])) != 0)
            ++rank;
        c.ranks[c.byRank[i]] = rank;
    }
    c.forSize = size();
    collation_ = std::move(c);
    return collation_;
}

const std::vector<std::uint32_t>& RecordsetDictionary::ranks() const { return collation().ranks; }

RecordsetDictionary::TextPosition RecordsetDictionary::locate(std::string_view text) const
{
    const Collation& c = collation();
    auto it = std::partition_point(c.byRank.begin(), c.byRank.end(),
                                   [&](std::uint32_t code) { return tsql::compareText(this->text(code), text) < 0; });
    TextPosition position;
    if (it != c.byRank.begin())
        position.ranksBelow = c.ranks[*(it - 1)] + 1;
    position.exact = it != c.byRank.end() && tsql::compareText(this->text(*it), text) == 0;
    return position;
}

} // namespace db
