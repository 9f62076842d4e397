#include "controls/AccountSegments.h"

#include <QStringList>

#include <numeric>

namespace controls {

int AccountSegments::totalLength() const
{
    return std::accumulate(sizes_.begin(), sizes_.end(), 0);
}

QString AccountSegments::withSeparators(const QString& code) const
{
    QString text;
    int at = 0;
    for (std::size_t level = 0; level < sizes_.size() && at < code.size(); ++level) {
        const bool last = level + 1 == sizes_.size();
        const int size = last ? int(code.size()) - at : sizes_[level];
        if (!text.isEmpty())
            text += separator;
        text += code.mid(at, size);
        at += size;
    }
    return sizes_.empty() ? code : text;
}

QString AccountSegments::stripped(const QString& text)
{
    QString code = text;
    code.remove(separator);
    return code.remove(QLatin1Char(' '));
}

bool AccountSegments::isComplete(const QString& code) const
{
    return !sizes_.empty() && code.size() == totalLength();
}

QString AccountSegments::inputMask() const
{
    QStringList segments;
    for (int size : sizes_)
        segments << QString(size, QLatin1Char('N'));
    return segments.join(separator);
}

} // namespace controls
