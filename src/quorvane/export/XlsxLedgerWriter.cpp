#include "export/XlsxLedgerWriter.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <utility>

namespace quorvane::exporting {
namespace {

constexpr const char* sheetName = "Partitario";
constexpr int deepestOutlineLevel = 7;          // the spreadsheet's own limit
constexpr double datesFromEpoch = 25569;        // the spreadsheet's day number of 1 January 1970
constexpr int screenDotsPerInch = 96;
// Above so many cells the sheet's XML may pass 4 GB, which only the zip container's 64-bit extensions hold.
constexpr double zip64Cells = 20e6;

std::string sheetNameOf(int sheet)
{
    return sheet == 1 ? sheetName : std::string(sheetName) + " (" + std::to_string(sheet) + ")";
}

std::string measurePattern(int decimals)
{
    return decimals > 0 ? "#,##0." + std::string(static_cast<std::size_t>(decimals), '0') : "#,##0";
}

lxw_row_col_options outline(int level)
{
    lxw_row_col_options options{};
    options.level = static_cast<uint8_t>(std::clamp(level, 0, deepestOutlineLevel));
    return options;
}

} // namespace

XlsxLedgerWriter::XlsxLedgerWriter(const ExportTarget& target, const ExportHeading& heading,
                                   const ExportColumns& columns, const LineCells& cells, long lines,
                                   long rowsPerSheet)
    : target_(target), heading_(heading), columns_(columns), cells_(cells), rowsPerSheet_(rowsPerSheet)
{
    // The library's own temporary files go beside the export, on the disk the user chose for it.
    std::string folder = std::filesystem::path(target.temporaryPath()).parent_path().string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.empty() ? nullptr : folder.data();
    options.use_zip64 = double(lines) * double(columns.size()) > zip64Cells ? LXW_TRUE : LXW_FALSE;
    workbook_ = workbook_new_opt(target.temporaryPath().c_str(), &options);
    if (!workbook_)
        target.fail("the workbook cannot be created");
    createFormats();
    startSheet();
}

// An export that failed or was cancelled is dropped without assembling the file: the library's own
// temporary files go with the workbook, and the target removes its empty file.
XlsxLedgerWriter::~XlsxLedgerWriter()
{
    if (workbook_)
        lxw_workbook_free(workbook_);
}

void XlsxLedgerWriter::createFormats()
{
    formats_.title = workbook_add_format(workbook_);
    format_set_bold(formats_.title);
    format_set_font_size(formats_.title, 14);
    formats_.bold = workbook_add_format(workbook_);
    format_set_bold(formats_.bold);
    formats_.caption = workbook_add_format(workbook_);
    format_set_bold(formats_.caption);
    format_set_bottom(formats_.caption, LXW_BORDER_THIN);
    formats_.date = workbook_add_format(workbook_);
    format_set_num_format(formats_.date, "dd/mm/yyyy");
    for (const ExportColumn& column : columns_.all()) {
        if (column.kind == CellKind::Measure) {
            measureFormat(column.decimals, false);
            measureFormat(column.decimals, true);
        }
    }
}

lxw_format* XlsxLedgerWriter::measureFormat(int decimals, bool bold)
{
    std::map<int, lxw_format*>& formats = bold ? formats_.boldMeasures : formats_.measures;
    lxw_format*& format = formats[decimals];
    if (!format) {
        format = workbook_add_format(workbook_);
        format_set_num_format(format, measurePattern(decimals).c_str());
        if (bold)
            format_set_bold(format);
    }
    return format;
}

void XlsxLedgerWriter::startSheet()
{
    ++sheets_;
    captionRow_ = std::numeric_limits<long>::max();   // no move to another sheet before the captions
    sheet_ = workbook_add_worksheet(workbook_, sheetNameOf(sheets_).c_str());
    if (!sheet_)
        target_.fail("the sheet " + sheetNameOf(sheets_) + " cannot be created");
    row_ = -1;
    // Group totals stand below their lines, as in the ledger window.
    worksheet_outline_settings(sheet_, LXW_TRUE, LXW_TRUE, LXW_FALSE, LXW_FALSE);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const int pixels = controls::twipsToPixels(columns_[c].grid.widthTwips, screenDotsPerInch);
        check(worksheet_set_column_pixels(sheet_, lxw_col_t(c), lxw_col_t(c), pixels, nullptr));
    }
    writeHeading();
    writeCaptions();
}

void XlsxLedgerWriter::writeHeading()
{
    writeText(nextRow(0), 0, heading_.title, formats_.title);
    if (sheets_ > 1) {
        writeText(nextRow(0), 0, "Seguito del foglio \"" + sheetNameOf(sheets_ - 1) + "\"", formats_.bold);
    } else {
        writeText(nextRow(0), 0, heading_.company, formats_.bold);
        for (const std::string& criterion : heading_.criteria)
            writeText(nextRow(0), 0, criterion, nullptr);
        if (!heading_.group.empty())
            writeText(nextRow(0), 0, "Gruppo: " + heading_.group, formats_.bold);
    }
    nextRow(0);
}

// The captions' row stays in view while the lines scroll, and filters the columns.
void XlsxLedgerWriter::writeCaptions()
{
    captionRow_ = nextRow(0);
    for (std::size_t c = 0; c < columns_.size(); ++c)
        writeText(captionRow_, c, columns_[c].grid.caption.toStdString(), formats_.caption);
    worksheet_freeze_panes(sheet_, lxw_row_t(captionRow_ + 1), 0);
}

void XlsxLedgerWriter::finishSheet()
{
    if (!columns_.size())
        return;
    check(worksheet_autofilter(sheet_, lxw_row_t(captionRow_), 0, lxw_row_t(row_), lxw_col_t(columns_.size() - 1)));
}

// The next row of the sheet at the outline level. On the last row of a full sheet the ledger moves on to a
// new sheet and the full one says where it goes on; every sheet holds at least one row under its captions.
long XlsxLedgerWriter::nextRow(int level)
{
    if (row_ + 2 >= rowsPerSheet_ && row_ > captionRow_) {
        writeText(++row_, 0, "Continua nel foglio \"" + sheetNameOf(sheets_ + 1) + "\"", formats_.bold);
        finishSheet();
        startSheet();
    }
    ++row_;
    if (level > 0) {
        lxw_row_col_options options = outline(level);
        check(worksheet_set_row_opt(sheet_, lxw_row_t(row_), LXW_DEF_ROW_HEIGHT, nullptr, &options));
    }
    return row_;
}

void XlsxLedgerWriter::writeText(long row, std::size_t column, const std::string& text, lxw_format* format)
{
    if (!text.empty())
        check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column), text.c_str(), format));
}

void XlsxLedgerWriter::writeNumber(long row, std::size_t column, double number, lxw_format* format)
{
    check(worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(column), number, format));
}

void XlsxLedgerWriter::groupOpened(const GroupNode& group, int depth)
{
    writeText(nextRow(depth - 1), 0, group.text, formats_.bold);
}

void XlsxLedgerWriter::line(const db::Recordset& rows, long viewRow, int depth)
{
    const long row = nextRow(depth);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const ExportColumn& column = columns_[c];
        switch (column.kind) {
        case CellKind::Text:
            writeText(row, c, cells_.text(c, rows, viewRow), nullptr);
            break;
        case CellKind::Date:
            if (const db::Value date = cells_.value(c, rows, viewRow); date.isDateTime())
                writeNumber(row, c, double(date.asDateTime().daysSinceEpoch()) + datesFromEpoch, formats_.date);
            break;
        case CellKind::Number:
        case CellKind::Measure:
            if (const db::Value number = cells_.value(c, rows, viewRow); number.isNumber())
                writeNumber(row, c, number.toDouble(),
                            column.kind == CellKind::Measure ? measureFormat(column.decimals, false) : nullptr);
            break;
        }
    }
}

void XlsxLedgerWriter::groupClosed(const GroupNode& group, int depth, const SelectionTotals& totals)
{
    writeTotals(nextRow(depth - 1), "Totale " + group.text, totals);
}

void XlsxLedgerWriter::ledgerClosed(const SelectionTotals& totals)
{
    writeTotals(nextRow(0), "Totale selezione", totals);
}

// The label, then debit, credit, balance and quantity under their columns, where the grid shows them.
void XlsxLedgerWriter::writeTotals(long row, const std::string& label, const SelectionTotals& totals)
{
    writeText(row, 0, label, formats_.bold);
    const std::pair<const char*, const db::Decimal*> sums[] = {
        {"DARE", &totals.debit}, {"AVERE", &totals.credit}, {"SALDO", &totals.balance}, {"QUANTITA", &totals.quantity}};
    for (const auto& [key, sum] : sums) {
        if (const auto column = columns_.find(key))
            writeNumber(row, *column, sum->toDouble(), measureFormat(columns_[*column].decimals, true));
    }
}

void XlsxLedgerWriter::close()
{
    finishSheet();
    const lxw_error error = workbook_close(std::exchange(workbook_, nullptr));
    check(error);
}

void XlsxLedgerWriter::check(int error) const
{
    if (error != LXW_NO_ERROR)
        target_.fail(lxw_strerror(static_cast<lxw_error>(error)));
}

} // namespace quorvane::exporting
