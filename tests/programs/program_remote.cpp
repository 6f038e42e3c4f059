#include "tests/programs/program_remote.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "tests/programs/agent_protocol.h"

namespace tk73test {

namespace {

constexpr std::chrono::milliseconds kPollStep(50);
// An agent answers at once: its actions run after the answer.
constexpr int kAnswerLimitMs = 30000;

int connectTo(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket >= 0 &&
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

}  // namespace

ProgramRemote::ProgramRemote(const AgentEnvironment& agents, uint32_t pid,
                             std::chrono::milliseconds limit) {
    const std::string path = agentSocket(agents.socketFolder(), pid);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (pid != 0 && (socket_ = connectTo(path)) < 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollStep);
    }
    if (socket_ < 0) {
        error_ = "no agent answers at " + path;
    }
}

ProgramRemote::~ProgramRemote() {
    if (socket_ >= 0) {
        ::close(socket_);
    }
}

bool ProgramRemote::send(const std::string& line) {
    size_t sent = 0;
    while (sent < line.size()) {
        const ssize_t written =
            ::send(socket_, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (written <= 0) {
            return false;
        }
        sent += static_cast<size_t>(written);
    }
    return true;
}

std::optional<std::string> ProgramRemote::receiveLine() {
    for (;;) {
        const size_t end = received_.find('\n');
        if (end != std::string::npos) {
            std::string line = received_.substr(0, end);
            received_.erase(0, end + 1);
            return line;
        }
        pollfd waiting{socket_, POLLIN, 0};
        char buffer[4096];
        if (::poll(&waiting, 1, kAnswerLimitMs) != 1) {
            return std::nullopt;
        }
        const ssize_t got = ::recv(socket_, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return std::nullopt;
        }
        received_.append(buffer, static_cast<size_t>(got));
    }
}

std::optional<std::vector<std::string>> ProgramRemote::request(
    std::initializer_list<std::string> fields) {
    if (socket_ < 0) {
        return std::nullopt;
    }
    std::optional<std::string> line;
    if (!send(encodeFields(fields) + "\n") || !(line = receiveLine())) {
        error_ = "the agent did not answer \"" + *fields.begin() + "\"";
        ::close(socket_);
        socket_ = -1;
        return std::nullopt;
    }
    std::vector<std::string> answer = decodeFields(*line);
    if (answer.front() != "ok") {
        error_ = answer.size() > 1 ? answer[1] : *line;
        return std::nullopt;
    }
    answer.erase(answer.begin());
    return answer;
}

bool ProgramRemote::act(std::initializer_list<std::string> fields) {
    return request(fields).has_value();
}

bool ProgramRemote::exists(const std::string& window, const std::string& widget) {
    const auto answer = request({"exists", window, widget});
    return answer && !answer->empty() && answer->front() == "1";
}

bool ProgramRemote::awaitWidget(const std::string& window, const std::string& widget,
                                std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!exists(window, widget)) {
        if (socket_ < 0 || std::chrono::steady_clock::now() >= deadline) {
            const auto windows = request({"windows"});
            error_ = "\"" + widget + "\" of \"" + window + "\" did not come; windows:";
            for (const std::string& shown : windows.value_or(std::vector<std::string>{})) {
                error_ += " [" + shown + "]";
            }
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

bool ProgramRemote::awaitGone(const std::string& window, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (exists(window, "*")) {
        if (std::chrono::steady_clock::now() >= deadline) {
            error_ = "\"" + window + "\" stayed";
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

std::string ProgramRemote::text(const std::string& window, const std::string& widget) {
    const auto answer = request({"text", window, widget});
    return answer && !answer->empty() ? answer->front() : std::string();
}

std::vector<std::vector<std::string>> ProgramRemote::rows(const std::string& window,
                                                          const std::string& widget) {
    std::vector<std::vector<std::string>> table;
    for (const std::string& row :
         request({"rows", window, widget}).value_or(std::vector<std::string>{})) {
        std::vector<std::string> cells(1);
        for (const char c : row) {
            if (c == '\x1f') {
                cells.emplace_back();
            } else {
                cells.back() += c;
            }
        }
        table.push_back(std::move(cells));
    }
    return table;
}

bool ProgramRemote::chooseMenuItem(const std::string& item, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!act({"menu", item})) {
        if (socket_ < 0 || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    return true;
}

bool ProgramRemote::answerMessage(const std::string& text, const std::string& button,
                                  std::chrono::milliseconds limit) {
    if (!awaitWindow("@QMessageBox", limit)) {
        return false;
    }
    const std::string shown = this->text("@QMessageBox", "*");
    if (shown != text) {
        error_ = "the message says \"" + shown + "\", not \"" + text + "\"";
        return false;
    }
    // The click is done before the agent reads the next request.
    return act({"click", "@QMessageBox", "QAbstractButton:" + button});
}

}  // namespace tk73test
