// Compiled with one module's include root: LW_HEADER must be reachable exactly when LW_VISIBLE
// is 1. A module sees its own headers and those below it, never one of a module above.
#if __has_include(LW_HEADER) != LW_VISIBLE
#error "the include root shows the wrong modules"
#endif
