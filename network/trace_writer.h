#pragma once
// The trace writer: lines of one service or client session appended to "<folder>/<name>.log"
// (or "<folder>/<name><suffix>.log"), as the machine-wide settings under "\TRACE\STOREPORT"
// say. A file that has grown past "MaxSize" is renamed to ".bak" (replacing the old one) before
// the next line. Writers of the whole module are serialised by one lock.

#include <cstdint>
#include <string>

#include "network/app_context.h"

namespace tk73net {

// The registry key of the trace values and of the file service's settings.
inline constexpr const char* kTraceKey = "\\TRACE\\STOREPORT";

enum TraceLevel {
    kTraceError = 0,
    kTraceWarning,
    kTraceInfo,
    kTraceDebug,
    kTraceDebug2,
    kTraceDebug3
};

class CTK73netTrace {
  public:
    // Reads the settings now; the context's error is kept from the lines written.
    CTK73netTrace(TK73APC* context, std::string name, std::string suffix = "");

    // Whether lines are written at all ("Mode" 1).
    bool enabled() const { return mode_ == 1; }
    const std::string& filePath() const { return path_; }

    void write(int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

  private:
    void rotateWhenFull() const;

    TK73APC* context_;
    std::string path_;
    uint32_t level_ = 0;
    uint32_t mode_ = 0;
    uint64_t maxSize_ = 0;
};

}  // namespace tk73net
