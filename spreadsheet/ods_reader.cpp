// The .ods reader: the sheets of content.xml with their repeated rows and cells, read with Qt's
// XML reader. Hidden sheets are those whose table style says display="false".

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "spreadsheet/sheet_readers.h"
#include "spreadsheet/zip_members.h"

namespace tk73sheet {

namespace {

const QLatin1String kTableNs("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QLatin1String kOfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QLatin1String kTextNs("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QLatin1String kStyleNs("urn:oasis:names:tc:opendocument:xmlns:style:1.0");

std::string value(const QXmlStreamReader& xml, const QLatin1String& ns, const char* name) {
    return xml.attributes().value(ns, QLatin1String(name)).toString().toStdString();
}

int repeats(const QXmlStreamReader& xml, const char* name) {
    const int count = std::atoi(value(xml, kTableNs, name).c_str());
    return count > 0 ? count : 1;
}

// The text of a cell's paragraphs (joined by line breaks), with its spaces, tabs and breaks; the
// reader ends on the cell's end.
std::string paragraphs(QXmlStreamReader& xml) {
    QString text;
    int paragraphCount = 0;
    int depth = 1;
    while (!xml.atEnd() && depth > 0) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (xml.namespaceUri() != kTextNs) {
                continue;
            }
            if (xml.name() == QLatin1String("p") && paragraphCount++ > 0) {
                text += QLatin1Char('\n');
            } else if (xml.name() == QLatin1String("s")) {
                const int count = std::atoi(value(xml, kTextNs, "c").c_str());
                text += QString(std::clamp(count, 1, kMaxSheetColumns), QLatin1Char(' '));
            } else if (xml.name() == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (xml.name() == QLatin1String("line-break")) {
                text += QLatin1Char('\n');
            } else if (xml.name() == QLatin1String("note") ||
                       xml.name() == QLatin1String("ruby-text")) {
                // Annotations are no part of the value.
                xml.skipCurrentElement();
                --depth;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        }
    }
    return text.toStdString();
}

// The cell the reader stands on, read to its end.
Cell readCell(QXmlStreamReader& xml) {
    const std::string type = value(xml, kOfficeNs, "value-type");
    const std::string number = value(xml, kOfficeNs, "value");
    const std::string date = value(xml, kOfficeNs, "date-value");
    const std::string boolean = value(xml, kOfficeNs, "boolean-value");
    const std::string shown = paragraphs(xml);
    if (type == "float" || type == "percentage" || type == "currency") {
        return {Cell::Type::Number, number};
    }
    if (type == "date") {
        std::string text = date;
        std::replace(text.begin(), text.end(), 'T', ' ');
        return {Cell::Type::Date, text};
    }
    if (type == "boolean") {
        return {Cell::Type::Boolean, boolean == "true" ? "TRUE" : "FALSE"};
    }
    return shown.empty() ? Cell{} : Cell{Cell::Type::Text, shown};
}

class TableReader {
  public:
    TableReader(QXmlStreamReader& xml, Sheet& sheet) : xml_(xml), sheet_(sheet) {}

    // Reads the table the reader stands on to its end.
    bool read(std::string& error) {
        int depth = 1;
        while (!xml_.atEnd() && depth > 0) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement) {
                --depth;
                if (xml_.name() == QLatin1String("table-row") && xml_.namespaceUri() == kTableNs) {
                    if (!endRow(error)) {
                        return false;
                    }
                }
                continue;
            }
            if (token != QXmlStreamReader::StartElement) {
                continue;
            }
            ++depth;
            if (xml_.namespaceUri() != kTableNs) {
                continue;
            }
            if (xml_.name() == QLatin1String("table-row")) {
                rowRepeats_ = repeats(xml_, "number-rows-repeated");
                row_ = {rowNumber_ + 1, {}};
                column_ = 0;
            } else if (xml_.name() == QLatin1String("table-cell") ||
                       xml_.name() == QLatin1String("covered-table-cell")) {
                const int count = repeats(xml_, "number-columns-repeated");
                Cell cell = readCell(xml_);
                --depth;  // readCell read the cell's end
                if (!cell.empty()) {
                    if (column_ + count > kMaxSheetColumns) {
                        error = "a row of sheet \"" + sheet_.name + "\" has too many cells";
                        return false;
                    }
                    row_.cells.resize(static_cast<size_t>(column_), Cell{});
                    row_.cells.insert(row_.cells.end(), static_cast<size_t>(count), cell);
                }
                column_ += std::min(count, kMaxSheetColumns);
            }
        }
        return !xml_.hasError();
    }

  private:
    bool endRow(std::string& error) {
        if (row_.cells.empty()) {
            // Empty rows, however many, only move the row number on.
            rowNumber_ =
                std::min<long>(static_cast<long>(rowNumber_) + rowRepeats_, kMaxSheetRows + 1);
            return true;
        }
        if (static_cast<long>(rowNumber_) + rowRepeats_ > kMaxSheetRows) {
            error = "sheet \"" + sheet_.name + "\" has more rows than a spreadsheet holds";
            return false;
        }
        for (int i = 0; i < rowRepeats_; ++i) {
            ++rowNumber_;
            row_.number = rowNumber_;
            sheet_.rows.push_back(row_);
        }
        return true;
    }

    QXmlStreamReader& xml_;
    Sheet& sheet_;
    int rowNumber_ = 0;
    int rowRepeats_ = 1;
    SheetRow row_;
    int column_ = 0;
};

}  // namespace

bool readOds(const std::string& path, Workbook& out, std::string& error) {
    const ZipMembers zip(path);
    const std::optional<std::string> mimetype = zip.ok() ? zip.read("mimetype") : std::nullopt;
    const std::optional<std::string> content =
        mimetype && *mimetype == "application/vnd.oasis.opendocument.spreadsheet"
            ? zip.read("content.xml")
            : std::nullopt;
    if (!content) {
        error = "the file is no .ods spreadsheet";
        return false;
    }
    QXmlStreamReader xml(
        QByteArray::fromRawData(content->data(), static_cast<qsizetype>(content->size())));
    std::set<std::string> hiddenStyles;
    std::string styleName;
    out.sheets.clear();
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.namespaceUri() == kStyleNs && xml.name() == QLatin1String("style")) {
            styleName = value(xml, kStyleNs, "name");
        } else if (xml.namespaceUri() == kStyleNs &&
                   xml.name() == QLatin1String("table-properties") &&
                   value(xml, kTableNs, "display") == "false") {
            hiddenStyles.insert(styleName);
        } else if (xml.namespaceUri() == kTableNs && xml.name() == QLatin1String("table")) {
            Sheet sheet{value(xml, kTableNs, "name"),
                        hiddenStyles.count(value(xml, kTableNs, "style-name")) != 0,
                        {}};
            if (!TableReader(xml, sheet).read(error)) {
                if (error.empty()) {
                    error = "sheet \"" + sheet.name + "\" is damaged";
                }
                return false;
            }
            out.sheets.push_back(std::move(sheet));
        }
    }
    if (xml.hasError()) {
        error = "the spreadsheet's content is damaged";
        return false;
    }
    return true;
}

}  // namespace tk73sheet
