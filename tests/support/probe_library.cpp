// A shared library for the tests of loading libraries at run time: one exported function.

extern "C" int trevalunda_probe_answer();

extern "C" int trevalunda_probe_answer() {
    return 42;
}
