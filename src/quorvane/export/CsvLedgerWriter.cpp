#include "export/CsvLedgerWriter.h"

#include "export/CsvField.h"
#include "hostfw/Phrases.h"

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
        field(hostfw::userText("Gruppo").toStdString() + " " + level.Caption, std::exchange(first, false));
    }
    for (const ExportColumn& column : columns.all())
        field(column.grid.caption.toStdString(), std::exchange(first, false));
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
        field(group, std::exchange(first, false));
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const ExportColumn& column = columns_[c];
        const bool numeric = column.kind == CellKind::Number || column.kind == CellKind::Measure;
        field(numeric ? number(cells_.value(c, rows, row), column) : cells_.text(c, rows, row),
              std::exchange(first, false));
    }
    endLine();
}

// Numbers are written plain, without digit groups: amounts and quantities exactly at the decimals the grid
// shows them with, the decimal point as chosen.
std::string CsvLedgerWriter::number(const db::Value& value, const ExportColumn& column) const
{
    if (!value.isNumber())
        return {};
    std::string text = value.toText();
    if (column.kind == CellKind::Measure) {
        const db::Decimal exact =
            value.isDecimal() ? value.asDecimal() : db::Decimal::fromDouble(value.toDouble(), column.decimals);
        text = exact.rescaled(column.decimals).toString();
    }
    std::replace(text.begin(), text.end(), '.', options_.decimalPoint);
    return text;
}

void CsvLedgerWriter::field(std::string_view text, bool first)
{
    if (!first)
        line_ += options_.separator;
    line_ += csvField(text, options_.separator);
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
