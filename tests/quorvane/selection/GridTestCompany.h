#pragma once
// The demo company group opened once per test program, and the grids' offer sources of one of its
// companies: 1 plain, 2 with every option on, 3 with one-level charts.

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "hostfw/AttributeDefinitions.h"
#include "hostfw/Catalogue.h"
#include "selection/OfferSources.h"

#include <QTemporaryDir>

#include <memory>

class GridTestCompanies {
public:
    GridTestCompanies()
    {
        path_ = dir_.filePath("grids.db").toStdString();
        company::DemoOptions options;
        options.linesPerCompany = 10;
        company::createDemoDatabase(path_, options);
        connection_ = connection();
    }

    // A further read-only connection to the same database.
    std::unique_ptr<db::Connection> connection() const
    {
        return db::Connection::open("Provider=SQLite;Data Source=" + path_ + ";Mode=ReadOnly");
    }

    company::CompanySettings settings(int company) { return company::readCompanySettings(*connection_, company); }
    hostfw::AttributeDefinitions attributes(int company)
    {
        return hostfw::AttributeDefinitions::read(*connection_, company);
    }

private:
    QTemporaryDir dir_;
    std::string path_;
    std::unique_ptr<db::Connection> connection_;
};

// The host's Italian texts of the section titles.
inline QString italianText(int message)
{
    return hostfw::Catalogue::text(message, hostfw::Language::Italian);
}

// Keeps what an OfferSources refers to alive together with it.
struct CompanyOffer {
    company::CompanySettings settings;
    hostfw::AttributeDefinitions attributes;
    std::function<QString(int)> messageText = italianText;

    quorvane::OfferSources sources() const { return {settings, attributes, messageText}; }
};
