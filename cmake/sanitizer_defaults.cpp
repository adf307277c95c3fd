// Qt keeps a few allocations (fonts, plugins) until the process ends; leak
// checking would fail every run on them, so only the error checkers stay on.
// A program may widen the options with SHOP_ASAN_OPTIONS.
#ifndef SHOP_ASAN_OPTIONS
#define SHOP_ASAN_OPTIONS "detect_leaks=0"
#endif
extern "C" const char* __asan_default_options() { return SHOP_ASAN_OPTIONS; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }
