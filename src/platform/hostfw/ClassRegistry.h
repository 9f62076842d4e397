#pragma once
// The classes a program may create by name at run time, as the host's object broker offers them.
// Optional modules (a vertical module's lookups) register their classes only when installed, so a
// program asking for one must be ready for the name to be missing.

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace hostfw {

class ClassRegistry {
public:
    using Maker = std::function<std::unique_ptr<QObject>()>;

    void registerClass(const QString& className, Maker maker);
    void unregisterClass(const QString& className);
    bool contains(const QString& className) const;

    // A new object of the class; throws std::runtime_error naming the class when it is not registered.
    std::unique_ptr<QObject> create(const QString& className) const;

private:
    std::map<QString, Maker> makers_;
};

} // namespace hostfw
