#pragma once
// What the main window has loaded: the document state, the time that change detection compares
// against, the titles and the archive file the data came from.

#include <chrono>
#include <string>

namespace tk73hub {

// What the document changes on its window.
class HubDocumentView {
  public:
    virtual ~HubDocumentView() = default;
    virtual void ShowTitle(const std::string& title) = 0;
    // Enables every button as its row says for the state.
    virtual void EnableForState(int state) = 0;
};

class CHubDocument {
  public:
    static constexpr int kNoData = 1;
    static constexpr int kLoaded = 3;

    // Starts in state 1 with the last time set to now.
    explicit CHubDocument(HubDocumentView& view);
    virtual ~CHubDocument() = default;

    // The window title: "<file name> - <base title>", or the base title alone for a null or
    // empty name.
    virtual void SetTitle(const char* fileName);
    // Stores the state and enables the buttons for it.
    virtual void SetState(int state);

    int GetState() const { return state_; }
    // The last time keeps the clock's full resolution, not whole seconds: an editor that saves
    // within the second of a load still counts as a change.
    std::chrono::system_clock::time_point GetLastTime() const { return lastTime_; }
    void SetLastTime(std::chrono::system_clock::time_point time) { lastTime_ = time; }
    // The last time becomes now.
    void TouchLastTime();

    const std::string& GetBaseTitle() const { return baseTitle_; }
    void SetBaseTitle(const std::string& title) { baseTitle_ = title; }
    const std::string& GetFilePath() const { return filePath_; }
    void SetFilePath(const std::string& path) { filePath_ = path; }
    int GetPartialFlag() const { return partialFlag_; }
    void SetPartialFlag(int flag) { partialFlag_ = flag; }

    // The title text for a file name, as SetTitle shows it.
    static std::string ComposeTitle(const std::string& baseTitle, const char* fileName);

  private:
    HubDocumentView& view_;
    int state_ = kNoData;
    std::chrono::system_clock::time_point lastTime_;
    std::string baseTitle_;
    std::string filePath_;
    // Every register of the suite takes partial PLU archives, so Save As offers them.
    int partialFlag_ = 1;
};

}  // namespace tk73hub
