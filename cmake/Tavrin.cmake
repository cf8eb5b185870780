# Build rules shared by every layer, test suite and tool of the tree.

set(TAVRIN_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
set(TAVRIN_SCRIPTS ${TAVRIN_SOURCE_ROOT}/scripts)

if(WIN32)
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
  set(TAVRIN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${TAVRIN_SCRIPTS}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

if(TAVRIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TAVRIN_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings are errors in our own code only; GoogleTest and system headers keep their own settings.
function(tavrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# tavrin_layer(<name> PURE <sources…> DEPS <layers…> LIBS <libraries…>)
# Declares the static library tavrin_<name> from the .cpp files of the calling folder and its
# sub-folders (PURE names are relative to the folder: layout/layout_parser.cpp). The PURE ones
# include no Windows header and build everywhere (natively under the sanitizers too); every other .cpp
# of the folder builds only for Windows. PURE names that do not exist yet are ignored.
function(tavrin_layer name)
  cmake_parse_arguments(L "" "" "PURE;DEPS;LIBS" ${ARGN})
  file(GLOB_RECURSE all CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(sources)
  foreach(f ${all})
    if(WIN32 OR f IN_LIST L_PURE)
      list(APPEND sources ${f})
    endif()
  endforeach()
  set(deps)
  foreach(d ${L_DEPS})
    list(APPEND deps tavrin_${d})
  endforeach()
  if(sources)
    add_library(tavrin_${name} STATIC ${sources})
    target_include_directories(tavrin_${name} PUBLIC ${TAVRIN_SOURCE_ROOT}/src)
    target_link_libraries(tavrin_${name} PUBLIC ${deps} ${L_LIBS})
    tavrin_warnings(tavrin_${name})
  else()
    add_library(tavrin_${name} INTERFACE)
    target_include_directories(tavrin_${name} INTERFACE ${TAVRIN_SOURCE_ROOT}/src)
    target_link_libraries(tavrin_${name} INTERFACE ${deps} ${L_LIBS})
  endif()
endfunction()

# GoogleTest from the distribution's sources, built once per build tree.
function(tavrin_use_googletest)
  if(NOT TARGET gtest_main)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endfunction()

# tavrin_test(<name> SOURCES <files…> DEPS <layers…> LIBS <libraries…> [LABELS <labels…>] [SERIAL])
# A GoogleTest executable whose cases CTest discovers when it runs (under Wine for Windows). SERIAL
# makes CTest run each case alone, for cases that change what every process of the prefix sees.
function(tavrin_test name)
  cmake_parse_arguments(T "SERIAL" "" "SOURCES;DEPS;LIBS;LABELS" ${ARGN})
  tavrin_use_googletest()
  include(GoogleTest)
  add_executable(${name} ${T_SOURCES})
  set(deps)
  foreach(d ${T_DEPS})
    list(APPEND deps tavrin_${d})
  endforeach()
  target_link_libraries(${name} PRIVATE ${deps} ${T_LIBS} GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${TAVRIN_SOURCE_ROOT}/src ${TAVRIN_SOURCE_ROOT})
  tavrin_warnings(${name})
  set(properties LABELS "${T_LABELS}" TIMEOUT 120)
  if(T_SERIAL)
    list(APPEND properties RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()

# Adds every sub-folder of a test tree that has a CMakeLists.txt.
function(tavrin_add_test_tree dir)
  file(GLOB children LIST_DIRECTORIES true ${TAVRIN_SOURCE_ROOT}/${dir}/*)
  foreach(child ${children})
    if(EXISTS ${child}/CMakeLists.txt)
      file(RELATIVE_PATH rel ${TAVRIN_SOURCE_ROOT} ${child})
      add_subdirectory(${child} ${CMAKE_BINARY_DIR}/${rel})
    endif()
  endforeach()
endfunction()
