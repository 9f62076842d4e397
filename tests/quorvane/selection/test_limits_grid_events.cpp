// The window's answers to the grids' decode and lookup requests: dependent rows look within the job orders
// and projects last accepted, each row goes to its group's service, and an unknown code leaves its
// description as it was.

#include "GridTestCompany.h"
#include "hostfw/LookupService.h"
#include "selection/AccountFilterEvents.h"
#include "selection/LimitsGridEvents.h"

#include <QtTest>

using namespace quorvane;

class LimitsGridEventsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GridTestCompanies> companies_;
    std::unique_ptr<db::Connection> connection_;
    std::unique_ptr<hostfw::LookupService> service_, personnel_;

    CodeServices everyGroup() const
    {
        CodeServices services;
        for (CodeGroup g : {CodeGroup::General, CodeGroup::CostAccounting, CodeGroup::LedgerAndRegistry,
                            CodeGroup::WarehouseAndJobOrders, CodeGroup::Projects, CodeGroup::UnitPriceList})
            services[g] = service_.get();
        services[CodeGroup::Personnel] = personnel_.get();
        return services;
    }

private slots:
    void initTestCase()
    {
        companies_ = std::make_unique<GridTestCompanies>();
        connection_ = companies_->connection();
        company::CompanySettings plain = companies_->settings(1);
        service_ = std::make_unique<hostfw::LookupService>(*connection_, plain);
        personnel_ = std::make_unique<hostfw::LookupService>(*connection_, plain);
    }

    void jobOrderRangeBoundsTheSubOrders()
    {
        LimitsGridEvents events(everyGroup());
        events.AqValidate("Commessa", controls::FromValue, "100");
        events.AqValidate("Commessa", controls::ToValue, "200");
        events.AqValidate("Causale", controls::FromValue, "VEN");
        std::optional<controls::LookupTarget> target = events.StartLookup("Sottocommessa", {});
        QVERIFY(target);
        QCOMPARE(target->request, (controls::CodeRequest{"Sottocommessa", 0, "100", "200"}));
        QVERIFY(service_->entries(target->request, {}, 10).empty());

        QString fromBox = "kept", toBox = "kept";
        events.StartDecode("Sottocommessa", "1", "", fromBox, toBox, {});
        QCOMPARE(fromBox, QString("kept"));
        QCOMPARE(toBox, QString("kept"));

        std::vector<controls::CodeEntry> subOrders;
        for (const controls::CodeEntry& jobOrder : service_->entries({"Commessa", 0, {}, {}}, {}, 50)) {
            events.AqValidate("Commessa", controls::FromValue, jobOrder.code);
            events.AqValidate("Commessa", controls::ToValue, jobOrder.code);
            subOrders = service_->entries(events.StartLookup("Sottocommessa", {})->request, {}, 50);
            if (!subOrders.empty())
                break;
        }
        QVERIFY(!subOrders.empty());
        events.StartDecode("Sottocommessa", subOrders.front().code, "", fromBox, toBox, {});
        QCOMPARE(fromBox, subOrders.front().description);
        QCOMPARE(toBox, QString("kept"));
    }

    void dependentRowsTakeTheirParentRange_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("parentFrom");
        QTest::addColumn<QString>("parentTo");
        QTest::addColumn<bool>("personnelLookup");
        QTest::newRow("sub-project, looked up by the personnel service") << "Sottoprogetto" << "P1" << "P9" << true;
        QTest::newRow("unit-price item within the grid's projects") << "Codice articolo EPU" << "G1" << "" << false;
        QTest::newRow("independent row") << "Causale" << "" << "" << false;
    }

    void dependentRowsTakeTheirParentRange()
    {
        QFETCH(QString, caption);
        QFETCH(QString, parentFrom);
        QFETCH(QString, parentTo);
        QFETCH(bool, personnelLookup);
        LimitsGridEvents events(everyGroup());
        events.AqValidate("Progetto", controls::FromValue, "P1");
        events.AqValidate("Progetto", controls::ToValue, "P9");
        controls::GridValues grid = [](const QString& column) {
            return column == "CI13_PROGETTO_PD68" ? controls::QueryValues{"G1", "", {}} : controls::QueryValues{};
        };
        std::optional<controls::LookupTarget> target = events.StartLookup(caption, grid);
        QVERIFY(target);
        QCOMPARE(target->request, (controls::CodeRequest{caption, 0, parentFrom, parentTo}));
        QCOMPARE(target->service == personnel_.get(), personnelLookup);
    }

    void rowsWithoutCodesHaveNoLookup()
    {
        LimitsGridEvents events(everyGroup());
        QVERIFY(!events.StartLookup("Descr. causale", {}));
        QVERIFY(!events.StartLookup("Variante", {}));
        QVERIFY(!LimitsGridEvents({}).StartLookup("Causale", {}));
    }

    void accountFilterDescribesChartCodes()
    {
        AccountFilterEvents events(*service_);
        std::vector<controls::CodeEntry> ledgers = service_->entries({"C.d.C.", 1, {}, {}}, {}, 5);
        QVERIFY(!ledgers.empty());
        QString fromBox, toBox = "kept";
        events.StartDecode("C.d.C. - Mastro", ledgers.front().code, "no such code", fromBox, toBox, {});
        QCOMPARE(fromBox, ledgers.front().description);
        QCOMPARE(toBox, QString("kept"));
    }

    void quotesInCodesStayInTheirLiteral()
    {
        QVERIFY(!service_->describe({"Causale", 0, {}, {}}, "' OR 1=1 --"));
        QVERIFY(service_->entries({"Progetto", 0, {}, {}}, "x'; DROP TABLE PD68_PROGETTI --", 5).empty());
        QVERIFY(!service_->entries({"Progetto", 0, {}, {}}, {}, 5).empty());
    }
};

QTEST_GUILESS_MAIN(LimitsGridEventsTest)
#include "test_limits_grid_events.moc"
