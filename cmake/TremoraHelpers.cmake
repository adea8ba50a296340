# Helpers shared by every folder's CMakeLists.txt.

# tremora_library(<folder> [DEPS <targets>...])
# One static library per source folder, named tremora_<folder>, built from
# every .cpp/.h/.qrc in that folder (new files are picked up at configure).
function(tremora_library folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(target tremora_${folder})
  set(cpp_sources ${sources})
  list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
  if(NOT cpp_sources)
    # A folder without sources yet still gives its dependents the include path.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  if(TREMORA_SANITIZER)
    # Sanitizer trees build a library only when a checked test needs it.
    set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL TRUE)
  endif()
endfunction()

# tremora_test(<source.cpp> [LIBS <targets>...] [GUI] [SANITIZE] [LABELS <l>...])
# One test executable per test source, registered with CTest as one test.
# GUI tests get a QApplication on the offscreen platform; SANITIZE marks the
# tests that the ThreadSanitizer/AddressSanitizer trees build and run.
function(tremora_test source)
  cmake_parse_arguments(ARG "GUI;SANITIZE" "" "LIBS;LABELS" ${ARGN})
  if(TREMORA_SANITIZER AND NOT ARG_SANITIZE)
    return()
  endif()
  get_filename_component(name ${source} NAME_WE)
  get_filename_component(dir ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(target ${dir}_${name})
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} tremora_test_support GTest::gmock)
  if(ARG_GUI)
    target_link_libraries(${target} PRIVATE tremora_test_gui_main Qt6::Test)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  set(labels ${dir} ${ARG_LABELS})
  if(ARG_SANITIZE)
    list(APPEND labels sanitize)
  endif()
  # One CTest test per program; a single case runs with --gtest_filter.
  add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
  set_tests_properties(${target} PROPERTIES
    LABELS "${labels}" TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TREMORA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# tremora_fuzz(<source.cpp> LIBS <targets>... [SECONDS n] [CORPUS <seed_writer.cpp>])
# A libFuzzer target, run by CTest (label "fuzz") for a bounded time on
# random input. Only built in a tree configured with TREMORA_FUZZ=ON.
# Seeds come from <name>_seeds/ beside the source and, with CORPUS, from a
# program that writes made-up seed files into the corpus folder first.
function(tremora_fuzz source)
  if(NOT TREMORA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "SECONDS;CORPUS" "LIBS" ${ARGN})
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 60)
  endif()
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzz_all ${name})
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  file(MAKE_DIRECTORY ${corpus})
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/${name}_seeds)
  if(NOT EXISTS ${seeds})
    set(seeds "")
  endif()
  add_test(NAME fuzz.${name}
           COMMAND ${name} -max_total_time=${ARG_SECONDS} -rss_limit_mb=4096 -malloc_limit_mb=512 ${corpus} ${seeds})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 600
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(ARG_CORPUS)
    get_filename_component(writer ${ARG_CORPUS} NAME_WE)
    add_executable(${writer} ${ARG_CORPUS})
    target_include_directories(${writer} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${writer} PRIVATE ${ARG_LIBS})
    add_dependencies(fuzz_all ${writer})
    add_test(NAME fuzz.${writer} COMMAND ${writer} ${corpus})
    set_tests_properties(fuzz.${writer} PROPERTIES LABELS fuzz FIXTURES_SETUP ${name}_corpus
                         ENVIRONMENT "TREMORA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
    set_tests_properties(fuzz.${name} PROPERTIES FIXTURES_REQUIRED ${name}_corpus)
  endif()
endfunction()
