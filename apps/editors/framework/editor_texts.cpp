#include "apps/editors/framework/editor_texts.h"

#include "apps/editors/framework/language_library.h"

namespace tk73editor {

namespace {

const char* builtInText(EditorText id) {
    switch (id) {
        case EditorText::ReadFailed:
            return "Failed to read setting file.";
        case EditorText::WriteFailed:
            return "Failed to write setting file.";
        case EditorText::ConfirmSave:
            return "Do you want to save the changes?";
        case EditorText::ConfirmDefaults:
            return "Restore defaults?";
        case EditorText::InvalidValues:
            return "Invalid values.\nPlease set the correct value.";
        case EditorText::QuoteReplaced:
            return "Can not enter [\"], translate to white space.";
        case EditorText::OkButton:
            return "OK";
        case EditorText::CancelButton:
            return "Cancel";
        case EditorText::RestoreDefaultsButton:
            return "Restore defaults";
        case EditorText::HelpButton:
            return "Help";
        case EditorText::UnprintableCharacter:
            return "Can not enter [%s], the register cannot print it.";
        case EditorText::RangeNote:
            return "%s to %s";
        case EditorText::FieldOfRecord:
            return "%s, record %s";
        case EditorText::DuplicateValue:
            return "%s \"%s\" is already held by record %s%s.\nDo you want to go to it?";
    }
    return "";
}

}  // namespace

std::string resourceText(unsigned id, const char* builtIn) {
    if (const LanguageLibrary* library = LanguageLibrary::inUse()) {
        if (std::optional<std::string> text = library->text(id)) {
            return *text;
        }
    }
    return builtIn != nullptr ? builtIn : "";
}

std::string fillNumbers(const std::string& text, int first, int second) {
    const int numbers[] = {first, second};
    size_t next = 0;
    std::string filled;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 2, "%d") == 0 && next < 2) {
            filled += std::to_string(numbers[next++]);
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

std::string fillTexts(const std::string& text, std::initializer_list<std::string> texts) {
    auto next = texts.begin();
    std::string filled;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 2, "%s") == 0 && next != texts.end()) {
            filled += *next++;
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

std::string editorText(EditorText id) {
    return resourceText(static_cast<unsigned>(id), builtInText(id));
}

}  // namespace tk73editor
