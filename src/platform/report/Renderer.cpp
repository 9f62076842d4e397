#include "report/Renderer.h"

#include "report/PageCanvas.h"
#include "report/Paginator.h"
#include "report/formula/TextFormat.h"

#include "db/RecordsetTextFold.h"

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace report {

namespace {

double heightOf(const std::vector<CompiledSection>& sections)
{
    double sum = 0;
    for (const CompiledSection& s : sections)
        sum += s.section->height;
    return sum;
}

// Two records are in the same group when their values are equal, texts without regard to case (as
// they were sorted), and nulls together.
bool sameGroup(const formula::Value& a, const formula::Value& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (a.type() == formula::ValueType::Text && b.type() == formula::ValueType::Text)
        return db::foldCase(a.text()) == db::foldCase(b.text());
    return a.type() == b.type() && formula::compareValues(a, b) == 0;
}

class Renderer {
public:
    Renderer(const PreparedReport& report, const PrintContext& context, PageCanvas& canvas);
    int run();

private:
    // Which evaluator and summaries a section reads: the main report's or a subreport's.
    struct Scope {
        formula::Evaluator& evaluator;
        Totals& totals;
    };

    bool visible(const CompiledSection& section, formula::Evaluator& evaluator) const;
    std::vector<const CompiledSection*> visibleOf(const std::vector<CompiledSection>& sections, formula::Evaluator& e) const;
    double visibleHeight(const std::vector<CompiledSection>& sections, formula::Evaluator& e) const;

    void place(const CompiledSection& section, Scope scope, bool heading = false);
    void placeAll(const std::vector<CompiledSection>& sections, Scope scope, bool heading = false);
    void draw(const CompiledSection& section, double top, Scope scope);
    QString objectText(const CompiledObject& object, Scope scope) const;
    QString formatted(const formula::Value& value, const CompiledObject& object, formula::Evaluator& e) const;
    std::string special(const ReportObject& object) const;

    std::size_t firstChangedGroup(long record);
    void openGroups(std::size_t from, long record);
    void closeGroups(std::size_t from, long lastRecord);
    void placeRecord();
    void placeSubreport(int index);

    void pageHeading();
    void drawFixed(const std::vector<CompiledSection>& sections, double top);
    void turnPage();

    const PreparedReport& report_;
    const PrintContext& context_;
    PageCanvas& canvas_;
    formula::Evaluator evaluator_;
    Totals totals_;
    Paginator paginator_;
    double carriedTop_;
    double footerTop_;
    std::vector<bool> open_;
    bool recordPlaced_ = false;
    std::vector<std::unique_ptr<formula::Evaluator>> subEvaluators_;
    std::vector<Totals> subTotals_;
};

Renderer::Renderer(const PreparedReport& report, const PrintContext& context, PageCanvas& canvas)
    : report_(report), context_(context), canvas_(canvas), evaluator_(report.formulas(), report.records()),
      totals_(report.totals()), paginator_(0, 0), open_(report.groups().size(), false)
{
    const PageSetup& page = report.definition().page;
    footerTop_ = report.pageHeight() - page.bottom - heightOf(report.pageFooter());
    carriedTop_ = footerTop_ - heightOf(report.carriedForward());
    paginator_ = Paginator(page.top, carriedTop_);
    totals_.clear();
    for (const PreparedSubreport& sub : report.subreports()) {
        subEvaluators_.push_back(std::make_unique<formula::Evaluator>(*sub.formulas, *sub.records));
        subTotals_.push_back(sub.totals);
    }
}

int Renderer::run()
{
    const long count = report_.records().recordCount();
    evaluator_.setRecord(count > 0 ? 0 : -1);
    pageHeading();
    placeAll(report_.reportHeader(), {evaluator_, totals_});
    for (long record = 0; record < count; ++record) {
        const std::size_t changed = record == 0 ? 0 : firstChangedGroup(record);
        if (record > 0 && changed < open_.size())
            closeGroups(changed, record - 1);
        if (changed < open_.size())
            openGroups(changed, record);
        evaluator_.setRecord(record);
        placeRecord();
    }
    if (count > 0)
        closeGroups(0, count - 1);
    placeAll(report_.reportFooter(), {evaluator_, totals_});
    drawFixed(report_.pageFooter(), footerTop_);
    return paginator_.page();
}

bool Renderer::visible(const CompiledSection& section, formula::Evaluator& evaluator) const
{
    return section.suppress < 0 || !evaluator.isTrue(section.suppress);
}

std::vector<const CompiledSection*> Renderer::visibleOf(const std::vector<CompiledSection>& sections,
                                                        formula::Evaluator& e) const
{
    std::vector<const CompiledSection*> shown;
    for (const CompiledSection& s : sections)
        if (visible(s, e))
            shown.push_back(&s);
    return shown;
}

double Renderer::visibleHeight(const std::vector<CompiledSection>& sections, formula::Evaluator& e) const
{
    double sum = 0;
    for (const CompiledSection* s : visibleOf(sections, e))
        sum += s->section->height;
    return sum;
}

void Renderer::place(const CompiledSection& section, Scope scope, bool heading)
{
    const double height = section.section->height;
    if (!paginator_.fits(height) && paginator_.hasBody())
        turnPage();
    draw(section, heading ? paginator_.placeHeading(height) : paginator_.place(height), scope);
    for (const CompiledObject& object : section.objects)
        if (object.subreport >= 0)
            placeSubreport(object.subreport);
    if (section.newPageAfter >= 0 && scope.evaluator.isTrue(section.newPageAfter))
        turnPage();
}

void Renderer::placeAll(const std::vector<CompiledSection>& sections, Scope scope, bool heading)
{
    for (const CompiledSection* s : visibleOf(sections, scope.evaluator))
        place(*s, scope, heading);
}

void Renderer::draw(const CompiledSection& section, double top, Scope scope)
{
    for (const CompiledObject& o : section.objects) {
        if (o.suppress >= 0 && scope.evaluator.isTrue(o.suppress))
            continue;
        switch (o.object->kind) {
        case ReportObject::Kind::Line: canvas_.drawLine(*o.object, top); break;
        case ReportObject::Kind::Box: canvas_.drawBox(*o.object, top); break;
        case ReportObject::Kind::Subreport: break;
        default: canvas_.drawText(*o.object, objectText(o, scope), top); break;
        }
    }
}

QString Renderer::objectText(const CompiledObject& o, Scope scope) const
{
    switch (o.object->kind) {
    // A report file's fixed words are written in Italian; the application's translators give them in the
    // user's language, so one layout serves every language.
    case ReportObject::Kind::Text: return QCoreApplication::translate("report", o.object->text.c_str());
    case ReportObject::Kind::Field: return formatted(scope.evaluator.value(o.value), o, scope.evaluator);
    case ReportObject::Kind::Summary: return formatted(formula::Value(scope.totals.value(o.summary)), o, scope.evaluator);
    case ReportObject::Kind::Special: {
        // A prefix introduces a value: with no value there is nothing to introduce.
        const std::string value = special(*o.object);
        return value.empty() ? QString()
                             : QCoreApplication::translate("report", o.object->text.c_str()) + QString::fromStdString(value);
    }
    default: return {};
    }
}

// Numbers in the Italian way, or the English way when the application's language is English, with the
// object's decimals (the number's own when the object gives none), dates dd/mm/yyyy, null as nothing.
QString Renderer::formatted(const formula::Value& value, const CompiledObject& o, formula::Evaluator& e) const
{
    if (value.type() != formula::ValueType::Number)
        return QString::fromStdString(formula::displayText(value));
    const formula::Number& n = value.number();
    if (o.object->blankWhenZero && n.isZero())
        return {};
    int decimals = n.scale();
    if (o.decimals >= 0) {
        const formula::Value d = e.value(o.decimals);
        decimals = d.type() == formula::ValueType::Number ? static_cast<int>(d.number().truncated()) : decimals;
    }
    const bool english = formula::englishApplication();
    const char* thousands = o.object->thousands ? (english ? "," : ".") : "";
    return QString::fromStdString(formula::formatNumber(n, std::clamp(decimals, 0, 20), thousands, english ? "." : ","));
}

std::string Renderer::special(const ReportObject& object) const
{
    switch (object.special) {
    case SpecialField::PageNumber: return std::to_string(paginator_.page());
    case SpecialField::PrintDate: return formula::formatDate(context_.printDate);
    case SpecialField::Title: return QCoreApplication::translate("report", context_.title.c_str()).toStdString();
    case SpecialField::CompanyName: return context_.companyName;
    case SpecialField::CompanyAddress: return context_.companyAddress;
    case SpecialField::CompanyTown: return context_.companyTown;
    case SpecialField::CompanyVatNumber: return context_.companyVatNumber;
    case SpecialField::UserName: return context_.userName;
    }
    return {};
}

std::size_t Renderer::firstChangedGroup(long record)
{
    const auto& groups = report_.groups();
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (!sameGroup(evaluator_.valueAt(groups[g].key, record - 1), evaluator_.valueAt(groups[g].key, record)))
            return g;
    return groups.size();
}

void Renderer::closeGroups(std::size_t from, long lastRecord)
{
    evaluator_.setRecord(lastRecord);
    for (std::size_t g = open_.size(); g-- > from;) {
        placeAll(report_.groups()[g].footers, {evaluator_, totals_});
        open_[g] = false;
    }
}

// Opens the groups from `from` inwards on `record`. A header asking for a new page gets one unless the
// page holds nothing below its headings yet; a header that would not fit together with the headers
// inside it and the record's details moves to the next page rather than stay alone at the foot.
void Renderer::openGroups(std::size_t from, long record)
{
    evaluator_.setRecord(record);
    const auto& groups = report_.groups();
    for (std::size_t g = from; g < groups.size(); ++g) {
        totals_.startGroup(groups[g].level);
        const std::vector<const CompiledSection*> headers = visibleOf(groups[g].headers, evaluator_);
        bool newPage = false;
        for (const CompiledSection* h : headers)
            newPage = newPage || (h->newPageBefore >= 0 && evaluator_.isTrue(h->newPageBefore));
        double needed = visibleHeight(report_.details(), evaluator_);
        for (std::size_t inner = g; inner < groups.size(); ++inner)
            needed += visibleHeight(groups[inner].headers, evaluator_);
        if ((newPage || !paginator_.fits(needed)) && paginator_.hasBody())
            turnPage();
        open_[g] = true;
        for (const CompiledSection* h : headers)
            place(*h, {evaluator_, totals_});
    }
}

// The record's detail sections stay together; the record adds to the summaries once it is on its page,
// so that the carried-forward figures at the foot of a page are those of the records printed on it.
void Renderer::placeRecord()
{
    const std::vector<const CompiledSection*> details = visibleOf(report_.details(), evaluator_);
    double height = 0;
    for (const CompiledSection* s : details)
        height += s->section->height;
    if (!paginator_.fits(height) && paginator_.hasBody())
        turnPage();
    totals_.accumulate(evaluator_);
    recordPlaced_ = true;
    for (const CompiledSection* s : details)
        place(*s, {evaluator_, totals_});
}

// The subreport's records linked to the current main record: its header, each record, its footer.
void Renderer::placeSubreport(int index)
{
    const PreparedSubreport& sub = report_.subreports()[static_cast<std::size_t>(index)];
    std::vector<formula::Value> links;
    for (int link : sub.mainLinks)
        links.push_back(evaluator_.value(link));
    const auto [first, end] = sub.linkedRecords(linkKey(links));
    if (first == end)
        return;
    formula::Evaluator& e = *subEvaluators_[static_cast<std::size_t>(index)];
    Totals& totals = subTotals_[static_cast<std::size_t>(index)];
    totals.clear();
    e.setRecord(first);
    placeAll(sub.header, {e, totals});
    for (long record = first; record < end; ++record) {
        e.setRecord(record);
        if (!paginator_.fits(visibleHeight(sub.details, e)) && paginator_.hasBody())
            turnPage();
        totals.accumulate(e);
        placeAll(sub.details, {e, totals});
    }
    e.setRecord(end - 1);
    placeAll(sub.footer, {e, totals});
}

void Renderer::pageHeading()
{
    placeAll(report_.pageHeader(), {evaluator_, totals_}, true);
    if (recordPlaced_)
        placeAll(report_.broughtForward(), {evaluator_, totals_}, true);
    for (std::size_t g = 0; g < open_.size(); ++g)
        if (open_[g] && report_.groups()[g].repeatHeader)
            placeAll(report_.groups()[g].headers, {evaluator_, totals_}, true);
}

// Sections at a fixed place at the foot of the page.
void Renderer::drawFixed(const std::vector<CompiledSection>& sections, double top)
{
    for (const CompiledSection& s : sections) {
        if (!visible(s, evaluator_))
            continue;
        draw(s, top, {evaluator_, totals_});
        top += s.section->height;
    }
}

void Renderer::turnPage()
{
    if (recordPlaced_)
        drawFixed(report_.carriedForward(), carriedTop_);
    drawFixed(report_.pageFooter(), footerTop_);
    canvas_.newPage();
    paginator_.nextPage();
    totals_.startPage();
    pageHeading();
}

} // namespace

int renderReport(const PreparedReport& report, const PrintContext& context, PageCanvas& canvas)
{
    return Renderer(report, context, canvas).run();
}

} // namespace report
