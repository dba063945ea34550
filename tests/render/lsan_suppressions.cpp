// The leak checker of sanitizer builds reads these suppressions. Fontconfig, which Qt asks
// for the fonts of the title, keeps a few allocations of its own until the process ends.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
