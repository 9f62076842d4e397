#pragma once
// The lines the class and its window write to the debug output when they start and end, so that a
// support engineer can pair each start with its end: "AQGE:|<tag>|INI|QUORVANE|<name>".

#include <QString>

namespace quorvane::host {

enum class TracePhase { Start, End };

QString traceLine(const QString& tag, TracePhase phase, const QString& objectName);
void writeTrace(const QString& tag, TracePhase phase, const QString& objectName);

} // namespace quorvane::host
