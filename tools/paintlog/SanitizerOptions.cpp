// Defaults for sanitizer builds, linked into every test binary and the host.
//
// Qt's libraries are built without frame pointers, so leak stacks need the slow unwinder to
// reach the module that allocated. The offscreen platform plugin keeps its screen for the life
// of the process; nothing else is excused from the leak check.

#define SANITIZER_HOOK extern "C" __attribute__((visibility("default"), used))

SANITIZER_HOOK const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

SANITIZER_HOOK const char* __lsan_default_options()
{
    return "print_suppressions=0";
}

SANITIZER_HOOK const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n";
}
