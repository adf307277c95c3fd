// Qt keeps a few allocations (fonts, plugins) until the process ends; leak
// checking would fail every run on them, so only the error checkers stay on.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }
