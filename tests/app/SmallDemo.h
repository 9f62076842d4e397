#pragma once
// A small demo company database (50 movement lines a company) in the folder, opened read-only as the
// commands open it: what the in-process tests of the commands' steps run on.

#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"

#include <QTemporaryDir>

#include <memory>

inline std::unique_ptr<db::Connection> openSmallDemo(const QTemporaryDir& dir)
{
    const std::string path = dir.filePath("demo.db").toStdString();
    company::DemoOptions options;
    options.linesPerCompany = 50;
    company::createDemoDatabase(path, options);
    return db::Connection::open(db::embeddedDatabase(path, db::Access::ReadOnly));
}
