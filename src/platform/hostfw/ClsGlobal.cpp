#include "ClsGlobal.h"

#include "MessageBoxAnswerer.h"
#include "QevGlobal.h"

#include "db/Connection.h"

namespace hostfw {

std::shared_ptr<ClsGlobal> ClsGlobal::open(const SessionLogin& login)
{
    const std::unique_ptr<db::Connection> connection = db::Connection::open(login.connectionString.toStdString());
    company::CompanySettings settings = company::readCompanySettings(*connection, login.company);
    ChartDefinitions charts = ChartDefinitions::read(*connection);
    connection->Close();
    return std::make_shared<ClsGlobal>(login, std::move(settings), std::move(charts));
}

ClsGlobal::ClsGlobal(SessionLogin login, company::CompanySettings settings, ChartDefinitions charts)
    : login_(std::move(login)),
      settings_(std::move(settings)),
      charts_(std::move(charts)),
      translator_(languageFromCode(login_.language.toString())),
      answerer_(std::make_shared<MessageBoxAnswerer>())
{
    registerQevGlobal(classes_);
}

void ClsGlobal::SetApplicationTitle(const QString& title)
{
    applicationTitle_ = title;
}

void ClsGlobal::setDialogAnswerer(std::shared_ptr<DialogAnswerer> answerer)
{
    answerer_ = answerer ? std::move(answerer) : std::make_shared<MessageBoxAnswerer>();
}

void ClsGlobal::NotifyFormClosing()
{
    emit FormClosing();
}

void ClsGlobal::EnableHostInteraction(bool enabled)
{
    interactionEnabled_ = enabled;
    emit HostInteractionChanged(enabled);
}

} // namespace hostfw
