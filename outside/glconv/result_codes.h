#pragma once
// The converter's results: 0 for success, otherwise one of the codes that the suite knows by
// number and text (the LAN transfer shows them to the user).

namespace glconv {

enum Result : int {
    kNormalEnd = 0,
    kDifferentMachine = 104,    // "from ECR. Different machine."
    kCannotConvert = 1008,      // "Impossible to convert data"
    kIllegalFormat = 1009,      // "Illegal Format data"
    kCannotOpen = 1020,         // "Can't open/create dos file"
    kCannotWrite = 1022,        // "Can't write Dos File."
    kAbruptEnd = 2049,          // "Abrupt file end"
    kNotEnoughMemory = 2052,    // "Not enough memory available"
    kUnknownMode = 3002,        // "Unknown Receive/Send mode."
    kNoTerminal = 3006,         // "Not found terminal number"
    kTimeOut = 4513,            // "Time Out Error"
    kBadAnswer = 4518,          // "Received RF Command error"
    kTransmitError = 4519,      // "Disable Transmit Error"
    kConnectError = 4521,       // "Socket Connect Error."
    kReceiveError = 4522,       // "Socket Recieve Error."
    kUnknownMachine = 9997,     // "Unknown Machine type or no profile."
    kUnknownParameters = 9998,  // "Unknown parameters"
    kUnknownError = 9999,       // "Unknown error code or environment error"
};

// The code's text as the suite shows it.
const char* resultText(int code);

}  // namespace glconv
