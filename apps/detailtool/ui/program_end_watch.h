#pragma once
// Tells when a program that the tool started as a process of its own ends. The data editor is
// started detached, so that it outlives the tool when the dealer closes the tool first; it is
// then no child to wait for. The system hands out a descriptor per process that becomes readable
// when the process ends; the event loop watches it, so nothing polls.

#include <QObject>

#include <cstdint>
#include <functional>

namespace tk73dtl {

class ProgramEndWatch : public QObject {
  public:
    // Called on the event loop's thread, once per watched process that ends.
    using Ended = std::function<void(uint32_t processId)>;

    explicit ProgramEndWatch(Ended ended, QObject* parent = nullptr);
    // Stops watching; the processes go on.
    ~ProgramEndWatch() override;
    ProgramEndWatch(const ProgramEndWatch&) = delete;
    ProgramEndWatch& operator=(const ProgramEndWatch&) = delete;

    // Watches the process. One that has ended already is reported from the event loop; one that
    // cannot be watched (a system without process descriptors) is never reported.
    void Watch(uint32_t processId);

  private:
    Ended ended_;
};

}  // namespace tk73dtl
