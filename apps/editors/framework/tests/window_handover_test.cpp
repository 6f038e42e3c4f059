#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTest>

#include <cstring>
#include <thread>

#include "apps/editors/framework/tests/page_set_fixture.h"

namespace {

// Stands in for the waiting shell: listens where the endpoint of the process id would, takes
// one request and answers that its window is hidden.
class WaitingShell {
  public:
    static constexpr uint32_t kId = 4000000;

    explicit WaitingShell(const tk73test::TempEnvironment& environment) {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const std::string path =
            environment.path("run/tk73-window-" + std::to_string(kId) + ".sock");
        std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        listening_ =
            ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            ::listen(listener_, 1) == 0;
        server_ = std::thread([this] {
            const int connection = ::accept(listener_, nullptr, nullptr);
            if (connection < 0) {
                return;
            }
            char buffer[64] = {};
            const ssize_t count = ::recv(connection, buffer, sizeof(buffer) - 1, 0);
            request_.assign(buffer, count > 0 ? static_cast<size_t>(count) : 0);
            ::send(connection, "hidden\n", 7, MSG_NOSIGNAL);
            ::close(connection);
        });
    }
    ~WaitingShell() {
        ::shutdown(listener_, SHUT_RDWR);
        server_.join();
        ::close(listener_);
    }

    bool listening() const { return listening_; }
    // What it was sent, once the request was served.
    std::string request() {
        ::shutdown(listener_, SHUT_RDWR);
        server_.join();
        server_ = std::thread([] {});
        return request_;
    }

  private:
    int listener_ = -1;
    bool listening_ = false;
    std::thread server_;
    std::string request_;
};

}  // namespace

class WindowHandoverTest : public tk73test::PageSetFixture {};

TEST_F(WindowHandoverTest, TheOpenSetNamesItsWindowAndHandsTheFrontBackToTheShell) {
    WaitingShell shell(environment_);
    ASSERT_TRUE(shell.listening());
    setWindowValue("MAINHWND", WaitingShell::kId);
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    EXPECT_EQ(windowValue("CURRENTHWND"), 0u);
    dialog_->show();
    EXPECT_EQ(windowValue("CURRENTHWND"), tk73::ownWindowHandle());

    // A second start of the shell reaches the editor through that value.
    dialog_->showMinimized();
    EXPECT_TRUE(tk73::raiseWindow(windowValue("CURRENTHWND")));
    QTRY_VERIFY(!dialog_->isMinimized());

    dialog_->reject();
    EXPECT_EQ(windowValue("CURRENTHWND"), 0u);
    EXPECT_EQ(shell.request(), "activate\n");
    EXPECT_FALSE(tk73::raiseWindow(tk73::ownWindowHandle()));
}

TEST_F(WindowHandoverTest, AnotherProgramsWindowInCurrentIsLeftAlone) {
    makeDepartmentSet();
    ASSERT_EQ(dialog_->Open(), 1);
    dialog_->show();
    setWindowValue("CURRENTHWND", 1234);
    script_.pressButton(tk73::Button::Ok);
    dialog_->accept();
    EXPECT_EQ(windowValue("CURRENTHWND"), 1234u);
}
