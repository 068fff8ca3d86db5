# Two instrumented configurations of the whole tree:
#   TW_SANITIZE: AddressSanitizer and UndefinedBehaviorSanitizer (any compiler),
#                for running the unit tests;
#   TW_FUZZ:     the same under clang with libFuzzer's coverage, for fuzz/.
# Undefined behaviour stops the program, so a test or a fuzzer cannot step over it.
option(TW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TW_FUZZ "Build the libFuzzer targets in fuzz/ (clang), every library instrumented" OFF)

if(TW_SANITIZE OR TW_FUZZ)
  set(tw_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${tw_sanitizers})
  add_link_options(${tw_sanitizers})
endif()
if(TW_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TW_FUZZ needs clang (CXX=clang++-14)")
  endif()
  # The list's digest is in the flags so that a change to it rebuilds what
  # it changes, as a change to a header would.
  set(tw_coverage_ignore ${CMAKE_CURRENT_LIST_DIR}/../fuzz/coverage_ignore.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tw_coverage_ignore})
  file(MD5 ${tw_coverage_ignore} tw_coverage_ignore_md5)
  add_compile_options(-fsanitize=fuzzer-no-link -fsanitize-coverage-ignorelist=${tw_coverage_ignore}
                      -DTW_COVERAGE_IGNORE=${tw_coverage_ignore_md5})
endif()
