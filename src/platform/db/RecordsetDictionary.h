#pragma once
// The distinct texts of one text column. Rows hold codes into it, so a description repeated on a hundred
// thousand lines is stored once. Texts sit end to end in one buffer; the look-up index is an open-address
// table of codes with a fingerprint of each text's hash, so a probe rarely reads a text that cannot
// match. The index is dropped once loading ends and rebuilt only if the set grows again. The lines of
// one movement arrive together and repeat its texts, so the last text interned is checked first.
//
// The company database's collation (tsql/Collation.h) gives every code a rank (texts the collation calls
// equal share one), so sorting and comparing texts of a column compares small integers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

class RecordsetDictionary {
public:
    std::uint32_t intern(std::string_view text);
    std::string_view text(std::uint32_t code) const;
    std::size_t size() const { return offsets_.size() - 1; }
    void releaseIndex();
    std::size_t bytesUsed() const;

    // Rank of each code in the collation's order; valid until the next intern of a new text.
    const std::vector<std::uint32_t>& ranks() const;
    // Where a text falls among the column's ranks: how many ranks lie below it, and whether some text
    // of the column is equal to it under the collation (its rank is then `ranksBelow`).
    struct TextPosition {
        std::uint32_t ranksBelow = 0;
        bool exact = false;
    };
    TextPosition locate(std::string_view text) const;

private:
    struct Collation {
        std::vector<std::uint32_t> ranks;    // by code
        std::vector<std::uint32_t> byRank;   // codes in folded order
        std::size_t forSize = 0;
    };

    std::uint32_t findOrAdd(std::string_view text);
    static std::uint64_t slotOf(std::uint32_t code, std::size_t hash);
    std::optional<std::uint32_t> find(std::string_view text, std::size_t hash) const;
    void insertIntoIndex(std::uint32_t code, std::size_t hash);
    void rebuildIndex();
    const Collation& collation() const;

    std::string arena_;
    std::vector<std::uint64_t> offsets_{0};
    std::vector<std::uint64_t> slots_;       // hash fingerprint << 32 | code + 1; 0 for a free slot
    std::optional<std::uint32_t> lastCode_;
    mutable Collation collation_;
};

} // namespace db
