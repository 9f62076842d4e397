#pragma once
// What the demo generator knows about each company while it writes it: the profile that sets the company
// apart, and the codes of its master data that the movements draw from.

#include <string>
#include <vector>

namespace company {

// The settings that make each demo company a different case for the inquiry.
struct CompanyProfile {
    int company = 0;
    std::string registryName;
    std::string address, city;
    std::string currency;
    int quantityDecimals = 2;
    bool intercompany = false;
    int siteSetting = 0;
    int lineSiteSetting = 0;
    int projectStructure = 1;
    bool qevIntegration = false;
    std::string costAccountingType;
    int competenceDateParameter = 0;
    bool noLedgerLink = false;
    int ledgerEditSetting = 1;
    int numLivelli = 0;
    int competenceDateScale = 0;
    int costCentreChart = 0;
    int expenseItemChart = 0;
    std::vector<int> segmentSizes;          // of both charts' account codes; one per level
    bool userAttributes = false;            // defines attributes for movement headers and lines
};

// The three companies of the demo group: "plain", "everything on" and "edges".
const std::vector<CompanyProfile>& demoProfiles();

struct Causal {
    std::string code;
    std::string description;
    int operation = 0;                      // 0 actual, 1 budget
};

struct Project {
    std::string code;
    int subprojects = 0;
    std::vector<std::string> nodes, activities, expenses;
    std::vector<int> priceListEntries;      // unit-price-list ids of the project
};

struct JobOrder {
    std::string code;
    int subOrders = 0;
};

struct Employee {
    std::string code, qualification, department;
};

struct Article {
    std::string code;
    std::vector<std::string> variants;
};

struct CompanyMasters {
    const CompanyProfile* profile = nullptr;
    int amountDecimals = 2;
    std::vector<std::string> costCentres;   // analytic accounts only
    std::vector<std::string> expenseItems;
    std::vector<Causal> actualCausals, budgetCausals;
    std::vector<int> customers, suppliers;
    std::vector<std::string> sections;
    std::vector<Project> projects;
    std::vector<JobOrder> jobOrders;
    std::vector<Employee> employees;
    std::vector<std::string> departments, warehouses, operators, productionLines, phases, machines;
    std::vector<std::string> intercompanyCodes;
    std::vector<Article> articles;
    std::vector<int> sites;
    std::vector<int> equipment;             // unit-price-list ids of equipment
    std::vector<std::vector<std::string>> entityValues;   // codes of the free entities 1..10
    std::vector<std::string> ledgerAccounts;               // general-ledger accounts of group 1
};

} // namespace company
