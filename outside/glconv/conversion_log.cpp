#include "outside/glconv/conversion_log.h"

#include <cstdio>

#include "outside/glconv/result_codes.h"

namespace glconv {

void writeConversionLog(const std::string& command, int result, const std::string& detail) {
    std::FILE* log = std::fopen("ECR.LOG", "wb");
    if (log == nullptr) {
        return;
    }
    std::fprintf(log, "Command: %s\r\nResult: %d %s\r\n%s\r\n", command.c_str(), result,
                 resultText(result), detail.c_str());
    std::fclose(log);
}

}  // namespace glconv
