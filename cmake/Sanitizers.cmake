# The checked builds: AddressSanitizer and UndefinedBehaviorSanitizer over
# all the game's code and its tests, and libFuzzer targets on top of them.
# Both are off in the ordinary build; tools/fuzz.sh and ./test.sh configure a
# build of their own with them (build-asan), made with clang:
#
#   cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ \
#         -DSUJINOSHIMA_SANITIZE=ON -DSUJINOSHIMA_FUZZ=ON
#
# Include after project() and before any target is made.

option(SUJINOSHIMA_SANITIZE "Build the game and its tests with ASan and UBSan" OFF)
option(SUJINOSHIMA_FUZZ "Build the libFuzzer targets as well (needs clang; implies SUJINOSHIMA_SANITIZE)" OFF)

if(SUJINOSHIMA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "SUJINOSHIMA_FUZZ needs clang (libFuzzer): configure with "
                            "-DCMAKE_CXX_COMPILER=clang++ in a build folder of its own")
    endif()
    set(SUJINOSHIMA_SANITIZE ON CACHE BOOL "" FORCE)
endif()

# Flags for the game's own libraries only (see game_layer): coverage, so that
# the fuzzers see which branches of the readers an input reached.
set(SUJINOSHIMA_LAYER_FLAGS "")

if(SUJINOSHIMA_SANITIZE)
    # Every finding ends the program with a failure: UBSan would otherwise
    # print and go on, and the test would pass.
    set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
                       -fno-omit-frame-pointer)
    add_compile_options(${sanitize_flags})
    add_link_options(-fsanitize=address,undefined)

    # The options and the leak suppressions are built into every program, so
    # a test run straight from ctest, a fuzzer or the game itself reports the
    # same as ./test.sh does. ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS in
    # the environment still come first.
    set(SUJINOSHIMA_LEAK_SUPPRESSIONS "${CMAKE_SOURCE_DIR}/tools/sanitizers/leaks.supp")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${SUJINOSHIMA_LEAK_SUPPRESSIONS}")
    file(READ "${SUJINOSHIMA_LEAK_SUPPRESSIONS}" SUJINOSHIMA_LEAK_SUPPRESSIONS_TEXT)
    configure_file("${CMAKE_SOURCE_DIR}/tools/sanitizers/defaults.cpp.in"
                   "${CMAKE_BINARY_DIR}/sanitizers/defaults.cpp" @ONLY)
    add_library(sujinoshima_sanitizer_defaults OBJECT "${CMAKE_BINARY_DIR}/sanitizers/defaults.cpp")
    # Every target made from here on, programs and test programs alike.
    link_libraries(sujinoshima_sanitizer_defaults)

    if(SUJINOSHIMA_FUZZ)
        set(SUJINOSHIMA_LAYER_FLAGS -fsanitize=fuzzer-no-link)
    endif()
endif()

# sujinoshima_fuzz_target(<name> <source.cpp> <libraries>...)
#
# A libFuzzer program <name> from one source defining LLVMFuzzerTestOneInput,
# linked to the given libraries, and its short run among the tests (label
# "fuzz"): every file in tests/fuzz/corpus/<name>/ is run first, as
# regression inputs, then new inputs are tried for a few seconds. New inputs
# found go to the build folder (fuzz/<name>/corpus), never to the sources;
# an input that fails is kept as fuzz/<name>/crash-<hash> there. The programs
# are in fuzz/bin; tools/fuzz.sh runs them for as long as one likes.
set(SUJINOSHIMA_FUZZ_SECONDS 5 CACHE STRING "How long each fuzzer runs among the tests")
function(sujinoshima_fuzz_target name source)
    if(NOT SUJINOSHIMA_FUZZ)
        return()
    endif()
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer -Wall -Wextra)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz/bin")

    set(work "${CMAKE_BINARY_DIR}/fuzz/${name}")
    file(MAKE_DIRECTORY "${work}/corpus")
    set(seeds "${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name}")
    set(corpora "${work}/corpus")
    if(IS_DIRECTORY "${seeds}")
        list(APPEND corpora "${seeds}")
    endif()
    add_test(NAME ${name}
             COMMAND ${name} -max_total_time=${SUJINOSHIMA_FUZZ_SECONDS} -timeout=10
                     -rss_limit_mb=2048 -print_final_stats=1 "-artifact_prefix=${work}/"
                     ${corpora}
             WORKING_DIRECTORY "${work}")
    set_tests_properties(${name} PROPERTIES LABELS fuzz
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
