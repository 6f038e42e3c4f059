#pragma once
// The named mutex that keeps a program of the suite to one running copy per name. It is a lock
// file "<name>.lock" in the runtime folder (runtime_folder.h) with an exclusive lock held while
// the object lives. The lock goes with the process, so a program that crashed never leaves its
// name taken; the file itself stays, which is harmless.
//
// The owner writes its process id into the file, so that a second start can ask the running copy
// to raise its window (window_activation.h). The lock's file descriptor is closed on exec: a
// program that the owner starts never inherits the mutex.

#include <cstdint>
#include <string_view>

namespace tk73 {

class NamedMutex {
  public:
    enum class State {
        Owned,          // this object holds the mutex
        HeldElsewhere,  // another object holds it, in another process or in this one
        Unavailable     // no runtime folder, or the lock file cannot be made
    };

    // Tries to create the mutex owned; never waits.
    explicit NamedMutex(std::string_view name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // The outcome of the creation (kept after release).
    State state() const { return state_; }
    // The process id of the owner when the state is HeldElsewhere; 0 when the owner has not
    // written it yet (it has only just taken the mutex) or in the other states.
    uint32_t holder() const { return holder_; }

    // Lets go of the mutex at once (the destructor does the same).
    void release();

  private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    uint32_t holder_ = 0;
};

}  // namespace tk73
