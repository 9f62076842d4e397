#include "report/PreparedReport.h"

#include "report/RecordOrder.h"
#include "report/StatementFields.h"

#include "db/RecordsetTextFold.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace report {

namespace {

constexpr double a4Short = 210, a4Long = 297;

std::map<std::string, formula::ParameterValue> parameterValues(const ReportDefinition& def)
{
    std::map<std::string, formula::ParameterValue> values;
    for (const ParameterField& p : def.parameters)
        values[p.name] = {p.type, p.value};
    return values;
}

// Runs a statement and returns its rows with the binding of its fields.
std::pair<std::unique_ptr<Records>, formula::FieldLookup> runStatement(db::Connection& connection,
                                                                       const std::string& statement)
{
    db::Recordset rows = connection.Open(statement);
    if (!rows.isOpen())
        throw db::Error("the report's statement returns no result set");
    auto fields = std::make_shared<StatementFields>(statement, rows);
    formula::FieldLookup lookup = [fields](const std::string& reference) { return fields->find(reference); };
    return {std::make_unique<Records>(std::move(rows)), std::move(lookup)};
}

void keepWarnings(const formula::FormulaSet& formulas, std::vector<std::string>& warnings)
{
    for (const std::string& w : formulas.warnings())
        if (std::find(warnings.begin(), warnings.end(), w) == warnings.end())
            warnings.push_back(w);
}

std::string numberKey(const formula::Number& n)
{
    std::string text = n.toString();
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

} // namespace

std::string linkKey(const std::vector<formula::Value>& values)
{
    std::string key;
    for (const formula::Value& v : values) {
        switch (v.type()) {
        case formula::ValueType::Number: key += "n" + numberKey(v.number()); break;
        case formula::ValueType::Text: key += "t" + db::foldCase(v.text()); break;
        case formula::ValueType::Date: key += "d" + std::to_string(v.date().days); break;
        case formula::ValueType::Boolean: key += v.boolean() ? "b1" : "b0"; break;
        case formula::ValueType::Unknown: key += "-"; break;
        }
        key += '\x1f';
    }
    return key;
}

std::pair<long, long> PreparedSubreport::linkedRecords(const std::string& key) const
{
    auto it = ranges.find(key);
    return it == ranges.end() ? std::pair<long, long>{0, 0} : it->second;
}

PreparedReport::PreparedReport(ReportDefinition definition, db::Connection& connection, const std::string& statement,
                               const std::map<std::string, db::Connection*>& subreportConnections)
    : definition_(std::move(definition))
{
    auto [records, lookup] = runStatement(connection, statement);
    records_ = std::move(records);
    formulas_ = std::make_unique<formula::FormulaSet>(std::move(lookup), parameterValues(definition_));
    for (const FormulaField& f : definition_.formulas)
        formulas_->add(f.name, f.text);

    std::vector<OrderKey> order;
    for (int level = 1; level <= groupLevels; ++level)
        if (const auto& group = definition_.groups[static_cast<std::size_t>(level - 1)]) {
            const int key = formulas_->addExpression("GH" + std::to_string(level) + " group", group->on);
            groups_.push_back({level, key, group->repeatHeader, {}, {}});
            order.push_back({key, group->sortDirection == 1});
        }
    for (std::size_t k = 0; k < definition_.sortFields.size(); ++k) {
        const SortField& s = definition_.sortFields[k];
        order.push_back({formulas_->addExpression("sort field " + std::to_string(k + 1), s.field), s.sortDirection == 1});
    }

    for (const SubreportDefinition& sub : definition_.subreports) {
        auto own = subreportConnections.find(sub.name);
        prepareSubreport(sub, own != subreportConnections.end() && own->second ? *own->second : connection);
    }

    reportHeader_ = compile(definition_.reportHeader, *formulas_, totals_);
    pageHeader_ = compile(definition_.pageHeader, *formulas_, totals_);
    broughtForward_ = compile(definition_.broughtForward, *formulas_, totals_);
    details_ = compile(definition_.details, *formulas_, totals_);
    reportFooter_ = compile(definition_.reportFooter, *formulas_, totals_);
    carriedForward_ = compile(definition_.carriedForward, *formulas_, totals_);
    pageFooter_ = compile(definition_.pageFooter, *formulas_, totals_);
    for (CompiledGroup& group : groups_) {
        const GroupArea& area = *definition_.groups[static_cast<std::size_t>(group.level - 1)];
        group.headers = compile(area.headers, *formulas_, totals_);
        group.footers = compile(area.footers, *formulas_, totals_);
    }
    formulas_->bind();
    keepWarnings(*formulas_, warnings_);
    checkHeights();

    formula::Evaluator natural(*formulas_, *records_);
    records_->setOrder(sortRecords(natural, records_->recordCount(), *formulas_, order));
}

double PreparedReport::pageHeight() const { return definition_.page.landscape ? a4Short : a4Long; }

std::vector<CompiledSection> PreparedReport::compile(const std::vector<Section>& sections, formula::FormulaSet& formulas,
                                                     Totals& totals)
{
    auto expression = [&formulas](const std::string& label, const std::string& text) {
        return text.empty() ? -1 : formulas.addExpression(label, text);
    };
    std::vector<CompiledSection> compiled;
    for (const Section& section : sections) {
        CompiledSection c{&section, expression(section.label + ".suppress", section.suppress),
                          expression(section.label + ".newPageBefore", section.newPageBefore),
                          expression(section.label + ".newPageAfter", section.newPageAfter), {}};
        for (const ReportObject& object : section.objects) {
            CompiledObject o;
            o.object = &object;
            o.suppress = expression(object.label + ".suppress", object.suppress);
            o.decimals = expression(object.label + ".decimals", object.decimals);
            if (object.kind == ReportObject::Kind::Field)
                o.value = expression(object.label, object.text);
            if (object.kind == ReportObject::Kind::Summary)
                o.summary = totals.add(expression(object.label, object.text), object.scope);
            if (object.kind == ReportObject::Kind::Subreport)
                for (std::size_t s = 0; s < subreports_.size(); ++s)
                    if (subreports_[s].name == object.text)
                        o.subreport = static_cast<int>(s);
            c.objects.push_back(o);
        }
        compiled.push_back(std::move(c));
    }
    return compiled;
}

// The subreport's statement runs once; its records are sorted by their link fields, then by its own
// sort fields, so that the records of one main record lie together and are found by their key.
void PreparedReport::prepareSubreport(const SubreportDefinition& sub, db::Connection& connection)
{
    PreparedSubreport prepared;
    prepared.name = sub.name;
    auto [records, lookup] = runStatement(connection, sub.statement);
    prepared.records = std::move(records);
    prepared.formulas = std::make_unique<formula::FormulaSet>(std::move(lookup), parameterValues(definition_));
    for (const FormulaField& f : sub.formulas)
        prepared.formulas->add(f.name, f.text);
    std::vector<OrderKey> order;
    std::vector<int> subLinks;
    for (std::size_t k = 0; k < sub.links.size(); ++k) {
        const std::string label = sub.name + " link " + std::to_string(k + 1);
        prepared.mainLinks.push_back(formulas_->addExpression(label, sub.links[k].mainField));
        subLinks.push_back(prepared.formulas->addExpression(label, sub.links[k].subreportField));
        order.push_back({subLinks.back(), false});
    }
    for (std::size_t k = 0; k < sub.sortFields.size(); ++k)
        order.push_back({prepared.formulas->addExpression(sub.name + " sort field " + std::to_string(k + 1),
                                                          sub.sortFields[k].field),
                         sub.sortFields[k].sortDirection == 1});
    prepared.header = compile(sub.header, *prepared.formulas, prepared.totals);
    prepared.details = compile(sub.details, *prepared.formulas, prepared.totals);
    prepared.footer = compile(sub.footer, *prepared.formulas, prepared.totals);
    prepared.formulas->bind();
    keepWarnings(*prepared.formulas, warnings_);

    formula::Evaluator natural(*prepared.formulas, *prepared.records);
    prepared.records->setOrder(sortRecords(natural, prepared.records->recordCount(), *prepared.formulas, order));
    formula::Evaluator sorted(*prepared.formulas, *prepared.records);
    for (long record = 0; record < prepared.records->recordCount(); ++record) {
        sorted.setRecord(record);
        std::vector<formula::Value> values;
        for (int link : subLinks)
            values.push_back(sorted.value(link));
        auto [it, fresh] = prepared.ranges.try_emplace(linkKey(values), record, record + 1);
        if (!fresh)
            it->second.second = record + 1;
    }
    subreports_.push_back(std::move(prepared));
}

// A section taller than the room a page has for it could never be placed: refuse it now rather than
// turn pages without end.
void PreparedReport::checkHeights() const
{
    const PageSetup& page = definition_.page;
    auto total = [](const std::vector<Section>& sections) {
        double sum = 0;
        for (const Section& s : sections)
            sum += s.height;
        return sum;
    };
    const double body = pageHeight() - page.top - page.bottom - total(definition_.pageHeader)
                        - total(definition_.broughtForward) - total(definition_.carriedForward)
                        - total(definition_.pageFooter);
    auto millimetres = [](double mm) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", std::round(mm * 10) / 10);
        return std::string(text);
    };
    forEachSection(definition_, [&](const Section& s) {
        if (s.height > body)
            throw std::runtime_error(definition_.fileName + ": " + s.label + " is " + millimetres(s.height)
                                     + " mm tall, more than the " + millimetres(body)
                                     + " mm a page has between its headings and its foot");
    });
}

} // namespace report
