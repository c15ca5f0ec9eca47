// A shared library that the dependent probe library needs beside it.

extern "C" int trevalunda_probe_companion_part();

extern "C" int trevalunda_probe_companion_part() {
    return 40;
}
