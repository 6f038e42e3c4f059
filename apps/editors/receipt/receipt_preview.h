#pragma once
// The text of the receipt preview, line by line, each line ending in CR LF:
//
// 1. The heading message blocks in the page's order (the logo message and the address).
// 2. The sample sale: eight entries for a 40-character printer, nine otherwise (the taxable
//    amount has its own line then).
// 3. One empty line.
// 4. The closing message blocks (the commercial and the bottom message).
//
// A block whose print flag is off contributes nothing; a printed block contributes each of its
// lines without its trailing blanks, empty lines left out, and one empty line after it.

#include <string>
#include <vector>

namespace tk73receipt {

struct PreviewBlock {
    bool print = false;
    std::vector<std::string> lines;
};

// The sample sale for a printer of the given characters per line, each entry its left part and
// its right part set apart to the line's width.
std::vector<std::string> sampleSale(int charactersPerLine);

std::string receiptPreview(const std::vector<PreviewBlock>& heading,
                           const std::vector<PreviewBlock>& closing, int charactersPerLine);

}  // namespace tk73receipt
