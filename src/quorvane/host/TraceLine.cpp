#include "TraceLine.h"

#include <QDebug>
#include <QStringList>

namespace quorvane::host {

QString traceLine(const QString& tag, TracePhase phase, const QString& objectName)
{
    return QStringList{QStringLiteral("AQGE:"), tag,
                       phase == TracePhase::Start ? QStringLiteral("INI") : QStringLiteral("TER"),
                       QStringLiteral("QUORVANE"), objectName}
        .join(QLatin1Char('|'));
}

void writeTrace(const QString& tag, TracePhase phase, const QString& objectName)
{
    qDebug().noquote() << traceLine(tag, phase, objectName);
}

} // namespace quorvane::host
