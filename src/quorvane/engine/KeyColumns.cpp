#include "engine/KeyColumns.h"

#include "engine/FieldNames.h"


namespace quorvane {
namespace {

enum class Kind { Numeric, FixedText, VariableText, Date };

struct KeyType {
    const char* column;
    Kind kind;
    int size;                      // digits of a numeric column, characters of a text column
};

constexpr KeyType keyTypes[] = {
    {"CI13_CODICE_CGC0", Kind::Numeric, 4},     {"CI12_DATAREG", Kind::Date, 0},
    {"CI12_DATADOC", Kind::Date, 0},            {"DATAREGSETT", Kind::Numeric, 6},
    {"DATADOCSETT", Kind::Numeric, 6},          {"DATAREGQUIND", Kind::Numeric, 7},
    {"DATADOCQUIND", Kind::Numeric, 7},         {"DATAREGMESE", Kind::Numeric, 6},
    {"DATADOCMESE", Kind::Numeric, 6},          {"DATAREGTRIM", Kind::Numeric, 5},
    {"DATADOCTRIM", Kind::Numeric, 5},          {"DATAREGQUAD", Kind::Numeric, 5},
    {"DATADOCQUAD", Kind::Numeric, 5},          {"DATAREGSEM", Kind::Numeric, 5},
    {"DATADOCSEM", Kind::Numeric, 5},           {"DATAREGANNO", Kind::Numeric, 4},
    {"DATADOCANNO", Kind::Numeric, 4},          {"CI12_SEZDOC", Kind::FixedText, 2},
    {"CI12_INDTIPOMOV", Kind::Numeric, 2},      {"CI12_NUMDOC", Kind::Numeric, 7},
    {"CI12_CODCAUS_CI03", Kind::FixedText, 4},  {"CLIENTE", Kind::Numeric, 8},
    {"FORNITORE", Kind::Numeric, 8},            {"CLIFOR", Kind::VariableText, 100},
    {"CI12_NUMDOCORIG", Kind::VariableText, 15}, {"CI13_CONTO_PC03", Kind::FixedText, 15},
    {"CI13_VDS_PC03", Kind::FixedText, 15},     {"NATURA", Kind::Numeric, 2},
    {"CI13_CODART_MG66", Kind::FixedText, 25},  {"CI13_OPZIONE_MG5E", Kind::FixedText, 20},
    {"CI13_DEP_MG58", Kind::FixedText, 2},      {"CI13_PROGETTO_PD68", Kind::FixedText, 25},
    {"CI13_SPROGETTO_PD69", Kind::Numeric, 4},  {"CI13_SCOMMESSA_PD25", Kind::Numeric, 4},
    {"PD68_TIPO_PD1D", Kind::FixedText, 10},    {"PD68_STATO_PD1E", Kind::FixedText, 10},
    {"PD68_CLASSEA_PD1F", Kind::FixedText, 10}, {"PD68_CLASSEB_PD1G", Kind::FixedText, 10},
    {"PD68_CLASSEC_PD1H", Kind::FixedText, 10}, {"CI13_COMMESSA_PD25", Kind::FixedText, 25},
    {"CI13_REPARTO_PD07", Kind::FixedText, 5},  {"CI13_DIPENDENTE_PD06", Kind::FixedText, 5},
    {"CI13_QUALIFICA_PD04", Kind::FixedText, 5}, {"CG42_CONTOPAR_CG24", Kind::FixedText, 10},
    {"CI12_SEDE_CG31", Kind::Numeric, 5},       {"CI13_NODO_PD0C", Kind::FixedText, 25},
    {"CI13_NODORIF_PD0C", Kind::FixedText, 25}, {"CI13_ATTIVITA_PD0D", Kind::FixedText, 25},
    {"CI13_SPESAGEN_PD59", Kind::FixedText, 25},
};

db::FieldInfo typed(std::string name, Kind kind, int size)
{
    db::FieldInfo field;
    field.name = std::move(name);
    switch (kind) {
    case Kind::Numeric:
        field.type = db::DataType::Decimal;
        field.precision = size;
        break;
    case Kind::Date: field.type = db::DataType::DateTime; break;
    case Kind::FixedText:
    case Kind::VariableText:
        field.type = db::DataType::Text;
        field.definedSize = size;
        break;
    }
    return field;
}

} // namespace

db::FieldInfo keyColumn(std::string_view qualifiedColumn, const db::FieldInfo& movementField)
{
    std::string name = PulisciNomeCampo(qualifiedColumn);
    if (qualifiedColumn.substr(0, 5) == "CO5L_")
        return typed(std::move(name), Kind::VariableText, 100);
    for (const KeyType& key : keyTypes)
        if (name == key.column)
            return typed(std::move(name), key.kind, key.size);
    // A grouping column the table does not list keeps its values as text of the movement set's width.
    const int width = movementField.type == db::DataType::Text ? movementField.definedSize : 0;
    return typed(std::move(name), Kind::VariableText, width);
}

db::Value emptyMarker(const db::FieldInfo& column)
{
    switch (column.type) {
    case db::DataType::DateTime: return db::DateTime::fromCivil(1899, 12, 30);
    case db::DataType::Text: return std::string(static_cast<std::size_t>(column.definedSize), ' ');
    default: return db::Decimal{-1, 0}.rescaled(column.scale);
    }
}

bool isQuotedInFilter(const db::FieldInfo& column)
{
    return column.type == db::DataType::Text || column.type == db::DataType::DateTime;
}

} // namespace quorvane
