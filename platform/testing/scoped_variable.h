#pragma once
// Sets one environment variable for the life of the object and puts the old value back, for the
// variables TempEnvironment does not cover (HOME, XDG_*, TK73_OPENER).

#include <cstdlib>
#include <optional>
#include <string>

namespace tk73test {

class ScopedVariable {
  public:
    // A null value unsets the variable.
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace tk73test
