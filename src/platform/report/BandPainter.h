#pragma once
// Draws the objects of a placed section: texts in their box (aligned, cut with an ellipsis when wider
// than the box), lines and boxes. Positions are millimetres from the section's top left corner; the
// painter turns them into the device's dots.

#include "report/PageSink.h"
#include "report/ReportDefinition.h"

#include <QFont>
#include <QString>

#include <map>
#include <tuple>

namespace report {

class BandPainter {
public:
    BandPainter(PageSink& sink, double leftMargin) : sink_(sink), left_(leftMargin) {}

    void drawText(const ReportObject& object, const QString& text, double top);
    void drawLine(const ReportObject& object, double top);
    void drawBox(const ReportObject& object, double top);

private:
    double dots(double millimetres) const { return millimetres * sink_.dotsPerMillimetre(); }
    const QFont& font(const FontSpec& spec);

    PageSink& sink_;
    double left_;
    std::map<std::tuple<std::string, double, bool, bool>, QFont> fonts_;
};

} // namespace report
