#include "apps/editors/receipt/receipt_preview.h"

#include <utility>

#include "apps/editors/receipt/receipt_texts.h"
#include "platform/double_byte.h"

namespace tk73receipt {

namespace {

constexpr const char* kLineEnd = "\r\n";
// The printer for which the sample sale has eight entries.
constexpr int kEightEntryWidth = 40;

void appendBlock(const PreviewBlock& block, std::string& text) {
    if (!block.print) {
        return;
    }
    for (const std::string& line : block.lines) {
        const size_t end = line.find_last_not_of(' ');
        if (end != std::string::npos) {
            text += line.substr(0, end + 1) + kLineEnd;
        }
    }
    text += kLineEnd;
}

// The text cut to at most width bytes, never inside a double-byte character.
std::string cut(const std::string& text, size_t width) {
    size_t end = 0;
    while (end < text.size() && end + tk73::characterLength(text, end) <= width) {
        end += tk73::characterLength(text, end);
    }
    return text.substr(0, end);
}

// The left part, blanks, and the right part at the end of the line; the left part is cut when
// both do not fit with a blank between them.
std::string entry(ReceiptText left, ReceiptText right, int width) {
    std::string first = receiptText(left);
    const std::string second = receiptText(right);
    const size_t room = static_cast<size_t>(width > 0 ? width : 0);
    if (first.size() + 1 + second.size() > room) {
        first = cut(first, room > second.size() + 1 ? room - second.size() - 1 : 0);
    }
    const size_t blanks =
        room > first.size() + second.size() ? room - first.size() - second.size() : 1;
    return first + std::string(blanks, ' ') + second;
}

}  // namespace

std::vector<std::string> sampleSale(int charactersPerLine) {
    const std::pair<ReceiptText, ReceiptText> entries[] = {
        {ReceiptText::SampleDate, ReceiptText::SampleTime},
        {ReceiptText::SampleClerk, ReceiptText::SampleConsecutive},
        {ReceiptText::SampleDept1, ReceiptText::SampleDept1Amount},
        {ReceiptText::SampleDept2, ReceiptText::SampleDept2Amount},
        {ReceiptText::SampleTaxable, ReceiptText::SampleTaxableAmount},
        {ReceiptText::SampleTax, ReceiptText::SampleTaxAmount},
        {ReceiptText::SampleTotal, ReceiptText::SampleTotalAmount},
        {ReceiptText::SampleCash, ReceiptText::SampleCashAmount},
        {ReceiptText::SampleChange, ReceiptText::SampleChangeAmount}};
    std::vector<std::string> lines;
    for (const auto& [left, right] : entries) {
        if (left == ReceiptText::SampleTaxable && charactersPerLine == kEightEntryWidth) {
            continue;
        }
        lines.push_back(entry(left, right, charactersPerLine));
    }
    return lines;
}

std::string receiptPreview(const std::vector<PreviewBlock>& heading,
                           const std::vector<PreviewBlock>& closing, int charactersPerLine) {
    std::string text;
    for (const PreviewBlock& block : heading) {
        appendBlock(block, text);
    }
    for (const std::string& line : sampleSale(charactersPerLine)) {
        text += line + kLineEnd;
    }
    text += kLineEnd;
    for (const PreviewBlock& block : closing) {
        appendBlock(block, text);
    }
    return text;
}

}  // namespace tk73receipt
