// The .xlsx reader: the workbook's sheet list and relationships, the shared strings, the number
// formats that make a number a date, and each sheet's cells, read with Qt's XML reader from the
// members of the zip file.

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <cstdlib>
#include <map>
#include <vector>

#include "spreadsheet/cell_places.h"
#include "spreadsheet/sheet_readers.h"
#include "spreadsheet/zip_members.h"

namespace tk73sheet {

namespace {

QXmlStreamReader xmlOf(const std::string& bytes) {
    return QXmlStreamReader(
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string attribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toString().toStdString();
}

// The attribute of that local name in any namespace ("r:id").
std::string namespacedAttribute(const QXmlStreamReader& xml, const char* name) {
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        if (a.name() == QLatin1String(name) && !a.namespaceUri().isEmpty()) {
            return a.value().toString().toStdString();
        }
    }
    return "";
}

struct SheetEntry {
    std::string name;
    std::string relation;
    bool hidden = false;
};

// Number formats 14 to 22 and 45 to 47 are the built-in dates and times; 27 to 36 and 50 to 58
// those of the East Asian editions.
bool isBuiltInDate(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// A format code shows a date or time when it has day, month, year, hour or second letters
// outside its quoted texts, escaped characters and bracketed parts (colours, conditions).
bool isDateFormatCode(const std::string& code) {
    bool quoted = false;
    bool bracket = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (quoted) {
            quoted = c != '"';
        } else if (bracket) {
            bracket = c != ']';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '[') {
            bracket = true;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;
        } else if (std::string_view("dDmMyYhHsS").find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// For each cell style index: whether its numbers are dates.
std::vector<bool> dateStyles(const std::string& styles) {
    std::map<int, bool> customDates;
    std::vector<bool> out;
    QXmlStreamReader xml = xmlOf(styles);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("numFmt")) {
                customDates[std::atoi(attribute(xml, "numFmtId").c_str())] =
                    isDateFormatCode(attribute(xml, "formatCode"));
            } else if (xml.name() == QLatin1String("cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && xml.name() == QLatin1String("xf")) {
                const int id = std::atoi(attribute(xml, "numFmtId").c_str());
                const auto custom = customDates.find(id);
                out.push_back(custom != customDates.end() ? custom->second : isBuiltInDate(id));
            }
        } else if (token == QXmlStreamReader::EndElement &&
                   xml.name() == QLatin1String("cellXfs")) {
            inCellXfs = false;
        }
    }
    return out;
}

// The text of the current element's <t> children (rich text runs joined), phonetic runs left
// out; the reader ends on the element's end.
std::string runText(QXmlStreamReader& xml, const QLatin1String& element) {
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("rPh")) {
                ++phonetic;
            } else if (xml.name() == QLatin1String("t") && phonetic == 0) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("rPh")) {
                --phonetic;
            } else if (xml.name() == element) {
                break;
            }
        }
    }
    return text.toStdString();
}

std::vector<std::string> sharedStrings(const std::string& bytes) {
    std::vector<std::string> out;
    QXmlStreamReader xml = xmlOf(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si")) {
            out.push_back(runText(xml, QLatin1String("si")));
        }
    }
    return out;
}

// Where a relationship's target lies in the zip file: relative to "xl/" unless absolute.
std::string memberOf(const std::string& target) {
    return target.rfind('/', 0) == 0 ? target.substr(1) : "xl/" + target;
}

struct CellReading {
    const std::vector<std::string>& strings;
    const std::vector<bool>& dates;
    bool date1904;
};

// The zero-based column of a cell reference ("B7"); -1 when it names none.
int columnOf(QStringView reference) {
    const QByteArray latin = reference.toLatin1();
    return columnOfReference(
        std::string_view(latin.constData(), static_cast<size_t>(latin.size())));
}

// The cell the reader stands on (<c>, with its attributes), read to its end. The value's text is
// gathered from the reader's character tokens as they come: a cell is read once, and a sheet
// holds hundreds of thousands of them.
Cell readCell(QXmlStreamReader& xml, const QXmlStreamAttributes& attributes,
              const CellReading& reading, std::string& error) {
    const QStringView type = attributes.value(QLatin1String("t"));
    const int style = attributes.value(QLatin1String("s")).toInt();
    QString value;
    QString inlineText;
    bool hasValue = false;
    bool hasInline = false;
    // Where the characters go: the value (<v>), an inline text run (<t> of <is>), or nowhere.
    QString* target = nullptr;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            if (target != nullptr) {
                target->append(xml.text());
            }
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (name == QLatin1String("v")) {
                hasValue = true;
                target = &value;
            } else if (name == QLatin1String("is")) {
                hasInline = true;
            } else if (name == QLatin1String("rPh")) {
                ++phonetic;
            } else if (name == QLatin1String("t") && hasInline && phonetic == 0) {
                target = &inlineText;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const QStringView name = xml.name();
            if (name == QLatin1String("c")) {
                break;
            }
            phonetic -= name == QLatin1String("rPh") ? 1 : 0;
            target = nullptr;
        }
    }
    if (type == QLatin1String("inlineStr") || (!hasValue && hasInline)) {
        return {Cell::Type::Text, inlineText.toStdString()};
    }
    if (!hasValue) {
        return {};
    }
    std::string text = value.toStdString();
    if (type == QLatin1String("s")) {
        const long index = std::strtol(text.c_str(), nullptr, 10);
        if (index < 0 || static_cast<size_t>(index) >= reading.strings.size()) {
            error = "a cell names a shared text that the file does not hold";
            return {};
        }
        return {Cell::Type::Text, reading.strings[static_cast<size_t>(index)]};
    }
    if (type == QLatin1String("str") || type == QLatin1String("e")) {
        return {Cell::Type::Text, std::move(text)};
    }
    if (type == QLatin1String("b")) {
        return {Cell::Type::Boolean, text == "1" || text == "true" ? "TRUE" : "FALSE"};
    }
    if (type == QLatin1String("d")) {
        return {Cell::Type::Date, std::move(text)};
    }
    if (style >= 0 && static_cast<size_t>(style) < reading.dates.size() &&
        reading.dates[static_cast<size_t>(style)]) {
        return {Cell::Type::Date, dateText(std::strtod(text.c_str(), nullptr), reading.date1904)};
    }
    return {Cell::Type::Number, std::move(text)};
}

bool readWorksheet(const std::string& bytes, const CellReading& reading, Sheet& sheet,
                   std::string& error) {
    QXmlStreamReader xml = xmlOf(bytes);
    int rowNumber = 0;
    SheetRow* row = nullptr;
    int column = -1;
    while (!xml.atEnd() && error.empty()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("row")) {
            const int given = std::atoi(attribute(xml, "r").c_str());
            rowNumber = given > 0 ? given : rowNumber + 1;
            if (rowNumber > kMaxSheetRows) {
                error = "the sheet has more rows than a spreadsheet holds";
                return false;
            }
            row = nullptr;
            column = -1;
        } else if (xml.name() == QLatin1String("c")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView reference = attributes.value(QLatin1String("r"));
            const int given = reference.isEmpty() ? -1 : columnOf(reference);
            column = given >= 0 ? given : column + 1;
            Cell cell = readCell(xml, attributes, reading, error);
            if (cell.empty()) {
                continue;
            }
            if (column >= kMaxSheetColumns || rowNumber == 0) {
                error = "a cell lies outside the sheet";
                return false;
            }
            if (row == nullptr) {
                sheet.rows.push_back({rowNumber, {}});
                row = &sheet.rows.back();
            }
            if (row->cells.size() <= static_cast<size_t>(column)) {
                row->cells.resize(static_cast<size_t>(column) + 1);
            }
            row->cells[static_cast<size_t>(column)] = std::move(cell);
        }
    }
    if (xml.hasError() && error.empty()) {
        error = "the sheet \"" + sheet.name + "\" is damaged";
    }
    return error.empty();
}

}  // namespace

bool readXlsx(const std::string& path, Workbook& out, std::string& error) {
    const ZipMembers zip(path);
    const std::optional<std::string> workbook =
        zip.ok() ? zip.read("xl/workbook.xml") : std::nullopt;
    const std::optional<std::string> relations =
        workbook ? zip.read("xl/_rels/workbook.xml.rels") : std::nullopt;
    if (!relations) {
        error = "the file is no .xlsx workbook";
        return false;
    }
    std::vector<SheetEntry> entries;
    bool date1904 = false;
    QXmlStreamReader xml = xmlOf(*workbook);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("workbookPr")) {
            const std::string value = attribute(xml, "date1904");
            date1904 = value == "1" || value == "true";
        } else if (xml.name() == QLatin1String("sheet")) {
            const std::string state = attribute(xml, "state");
            entries.push_back({attribute(xml, "name"), namespacedAttribute(xml, "id"),
                               state == "hidden" || state == "veryHidden"});
        }
    }
    std::map<std::string, std::string> targets;
    QXmlStreamReader rels = xmlOf(*relations);
    while (!rels.atEnd()) {
        if (rels.readNext() == QXmlStreamReader::StartElement &&
            rels.name() == QLatin1String("Relationship")) {
            targets[attribute(rels, "Id")] = attribute(rels, "Target");
        }
    }
    const std::vector<std::string> strings =
        sharedStrings(zip.read("xl/sharedStrings.xml").value_or(""));
    const std::vector<bool> dates = dateStyles(zip.read("xl/styles.xml").value_or(""));
    const CellReading reading{strings, dates, date1904};
    out.sheets.clear();
    for (const SheetEntry& entry : entries) {
        const auto target = targets.find(entry.relation);
        // A chart sheet or a sheet whose part is missing holds no cells to read.
        const std::optional<std::string> bytes =
            target == targets.end() ? std::nullopt : zip.read(memberOf(target->second));
        Sheet sheet{entry.name, entry.hidden, {}};
        if (bytes && !readWorksheet(*bytes, reading, sheet, error)) {
            return false;
        }
        out.sheets.push_back(std::move(sheet));
    }
    return true;
}

}  // namespace tk73sheet
