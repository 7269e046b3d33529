# Builds instrumented with the sanitizers, each in a build directory of its
# own: VELKAMIRE_SANITIZE for the whole suite (make test-sanitize),
# VELKAMIRE_FUZZ for the libFuzzer targets (make fuzz, clang only). Any
# report from our code stops the program: nothing recovers.
option(VELKAMIRE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELKAMIRE_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

if(VELKAMIRE_SANITIZE OR VELKAMIRE_FUZZ)
  # Level files may hold any float; turning one into an integer out of
  # range is undefined, and GCC leaves that check out of "undefined".
  set(sanitizers address,undefined,float-cast-overflow)
  add_compile_options(-fsanitize=${sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${sanitizers})
  add_library(keep_libraries_loaded OBJECT ${CMAKE_CURRENT_LIST_DIR}/KeepLibrariesLoaded.c)
  link_libraries(keep_libraries_loaded)
  # Libraries opened at run time must find this dlclose before libc's.
  add_link_options(-Wl,--export-dynamic-symbol=dlclose)
endif()

if(VELKAMIRE_SANITIZE)
  # Light optimisation and line tables only: the build runs in CI after the
  # normal one, and stack traces need no more.
  add_compile_options(-O1 -g1)
endif()

if(VELKAMIRE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELKAMIRE_FUZZ needs clang: configure with CXX=clang++ CC=clang")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link
                      -fsanitize-coverage-ignorelist=${CMAKE_SOURCE_DIR}/fuzz/coverage-ignore.txt)
endif()
