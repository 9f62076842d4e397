#include "controls/ShownTextIndex.h"

#include <QStringMatcher>

#include <algorithm>

namespace controls {
namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

void ShownTextIndex::clear()
{
    texts_ = QString();
    starts_.clear();
}

void ShownTextIndex::startRow()
{
    starts_.push_back(texts_.size());
}

// A cell ends with a line break, which nobody types into the filter: a text never runs from one cell, or
// one row, into the next. Plain ASCII, most of a ledger's cells, folds without the Unicode tables.
void ShownTextIndex::appendCell(const QString& text)
{
    if (isAscii(text)) {
        const qsizetype from = texts_.size();
        texts_ += text;
        for (QChar *c = texts_.data() + from, *end = c + text.size(); c != end; ++c)
            if (c->unicode() >= u'A' && c->unicode() <= u'Z')
                *c = QChar(c->unicode() + (u'a' - u'A'));
    } else {
        texts_ += text.toCaseFolded();
    }
    texts_ += QLatin1Char('\n');
}

std::vector<long> ShownTextIndex::rowsHolding(const QString& wanted) const
{
    std::vector<long> rows;
    const QStringMatcher matcher(wanted, Qt::CaseSensitive);
    qsizetype at = matcher.indexIn(texts_, 0);
    while (at >= 0) {
        const auto next = std::upper_bound(starts_.begin(), starts_.end(), at);
        rows.push_back(long(next - starts_.begin()) - 1);
        if (next == starts_.end())
            break;
        at = matcher.indexIn(texts_, *next);
    }
    return rows;
}

} // namespace controls
