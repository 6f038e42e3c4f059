#include "apps/editors/framework/language_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "apps/editors/framework/editor_texts.h"
#include "platform/running_program.h"

using tk73editor::EditorText;
using tk73editor::editorText;

namespace {

// The library is looked for in the current folder.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous_); }

  private:
    std::filesystem::path previous_;
};

}  // namespace

TEST(LanguageLibrary, TextsComeFromTheLibraryWhereItHoldsThem) {
    InFolder folder(tk73::runningProgramFolder() + "/langtest");
    {
        tk73editor::LanguageLibrary language;
        ASSERT_TRUE(language.loaded());
        EXPECT_EQ(editorText(EditorText::ConfirmDefaults), "[JP] Restore defaults?");
        // Cut to the room the library was given.
        EXPECT_EQ(editorText(EditorText::ReadFailed).size(), 1024u);
        EXPECT_EQ(editorText(EditorText::ConfirmSave), "Do you want to save the changes?");
        EXPECT_EQ(tk73editor::resourceText(9, "Department"), "Department");
    }
    EXPECT_EQ(editorText(EditorText::ConfirmDefaults), "Restore defaults?");
}

TEST(LanguageLibrary, WithoutTheLibraryTheEditorsOwnTexts) {
    InFolder folder(tk73::runningProgramFolder());
    tk73editor::LanguageLibrary language;
    EXPECT_FALSE(language.loaded());
    EXPECT_EQ(editorText(EditorText::QuoteReplaced),
              "Can not enter [\"], translate to white space.");
    EXPECT_EQ(editorText(EditorText::InvalidValues),
              "Invalid values.\nPlease set the correct value.");
}
