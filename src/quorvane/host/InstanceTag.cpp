#include "InstanceTag.h"

namespace quorvane::host {
namespace {

std::optional<QUuid> systemGuid()
{
    const QUuid guid = QUuid::createUuid();
    return guid.isNull() ? std::nullopt : std::optional<QUuid>(guid);
}

QString hex(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

InstanceTag::InstanceTag() : source_(systemGuid) {}

InstanceTag::InstanceTag(GuidSource source) : source_(std::move(source)) {}

const QString& InstanceTag::read()
{
    if (tag_.isEmpty()) {
        if (const std::optional<QUuid> guid = source_())
            tag_ = fromGuid(*guid);
    }
    return tag_;
}

QString InstanceTag::fromGuid(const QUuid& guid)
{
    QString tag = hex(guid.data1, 8) + hex(guid.data2, 4) + hex(guid.data3, 4);
    for (const uchar byte : guid.data4)
        tag += hex(byte, 2);
    return tag;
}

} // namespace quorvane::host
