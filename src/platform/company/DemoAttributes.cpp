#include "company/DemoWriters.h"
#include "company/TableWriter.h"

namespace company::demo {

const std::vector<AttributeDefinition>& attributeDefinitions()
{
    static const std::vector<AttributeDefinition> definitions = {
        {29, "RIFCONTRATTO", 2, "Riferimento contratto"},  {29, "PRIORITA", 1, "Priorità"},
        {29, "DATACONSEGNA", 3, "Data di consegna"},      {29, "URGENTE", 4, "Urgente"},
        {30, "NOTATECNICA", 2, "Nota tecnica"},           {30, "PERCRICARICO", 1, "Percentuale di ricarico"},
        {30, "DATACOLLAUDO", 3, "Data di collaudo"},       {30, "VERIFICATA", 4, "Riga verificata"}};
    return definitions;
}

void writeAttributeDefinitions(db::Connection& connection, const CompanyMasters& masters)
{
    if (!masters.profile->userAttributes)
        return;
    TableWriter table(connection, "CO5K_ATTRIBUTIDEF",
                      {"CO5K_DITTA_CG18", "CO5K_ENTITA", "CO5K_NOMEATTRIBUTO", "CO5K_TIPO", "CO5K_DESCR", "CO5K_ORDINE"});
    int order = 0;
    for (const AttributeDefinition& a : attributeDefinitions())
        table.add({masters.profile->company, a.entity, a.name, a.type, a.description, ++order});
    table.flush();
}

} // namespace company::demo
