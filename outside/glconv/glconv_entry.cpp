// The one entry of the converter library, called with the C calling convention.

#include <string>

#include "outside/glconv/command_line.h"
#include "outside/glconv/conversion.h"
#include "outside/glconv/conversion_log.h"
#include "platform/api.h"

TK73_EXPORT int InitGLCONV(const char* command, int reserved) {
    const std::string text = command != nullptr ? command : "";
    std::string detail;
    const int result = glconv::runCommand(glconv::parseCommand(text.c_str()), detail);
    glconv::writeConversionLog(text, result, detail);
    return result;
}
