// The language library is one string table for the whole suite: every text of every editor must
// have a string id of its own, or the library would answer one editor's text with another's.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "apps/editors/clerk/clerk_texts.h"
#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/general/general_texts.h"
#include "apps/editors/item/ui/item_texts.h"
#include "apps/editors/receipt/receipt_texts.h"
#include "apps/editors/tax/tax_texts.h"

namespace {

// An editor's texts: its first id, the id of its last text as this test knows it, and its text
// of an id (empty for an id it does not have).
struct EditorTexts {
    const char* editor;
    unsigned first;
    unsigned last;
    std::function<std::string(unsigned)> text;
};

template <class Id>
EditorTexts textsOf(const char* editor, Id first, Id last, std::string (*text)(Id)) {
    return {editor, static_cast<unsigned>(first), static_cast<unsigned>(last),
            [text](unsigned id) { return text(Id(id)); }};
}

TEST(EditorStringIds, EveryTextOfEveryEditorHasAnIdOfItsOwn) {
    using tk73clerk::ClerkText;
    using tk73editor::EditorText;
    using tk73general::GeneralText;
    using tk73item::ItemText;
    using tk73receipt::ReceiptText;
    using tk73tax::TaxText;
    const EditorTexts editors[] = {
        textsOf("framework", EditorText::ReadFailed, EditorText::DuplicateValue,
                &tk73editor::editorText),
        textsOf("item", ItemText::ScanningCodeError, ItemText::CloseButton, &tk73item::itemText),
        textsOf("receipt", ReceiptText::ReceiptJournalTitle, ReceiptText::TimeSystemNote,
                static_cast<std::string (*)(ReceiptText)>(&tk73receipt::receiptText)),
        textsOf("general", GeneralText::GeneralFeatureTitle, GeneralText::TimeFormatNote,
                &tk73general::generalText),
        textsOf("clerk", ClerkText::ClerkTitle, ClerkText::CustomerSetupTitle,
                static_cast<std::string (*)(ClerkText)>(&tk73clerk::clerkText)),
        textsOf("tax", TaxText::TaxTableTitle, TaxText::LoseOtherTable,
                static_cast<std::string (*)(TaxText)>(&tk73tax::taxText)),
    };
    std::map<unsigned, std::string> owners;
    for (const EditorTexts& texts : editors) {
        // An editor's ids follow each other from its first one, texts added since included.
        unsigned id = texts.first;
        for (; !texts.text(id).empty() && id < texts.first + 1000; ++id) {
            const auto [owner, added] = owners.emplace(id, texts.editor);
            EXPECT_TRUE(added) << id << " names a text of " << owner->second << " and of "
                               << texts.editor;
        }
        EXPECT_GT(id, texts.last) << texts.editor << " has no text of " << id;
    }
}

}  // namespace
