#pragma once
// Which rows of a column are NULL, one bit per row. A column without NULLs allocates nothing.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace db {

class RecordsetNullMask {
public:
    void push_back(bool isNull)
    {
        if (isNull && words_.empty())
            words_.assign(wordsFor(size_ + 1), 0);
        if (!words_.empty()) {
            words_.resize(wordsFor(size_ + 1), 0);
            assign(size_, isNull);
        }
        ++size_;
    }
    // Another mask's rows after these; without a NULL among them, their words are zeros.
    void append(const RecordsetNullMask& other)
    {
        if (other.any()) {
            for (std::size_t row = 0; row < other.size_; ++row)
                push_back(other.isNull(row));
            return;
        }
        size_ += other.size_;
        if (!words_.empty())
            words_.resize(wordsFor(size_), 0);
    }
    void set(std::size_t row, bool isNull)
    {
        if (isNull && words_.empty())
            words_.assign(wordsFor(size_), 0);
        if (!words_.empty())
            assign(row, isNull);
    }
    bool isNull(std::size_t row) const
    {
        return !words_.empty() && (words_[row / 64] >> (row % 64) & 1U) != 0;
    }
    bool any() const { return !words_.empty(); }
    std::size_t bytesUsed() const { return words_.capacity() * sizeof(std::uint64_t); }
    void shrinkToFit() { words_.shrink_to_fit(); }

private:
    static std::size_t wordsFor(std::size_t rows) { return (rows + 63) / 64; }
    void assign(std::size_t row, bool isNull)
    {
        std::uint64_t bit = std::uint64_t(1) << (row % 64);
        words_[row / 64] = isNull ? (words_[row / 64] | bit) : (words_[row / 64] & ~bit);
    }

    std::vector<std::uint64_t> words_;
    std::size_t size_ = 0;
};

} // namespace db
