#include "report/Renderer.h"

#include "report/PageCanvas.h"
#include "report/Paginator.h"
#include "report/formula/TextFormat.h"

#include "tsql/Collation.h"

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

// A missing value, or a text that is empty once its trailing blanks are gone.
bool noValue(const formula::Value& v)
{
    return v.isNull() || (v.type() == formula::ValueType::Text && tsql::compareText(v.text(), "") == 0);
}

// Two records are in the same group when their values are equal, texts as the company database compares
// them (without regard to case, trailing blanks ignored, accents kept: the order they were sorted in), and
// a missing value together with an empty text, as the ledger's tree shows them in one group.
bool sameGroup(const formula::Value& a, const formula::Value& b)
{
    if (noValue(a) || noValue(b))
        return noValue(a) && noValue(b);
    if (a.type() == formula::ValueType::Text && b.type() == formula::ValueType::Text)
        return tsql::compareText(a.text(), b.text()) == 0;
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
    // An object's text, and whether it may be cut: a number never is.
    struct Shown {
        QString text;
        TextFit fit = TextFit::Shorten;
    };
    Shown objectText(const CompiledObject& object, Scope scope) const;
    QString formatted(const formula::Value& value, const CompiledObject& object, formula::Evaluator& e) const;
    std::string special(const ReportObject& object) const;

    std::size_t firstChangedGroup(long record);
    void openGroups(std::size_t from, long record, std::size_t closing);
    double footersHeight(std::size_t closing);
    void closeGroups(std::size_t from, long lastRecord);
    void placeRecord(std::size_t closing);
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
    bool onlyReportHeader_ = false;   // the page holds the report header and nothing of the records yet
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
    onlyReportHeader_ = paginator_.hasBody();
    std::size_t changed = 0;
    for (long record = 0; record < count; ++record) {
        if (record > 0 && changed < open_.size())
            closeGroups(changed, record - 1);
        // The groups the next record closes: their footers come right after this record.
        const std::size_t closing = record + 1 < count ? firstChangedGroup(record + 1) : 0;
        if (changed < open_.size())
            openGroups(changed, record, closing);
        evaluator_.setRecord(record);
        placeRecord(closing);
        changed = closing;
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
        if (o.object->kind == ReportObject::Kind::Special && o.object->special == SpecialField::PageOfPages) {
            canvas_.drawTextEndingInPageCount(
                *o.object, QString::fromStdString(o.object->text) + QStringLiteral("%1 di ").arg(paginator_.page()), top);
            continue;
        }
        switch (o.object->kind) {
        case ReportObject::Kind::Line: canvas_.drawLine(*o.object, top); break;
        case ReportObject::Kind::Box: canvas_.drawBox(*o.object, top); break;
        case ReportObject::Kind::Subreport: break;
        default: {
            const Shown shown = objectText(o, scope);
            canvas_.drawText(*o.object, shown.text, top, shown.fit);
            break;
        }
        }
    }
}

Renderer::Shown Renderer::objectText(const CompiledObject& o, Scope scope) const
{
    switch (o.object->kind) {
    case ReportObject::Kind::Text: return {QString::fromStdString(o.object->text)};
    case ReportObject::Kind::Field: {
        const formula::Value value = scope.evaluator.value(o.value);
        return {formatted(value, o, scope.evaluator),
                value.type() == formula::ValueType::Number ? TextFit::Shrink : TextFit::Shorten};
    }
    case ReportObject::Kind::Summary:
        return {formatted(formula::Value(scope.totals.value(o.summary)), o, scope.evaluator), TextFit::Shrink};
    case ReportObject::Kind::Special: {
        // A prefix introduces a value: with no value there is nothing to introduce.
        const std::string value = special(*o.object);
        return {value.empty() ? QString() : QString::fromStdString(o.object->text + value)};
    }
    default: return {};
    }
}

// Numbers in the Italian way with the object's decimals (the number's own when the object gives none),
// dates dd/mm/yyyy, null as nothing.
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
    return QString::fromStdString(formula::formatNumber(n, std::clamp(decimals, 0, 20), o.object->thousands ? "." : ""));
}

std::string Renderer::special(const ReportObject& object) const
{
    switch (object.special) {
    case SpecialField::PageNumber:
    case SpecialField::PageOfPages: return std::to_string(paginator_.page());
    case SpecialField::PrintDate: return formula::formatDate(context_.printDate);
    case SpecialField::Title: return context_.title;
    case SpecialField::CompanyName: return context_.companyName;
    case SpecialField::CompanyAddress: return context_.companyAddress;
    case SpecialField::CompanyTown: return context_.companyTown;
    case SpecialField::CompanyVatNumber: return context_.companyVatNumber;
    case SpecialField::UserName: return context_.userName;
    case SpecialField::Currency: return context_.currency;
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
// page holds nothing below its headings (or only the report header) yet; a header that would not fit
// together with the headers inside it, the record's details and the footers closing right after it moves
// to the next page rather than stay alone at the foot.
void Renderer::openGroups(std::size_t from, long record, std::size_t closing)
{
    evaluator_.setRecord(record);
    const auto& groups = report_.groups();
    for (std::size_t g = from; g < groups.size(); ++g) {
        totals_.startGroup(groups[g].level);
        const std::vector<const CompiledSection*> headers = visibleOf(groups[g].headers, evaluator_);
        bool newPage = false;
        for (const CompiledSection* h : headers)
            newPage = newPage || (h->newPageBefore >= 0 && evaluator_.isTrue(h->newPageBefore));
        double needed = visibleHeight(report_.details(), evaluator_) + footersHeight(closing);
        for (std::size_t inner = g; inner < groups.size(); ++inner)
            needed += visibleHeight(groups[inner].headers, evaluator_);
        // The report header (the selection block) is no group's page: the first group starts below it.
        if (((newPage && !onlyReportHeader_) || !paginator_.fits(needed)) && paginator_.hasBody())
            turnPage();
        onlyReportHeader_ = false;
        open_[g] = true;
        for (const CompiledSection* h : headers)
            place(*h, {evaluator_, totals_});
    }
}

// The footers of the groups from `closing` inwards, as the current record shows them.
double Renderer::footersHeight(std::size_t closing)
{
    double height = 0;
    for (std::size_t g = closing; g < open_.size(); ++g)
        height += visibleHeight(report_.groups()[g].footers, evaluator_);
    return height;
}

// The record's detail sections stay together, and the last record of a group stays with the footers that
// close it, so that no footer starts a page alone. The record adds to the summaries once it is on its
// page, so that the carried-forward figures at the foot of a page are those of the records printed on it.
void Renderer::placeRecord(std::size_t closing)
{
    const std::vector<const CompiledSection*> details = visibleOf(report_.details(), evaluator_);
    double height = 0;
    for (const CompiledSection* s : details)
        height += s->section->height;
    if (!paginator_.fits(height + footersHeight(closing)) && paginator_.hasBody())
        turnPage();
    onlyReportHeader_ = false;
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
        // Lines that run onto the next page come under their heading again.
        if (!paginator_.fits(visibleHeight(sub.details, e)) && paginator_.hasBody()) {
            turnPage();
            placeAll(sub.header, {e, totals}, true);
        }
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
