#pragma once
// Keeping out of a typed text what the register cannot take. A character that the installation's
// code page cannot hold would reach the program files as "?", so fields refuse it as it is typed
// or pasted, and the rest of what the user typed stays.

#include <QLineEdit>
#include <QString>

#include <functional>
#include <string>

namespace tk73 {

// The characters of the installation's code page, as it is when the object is made.
class CodePageCharacters {
  public:
    CodePageCharacters();
    // Whether the code page holds the character, so that it survives the way into the files.
    [[nodiscard]] bool holds(char32_t character) const;

  private:
    std::string codePage_;
};

// Takes every character that refused() answers true for out of the field's text, keeping the
// rest and the cursor where it stood within it. Answers the characters taken out, each once, in
// the order they appeared; empty when the text was left as it was.
QString takeOutRefused(QLineEdit& field, const std::function<bool(char32_t)>& refused);

// Shows a short note at the field without taking the focus from it, so that typing goes on. The
// note is Qt text, so it can name a character that the code page cannot carry.
void showFieldNote(QLineEdit& field, const QString& note);

}  // namespace tk73
