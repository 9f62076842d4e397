#include "hostfw/AttributeDefinitions.h"

#include "db/Error.h"

#include <QRegularExpression>

namespace hostfw {

namespace {

bool isColumnName(const QString& name)
{
    static const QRegularExpression column(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return column.match(name).hasMatch();
}

controls::AttributeType attributeType(std::int64_t code)
{
    switch (code) {
    case 1: return controls::AttributeType::Number;
    case 3: return controls::AttributeType::Date;
    case 4: return controls::AttributeType::YesNo;
    default: return controls::AttributeType::Text;
    }
}

} // namespace

AttributeDefinitions AttributeDefinitions::read(db::Connection& connection, int company)
{
    db::Recordset rows = connection.Open(
        "SELECT CO5K_ENTITA, CO5K_NOMEATTRIBUTO, CO5K_TIPO, CO5K_DESCR FROM CO5K_ATTRIBUTIDEF WITH (NOLOCK)"
        " WHERE CO5K_DITTA_CG18 = " + std::to_string(company) + " ORDER BY CO5K_ENTITA, CO5K_ORDINE, CO5K_NOMEATTRIBUTO");
    AttributeDefinitions definitions;
    for (long r = 0; r < rows.RecordCount(); ++r) {
        QString name = QString::fromStdString(rows.valueAt(r, 1).toText());
        if (!isColumnName(name))
            throw db::Error("The attribute name \"" + name.toStdString() + "\" of company " + std::to_string(company)
                            + " is not a column name");
        int entity = static_cast<int>(rows.valueAt(r, 0).toDouble());
        definitions.entities_[entity].push_back({name, attributeType(static_cast<std::int64_t>(rows.valueAt(r, 2).toDouble())),
                                                 QString::fromStdString(rows.valueAt(r, 3).toText())});
    }
    return definitions;
}

std::vector<controls::AttributeField> AttributeDefinitions::attributes(int entity) const
{
    auto it = entities_.find(entity);
    return it == entities_.end() ? std::vector<controls::AttributeField>{} : it->second;
}

std::vector<std::string> AttributeDefinitions::names(int entity) const
{
    std::vector<std::string> result;
    for (const controls::AttributeField& field : attributes(entity))
        result.push_back(field.name.toStdString());
    return result;
}

} // namespace hostfw
