# quorvane_add_test(NAME SOURCES files... LIBS targets...)
# A QtTest executable registered in CTest, run offscreen so that widget tests need no display. Each run
# starts with settings of its own, emptied first: the window remembers selections and its shape in the
# user's settings, and a test must neither read what an earlier run left there nor touch the user's own.
function(quorvane_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  set(settings ${CMAKE_BINARY_DIR}/test-settings/${name})
  add_test(NAME ${name} COMMAND sh -c "rm -rf \"$1\" && exec \"$0\"" $<TARGET_FILE:${name}> ${settings})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${settings}")
endfunction()

# quorvane_add_tests_in_folder(LIBS targets...)
# One test executable per test_*.cpp file of the calling folder, each linked to the given libraries.
function(quorvane_add_tests_in_folder)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  foreach(source ${tests})
    get_filename_component(name ${source} NAME_WE)
    quorvane_add_test(${name} SOURCES ${source} LIBS ${T_LIBS})
  endforeach()
endfunction()
