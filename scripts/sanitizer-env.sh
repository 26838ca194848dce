# Sourced by the scripts that build and run the checking tree (build-sanitize/):
# sanitized programs stop at the first error and report leaks, passing over the leaks
# of system libraries named in sanitizer-suppressions.txt. System libraries are built
# without frame pointers, so allocations are traced by the slower full unwinder: only
# whole stacks show which library a leak lies in.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:fast_unwind_on_malloc=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/sanitizer-suppressions.txt:print_suppressions=0"

# clang with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets.
configure_checking_tree() {
  cmake -S "$here/.." -B "$here/../build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPONTELIX_SANITIZE=ON -DPONTELIX_FUZZ=ON >/dev/null
}
