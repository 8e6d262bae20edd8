# dornavik_library(NAME DEPS...): the engine library of folder NAME, built from the
# .cpp files directly in that folder, and linked to DEPS (other subsystem names or
# imported targets). A folder without sources yet gives an interface library.
function(dornavik_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${name}/*.cpp)
  set(deps)
  foreach(d IN LISTS ARGN)
    if(TARGET dornavik_${d})
      list(APPEND deps dornavik_${d})
    else()
      list(APPEND deps ${d})
    endif()
  endforeach()
  if(sources)
    add_library(dornavik_${name} STATIC ${sources})
    target_include_directories(dornavik_${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(dornavik_${name} PUBLIC ${deps})
  else()
    add_library(dornavik_${name} INTERFACE)
    target_include_directories(dornavik_${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(dornavik_${name} INTERFACE ${deps})
  endif()
endfunction()

# dornavik_tests(NAME DEPS...): one GoogleTest executable NAME_tests from
# tests/NAME/*.cpp, registered with ctest.
function(dornavik_tests name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name}_tests ${sources})
  target_link_libraries(${name}_tests PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name}_tests PRIVATE
    DORNAVIK_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    DORNAVIK_PROGRAM_DIR="${DORNAVIK_PROGRAM_DIR}")
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "DORNAVIK_HOME=${DORNAVIK_PROGRAM_DIR}")
endfunction()
