#include "definitions/ini_num_list.h"

#include <algorithm>

#include "definitions/decimal_text.h"

CIniNumList::CIniNumList(const std::string& text) : text_(text.substr(0, kMaxText)) {
    if (!text_.empty() && text_.back() == '\n') {
        text_.pop_back();
    }
    size_t pos = 0;
    while (pos < text_.size()) {
        std::string item;
        if (text_[pos] == '"') {
            ++pos;
            while (pos < text_.size()) {
                if (text_[pos] == '"') {
                    if (pos + 1 < text_.size() && text_[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += text_[pos++];
            }
            // Anything between the closing quote and the next delimiter is not part of the item.
            pos = std::min(text_.find(kDelimiter, pos), text_.size());
        } else {
            const size_t end = std::min(text_.find(kDelimiter, pos), text_.size());
            item = text_.substr(pos, end - pos);
            pos = end;
        }
        if (!item.empty()) {
            numbers_.push_back(tk73def::decimalValue(item));
        }
        if (pos < text_.size()) {
            ++pos;  // the delimiter
        }
    }
}

CIniNumList::CIniNumList(const std::vector<int32_t>& numbers) {
    for (const int32_t number : numbers) {
        std::string piece = std::to_string(number);
        if (!text_.empty()) {
            piece.insert(piece.begin(), kDelimiter);
        }
        if (text_.size() + piece.size() > kMaxText) {
            break;
        }
        text_ += piece;
        numbers_.push_back(number);
    }
}

int CIniNumList::GetAt(int index, int* out) const {
    if (out == nullptr || index < 0 || index >= GetCount()) {
        return 0;
    }
    *out = numbers_[static_cast<size_t>(index)];
    return 1;
}

int CIniNumList::Find(int32_t value) const {
    const auto found = std::find(numbers_.begin(), numbers_.end(), value);
    return found == numbers_.end() ? -1 : static_cast<int>(found - numbers_.begin());
}
