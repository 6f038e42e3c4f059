#pragma once
// The command text the suite hands to the converter, taken apart:
//
//   S "text file" "binary file" -lc -d"definition file" -T      text to binary
//   R "text file" "binary file" -lc -d"definition file" -T      binary to text
//   S "program file" 3 -t2 -li -d"definition file" -T           controller transfer
//
// Blanks separate words; double quotes group a path with blanks and are dropped.

#include <string>
#include <vector>

namespace glconv {

struct Command {
    char letter = 0;                    // 'S' or 'R'
    std::vector<std::string> operands;  // the words that are no switch, after the letter
    std::string definitionFile;         // -d
    bool lineKindLocal = false;         // -lc: a conversion on this PC
    bool controller = false;            // -t: a transfer to a controller
    int machineNo = 0;                  // the number after -t
    bool lanInterface = false;          // -li: the controller is reached over the LAN
    bool textFile = false;              // -T
    bool unknownSwitch = false;
};

Command parseCommand(const char* text);

}  // namespace glconv
