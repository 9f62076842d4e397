#pragma once
// An account code cut into the segments of its chart's levels: "0102003" in a chart of 2, 2 and 3 digits
// shows as "01.02.003". A code is complete when it fills every level of the chart.

#include <QString>

#include <vector>

namespace controls {

class AccountSegments {
public:
    inline static const QChar separator = QLatin1Char('.');

    AccountSegments() = default;
    explicit AccountSegments(std::vector<int> sizes) : sizes_(std::move(sizes)) {}

    const std::vector<int>& sizes() const { return sizes_; }
    int totalLength() const;

    // The code with a separator after each full segment; a longer code keeps its tail in the last one.
    QString withSeparators(const QString& code) const;
    // The code as stored: separators and blanks gone.
    static QString stripped(const QString& text);
    bool isComplete(const QString& code) const;
    // An input mask of the chart ("99.99.999"): a digit or letter per place, the separators fixed.
    QString inputMask() const;

private:
    std::vector<int> sizes_;
};

} // namespace controls
