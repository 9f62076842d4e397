// The settings of each demo company as the session reads them, and the refusal of an unknown company.

#include "company/CompanySettings.h"
#include "company/DemoDatabase.h"
#include "db/Connection.h"
#include "db/Error.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class CompanySettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        std::string path = dir_.filePath("settings.db").toStdString();
        company::DemoOptions options;
        options.linesPerCompany = 20;
        company::createDemoDatabase(path, options);
        connection_ = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    }

    void companySettingsAreRead_data()
    {
        QTest::addColumn<int>("company");
        QTest::addColumn<int>("costCentreChart");
        QTest::addColumn<int>("chartLevels");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<int>("amountDecimals");
        QTest::addColumn<int>("quantityDecimals");
        QTest::addColumn<bool>("intercompany");
        QTest::addColumn<int>("sites");
        QTest::addColumn<int>("lineSites");
        QTest::addColumn<int>("projectStructure");
        QTest::addColumn<bool>("qev");
        QTest::addColumn<bool>("financial");
        QTest::addColumn<int>("competenceDate");
        QTest::addColumn<bool>("noLedgerLink");
        QTest::addColumn<int>("ledgerEdit");
        QTest::addColumn<int>("numLivelli");
        QTest::addColumn<int>("scale");
        QTest::newRow("plain") << 1 << 1 << 3 << "EURO" << 2 << 2 << false << 0 << 0 << 1 << false << false << 0 << false
                               << 1 << 3 << 0;
        QTest::newRow("everything on") << 2 << 3 << 5 << "EURO" << 2 << 3 << true << 1 << 1 << 2 << true << true << 1
                                       << true << 0 << 5 << 1;
        QTest::newRow("edges") << 3 << 5 << 1 << "LIT" << 0 << 0 << false << 1 << 0 << 1 << false << false << 0 << false
                               << 1 << 1 << 2;
    }

    void companySettingsAreRead()
    {
        QFETCH(int, company);
        company::CompanySettings s = company::readCompanySettings(*connection_, company);
        QCOMPARE(s.company, company);
        QVERIFY(!s.name.empty());
        QTEST(s.costCentreChart, "costCentreChart");
        QCOMPARE(s.expenseItemChart, s.costCentreChart + 1);
        QTEST(s.costCentreChartLevels, "chartLevels");
        QTEST(s.expenseItemChartLevels, "chartLevels");
        QTEST(QString::fromStdString(s.currency), "currency");
        QTEST(s.amountDecimals, "amountDecimals");
        QTEST(s.quantityDecimals, "quantityDecimals");
        QTEST(s.intercompany, "intercompany");
        QTEST(s.siteSetting, "sites");
        QTEST(s.lineSiteSetting, "lineSites");
        QTEST(s.projectStructure, "projectStructure");
        QTEST(s.qevIntegration, "qev");
        QTEST(s.financialType(), "financial");
        QTEST(s.competenceDateParameter, "competenceDate");
        QTEST(s.noLedgerLink, "noLedgerLink");
        QTEST(s.ledgerEditSetting, "ledgerEdit");
        QTEST(s.numLivelli, "numLivelli");
        QTEST(s.competenceDateScale, "scale");
    }

    void anUnknownCompanyIsRefusedByNumber()
    {
        try {
            company::readCompanySettings(*connection_, 99);
            QFAIL("company 99 was read");
        } catch (const db::Error& e) {
            QVERIFY(QString(e.what()).contains("99"));
        }
    }
};

QTEST_GUILESS_MAIN(CompanySettingsTest)
#include "test_company_settings.moc"
