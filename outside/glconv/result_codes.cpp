#include "outside/glconv/result_codes.h"

namespace glconv {

const char* resultText(int code) {
    switch (code) {
        case kNormalEnd:
            return "Normal End";
        case kDifferentMachine:
            return "from ECR. Different machine.";
        case kCannotConvert:
            return "Impossible to convert data";
        case kIllegalFormat:
            return "Illegal Format data";
        case kCannotOpen:
            return "Can't open/create dos file";
        case kCannotWrite:
            return "Can't write Dos File.";
        case kAbruptEnd:
            return "Abrupt file end";
        case kNotEnoughMemory:
            return "Not enough memory available";
        case kUnknownMode:
            return "Unknown Receive/Send mode.";
        case kNoTerminal:
            return "Not found terminal number";
        case kTimeOut:
            return "Time Out Error";
        case kBadAnswer:
            return "Received RF Command error";
        case kTransmitError:
            return "Disable Transmit Error";
        case kConnectError:
            return "Socket Connect Error.";
        case kReceiveError:
            return "Socket Recieve Error.";
        case kUnknownMachine:
            return "Unknown Machine type or no profile.";
        case kUnknownParameters:
            return "Unknown parameters";
        case kUnknownError:
            return "Unknown error code or environment error";
        default:
            return "Unknown error";
    }
}

}  // namespace glconv
