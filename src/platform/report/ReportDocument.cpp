#include "report/ReportDocument.h"

#include <QDate>
#include <QDateTime>

namespace report {

namespace {

using formula::Value;
using formula::ValueType;

std::optional<Value> converted(const QVariant& v, ValueType type)
{
    const int id = v.metaType().id();
    const bool integer = id == QMetaType::Int || id == QMetaType::Short || id == QMetaType::LongLong
                         || id == QMetaType::UInt || id == QMetaType::UShort;
    switch (type) {
    case ValueType::Text:
        if (id == QMetaType::QString)
            return Value(v.toString().toStdString());
        break;
    case ValueType::Boolean:
        if (id == QMetaType::Bool || integer)
            return Value(v.toLongLong() != 0);
        break;
    case ValueType::Number:
        if (integer)
            return Value(static_cast<std::int64_t>(v.toLongLong()));
        if (id == QMetaType::Double)
            return Value(formula::Number::fromDouble(v.toDouble()));
        break;
    case ValueType::Date: {
        const QDate d = id == QMetaType::QDate ? v.toDate() : id == QMetaType::QDateTime ? v.toDateTime().date() : QDate();
        if (d.isValid())
            return Value(formula::Date::of(d.year(), d.month(), d.day()));
        break;
    }
    case ValueType::Unknown: break;
    }
    return std::nullopt;
}

} // namespace

RecordSortFieldDefinition* RecordSortFieldDefinitions::Item(int k)
{
    return k >= 1 && k <= Count() ? &items_[static_cast<std::size_t>(k - 1)] : nullptr;
}

bool ParameterFieldDefinition::AddCurrentValue(const QVariant& value)
{
    if (auto v = converted(value, field_->type)) {
        field_->value = *v;
        return true;
    }
    problems_->append(QStringLiteral("the parameter %1 is %2 and cannot take the value \"%3\" (%4)")
                          .arg(ParameterFieldName(), QString::fromLatin1(formula::typeName(field_->type)),
                               value.toString(), QString::fromLatin1(value.typeName())));
    return false;
}

SubreportDocument::SubreportDocument(SubreportDefinition& sub) : name_(sub.name)
{
    for (FormulaField& f : sub.formulas)
        formulas_.emplace_back(f);
}

ReportDocument::ReportDocument(ReportDefinition definition) : definition_(std::move(definition))
{
    for (FormulaField& f : definition_.formulas)
        formulas_.emplace_back(f);
    for (SortField& s : definition_.sortFields)
        sortFields_.items_.emplace_back(s);
    for (int level = 1; level <= groupLevels; ++level)
        if (auto& group = definition_.groups[static_cast<std::size_t>(level - 1)])
            areas_.emplace(level, AreaDefinition(*group));
    for (ParameterField& p : definition_.parameters)
        parameters_.emplace_back(p, problems_);
    for (SubreportDefinition& sub : definition_.subreports)
        subreports_.push_back(std::make_unique<SubreportDocument>(sub));
}

AreaDefinition* ReportDocument::Areas(const QString& name)
{
    const QString upper = name.trimmed().toUpper();
    if (!upper.startsWith(QLatin1String("GH")) && !upper.startsWith(QLatin1String("GF")))
        return nullptr;
    bool number = false;
    const int level = upper.mid(2).toInt(&number);
    auto it = number ? areas_.find(level) : areas_.end();
    return it == areas_.end() ? nullptr : &it->second;
}

SubreportDocument* ReportDocument::OpenSubReport(const QString& name)
{
    for (auto& sub : subreports_)
        if (QString::fromStdString(sub->name()).compare(name, Qt::CaseInsensitive) == 0)
            return sub.get();
    return nullptr;
}

std::map<std::string, db::Connection*> ReportDocument::subreportConnections() const
{
    std::map<std::string, db::Connection*> connections;
    for (const auto& sub : subreports_)
        if (sub->connection())
            connections[sub->name()] = sub->connection().get();
    return connections;
}

} // namespace report
