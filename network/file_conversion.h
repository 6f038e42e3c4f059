#pragma once
// A transferred file and the active store's program files: a data file of the model travels as
// it is, any other program file as the converter's binary program file. The active store is the
// desktop selection in the professional layout and in the Vek tool, else the single working
// store 1.

#include <string>

#include "platform/api.h"

// Writes the file of the active store's register into target; 1/0.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73ssl_PackBinFile(const char* target, int fileNo);
// Takes source into the active store's register. The store's file is replaced only once the
// whole source has been read (and converted): a failure leaves it as it was.
TK73_EXPORT TK73_NODISCARD int TK73_API TK73ssl_UnPackBinFile(const char* source, int fileNo);

namespace tk73net {

// The active store's file that a received file of the number replaces as it is: a data file of
// the model; empty for any other file (it is converted) and when the store has no such file.
std::string dataFileTarget(int fileNo);

}  // namespace tk73net
