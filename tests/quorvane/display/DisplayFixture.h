#pragma once
// What the display tests share: a small demo company database made once per test program, a connection to
// it, the engine settings of a company, and an extraction of every actual movement of that company.

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "engine/AttributeColumns.h"
#include "engine/CompanyEngineSettings.h"
#include "engine/MovementExtraction.h"
#include "hostfw/AttributeDefinitions.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

namespace displaytest {

inline const std::string& demoDatabase()
{
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string file = dir.filePath(QStringLiteral("demo.db")).toStdString();
        company::DemoOptions options;
        options.linesPerCompany = 400;
        company::createDemoDatabase(file, options);
        return file;
    }();
    return path;
}

inline std::unique_ptr<db::Connection> openDemo()
{
    return db::Connection::open("Provider=SQLite;Data Source=" + demoDatabase() + ";Mode=ReadOnly");
}

inline quorvane::EngineSettings engineSettings(db::Connection& connection, int company)
{
    return quorvane::engineSettingsOf(company::readCompanySettings(connection, company), hostfw::Language::Italian);
}

inline std::vector<std::string> lineAttributes(db::Connection& connection, int company)
{
    return hostfw::AttributeDefinitions::read(connection, company).names(quorvane::lineAttributeEntity);
}

// Every actual movement of the company, with quantities, under an optional selection change.
inline quorvane::ExtractionRequest everyMovement(db::Connection& connection, int company)
{
    quorvane::ExtractionRequest request;
    request.settings = engineSettings(connection, company);
    request.movementTypeCondition = "CGT0_CODICE IS NOT NULL";
    const hostfw::AttributeDefinitions attributes = hostfw::AttributeDefinitions::read(connection, company);
    request.headerAttributes = attributes.names(quorvane::headerAttributeEntity);
    request.lineAttributes = attributes.names(quorvane::lineAttributeEntity);
    request.selection.CHK_QUANTITA = "1";
    return request;
}

} // namespace displaytest
