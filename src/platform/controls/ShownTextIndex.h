#pragma once
// What the quick filter searches: every row's shown texts, case-folded, one after the other in one buffer
// with each row's start beside it. One buffer is made with one allocation and searched in one pass: the
// rows holding the text are found from where the text occurs, not by asking each row.

#include <QString>

#include <vector>

namespace controls {

class ShownTextIndex {
public:
    void clear();
    // Holds the texts of exactly this many rows.
    bool covers(long rows) const { return !starts_.empty() && long(starts_.size()) == rows; }

    // Rows go in order from the first; each row's cells follow its start.
    void startRow();
    void appendCell(const QString& text);

    // The rows whose texts hold the case-folded `wanted`, in order.
    std::vector<long> rowsHolding(const QString& wanted) const;

private:
    QString texts_;
    std::vector<qsizetype> starts_;
};

} // namespace controls
