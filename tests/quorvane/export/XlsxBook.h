#pragma once
// A spreadsheet file read back for a test: the zip opened with libzip, the sheets' XML read with Qt's
// stream reader into rows of cells, each cell with its type, its value and the number format of its style.

#include <zip.h>

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <map>
#include <optional>
#include <vector>

namespace xlsxtest {

struct Cell {
    QString type;          // "n" for a number, "inlineStr" for a text
    QString value;
    QString numberFormat;  // of the cell's style; "" for the general format
};

struct Row {
    int number = 0;        // from 1
    int outlineLevel = 0;
    std::map<int, Cell> cells;   // by column, from 0

    QString text(int column) const { return cells.count(column) ? cells.at(column).value : QString(); }
    // A number cell's value to the cent.
    std::optional<qint64> cents(int column) const
    {
        if (!cells.count(column) || cells.at(column).type != QLatin1String("n"))
            return std::nullopt;
        return qRound64(cells.at(column).value.toDouble() * 100);
    }
};

struct Sheet {
    QString name;
    std::vector<Row> rows;
    QByteArray xml;
};

class XlsxBook {
public:
    explicit XlsxBook(const QString& path)
    {
        int error = 0;
        zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
        if (!archive)
            return;
        readStyles(member(archive, "xl/styles.xml"));
        const std::vector<QString> names = sheetNames(member(archive, "xl/workbook.xml"));
        for (std::size_t i = 0; i < names.size(); ++i) {
            const QByteArray xml = member(archive, "xl/worksheets/sheet" + QByteArray::number(int(i) + 1) + ".xml");
            sheets.push_back({names[i], readRows(xml), xml});
        }
        zip_close(archive);
        open = true;
    }

    bool open = false;
    std::vector<Sheet> sheets;

private:
    static QByteArray member(zip_t* archive, const QByteArray& name)
    {
        zip_stat_t stat;
        zip_file_t* file =
            zip_stat(archive, name.constData(), 0, &stat) == 0 ? zip_fopen(archive, name.constData(), 0) : nullptr;
        if (!file)
            return {};
        QByteArray data(static_cast<qsizetype>(stat.size), '\0');
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        return data;
    }

    static std::vector<QString> sheetNames(const QByteArray& workbook)
    {
        std::vector<QString> names;
        for (QXmlStreamReader xml(workbook); !xml.atEnd();)
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("sheet"))
                names.push_back(xml.attributes().value("name").toString());
        return names;
    }

    // The number format of each cell style (cellXfs), by style index.
    void readStyles(const QByteArray& styles)
    {
        std::map<int, QString> codes;
        bool inCellStyles = false;
        for (QXmlStreamReader xml(styles); !xml.atEnd();) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("numFmt"))
                codes[xml.attributes().value("numFmtId").toInt()] = xml.attributes().value("formatCode").toString();
            else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("cellXfs"))
                inCellStyles = true;
            else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("cellXfs"))
                inCellStyles = false;
            else if (token == QXmlStreamReader::StartElement && inCellStyles && xml.name() == QLatin1String("xf"))
                styleFormats_.push_back(codes[xml.attributes().value("numFmtId").toInt()]);
        }
    }

    static int columnOf(QStringView reference)
    {
        int column = 0;
        for (QChar c : reference) {
            if (!c.isLetter())
                break;
            column = column * 26 + (c.unicode() - 'A' + 1);
        }
        return column - 1;
    }

    std::vector<Row> readRows(const QByteArray& sheet) const
    {
        std::vector<Row> rows;
        Cell* cell = nullptr;
        for (QXmlStreamReader xml(sheet); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == QLatin1String("row")) {
                rows.push_back({a.value("r").toInt(), a.value("outlineLevel").toInt(), {}});
            } else if (xml.name() == QLatin1String("c")) {
                cell = &rows.back().cells[columnOf(a.value("r"))];
                cell->type = a.hasAttribute("t") ? a.value("t").toString() : QStringLiteral("n");
                const int style = a.value("s").toInt();
                cell->numberFormat = style < int(styleFormats_.size()) ? styleFormats_[std::size_t(style)] : QString();
            } else if ((xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t")) && cell) {
                cell->value = xml.readElementText();
            }
        }
        return rows;
    }

    std::vector<QString> styleFormats_;
};

} // namespace xlsxtest
