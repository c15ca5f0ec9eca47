// A shared library that needs another one (the probe companion) to load: what the tests of
// finding a library's own dependencies load.

extern "C" int trevalunda_probe_companion_part();
extern "C" int trevalunda_probe_dependent_answer();

extern "C" int trevalunda_probe_dependent_answer() {
    return trevalunda_probe_companion_part() + 2;
}
