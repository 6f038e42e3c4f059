#pragma once
// The user interaction of a program without a window: every message and question is written as
// one line to a stream (standard error by default) and every prompt takes its default answer, so
// a flow runs unattended from a script and leaves a readable log of what it would have asked.

#include <iosfwd>
#include <mutex>

#include "base/user_interaction.h"

namespace tk73 {

class ConsoleUserInteraction : public UserInteraction {
  public:
    ConsoleUserInteraction();
    explicit ConsoleUserInteraction(std::ostream& out);

    Button message(const std::string& text, const std::string& caption, MessageIcon icon) override;
    Button question(const std::string& text, const std::string& caption, Buttons buttons,
                    Button defaultButton, MessageIcon icon) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& startFolder) override;
    [[nodiscard]] int runWithProgress(const std::string& caption, const std::string& message,
                                      MessageIcon icon, const std::function<int()>& work) override;
    Button showDialog(DialogRequest& request) override;

  private:
    void writeLine(const std::string& line);

    std::ostream& out_;
    std::mutex mutex_;  // lines written from a worker thread stay whole
};

}  // namespace tk73
