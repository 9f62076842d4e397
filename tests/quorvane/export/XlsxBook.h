#pragma once
// A spreadsheet file read back for a test: the zip opened with libzip, each sheet's XML read with Qt's stream
// reader into rows of cells, each cell with its type, its value and the number format of its style.

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

struct XlsxBook {
    explicit XlsxBook(const QString& path)
    {
        zip_t* archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, nullptr);
        if (!archive)
            return;
        readStyles(member(archive, "xl/styles.xml"));
        int number = 0;
        for (QXmlStreamReader book(member(archive, "xl/workbook.xml")); !book.atEnd();) {
            if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet")) {
                const QByteArray xml = member(archive, "xl/worksheets/sheet" + QByteArray::number(++number) + ".xml");
                sheets.push_back({book.attributes().value("name").toString(), readRows(xml), xml});
            }
        }
        zip_close(archive);
    }

    std::vector<Sheet> sheets;

private:
    static QByteArray member(zip_t* archive, const QByteArray& name)
    {
        zip_stat_t stat;
        const bool found = zip_stat(archive, name.constData(), 0, &stat) == 0;
        zip_file_t* file = found ? zip_fopen(archive, name.constData(), 0) : nullptr;
        QByteArray data(file ? static_cast<qsizetype>(stat.size) : 0, '\0');
        if (file && zip_fread(file, data.data(), stat.size) >= 0)
            zip_fclose(file);
        return data;
    }

    // The number format of each cell style (the cellXfs' xf elements, in order).
    void readStyles(const QByteArray& styles)
    {
        std::map<int, QString> codes;
        for (QXmlStreamReader xml(styles); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const int format = xml.attributes().value("numFmtId").toInt();
            if (xml.name() == QLatin1String("numFmt"))
                codes[format] = xml.attributes().value("formatCode").toString();
            else if (xml.name() == QLatin1String("cellXfs"))
                cellStyles_ = true;
            else if (xml.name() == QLatin1String("xf") && cellStyles_)
                styleFormats_.push_back(codes[format]);
        }
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
                int column = 0;   // the letters of the cell's reference, in base 26
                for (QChar c : a.value("r"))
                    column = c.isLetter() ? column * 26 + (c.unicode() - 'A' + 1) : column;
                cell = &rows.back().cells[column - 1];
                cell->type = a.hasAttribute("t") ? a.value("t").toString() : QStringLiteral("n");
                cell->numberFormat = styleFormats_.at(std::size_t(a.value("s").toInt()));
            } else if ((xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t")) && cell) {
                cell->value = xml.readElementText();
            }
        }
        return rows;
    }

    bool cellStyles_ = false;
    std::vector<QString> styleFormats_;
};

} // namespace xlsxtest
