# Sourced from the repository's root by make test-sanitize and
# scripts/soak.sh: every sanitizer report stops the program; leaks inside
# the system's GL, SDL and OpenAL libraries are suppressed.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$(pwd)/tests/lsan-suppressions.txt:print_suppressions=0
