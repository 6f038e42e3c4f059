#pragma once
// A step that must be undone on every road out of a scope: a return, a failure or an exception.
//
//     claimed = true;
//     const tk73::ScopeExit release([&] { claimed = false; });

#include <utility>

namespace tk73 {

template <typename Undo>
class ScopeExit {
  public:
    explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
    ~ScopeExit() { undo_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    Undo undo_;
};

}  // namespace tk73
