# tavrin_e2e_test(<name> SOURCES <files…> [DEPS <layers…>] [LIBS <libraries…>] [SERIAL])  (label: e2e)
# A GoogleTest program that drives TavrinHost.exe through tests/e2e/support/host_run.h. It is built
# after the host kit and the plug-in. SERIAL makes CTest run each of its cases alone: use it when the
# runs change what every process of the Wine prefix sees (test-mode key, registry preferences,
# shared settings files). Include this file from each e2e folder's CMakeLists.txt.
include_guard(GLOBAL)

if(NOT TARGET tavrin_e2e_support)
  add_library(tavrin_e2e_support STATIC ${CMAKE_CURRENT_LIST_DIR}/host_run.cpp)
  target_include_directories(tavrin_e2e_support PUBLIC ${TAVRIN_SOURCE_ROOT}/src ${TAVRIN_SOURCE_ROOT})
  target_compile_definitions(tavrin_e2e_support PRIVATE TAVRIN_HOST_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  target_link_libraries(tavrin_e2e_support PUBLIC tavrin_base shell32 advapi32)
  tavrin_warnings(tavrin_e2e_support)
endif()

function(tavrin_e2e_test name)
  cmake_parse_arguments(E "SERIAL" "" "SOURCES;DEPS;LIBS" ${ARGN})
  tavrin_use_googletest()
  include(GoogleTest)
  add_executable(${name} ${E_SOURCES})
  set(deps)
  foreach(d ${E_DEPS})
    list(APPEND deps tavrin_${d})
  endforeach()
  target_link_libraries(${name} PRIVATE tavrin_e2e_support ${deps} ${E_LIBS} GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${TAVRIN_SOURCE_ROOT}/src ${TAVRIN_SOURCE_ROOT})
  tavrin_warnings(${name})
  foreach(target TavrinHost Tavrin Dralith)
    if(TARGET ${target})
      add_dependencies(${name} ${target})
    endif()
  endforeach()
  set(properties LABELS e2e TIMEOUT 240)
  if(E_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ${properties})
endfunction()
