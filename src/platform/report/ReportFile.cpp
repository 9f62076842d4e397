#include "report/ReportFile.h"

#include "report/InputFile.h"
#include "report/JsonPlaces.h"
#include "report/formula/FormulaError.h"
#include "report/formula/Lexer.h"
#include "report/formula/Parser.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <initializer_list>

namespace report {

namespace {

using formula::ValueType;

const char* const crlf = "\r\n";
// A number of decimals printed: beyond this a number has no more digits to show.
constexpr int maxDecimals = 20;

std::string position(const std::string& json, std::size_t offset)
{
    int line, column;
    formula::lineAndColumn(json, offset, line, column);
    return " (line " + std::to_string(line) + ", column " + std::to_string(column) + ")";
}

// Whether a formula or parameter of the name is among those read so far (names compare without regard
// to case, as references to them do).
template <class Fields>
bool declared(const Fields& fields, const std::string& name)
{
    return std::any_of(fields.begin(), fields.end(), [&](const auto& f) { return formula::sameWord(f.name, name); });
}

// Where the value at a path starts in the file's text, as " (line L, column C)"; empty when it is not there.
std::string positionOf(const std::string& json, const std::string& path)
{
    const auto offsets = jsonValueOffsets(json);
    const auto found = offsets.find(path);
    return found == offsets.end() ? std::string() : position(json, found->second);
}

class Loader;

// One JSON object of the file with its place: it refuses keys it does not know and reads the ones it does.
class Entry {
public:
    Entry(const Loader& loader, QJsonObject object, std::string label, std::initializer_list<const char*> keys);

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    std::string text(const char* key, const std::string& fallback = {}) const;
    std::string formulaText(const char* key, const std::string& formulaName) const;
    double number(const char* key, double fallback) const;
    // A whole number from `low` to `high`.
    int whole(const char* key, int fallback, int low, int high) const;
    int sortDirection() const { return whole("direction", 0, 0, 1); }
    // A parameter's designed value, which must be of its type (a date as "yyyy-mm-dd"); null when absent.
    formula::Value parameterDefault(ValueType type) const;
    bool boolean(const char* key, bool fallback) const;
    QJsonArray array(const char* key) const;
    QJsonObject object(const char* key) const;
    const QJsonValue value(const char* key) const { return object_.value(QLatin1String(key)); }
    [[noreturn]] void fail(const char* key, const std::string& problem) const;

    // The value that the key's word names in `options`; a word not among them is refused, listing them.
    template <class T, std::size_t N>
    T choice(const char* key, const std::pair<const char*, T> (&options)[N], const char* fallback, const char* what) const
    {
        const std::string word = text(key, fallback);
        std::string names;
        for (const auto& [name, value] : options) {
            if (word == name)
                return value;
            names += (names.empty() ? "" : ", ") + std::string(name);
        }
        fail(key, std::string("unknown ") + what + " \"" + word + "\" (" + names + ")");
    }

private:
    QJsonValue checked(const char* key, bool (QJsonValue::*is)() const, const char* what) const;

    const Loader& loader_;
    QJsonObject object_;
    std::string label_;
};

class Loader {
public:
    Loader(std::string fileName, std::string json) : fileName_(std::move(fileName)), json_(std::move(json)) {}

    ReportDefinition run();

    // The problem of the value at the label's key (or of the labelled value itself).
    [[noreturn]] void fail(const std::string& label, const std::string& problem, const std::string& key = {}) const
    {
        const std::string path = key.empty() ? label : label.empty() ? key : label + "." + key;
        throw ReportFileError(fileName_ + ": " + (label.empty() ? "" : label + ": ") + problem + positionOf(json_, path));
    }

    // The formula text must parse; its errors are named by `name` (a formula's name or an object's place).
    void checkFormula(const std::string& name, const std::string& text) const
    {
        try {
            formula::parseFormula(name, text);
        } catch (const formula::FormulaError& e) {
            throw ReportFileError(fileName_ + ": " + e.what());
        }
    }

private:
    QJsonObject document() const;
    void readPage(const Entry& root, ReportDefinition& def) const;
    FontSpec readFont(const QJsonValue& value, const FontSpec& inherited, const std::string& label) const;
    std::vector<ParameterField> readParameters(const Entry& root) const;
    std::vector<FormulaField> readFormulas(const QJsonArray& array, const std::string& label) const;
    std::vector<SortField> readSortFields(const QJsonArray& array, const std::string& label) const;
    void readGroups(const Entry& root, ReportDefinition& def) const;
    void readSections(const Entry& root, ReportDefinition& def) const;
    std::vector<Section> readArea(const QJsonValue& value, const std::string& label, bool groupHeader) const;
    Section readSection(const QJsonObject& object, const std::string& label, bool groupHeader) const;
    ReportObject readObject(const QJsonObject& object, const std::string& label) const;
    std::vector<SubreportDefinition> readSubreports(const Entry& root) const;
    void checkSubreportObjects(const ReportDefinition& def) const;

    std::string fileName_;
    std::string json_;
    FontSpec font_;
};

Entry::Entry(const Loader& loader, QJsonObject object, std::string label, std::initializer_list<const char*> keys)
    : loader_(loader), object_(std::move(object)), label_(std::move(label))
{
    for (const QString& key : object_.keys()) {
        bool known = false;
        for (const char* k : keys)
            known = known || key == QLatin1String(k);
        if (!known)
            loader_.fail(label_, "unknown key \"" + key.toStdString() + "\"", key.toStdString());
    }
}

void Entry::fail(const char* key, const std::string& problem) const { loader_.fail(label_, problem, key); }

// A text, or an array of lines joined by CR LF (so that a long formula stays readable in the file).
std::string Entry::text(const char* key, const std::string& fallback) const
{
    const QJsonValue v = value(key);
    if (v.isUndefined() || v.isNull())
        return fallback;
    if (v.isString())
        return v.toString().toStdString();
    if (!v.isArray())
        fail(key, std::string("\"") + key + "\" must be a text or an array of lines");
    std::string joined;
    const QJsonArray lines = v.toArray();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].isString())
            fail(key, std::string("every line of \"") + key + "\" must be a text");
        joined += (i == 0 ? "" : crlf) + lines[i].toString().toStdString();
    }
    return joined;
}

std::string Entry::formulaText(const char* key, const std::string& formulaName) const
{
    std::string t = text(key);
    if (!t.empty())
        loader_.checkFormula(formulaName, t);
    return t;
}

// The key's value when present, refused unless `is` holds for it; undefined when absent.
QJsonValue Entry::checked(const char* key, bool (QJsonValue::*is)() const, const char* what) const
{
    const QJsonValue v = value(key);
    if (!v.isUndefined() && !(v.*is)())
        fail(key, std::string("\"") + key + "\" must be " + what);
    return v;
}

double Entry::number(const char* key, double fallback) const
{
    const QJsonValue v = checked(key, &QJsonValue::isDouble, "a number");
    return v.isUndefined() ? fallback : v.toDouble();
}

int Entry::whole(const char* key, int fallback, int low, int high) const
{
    const double n = number(key, fallback);
    if (n != static_cast<double>(static_cast<long long>(n)) || n < low || n > high)
        fail(key, std::string("\"") + key + "\" must be a whole number from " + std::to_string(low) + " to "
                      + std::to_string(high));
    return static_cast<int>(n);
}

formula::Value Entry::parameterDefault(ValueType type) const
{
    const QJsonValue designed = value("default");
    if (designed.isUndefined() || designed.isNull())
        return {};
    if (type == ValueType::Boolean && designed.isBool())
        return formula::Value(designed.toBool());
    if (type == ValueType::Number && designed.isDouble())
        return formula::Value(formula::Number::fromDouble(designed.toDouble()));
    if (type == ValueType::Text && designed.isString())
        return formula::Value(designed.toString().toStdString());
    const QDate date = QDate::fromString(designed.toString(), Qt::ISODate);
    if (type == ValueType::Date && designed.isString() && date.isValid())
        return formula::Value(formula::Date::of(date.year(), date.month(), date.day()));
    fail("default", std::string("the parameter's default must be ")
                        + (type == ValueType::Date ? "a date \"yyyy-mm-dd\"" : formula::typeName(type)));
}

bool Entry::boolean(const char* key, bool fallback) const
{
    const QJsonValue v = checked(key, &QJsonValue::isBool, "true or false");
    return v.isUndefined() ? fallback : v.toBool();
}

QJsonArray Entry::array(const char* key) const { return checked(key, &QJsonValue::isArray, "an array").toArray(); }

QJsonObject Entry::object(const char* key) const { return checked(key, &QJsonValue::isObject, "an object").toObject(); }

QJsonObject Loader::document() const
{
    if (const std::size_t nul = json_.find('\0'); nul != std::string::npos)
        throw ReportFileError(fileName_ + ": a NUL character" + position(json_, nul) + " has no place in a report file");
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json_), &error);
    if (error.error != QJsonParseError::NoError) {
        int line, column;
        formula::lineAndColumn(json_, static_cast<std::size_t>(error.offset), line, column);
        throw ReportFileError(fileName_ + ": not valid JSON at line " + std::to_string(line) + ", column "
                              + std::to_string(column) + ": " + error.errorString().toStdString());
    }
    if (!doc.isObject())
        fail({}, "the file must hold one JSON object");
    return doc.object();
}

ReportDefinition Loader::run()
{
    const Entry root(*this, document(), {},
                    {"title", "page", "font", "parameters", "formulas", "sortFields", "groups", "sections", "subreports"});
    ReportDefinition def;
    def.fileName = fileName_;
    def.title = root.text("title");
    readPage(root, def);
    def.font = font_ = readFont(root.value("font"), FontSpec(), "font");
    def.parameters = readParameters(root);
    def.formulas = readFormulas(root.array("formulas"), "formulas");
    def.sortFields = readSortFields(root.array("sortFields"), "sortFields");
    readGroups(root, def);
    readSections(root, def);
    def.subreports = readSubreports(root);
    checkSubreportObjects(def);
    return def;
}

// A subreport object names a subreport the file declares.
void Loader::checkSubreportObjects(const ReportDefinition& def) const
{
    forEachSection(def, [&](const Section& section) {
        for (const ReportObject& object : section.objects)
            if (object.kind == ReportObject::Kind::Subreport && !findSubreport(def, object.text))
                fail(object.label, "there is no subreport \"" + object.text + "\" in \"subreports\"", "name");
    });
}

void Loader::readPage(const Entry& root, ReportDefinition& def) const
{
    const Entry page(*this, root.object("page"), "page", {"size", "orientation", "margins"});
    if (page.text("size", "A4") != "A4")
        page.fail("size", "the page size must be \"A4\"");
    const std::string orientation = page.text("orientation", "portrait");
    if (orientation != "portrait" && orientation != "landscape")
        page.fail("orientation", "the orientation must be \"portrait\" or \"landscape\"");
    def.page.landscape = orientation == "landscape";
    const Entry margins(*this, page.object("margins"), "page.margins", {"top", "right", "bottom", "left"});
    def.page.top = margins.number("top", 10);
    def.page.right = margins.number("right", 10);
    def.page.bottom = margins.number("bottom", 10);
    def.page.left = margins.number("left", 10);
}

FontSpec Loader::readFont(const QJsonValue& value, const FontSpec& inherited, const std::string& label) const
{
    if (value.isUndefined())
        return inherited;
    if (!value.isObject())
        fail(label, "a font must be an object");
    const Entry font(*this, value.toObject(), label, {"family", "size", "bold", "italic"});
    FontSpec chosen = inherited;
    chosen.family = font.text("family", inherited.family);
    chosen.size = font.number("size", inherited.size);
    chosen.bold = font.boolean("bold", inherited.bold);
    chosen.italic = font.boolean("italic", inherited.italic);
    if (chosen.size <= 0)
        font.fail("size", "the font size must be above 0");
    return chosen;
}

std::vector<ParameterField> Loader::readParameters(const Entry& root) const
{
    static const std::pair<const char*, ValueType> types[] = {
        {"text", ValueType::Text}, {"boolean", ValueType::Boolean}, {"number", ValueType::Number}, {"date", ValueType::Date}};
    std::vector<ParameterField> parameters;
    const QJsonArray array = root.array("parameters");
    for (qsizetype i = 0; i < array.size(); ++i) {
        const Entry p(*this, array[i].toObject(), "parameters[" + std::to_string(i) + "]", {"name", "type", "default"});
        ParameterField field;
        field.name = p.text("name");
        if (field.name.empty())
            p.fail("name", "a parameter needs a name");
        field.type = p.choice("type", types, "text", "parameter type");
        field.value = p.parameterDefault(field.type);
        if (declared(parameters, field.name))
            p.fail("name", "the parameter " + field.name + " is declared twice");
        parameters.push_back(std::move(field));
    }
    return parameters;
}

std::vector<FormulaField> Loader::readFormulas(const QJsonArray& array, const std::string& label) const
{
    std::vector<FormulaField> formulas;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const Entry f(*this, array[i].toObject(), label + "[" + std::to_string(i) + "]", {"name", "text"});
        FormulaField field{f.text("name"), {}};
        if (field.name.empty())
            f.fail("name", "a formula needs a name");
        if (declared(formulas, field.name))
            f.fail("name", "the formula " + field.name + " is declared twice");
        field.text = f.formulaText("text", field.name);
        formulas.push_back(std::move(field));
    }
    return formulas;
}

std::vector<SortField> Loader::readSortFields(const QJsonArray& array, const std::string& label) const
{
    std::vector<SortField> fields;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string place = label + "[" + std::to_string(i) + "]";
        const Entry s(*this, array[i].toObject(), place, {"field", "direction"});
        fields.push_back({s.formulaText("field", place), s.sortDirection()});
        if (fields.back().field.empty())
            s.fail("field", "a sort field needs a field or formula reference");
    }
    return fields;
}

// "GH1" … "GH10" (or "GF…") → 1 … 10; 0 for any other name.
int levelOf(const std::string& area, const char* prefix)
{
    if (area.rfind(prefix, 0) != 0 || area.size() < 3 || area.size() > 4)
        return 0;
    const std::string digits = area.substr(2);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits[0] == '0')
        return 0;
    const int level = std::stoi(digits);
    return level <= groupLevels ? level : 0;
}

void Loader::readGroups(const Entry& root, ReportDefinition& def) const
{
    const QJsonArray array = root.array("groups");
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string place = "groups[" + std::to_string(i) + "]";
        const Entry g(*this, array[i].toObject(), place, {"area", "on", "direction", "repeatHeader", "hideForDrillDown"});
        const std::string area = g.text("area");
        const int level = levelOf(area, "GH");
        if (level == 0)
            g.fail("area", "a group's area is GH1 … GH10, not \"" + area + "\"");
        if (def.groups[level - 1])
            g.fail("area", "the group " + area + " is declared twice");
        GroupArea group;
        group.on = g.formulaText("on", place + ".on");
        if (group.on.empty())
            g.fail("on", "the group " + area + " needs the formula it groups on");
        group.sortDirection = g.sortDirection();
        group.repeatHeader = g.boolean("repeatHeader", false);
        group.hideForDrillDown = g.boolean("hideForDrillDown", false);
        def.groups[level - 1] = std::move(group);
    }
}

void Loader::readSections(const Entry& root, ReportDefinition& def) const
{
    const QJsonObject sections = root.object("sections");
    const std::pair<const char*, std::vector<Section>*> fixed[] = {
        {"reportHeader", &def.reportHeader},     {"pageHeader", &def.pageHeader},
        {"broughtForward", &def.broughtForward}, {"details", &def.details},
        {"reportFooter", &def.reportFooter},     {"carriedForward", &def.carriedForward},
        {"pageFooter", &def.pageFooter}};
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        const std::string area = it.key().toStdString(), label = "sections." + area;
        std::vector<Section>* target = nullptr;
        for (const auto& [name, sectionList] : fixed)
            if (area == name)
                target = sectionList;
        if (target) {
            *target = readArea(it.value(), label, false);
            continue;
        }
        const int header = levelOf(area, "GH"), footer = levelOf(area, "GF"), level = header + footer;
        if (level == 0)
            fail(label, "unknown section (reportHeader, pageHeader, broughtForward, GH1…GH10, details, GF1…GF10, "
                        "reportFooter, carriedForward, pageFooter)");
        if (!def.groups[level - 1])
            fail(label, "no group is declared for this area in \"groups\"");
        (header ? def.groups[level - 1]->headers : def.groups[level - 1]->footers) = readArea(it.value(), label, header);
    }
}

// An area holds one section or an array of sections printed one after the other.
std::vector<Section> Loader::readArea(const QJsonValue& value, const std::string& label, bool groupHeader) const
{
    if (value.isObject())
        return {readSection(value.toObject(), label, groupHeader)};
    if (!value.isArray())
        fail(label, "an area is a section or an array of sections");
    std::vector<Section> sections;
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i)
        sections.push_back(readSection(array[i].toObject(), label + "[" + std::to_string(i) + "]", groupHeader));
    return sections;
}

Section Loader::readSection(const QJsonObject& object, const std::string& label, bool groupHeader) const
{
    const Entry s(*this, object, label, {"height", "suppress", "newPageBefore", "newPageAfter", "objects"});
    Section section;
    section.label = label;
    section.height = s.number("height", 0);
    if (section.height <= 0)
        s.fail("height", "a section needs a height above 0 (millimetres)");
    section.suppress = s.formulaText("suppress", label + ".suppress");
    section.newPageBefore = s.formulaText("newPageBefore", label + ".newPageBefore");
    if (!section.newPageBefore.empty() && !groupHeader)
        s.fail("newPageBefore", "only a group header starts a new page before itself");
    section.newPageAfter = s.formulaText("newPageAfter", label + ".newPageAfter");
    const QJsonArray objects = s.array("objects");
    for (qsizetype i = 0; i < objects.size(); ++i)
        section.objects.push_back(readObject(objects[i].toObject(), label + ".objects[" + std::to_string(i) + "]"));
    return section;
}

ReportObject Loader::readObject(const QJsonObject& object, const std::string& label) const
{
    static const std::pair<const char*, ReportObject::Kind> kinds[] = {
        {"text", ReportObject::Kind::Text},       {"field", ReportObject::Kind::Field},
        {"summary", ReportObject::Kind::Summary}, {"special", ReportObject::Kind::Special},
        {"line", ReportObject::Kind::Line},       {"box", ReportObject::Kind::Box},
        {"subreport", ReportObject::Kind::Subreport}};
    static const std::pair<const char*, SpecialField> specials[] = {
        {"pageNumber", SpecialField::PageNumber},         {"pageOfPages", SpecialField::PageOfPages},
        {"printDate", SpecialField::PrintDate},
        {"title", SpecialField::Title},                   {"companyName", SpecialField::CompanyName},
        {"companyAddress", SpecialField::CompanyAddress}, {"companyTown", SpecialField::CompanyTown},
        {"companyVatNumber", SpecialField::CompanyVatNumber}, {"userName", SpecialField::UserName},
        {"currency", SpecialField::Currency}};
    static const std::pair<const char*, Alignment> alignments[] = {
        {"left", Alignment::Left}, {"center", Alignment::Center}, {"right", Alignment::Right}};
    const Entry o(*this, object, label,
                 {"type", "x", "y", "width", "height", "text", "value", "sum", "scope", "field", "prefix", "name",
                  "font", "align", "decimals", "thousands", "blankWhenZero", "suppress", "lineWidth"});
    ReportObject r;
    r.label = label;
    r.kind = o.choice("type", kinds, "", "object type");
    r.x = o.number("x", 0);
    r.y = o.number("y", 0);
    r.width = o.number("width", 0);
    r.height = o.number("height", 0);
    r.font = readFont(o.value("font"), font_, label + ".font");
    r.alignment = o.choice("align", alignments, "left", "alignment");
    const QJsonValue decimals = o.value("decimals");
    r.decimals = decimals.isDouble() ? std::to_string(o.whole("decimals", 0, 0, maxDecimals)) : o.text("decimals");
    if (!r.decimals.empty())
        checkFormula(label + ".decimals", r.decimals);
    r.thousands = o.boolean("thousands", true);
    r.blankWhenZero = o.boolean("blankWhenZero", false);
    r.suppress = o.formulaText("suppress", label + ".suppress");
    r.lineWidth = o.number("lineWidth", 0.2);
    switch (r.kind) {
    case ReportObject::Kind::Text: r.text = o.text("text"); break;
    case ReportObject::Kind::Field: r.text = o.formulaText("value", label); break;
    case ReportObject::Kind::Summary: {
        r.text = o.formulaText("sum", label);
        const QJsonValue scope = o.value("scope");
        if (scope.isDouble())
            r.scope = {SummaryScope::Kind::Group, scope.toInt()};
        else if (o.text("scope", "report") == "page")
            r.scope = {SummaryScope::Kind::Page, 0};
        else if (o.text("scope", "report") != "report")
            o.fail("scope", "a summary's scope is \"report\", \"page\" or a group level 1 … 10");
        if (r.scope.kind == SummaryScope::Kind::Group && (r.scope.level < 1 || r.scope.level > groupLevels))
            o.fail("scope", "a summary's group level is 1 … 10");
        break;
    }
    case ReportObject::Kind::Special:
        r.special = o.choice("field", specials, "", "special field");
        r.text = o.text("prefix");
        break;
    case ReportObject::Kind::Subreport: r.text = o.text("name"); break;
    default: break;
    }
    if ((r.kind == ReportObject::Kind::Field || r.kind == ReportObject::Kind::Summary) && r.text.empty())
        o.fail(r.kind == ReportObject::Kind::Field ? "value" : "sum", "the object needs the expression it shows");
    return r;
}

std::vector<SubreportDefinition> Loader::readSubreports(const Entry& root) const
{
    std::vector<SubreportDefinition> subreports;
    const QJsonArray array = root.array("subreports");
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string place = "subreports[" + std::to_string(i) + "]";
        const Entry s(*this, array[i].toObject(), place,
                     {"name", "statement", "links", "formulas", "sortFields", "header", "details", "footer"});
        SubreportDefinition sub;
        sub.name = s.text("name");
        sub.statement = s.text("statement");
        if (sub.name.empty() || sub.statement.empty())
            s.fail(sub.name.empty() ? "name" : "statement", "a subreport needs a name and a statement");
        const QJsonArray links = s.array("links");
        for (qsizetype k = 0; k < links.size(); ++k) {
            const std::string linkPlace = place + ".links[" + std::to_string(k) + "]";
            const Entry link(*this, links[k].toObject(), linkPlace, {"main", "subreport"});
            sub.links.push_back({link.formulaText("main", linkPlace), link.formulaText("subreport", linkPlace)});
        }
        sub.formulas = readFormulas(s.array("formulas"), place + ".formulas");
        sub.sortFields = readSortFields(s.array("sortFields"), place + ".sortFields");
        if (s.has("header"))
            sub.header = readArea(s.value("header"), place + ".header", false);
        if (s.has("details"))
            sub.details = readArea(s.value("details"), place + ".details", false);
        if (s.has("footer"))
            sub.footer = readArea(s.value("footer"), place + ".footer", false);
        subreports.push_back(std::move(sub));
    }
    return subreports;
}

} // namespace

ReportDefinition parseReportText(const std::string& fileName, const std::string& json)
{
    return Loader(fileName, json).run();
}

ReportDefinition loadReportFile(const std::string& path)
{
    QByteArray text;
    try {
        text = readInputFile(path, "report file");
    } catch (const std::runtime_error& e) {
        throw ReportFileError(e.what());
    }
    return parseReportText(path, text.toStdString());
}

} // namespace report
