# One library per subsystem: every .cpp below the folder (recursively, or only the
# folder itself with FLAT) goes into it. New files need no edit of any CMakeLists.
function(px_add_library name folder)
  cmake_parse_arguments(ARG "FLAT" "" "DEPS;EXCLUDE" ${ARGN})
  if(ARG_FLAT)
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  endif()
  foreach(ex IN LISTS ARG_EXCLUDE PX_SYSTEM_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${ex}")
  endforeach()
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# One floor of PX_FLOORS: the library px_FLOOR from every .cpp below src/FLOOR, linked to
# the floors named in FLOORS (each must lie below this one) and to the outside libraries
# in LIBS. A link to a floor that is not below stops the configuration.
function(px_add_floor floor)
  cmake_parse_arguments(ARG "" "" "FLOORS;LIBS;EXCLUDE" ${ARGN})
  list(FIND PX_FLOORS ${floor} here)
  if(here LESS 0)
    message(FATAL_ERROR "px_add_floor: ${floor} is not in PX_FLOORS")
  endif()
  set(deps "")
  foreach(below IN LISTS ARG_FLOORS)
    list(FIND PX_FLOORS ${below} there)
    if(there LESS 0 OR there GREATER_EQUAL here)
      message(FATAL_ERROR "px_add_floor: the floor ${floor} may not link ${below}, which is not below it")
    endif()
    list(APPEND deps px_${below})
  endforeach()
  px_add_library(px_${floor} ${floor} DEPS ${deps} ${ARG_LIBS} EXCLUDE ${ARG_EXCLUDE})
endfunction()

# One test program per subsystem from every .cpp in its tests folder. The tests know
# where the program and the examples are, for end-to-end runs through the command line.
function(px_add_tests name folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    PONTELIX_EXE="$<TARGET_FILE:pontelix>"
    PONTELIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    PONTELIX_TEST_TMP="${CMAKE_BINARY_DIR}/test-tmp")
  add_dependencies(${name} pontelix)
  # The tests hear the program in Portuguese whatever the developer's own language; a
  # test of another language asks for it.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 ENVIRONMENT "LANGUAGE=pt")
endfunction()

# Compresses each file (relative to the current source folder) into the current binary
# folder as FILE.gz, with gzip -9n as Debian wants it, under the target `name`, built
# by default. The compressed files' paths are left in ${name}_FILES.
function(px_add_gzip_target name)
  set(outputs "")
  foreach(file IN LISTS ARGN)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    get_filename_component(folder ${out} DIRECTORY)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${out}
      DEPENDS ${file}
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(${name} ALL DEPENDS ${outputs})
  set(${name}_FILES ${outputs} PARENT_SCOPE)
endfunction()
