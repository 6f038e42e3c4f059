// The one entry of the converter library, called with the C calling convention.

#include <exception>
#include <new>
#include <string>

#include "outside/glconv/command_line.h"
#include "outside/glconv/conversion.h"
#include "outside/glconv/conversion_log.h"
#include "outside/glconv/result_codes.h"
#include "platform/api.h"

// Failures are result codes at this boundary: nothing the work inside throws leaves the library.
TK73_EXPORT int InitGLCONV(const char* command, int reserved) {
    try {
        const std::string text = command != nullptr ? command : "";
        std::string detail;
        int result = glconv::kUnknownError;
        try {
            result = glconv::runCommand(glconv::parseCommand(text.c_str()), detail);
        } catch (const std::bad_alloc&) {
            result = glconv::kNotEnoughMemory;
            detail = "not enough memory";
        } catch (const std::exception& error) {
            result = glconv::kUnknownError;
            detail = error.what();
        }
        glconv::writeConversionLog(text, result, detail);
        return result;
    } catch (...) {
        return glconv::kUnknownError;
    }
}
