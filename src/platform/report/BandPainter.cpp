#include "report/BandPainter.h"

#include <QFontMetricsF>
#include <QPen>

namespace report {

const QFont& BandPainter::font(const FontSpec& spec)
{
    auto key = std::make_tuple(spec.family, spec.size, spec.bold, spec.italic);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont f(QString::fromStdString(spec.family));
        f.setPointSizeF(spec.size);
        f.setBold(spec.bold);
        f.setItalic(spec.italic);
        it = fonts_.emplace(key, f).first;
    }
    return it->second;
}

void BandPainter::drawText(const ReportObject& object, const QString& text, double top)
{
    if (text.isEmpty())
        return;
    QPainter& painter = sink_.painter();
    const QFont& f = font(object.font);
    painter.setFont(f);
    painter.setPen(Qt::black);
    const QRectF box(dots(left_ + object.x), dots(top + object.y), dots(object.width), dots(object.height));
    QString shown = text;
    if (object.width > 0)
        shown = QFontMetricsF(f, &sink_.device()).elidedText(text, Qt::ElideRight, box.width());
    const Qt::Alignment horizontal = object.alignment == Alignment::Right    ? Qt::AlignRight
                                     : object.alignment == Alignment::Center ? Qt::AlignHCenter
                                                                             : Qt::AlignLeft;
    painter.drawText(box, static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip), shown);
}

void BandPainter::drawLine(const ReportObject& object, double top)
{
    QPainter& painter = sink_.painter();
    painter.setPen(QPen(Qt::black, dots(object.lineWidth)));
    painter.drawLine(QPointF(dots(left_ + object.x), dots(top + object.y)),
                     QPointF(dots(left_ + object.x + object.width), dots(top + object.y + object.height)));
}

void BandPainter::drawBox(const ReportObject& object, double top)
{
    QPainter& painter = sink_.painter();
    painter.setPen(QPen(Qt::black, dots(object.lineWidth)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(dots(left_ + object.x), dots(top + object.y), dots(object.width), dots(object.height)));
}

} // namespace report
