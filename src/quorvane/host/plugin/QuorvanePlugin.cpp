#include "QuorvanePlugin.h"

#include "host/CLSCI_QUORVANE.h"

namespace quorvane::host {

QStringList QuorvanePlugin::classNames() const
{
    return {CLSCI_QUORVANE::registeredName};
}

QObject* QuorvanePlugin::createInstance(const QString& className)
{
    return className == CLSCI_QUORVANE::registeredName ? new CLSCI_QUORVANE : nullptr;
}

} // namespace quorvane::host
