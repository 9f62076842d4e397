#include "QevGlobal.h"

#include "ClassRegistry.h"
#include "ClsGlobal.h"

#include <stdexcept>

namespace hostfw {

bool QevGlobal::IsIntegrazioneQEVAttiva() const
{
    if (!activeInterface_ || !activeInterface_->ClsGlobal())
        throw std::logic_error("the QEV global object has no host contract");
    const company::CompanySettings& company = activeInterface_->ClsGlobal()->Company();
    return company.qevIntegration && codiceAzienda_.toInt() == company.company;
}

void registerQevGlobal(ClassRegistry& registry)
{
    registry.registerClass(QString::fromLatin1(qevGlobalClassName), [] { return std::make_unique<QevGlobal>(); });
}

} // namespace hostfw
