// A library loaded at run time by the dynamic loading tests.

extern "C" __attribute__((visibility("default"))) int tk73SampleAnswer() {
    return 42;
}
