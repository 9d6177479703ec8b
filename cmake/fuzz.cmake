# VARNOKE_FUZZ: the libFuzzer targets of fuzz/ (clang only). Every library is built with the
# fuzzer's coverage instrumentation and with AddressSanitizer and UndefinedBehaviorSanitizer,
# so a fault the fuzzer provokes is reported with its input. Configure a build folder of its own
# with -DCMAKE_CXX_COMPILER=clang++ -DVARNOKE_FUZZ=ON (docs/FUZZING.md).

option(VARNOKE_FUZZ "Build the libFuzzer targets of fuzz/ (needs clang++)" OFF)

if(VARNOKE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VARNOKE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # The libraries the targets link are defined later; links are resolved when the build is
  # generated.
  add_subdirectory(${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_BINARY_DIR}/fuzz)
endif()
