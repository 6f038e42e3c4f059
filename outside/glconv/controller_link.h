#pragma once
// Program files to and from a controller over TCP, one file per call. The protocol is this
// converter's own (README.md, "Controller transfers"); the controller simulator of tools/veksim
// speaks it too.

#include <cstdint>
#include <string>

#include "outside/glconv/command_line.h"

namespace glconv {

inline constexpr char kControllerMagic[4] = {'G', 'L', 'V', 'K'};
inline constexpr int kControllerPort = 61551;
// Request: magic, letter, machine number (2), file number (2), text flag (1), length (4).
inline constexpr size_t kRequestHeader = 14;
// Answer: magic, result code (2), length (4).
inline constexpr size_t kAnswerHeader = 10;
// No program file comes near this; a length above it is a broken frame.
inline constexpr uint32_t kMaxControllerFile = 64u << 20;

// S "file" n -tM -li -d"definition" [-T]: sends the file to controller M or replaces it with
// the controller's; the controller's address is "ECR%02d" (M) of the definition's "TCP/IP"
// section, its port "PORT" there (61551 when missing).
[[nodiscard]] int transferWithController(const Command& command, std::string& detail);

}  // namespace glconv
