#pragma once
// The Italian words the demo master data is made of.

#include <string>
#include <vector>

namespace company::words {

struct NamedNature {
    const char* description;
    int nature;                             // code of the nature of costs (PC04_CODICE)
};

extern const std::vector<std::string> surnames;
extern const std::vector<std::string> firstNames;
extern const std::vector<std::string> trades;            // "Carpenteria", "Trasporti", …
extern const std::vector<std::string> legalForms;
extern const std::vector<std::string> cities;
extern const std::vector<std::string> streets;
extern const std::vector<std::string> costCentreGroups;  // upper levels of the cost-centre chart
extern const std::vector<std::string> costCentres;       // analytic cost centres
extern const std::vector<std::string> expenseItemGroups;
extern const std::vector<NamedNature> expenseItems;
extern const std::vector<std::string> articles;
extern const std::vector<std::string> variants;
extern const std::vector<std::string> projectSubjects;
extern const std::vector<std::string> lineNotes;         // additional descriptions of lines

} // namespace company::words
