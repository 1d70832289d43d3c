// Linked into every program of the sanitizer build (scripts/sanitize.sh).
// Tests start the launcher and the demo client with an environment of their
// own, without ASAN_OPTIONS and the like, so the options travel inside each
// program; variables set by a caller still come on top of them. So do the
// leak suppressions, as text rather than a file's name: a program that a
// test runs as another user may not be able to read the checkout.
#ifndef VELMORA_LSAN_SUPPRESSIONS
#error "VELMORA_LSAN_SUPPRESSIONS must hold the suppressions, one per line"
#endif

#define VELMORA_SANITIZER_DEFAULT extern "C" __attribute__((used, visibility("default"))) const char*

// The slow unwinder reaches through Qt's libraries, where the suppressions
// look for Qt's frames.
VELMORA_SANITIZER_DEFAULT __asan_default_options()
{
    return "detect_stack_use_after_return=1:fast_unwind_on_malloc=0:abort_on_error=1";
}

VELMORA_SANITIZER_DEFAULT __lsan_default_options()
{
    return "print_suppressions=0";
}

VELMORA_SANITIZER_DEFAULT __lsan_default_suppressions()
{
    return VELMORA_LSAN_SUPPRESSIONS;
}

VELMORA_SANITIZER_DEFAULT __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
