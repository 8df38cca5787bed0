#pragma once
// Visibility of the library's internals. The library hides everything but its
// C functions; the few internal classes that the tests drive directly (the
// frame codec) are exported with KXLINK_TESTABLE. Nothing outside the tests
// may rely on them.

#if defined(_WIN32)
#  define KXLINK_TESTABLE
#else
#  define KXLINK_TESTABLE __attribute__((visibility("default")))
#endif
