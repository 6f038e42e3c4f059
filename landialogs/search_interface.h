#pragma once
// The interface a search for machines listens on: the one whose network holds the addresses the
// search goes to, so that an answer that comes to another network of this machine is none of
// its.

#include <netinet/in.h>

#include <string>
#include <vector>

namespace tk73lan {

// The address of this machine's interface on whose network every target lies (a directed
// broadcast address of the network, or a machine's own address); INADDR_ANY when there is no
// such one interface, as for the limited broadcast 255.255.255.255.
in_addr_t searchInterfaceOf(const std::vector<std::string>& targets);

}  // namespace tk73lan
