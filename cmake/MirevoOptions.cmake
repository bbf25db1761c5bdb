# One INTERFACE target carries the options every Mirevo target shares.
add_library(mirevo_options INTERFACE)
add_library(Mirevo::options ALIAS mirevo_options)
target_compile_features(mirevo_options INTERFACE cxx_std_20)
target_include_directories(mirevo_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
target_compile_options(mirevo_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(mirevo_options INTERFACE
  QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(MIREVO_WERROR)
  target_compile_options(mirevo_options INTERFACE -Werror)
endif()
if(MIREVO_SANITIZE)
  target_compile_options(mirevo_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  target_link_options(mirevo_options INTERFACE -fsanitize=address,undefined)
endif()

# mirevo_add_layer(name SOURCES ... DEPS ...): one static library per layer.
function(mirevo_add_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(mirevo_${name} STATIC ${ARG_SOURCES})
  add_library(Mirevo::${name} ALIAS mirevo_${name})
  target_link_libraries(mirevo_${name} PUBLIC mirevo_options ${ARG_DEPS})
endfunction()

# mirevo_add_test(name SOURCES ... DEPS ... [GUI]): one GoogleTest executable registered with CTest.
function(mirevo_add_test name)
  cmake_parse_arguments(ARG "GUI" "LABEL" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE mirevo_options ${ARG_DEPS} mirevo_guitestmain GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE mirevo_options ${ARG_DEPS} GTest::gtest_main)
  endif()
  set(label ${ARG_LABEL})
  if(NOT label)
    set(label unit)
  endif()
  gtest_discover_tests(${name} TEST_PREFIX "${name}." PROPERTIES LABELS ${label}
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
endfunction()

# mirevo_add_fuzzer(name SOURCES ... DEPS ... RUNS n): a libFuzzer target run by CTest for a fixed
# number of inputs. Without MIREVO_FUZZ the same entry point is linked with a replay driver that feeds it
# the corpus and a fixed set of pseudo-random inputs, so the target is still exercised by the test run.
function(mirevo_add_fuzzer name)
  cmake_parse_arguments(ARG "" "RUNS" "SOURCES;DEPS" ${ARGN})
  if(NOT ARG_RUNS)
    set(ARG_RUNS 20000)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE mirevo_options ${ARG_DEPS})
  if(MIREVO_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_test(NAME fuzz.${name} COMMAND ${name} -runs=${ARG_RUNS} -seed=1 -max_len=4096)
  else()
    target_link_libraries(${name} PRIVATE mirevo_fuzzreplay)
    add_test(NAME fuzz.${name} COMMAND ${name} ${ARG_RUNS})
  endif()
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
