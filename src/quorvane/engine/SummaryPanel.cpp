#include "engine/SummaryPanel.h"

#include "engine/FieldNumber.h"
#include "engine/NumberFormat.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace quorvane {
namespace {

// The words' host text numbers: no limit, equal to, from, to, between.
constexpr int textUnrestricted = 38984, textExact = 36651, textFrom = 37421, textTo = 58966, textRange = 76372;

constexpr TotalsFields groupedTotalsFields{"TXT_TOTGENDARE", "TXT_TOTGENAVERE", "TXT_TOTGENSALDO", "TXT_TOTGENQUANTITA"};
constexpr TotalsFields ungroupedTotalsFields{"TXT_TOTNOGRUPPODARE", "TXT_TOTNOGRUPPOAVERE", "TXT_TOTNOGRUPPOSALDO",
                                             "TXT_TOTNOGRUPPOQUANTITA"};

std::string dateText(const std::optional<QDate>& date)
{
    return date ? date->toString(QStringLiteral("dd/MM/yyyy")).toStdString() : std::string();
}

std::string registrationDates(const SummarySources& s)
{
    const std::string from = dateText(s.selection.TXT_DATAREGDA), to = dateText(s.selection.TXT_DATAREGA);
    if (from.empty() && to.empty())
        return s.words.unrestricted;
    if (to.empty())
        return s.words.from + " " + from;
    if (from.empty())
        return s.words.to + " " + to;
    return s.words.range + " " + from + " / " + to;
}

// The five cases of an amount or quantity criterion; none for a selector value outside them.
std::optional<std::string> bandCriterion(const SummarySources& s, const std::string& selector, const std::string& value,
                                         const std::string& percent, const std::string& format, const char* field)
{
    const std::string number = formatNumber(fieldNumber(value, field).value_or(0), format, s.formats.language);
    if (selector == "0")
        return s.words.unrestricted;
    if (selector == "1")
        return s.words.exact + " " + number;
    if (selector == "2")
        return s.words.from + " " + number;
    if (selector == "3")
        return s.words.to + " " + number;
    if (selector == "4")
        return number + " +/- " + percent + "%";
    return std::nullopt;
}

// The month's name in the user's language: "gennaio", "January".
std::string monthName(const std::string& month, hostfw::Language language)
{
    const auto number = fieldNumber(month, "competence month").value_or(0);
    if (number < 1 || number > 12)
        return {};
    const QLocale locale(language == hostfw::Language::English ? QLocale::English : QLocale::Italian);
    return locale.monthName(static_cast<int>(number), QLocale::LongFormat).toStdString();
}

std::string competencePeriod(const SummarySources& s)
{
    const SelectionParameters& p = s.selection;
    if (p.CHK_PERIODOCOMP != "1")
        return s.words.unrestricted;
    const hostfw::Language language = s.formats.language;
    return s.words.range + " " + monthName(p.CBO_MESELI, language) + " " + p.TXT_ANNOLI + " / "
           + monthName(p.CBO_MESELS, language) + " " + p.TXT_ANNOLS;
}

void setAccount(ControlCaptions& captions, const SummarySources& s)
{
    const std::string& kind = s.selection.CBO_SELCONTOVDS;
    if (kind == "0" || kind == "1")
        captions["TXT_RIEPCONTO"] = accountSummary(s.selection.TXT_CONTO, s.accountDescription) + " ";
    else if (kind == "2")
        captions["TXT_RIEPCONTO"] = s.advancedAccountText;
}

void setBand(ControlCaptions& captions, const char* control, const std::optional<std::string>& text)
{
    if (text)
        captions[control] = *text + " ";
}

} // namespace

SummaryWords SummaryWords::of(const hostfw::Translator& translator)
{
    const auto text = [&](int number) { return translator.text(number).toStdString(); };
    return {text(textUnrestricted), text(textExact), text(textFrom), text(textTo), text(textRange)};
}

std::string summaryAccountDescription(const hostfw::CostLookupDecode* chart, const std::string& code)
{
    if (!chart || code.empty())
        return {};
    return chart->Decode(QString::fromStdString(code)).value_or(QString()).toStdString();
}

std::string accountSummary(const std::string& code, const std::string& description)
{
    const QString text = QString::fromStdString("\"" + code + "\" - " + description);
    if (static_cast<std::size_t>(text.size()) <= accountSummaryLength)
        return text.toStdString();
    return (text.left(static_cast<qsizetype>(accountSummaryLength) - 4) + QStringLiteral(" ...")).toStdString();
}

ControlCaptions AggiornamentoSpecchiettoRiepilogativo(const SummarySources& s)
{
    const SelectionParameters& p = s.selection;
    ControlCaptions captions;
    setAccount(captions, s);
    captions["TXT_RIEPMOV"] = s.movementTypeCaption;
    captions["TXT_RIEPDATAREG"] = registrationDates(s) + " ";
    setBand(captions, "TXT_RIEPIMPORTO",
            bandCriterion(s, p.CBO_SELPERIMP, p.TXT_IMPORTO, p.TXT_PERC, s.formats.amountFormat, "TXT_IMPORTO"));
    setBand(captions, "TXT_RIEPQTA",
            bandCriterion(s, p.CBO_SELPERQTA, p.TXT_QUANTITA, p.TXT_PERCQTA, s.formats.quantityFormat, "TXT_QUANTITA"));
    captions["TXT_RIEPCOMP"] = competencePeriod(s) + " ";
    captions["LBL_TOTVAL"] = s.countervalue.currencyCode();
    captions["LBL_PARTVAL"] = s.countervalue.currencyCode();
    setTotalsCaptions(captions, s.grouped ? groupedTotalsFields : ungroupedTotalsFields, s.totals, s.formats,
                      s.countervalue);
    return captions;
}

} // namespace quorvane
