#pragma once
// The tag that tells one object's trace lines from another's: 32 upper-case hexadecimal digits made
// from a GUID the first time the tag is read, then fixed for the object's life. When the system
// gives no GUID the tag stays empty and is asked for again at the next read.

#include <QString>
#include <QUuid>

#include <functional>
#include <optional>

namespace quorvane::host {

class InstanceTag {
public:
    using GuidSource = std::function<std::optional<QUuid>()>;

    InstanceTag();
    explicit InstanceTag(GuidSource source);

    const QString& read();

    // The GUID's fields without separators: the first as 8 digits, the next two as 4, then each of
    // the last eight bytes as 2.
    static QString fromGuid(const QUuid& guid);

private:
    GuidSource source_;
    QString tag_;
};

} // namespace quorvane::host
