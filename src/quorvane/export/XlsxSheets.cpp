#include "export/XlsxSheets.h"

#include "export/CellText.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace quorvane::exporting {
namespace {

constexpr const char* sheetName = "Partitario";
constexpr int deepestOutlineLevel = 7;          // the spreadsheet's own limit
constexpr std::size_t cellCharacters = 32767;   // the most characters a cell holds
// Above so many cells the sheet's XML may pass 4 GB, which only the zip container's 64-bit extensions hold.
constexpr double zip64Cells = 20e6;

// Where the character after the first `count` characters of a UTF-8 text begins (its size when shorter).
std::size_t byteOfCharacter(const std::string& text, std::size_t count)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && count-- == 0)
            return at;
    }
    return text.size();
}

// What failed, in the export's words: the library's own names ("Zip generic error") say nothing to the user.
std::string failureText(lxw_error error, int systemError)
{
    const std::string cause = systemError != 0 ? std::string(": ") + std::strerror(systemError) : std::string();
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return "there is not enough memory for the spreadsheet";
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE: return "the spreadsheet's working files beside it could not be written" + cause;
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE: return "the spreadsheet could not be written whole (the disk is full, or the file may "
                                     "not grow)" + cause;
    default: return std::string("the spreadsheet could not be assembled: ") + lxw_strerror(error);
    }
}

// The library prints its own lines on standard error as its assembly fails; the export says what failed
// once, in its own message, so they are kept off the user's terminal while the file is assembled.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0)
            ::dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            ::close(nowhere);
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

std::string sheetNameOf(int sheet)
{
    return sheet == 1 ? sheetName : std::string(sheetName) + " (" + std::to_string(sheet) + ")";
}

std::string measurePattern(int decimals)
{
    return decimals > 0 ? "#,##0." + std::string(static_cast<std::size_t>(decimals), '0') : "#,##0";
}

} // namespace

XlsxSheets::XlsxSheets(const ExportTarget& target, const ExportHeading& heading, const ExportColumns& columns,
                       long lines, long rowsPerSheet)
    : target_(target), heading_(heading), columns_(columns), rowsPerSheet_(rowsPerSheet)
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

// The library's own temporary files go with the workbook; the target removes its empty file.
XlsxSheets::~XlsxSheets()
{
    if (workbook_)
        lxw_workbook_free(workbook_);
}

void XlsxSheets::createFormats()
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
}

lxw_format* XlsxSheets::measureFormat(int decimals, bool bold)
{
    lxw_format*& format = formats_.measures[{decimals, bold}];
    if (!format) {
        format = workbook_add_format(workbook_);
        format_set_num_format(format, measurePattern(decimals).c_str());
        if (bold)
            format_set_bold(format);
    }
    return format;
}

lxw_format* XlsxSheets::formatOf(const SheetCell& cell)
{
    switch (cell.style) {
    case CellStyle::Plain: return nullptr;
    case CellStyle::Bold: return formats_.bold;
    case CellStyle::Date: return formats_.date;
    case CellStyle::Measure: return measureFormat(cell.decimals, false);
    case CellStyle::BoldMeasure: return measureFormat(cell.decimals, true);
    }
    return nullptr;
}

void XlsxSheets::startSheet()
{
    ++sheets_;
    captionRow_ = std::numeric_limits<long>::max();   // no move to another sheet before the captions
    sheet_ = workbook_add_worksheet(workbook_, sheetNameOf(sheets_).c_str());
    if (!sheet_)
        target_.fail("the sheet " + sheetNameOf(sheets_) + " cannot be created");
    row_ = -1;
    // Group totals stand below their lines, as in the ledger window.
    worksheet_outline_settings(sheet_, LXW_TRUE, LXW_TRUE, LXW_FALSE, LXW_FALSE);
    // A spreadsheet's column width counts digits of its default font, as the grid's widths do.
    for (std::size_t c = 0; c < columns_.size(); ++c)
        check(worksheet_set_column(sheet_, lxw_col_t(c), lxw_col_t(c), columns_[c].digits, nullptr));
    writeHeading();
    writeCaptions();
}

void XlsxSheets::writeHeading()
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
        if (!heading_.totalsCurrency.empty())
            writeText(nextRow(0), 0, heading_.totalsCurrency, formats_.bold);
    }
    nextRow(0);
}

// The captions' row stays in view while the lines scroll, and filters the columns.
void XlsxSheets::writeCaptions()
{
    captionRow_ = nextRow(0);
    for (std::size_t c = 0; c < columns_.size(); ++c)
        writeText(captionRow_, c, columns_[c].grid.caption.toStdString(), formats_.caption);
    worksheet_freeze_panes(sheet_, lxw_row_t(captionRow_ + 1), 0);
}

void XlsxSheets::finishSheet()
{
    if (columns_.size() > 0)
        check(worksheet_autofilter(sheet_, lxw_row_t(captionRow_), 0, lxw_row_t(row_),
                                   lxw_col_t(columns_.size() - 1)));
}

// The next row of the sheet at the outline level. On the last row of a full sheet the ledger moves on to a
// new sheet and the full one says where it goes on; every sheet holds at least one row under its captions.
long XlsxSheets::nextRow(int level)
{
    if (row_ + 2 >= rowsPerSheet_ && row_ > captionRow_) {
        writeText(++row_, 0, "Continua nel foglio \"" + sheetNameOf(sheets_ + 1) + "\"", formats_.bold);
        finishSheet();
        startSheet();
    }
    ++row_;
    if (level > 0) {
        lxw_row_col_options options{};
        options.level = static_cast<uint8_t>(std::min(level, deepestOutlineLevel));
        check(worksheet_set_row_opt(sheet_, lxw_row_t(row_), LXW_DEF_ROW_HEIGHT, nullptr, &options));
    }
    return row_;
}

void XlsxSheets::writeText(long row, std::size_t column, const std::string& text, lxw_format* format)
{
    CellText cell = holdableText(text);
    std::string escaped = spreadsheetEscaped(cell.text);
    if (const std::size_t end = byteOfCharacter(escaped, cellCharacters); end < escaped.size()) {
        escaped.resize(end);
        cell.shortened = true;
    }
    shortenedCells_ += cell.shortened ? 1 : 0;
    if (!escaped.empty())
        check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column), escaped.c_str(), format));
}

void XlsxSheets::write(const SheetRow& sheetRow)
{
    const long row = nextRow(sheetRow.level);
    for (const SheetCell& cell : sheetRow.cells) {
        if (cell.text)
            writeText(row, cell.column, cell.words, formatOf(cell));
        else
            check(worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(cell.column), cell.number, formatOf(cell)));
    }
}

void XlsxSheets::close()
{
    finishSheet();
    int closed = LXW_NO_ERROR;
    {
        const QuietStandardError quiet;
        errno = 0;   // what the assembly meets, not an earlier failure, is its cause
        closed = workbook_close(std::exchange(workbook_, nullptr));
    }
    check(closed);
}

void XlsxSheets::check(int error) const
{
    if (error != LXW_NO_ERROR)
        target_.fail(failureText(static_cast<lxw_error>(error), errno));
}

} // namespace quorvane::exporting
