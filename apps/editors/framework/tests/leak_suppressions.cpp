// The font configuration library keeps caches for the life of the process that the leak checker
// of the sanitizer build reports; they are not the suite's.

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
