# zt_add_test_suite(NAME name SOURCES ... LIBS ... [LABELS ...] [GUI])
# One GoogleTest executable per test folder; every test is registered with
# CTest. GUI suites get the label "gui"; the others "core" so that the
# sanitizer build can run only the GUI-free tests (ctest -L core).
# Every run of a GUI suite gets a display server of its own
# (scripts/own-display.sh), so keyboard focus never goes to another program.
function(zt_add_test_suite)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(T_GUI)
    set(label gui)
    set_target_properties(${T_NAME} PROPERTIES
      CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/scripts/own-display.sh")
  else()
    set(label core)
  endif()
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/tests"
    PROPERTIES LABELS "${label};${T_LABELS}" TIMEOUT 300
    DISCOVERY_TIMEOUT 60)
endfunction()
