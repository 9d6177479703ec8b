# VARNOKE_SANITIZE: the whole build (libraries, program, tests, benchmarks) under AddressSanitizer
# and UndefinedBehaviorSanitizer. Any undefined behaviour aborts the run instead of printing a
# note, so a test that meets one fails. Use a build folder of its own (docs/FUZZING.md).

option(VARNOKE_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VARNOKE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
