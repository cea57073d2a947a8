# Sanitizer and fuzzing variants of the build.
#
# VELTRIX_SANITIZE: every target with AddressSanitizer and
#   UndefinedBehaviorSanitizer; undefined behaviour stops the program at its
#   first report, so a test that meets one fails. g++ or clang.
# VELTRIX_FUZZ: additionally instruments every target for coverage-guided
#   fuzzing, so the libFuzzer harnesses of tests/fuzz see into the libraries
#   they call. clang only; implies VELTRIX_SANITIZE. scripts/fuzz.sh uses it.
option(VELTRIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VELTRIX_FUZZ "Instrument every target for libFuzzer (clang; implies VELTRIX_SANITIZE)" OFF)

if(VELTRIX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELTRIX_FUZZ needs clang: configure with -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(VELTRIX_SANITIZE OR VELTRIX_FUZZ)
  set(VELTRIX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  add_compile_options(${VELTRIX_SANITIZER_FLAGS} -fno-omit-frame-pointer)
  add_link_options(${VELTRIX_SANITIZER_FLAGS})
endif()
