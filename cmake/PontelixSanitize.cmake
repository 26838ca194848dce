# The checking tree: AddressSanitizer and UndefinedBehaviorSanitizer on every object
# (PONTELIX_SANITIZE), and with clang the libFuzzer targets of fuzz/ (PONTELIX_FUZZ),
# whose coverage instrumentation then covers the libraries they call. scripts/sanitize.sh
# configures it in build-sanitize/.
option(PONTELIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PONTELIX_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(PONTELIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PONTELIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "PONTELIX_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
