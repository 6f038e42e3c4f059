#include "outside/arblibpc/arabic_forms.h"

#include <fribidi.h>

#include <array>
#include <map>

namespace arblib {

namespace {

constexpr char32_t kFirstLetter = 0x0621;
constexpr char32_t kLastLetter = 0x064A;
constexpr char32_t kBeh = 0x0628;  // joins on both sides: the neighbour that brings out a form
constexpr char32_t kLam = 0x0644;
constexpr char32_t kFill = 0xFEFF;  // what FriBidi leaves where a ligature took a letter

struct FormTables {
    std::map<char32_t, std::array<char32_t, 4>> forms;  // letter -> its forms (0: none)
    std::map<char32_t, std::pair<char32_t, Form>> letterOf;
    std::map<char32_t, std::u32string> ligatures;  // ligature form -> its letters
};

// The form a letter takes in position at of the shaped context.
char32_t formIn(const std::u32string& context, size_t at) {
    const std::u32string shaped = shapeArabic(context);
    return at < shaped.size() ? shaped[at] : 0;
}

FormTables learnForms() {
    FormTables tables;
    for (char32_t letter = kFirstLetter; letter <= kLastLetter; ++letter) {
        const std::array<char32_t, 4> forms = {formIn({letter}, 0), formIn({kBeh, letter}, 1),
                                               formIn({letter, kBeh}, 0),
                                               formIn({kBeh, letter, kBeh}, 1)};
        if (forms[kIsolated] == letter) {
            continue;
        }
        tables.forms[letter] = forms;
        for (int form = kMedial; form >= kIsolated; --form) {
            tables.letterOf[forms[form]] = {letter, static_cast<Form>(form)};
        }
    }
    for (char32_t alef : {0x0622, 0x0623, 0x0625, 0x0627}) {
        tables.ligatures[formIn({kLam, alef}, 0)] = {kLam, alef};
        tables.ligatures[formIn({kBeh, kLam, alef}, 1)] = {kLam, alef};
    }
    return tables;
}

const FormTables& tables() {
    static const FormTables learnt = learnForms();
    return learnt;
}

}  // namespace

std::u32string shapeArabic(const std::u32string& text) {
    const auto length = static_cast<FriBidiStrIndex>(text.size());
    if (length == 0) {
        return text;
    }
    std::vector<FriBidiChar> chars(text.begin(), text.end());
    std::vector<FriBidiCharType> types(text.size());
    fribidi_get_bidi_types(chars.data(), length, types.data());
    // Joining follows the logical order; every character on one right-to-left level.
    std::vector<FriBidiLevel> levels(text.size(), 1);
    std::vector<FriBidiArabicProp> joining(text.size());
    fribidi_get_joining_types(chars.data(), length, joining.data());
    fribidi_join_arabic(types.data(), length, levels.data(), joining.data());
    fribidi_shape_arabic(FRIBIDI_FLAG_SHAPE_ARAB_PRES | FRIBIDI_FLAG_SHAPE_ARAB_LIGA, levels.data(),
                         length, joining.data(), chars.data());
    std::u32string shaped;
    for (FriBidiChar c : chars) {
        if (c != kFill) {
            shaped += static_cast<char32_t>(c);
        }
    }
    return shaped;
}

std::u32string unshapeArabic(const std::u32string& text) {
    std::u32string letters;
    for (char32_t c : text) {
        const auto ligature = tables().ligatures.find(c);
        const auto form = tables().letterOf.find(c);
        if (ligature != tables().ligatures.end()) {
            letters += ligature->second;
        } else if (form != tables().letterOf.end()) {
            letters += form->second.first;
        } else {
            letters += c;
        }
    }
    return letters;
}

std::vector<char32_t> substitutesOf(char32_t c) {
    static constexpr Form kOrder[][4] = {{kIsolated, kFinal, kInitial, kMedial},
                                         {kFinal, kIsolated, kMedial, kInitial},
                                         {kInitial, kMedial, kIsolated, kFinal},
                                         {kMedial, kInitial, kFinal, kIsolated}};
    std::vector<char32_t> substitutes = {c};
    char32_t letter = c;
    Form form = kIsolated;
    const auto known = tables().letterOf.find(c);
    if (known != tables().letterOf.end()) {
        letter = known->second.first;
        form = known->second.second;
    }
    const auto forms = tables().forms.find(letter);
    if (forms != tables().forms.end()) {
        for (Form other : kOrder[form]) {
            substitutes.push_back(forms->second[other]);
        }
    }
    return substitutes;
}

}  // namespace arblib
