#include "tsql/Dialect.h"

#include "tsql/Catalog.h"
#include "tsql/RuntimeFunctions.h"
#include "tsql/TranslationCache.h"
#include "tsql/Translator.h"

namespace tsql {

Dialect::Dialect(sqlite3* db) : Dialect(sqliteCatalogReader(db))
{
    registerRuntimeFunctions(db);
}

Dialect::Dialect(CatalogReader reader)
    : catalog_(std::make_unique<Catalog>(std::move(reader))), cache_(std::make_unique<TranslationCache>())
{
    catalog_->setViewReader([this](const std::string& definition) { return Translator(*catalog_).viewColumns(definition); });
}

Dialect::~Dialect() = default;

std::shared_ptr<const Translation> Dialect::translate(std::string_view tsqlText)
{
    if (auto cached = cache_->find(tsqlText))
        return cached;
    auto translation = std::make_shared<const Translation>(Translator(*catalog_).translate(tsqlText));
    cache_->store(tsqlText, translation);
    return translation;
}

void Dialect::invalidate()
{
    cache_->clear();
    catalog_->invalidate();
}

}  // namespace tsql
