#include "selection/AccountFilterEvents.h"

#include <QStringList>

namespace quorvane {

controls::CodeRequest AccountFilterEvents::requestOf(const QString& caption)
{
    static const QStringList levels{QStringLiteral("Mastro"), QStringLiteral("Intermedio1"),
                                    QStringLiteral("Intermedio2"), QStringLiteral("Intermedio3")};
    QStringList parts = caption.split(QStringLiteral(" - "));
    int level = parts.size() == 2 ? int(levels.indexOf(parts[1])) + 1 : 0;
    return {level > 0 ? parts[0] : caption, level, {}, {}};
}

void AccountFilterEvents::StartDecode(const QString& caption, const QString& from, const QString& to,
                                      QString& fromDescription, QString& toDescription, const controls::GridValues&)
{
    controls::CodeRequest request = requestOf(caption);
    controls::describeInto(service_, request, from, fromDescription);
    controls::describeInto(service_, request, to, toDescription);
}

std::optional<controls::LookupTarget> AccountFilterEvents::StartLookup(const QString& caption,
                                                                       const controls::GridValues&)
{
    return controls::LookupTarget{&service_, requestOf(caption)};
}

} // namespace quorvane
