#pragma once
// The root object of a plug-in library, which the host loads with QPluginLoader: it creates the
// library's public classes by their registered name, as the host's object broker would.

#include <QObject>
#include <QStringList>
#include <QtPlugin>

namespace hostfw {

class ComponentFactory {
public:
    virtual ~ComponentFactory() = default;
    virtual QStringList classNames() const = 0;
    // A new object of the class, owned by the caller; nullptr for a name the library does not serve.
    virtual QObject* createInstance(const QString& className) = 0;
};

} // namespace hostfw

#define hostfw_ComponentFactory_iid "org.quorvane.hostfw.ComponentFactory/1.0"
Q_DECLARE_INTERFACE(hostfw::ComponentFactory, hostfw_ComponentFactory_iid)
