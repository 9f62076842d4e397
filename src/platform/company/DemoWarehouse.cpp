#include "company/DemoWriters.h"
#include "company/ItalianWords.h"
#include "company/TableWriter.h"

namespace company::demo {

namespace {

void writeWarehouses(db::Connection& connection, CompanyMasters& m)
{
    TableWriter table(connection, "MG58_DEPOSITI", {"MG58_DITTA_CG18", "MG58_CODDEP", "MG58_DESCRDEP"});
    const std::vector<std::pair<std::string, std::string>> list = {
        {"01", "Magazzino centrale"}, {"02", "Magazzino ricambi"}, {"03", "Deposito conto lavoro"},
        {"04", "Magazzino prodotti finiti"}};
    for (const auto& [code, description] : list) {
        table.add({m.profile->company, code, description});
        m.warehouses.push_back(code);
    }
    table.flush();
}

// The base description of an article has no variant and no language, written sometimes as NULL and
// sometimes as empty text (both mean "none"); every variant has its own, and some have an English one,
// which the base-language joins must skip.
void writeArticles(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    TableWriter table(connection, "MG87_ARTDESC",
                      {"MG87_DITTA_CG18", "MG87_CODART_MG66", "MG87_OPZIONE_MG5E", "MG87_LINGUA_MG52", "MG87_DESCART"});
    const int company = m.profile->company;
    for (std::size_t i = 0; i < words::articles.size(); ++i) {
        Article article{numbered("ART", static_cast<long>(i + 1), 5), {}};
        const std::string& name = words::articles[i];
        bool emptyMeansNone = i % 2 == 0;
        db::Value none = emptyMeansNone ? db::Value("") : db::Value();
        table.add({company, article.code, none, none, name});
        if (i % 3 == 0)
            table.add({company, article.code, none, "ENG ", "Item " + article.code});
        if (i % 3 == 1) {
            std::size_t first = static_cast<std::size_t>(random.below(static_cast<long>(words::variants.size())));
            for (std::size_t v = 0; v < 2 + i % 2; ++v) {
                const std::string& variant = words::variants[(first + v) % words::variants.size()];
                article.variants.push_back(variant);
                table.add({company, article.code, variant, none, name + " " + variant});
                table.add({company, article.code, variant, "ENG ", "Item " + article.code + " " + variant});
            }
        }
        m.articles.push_back(article);
    }
    table.flush();
}

void writeOperatorsAndLines(db::Connection& connection, Prng& random, CompanyMasters& m)
{
    const int company = m.profile->company;
    TableWriter operators(connection, "MG01_OPERATORI", {"MG01_DITTA_CG18", "MG01_CODICE", "MG01_DESCR"});
    for (int i = 1; i <= 5; ++i) {
        m.operators.push_back(numbered("OP", i, 2));
        operators.add({company, m.operators.back(), random.pick(words::firstNames) + " " + random.pick(words::surnames)});
    }
    operators.flush();
    TableWriter lines(connection, "PD01_LINEE", {"PD01_DITTA_CG18", "PD01_LINEA", "PD01_DESCR"});
    const std::vector<std::string> names = {"Linea taglio", "Linea saldatura", "Linea montaggio", "Linea imballo"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        m.productionLines.push_back(numbered("L", static_cast<long>(i + 1), 2));
        lines.add({company, m.productionLines.back(), names[i]});
    }
    lines.flush();
}

} // namespace

void writeWarehouse(db::Connection& connection, Prng& random, CompanyMasters& masters)
{
    writeWarehouses(connection, masters);
    writeArticles(connection, random, masters);
    writeOperatorsAndLines(connection, random, masters);
}

} // namespace company::demo
