/* Linked into every program of the sanitizer build (cmake/sanitize.cmake), nowhere else. */

/* Shared libraries stay loaded until exit. SDL unloads D-Bus and the GL dispatch library unloads
 * the GL driver when they shut down; a one-off allocation of theirs still held at exit then has a
 * stack ending in a module that is gone, which LeakSanitizer prints as "<unknown module>" and no
 * suppression can name. Kept loaded, the driver's allocations stay reachable from its globals and
 * the rest carry the library's name (tests/robustness/lsan.supp). */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}

/* The options are built in so that any test or tool of this build can be run on its own. The
 * environment (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS) still adds to or overrides them. */
const char* __asan_default_options(void) {
    return "detect_leaks=1:abort_on_error=1:strict_string_checks=1:"
           "detect_stack_use_after_return=1:check_initialization_order=1";
}

const char* __lsan_default_options(void) {
    return "suppressions=" QUARRIK_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options(void) {
    return "print_stacktrace=1:halt_on_error=1";
}
