#include "ClassRegistry.h"

#include <stdexcept>

namespace hostfw {

void ClassRegistry::registerClass(const QString& className, Maker maker)
{
    makers_[className] = std::move(maker);
}

void ClassRegistry::unregisterClass(const QString& className)
{
    makers_.erase(className);
}

bool ClassRegistry::contains(const QString& className) const
{
    return makers_.count(className) != 0;
}

std::unique_ptr<QObject> ClassRegistry::create(const QString& className) const
{
    const auto it = makers_.find(className);
    if (it == makers_.end())
        throw std::runtime_error(
            QStringLiteral("the class \"%1\" cannot be created: it is not installed").arg(className).toStdString());
    return it->second();
}

} // namespace hostfw
