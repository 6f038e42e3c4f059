#pragma once
// The texts of the framework, by string id as in each editor's string table. Every text an editor
// shows goes through resourceText, so that the language library (language_library.h), when it is
// there, can answer it in its own language.

#include <initializer_list>
#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73editor {

enum class EditorText : unsigned {
    ReadFailed = kFrameworkFirstText,  // "Failed to read setting file."
    WriteFailed,                       // "Failed to write setting file."
    ConfirmSave,                       // "Do you want to save the changes?"
    ConfirmDefaults,                   // "Restore defaults?"
    InvalidValues,                     // "Invalid values.\nPlease set the correct value."
    QuoteReplaced,                     // "Can not enter ["], translate to white space."
    OkButton,                          // "OK"
    CancelButton,                      // "Cancel"
    RestoreDefaultsButton,             // "Restore defaults"
    HelpButton,                        // "Help"
    UnprintableCharacter,              // "Can not enter [%s], the register cannot print it."
    RangeNote,                         // "%s to %s"
    FieldOfRecord,                     // "%s, record %s"
    DuplicateValue  // "%s \"%s\" is already held by record %s%s.\nDo you want to go to it?"
};

// The text of a string id: the language library's when it holds the id, else builtIn.
std::string resourceText(unsigned id, const char* builtIn);

// The text with the numbers filled into its "%d" places, in order. A text may come from the
// language library, so it is never used as a printf format.
std::string fillNumbers(const std::string& text, int first, int second = 0);
// The text with the texts filled into its "%s" places, in order; likewise never a format.
std::string fillTexts(const std::string& text, std::initializer_list<std::string> texts);

// One of the framework's own texts.
std::string editorText(EditorText id);

}  // namespace tk73editor
