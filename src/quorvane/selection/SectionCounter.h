#pragma once
// The position counter that numbers the rows a window offers within their section. The window keeps the
// title of the section it used last: a row under another title restarts the count, so two sections that
// happen to share a title are numbered as one. The counter is 16 bits wide, as the grids take it.

#include <QString>

#include <stdexcept>

namespace quorvane {

// A procedure that builds an offer failed; the text starts with the procedure's name.
class GridOfferError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SectionCounter {
public:
    explicit SectionCounter(const char* procedure) : procedure_(procedure) {}

    // The position of the next row under `title`; throws GridOfferError past 32,767 rows in one section.
    qint16 next(const QString& title);

private:
    const char* procedure_;
    QString lastTitle_;
    qint16 count_ = 0;
};

} // namespace quorvane
