#include "export/CsvLedgerWriter.h"

#include "engine/LedgerAmount.h"
#include "export/CellText.h"
#include "export/CsvField.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace quorvane::exporting {
namespace {

constexpr const char* byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t bufferBytes = 1 << 20;

} // namespace

CsvLedgerWriter::CsvLedgerWriter(const ExportTarget& target, const ExportColumns& columns, const LineCells& cells,
                                 const ArrayRotture& levels, CsvOptions options)
    : target_(target), columns_(columns), cells_(cells), options_(options), path_(levels.size())
{
    file_ = std::fopen(target.temporaryPath().c_str(), "wb");
    if (!file_)
        target.fail(std::strerror(errno));
    std::setvbuf(file_, nullptr, _IOFBF, bufferBytes);
    line_ = byteOrderMark;
    bool first = true;
    for (const Rottura& level : levels) {
        textField("Gruppo " + level.Caption, std::exchange(first, false));
    }
    for (const ExportColumn& column : columns.all())
        textField(column.grid.caption.toStdString(), std::exchange(first, false));
    endLine();
}

CsvLedgerWriter::~CsvLedgerWriter()
{
    if (file_)
        std::fclose(file_);
}

void CsvLedgerWriter::groupOpened(const GroupNode& group, int)
{
    std::fill(path_.begin(), path_.end(), std::string());
    for (const GroupNode* node = &group; node; node = node->parent) {
        if (node->level >= 1 && static_cast<std::size_t>(node->level) <= path_.size())
            path_[static_cast<std::size_t>(node->level) - 1] = node->text;
    }
}

void CsvLedgerWriter::line(const db::Recordset& rows, long row, int)
{
    bool first = true;
    for (const std::string& group : path_)
        textField(group, std::exchange(first, false));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const ExportColumn& column = columns_[c];
        const bool numeric = column.kind == CellKind::Number || column.kind == CellKind::Measure;
        if (numeric)
            field(number(cells_.value(c, rows, row), column), std::exchange(first, false));
        else
            textField(cells_.text(c, rows, row), std::exchange(first, false));
    }
    endLine();
}

// Numbers are written plain, without digit groups, the decimal point as chosen: amounts and quantities
// exactly as the ledger holds them (a quantity pro-rated over a competence period keeps its decimals, so
// that a group's lines add up to the group's total), at least at the decimals the grid shows.
std::string CsvLedgerWriter::number(const db::Value& value, const ExportColumn& column) const
{
    if (!value.isNumber())
        return {};
    std::string text = column.kind == CellKind::Measure
                           ? withoutTrailingZeros(ledgerAmount(value), column.decimals).toString()
                           : value.toText();
    std::replace(text.begin(), text.end(), '.', options_.decimalPoint);
    return text;
}

void CsvLedgerWriter::field(std::string_view text, bool first)
{
    if (!first)
        line_ += options_.separator;
    line_ += csvField(text, options_.separator);
}

// A text the file can hold and a spreadsheet opening it does not run.
void CsvLedgerWriter::textField(std::string_view text, bool first)
{
    CellText cell = holdableText(text);
    shortenedCells_ += cell.shortened ? 1 : 0;
    field(inertText(std::move(cell.text)), first);
}

void CsvLedgerWriter::endLine()
{
    line_ += "\r\n";
    if (std::fwrite(line_.data(), 1, line_.size(), file_) != line_.size())
        target_.fail(std::strerror(errno));
    line_.clear();
}

void CsvLedgerWriter::close()
{
    const bool failed = std::ferror(file_) != 0;
    const int closed = std::fclose(std::exchange(file_, nullptr));
    if (failed || closed != 0)
        target_.fail(std::strerror(errno ? errno : EIO));
}

} // namespace quorvane::exporting
