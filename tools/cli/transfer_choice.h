#pragma once
// What a LAN command works on: the registers' addresses and the program files, checked before
// any register is called.

#include <cstdint>
#include <string>
#include <vector>

namespace tk73cli {

// "4,5,998": distinct program file numbers, at most as many as a register's work list counts.
std::vector<uint32_t> parseFiles(const std::string& text);
// The registers' IPv4 addresses, each once.
std::vector<std::string> checkedAddresses(const std::vector<std::string>& addresses);
// The files the shell's "Send to LAN" and "Recv. from LAN" transfer: the definition's easy list.
std::vector<uint32_t> easyFiles(const std::string& definition);

}  // namespace tk73cli
