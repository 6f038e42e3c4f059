#pragma once
// The optional language resource library "LangJP.DLL", looked for in the current folder (".",
// then "\LangJP.DLL", mapped by the platform's library rule to "./liblangjp.so"). While it is
// loaded and in use, the editor's texts come from it where it holds them. It exports
//
//   int TK73LangLoadString(unsigned id, char* buffer, int size);
//
// which copies the text of a string id into the buffer (code-page bytes, terminated, cut to fit)
// and answers its length, or 0 for an id it does not hold. A missing library, or one without that
// function, leaves the editor with its own texts.

#include <optional>
#include <string>

namespace tk73editor {

class LanguageLibrary {
  public:
    // Loads the library when it is there and makes it the one in use.
    LanguageLibrary();
    // Stops using the library and frees it.
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // The library's text of the id; nullopt when it does not hold one.
    std::optional<std::string> text(unsigned id) const;

    // The library in use, or null.
    static const LanguageLibrary* inUse();

  private:
    using LoadString = int (*)(unsigned, char*, int);

    void* module_ = nullptr;
    LoadString loadString_ = nullptr;
    const LanguageLibrary* previous_ = nullptr;
};

}  // namespace tk73editor
