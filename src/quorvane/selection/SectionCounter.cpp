#include "selection/SectionCounter.h"

#include <limits>

namespace quorvane {

qint16 SectionCounter::next(const QString& title)
{
    if (title != lastTitle_) {
        count_ = 0;
        lastTitle_ = title;
    }
    if (count_ == std::numeric_limits<qint16>::max())
        throw GridOfferError(QStringLiteral("%1: more than %2 rows in the section \"%3\" (overflow)")
                                 .arg(QLatin1String(procedure_))
                                 .arg(std::numeric_limits<qint16>::max())
                                 .arg(title)
                                 .toStdString());
    return ++count_;
}

} // namespace quorvane
