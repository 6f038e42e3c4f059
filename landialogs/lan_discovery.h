#pragma once
// Finding registers and controllers on the LAN: a search datagram goes to the broadcast address
// (or to each machine already listed, for a search again) and every machine that answers is
// listed: a register by the address it answered from, a controller by the address its answer
// names.
//
// The broadcast address is a machine-wide setting, "BroadcastAddress" under the "\LAN" key of
// the register tool's system key, which the controller tool reads too as both work on the same
// LAN: one address or several separated by commas (255.255.255.255 when missing). A
// site whose machines sit behind a router, and the tests with simulators on loopback
// addresses, name the machines' own addresses there.

#include <string>
#include <vector>

namespace tk73lan {

inline constexpr int kRegisterSearchPort = 61562;
inline constexpr int kControllerSearchPort = 61550;
// How long a search listens for answers.
inline constexpr int kSearchMilliseconds = 1500;

struct SearchAnswer {
    // A register's: "%d.%d.%d.%d" of the sender. A controller's: the address its answer names,
    // empty when it names none (the search then takes the sender's).
    std::string address;
    // Of a controller: its machine number (4 characters) and its model code (6 characters).
    std::string machineNo;
    std::string modelCode;
};

// The request datagrams: 36 bytes for registers, 34 for controllers.
std::string registerSearchRequest();
std::string controllerSearchRequest();
// The answer of one datagram, false when it is no answer of the kind.
bool readRegisterAnswer(const std::string& datagram, SearchAnswer& answer);
bool readControllerAnswer(const std::string& datagram, SearchAnswer& answer);

// The addresses of the broadcast setting.
std::vector<std::string> broadcastTargets();

// Sends the request of the kind to every target and collects the answers that come within the
// wait, each sender once, in the order they came. Empty when no socket can be had.
std::vector<SearchAnswer> searchMachines(bool controller, const std::vector<std::string>& targets,
                                         int waitMilliseconds = kSearchMilliseconds);

}  // namespace tk73lan
