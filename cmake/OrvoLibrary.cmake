# orvo_library(<target> DIRS <dir>... [LINK <lib>...] [STARTUP <function>])
# A static library from every .cpp under the given folders (relative to the current
# source folder); headers are included from the project root ("platform/rtl/Format.h").
# STARTUP names the library's start-up routine (`Initialize<Library>`), which registers the
# classes found by name; every program linking the library runs it (orvo_program_startup).
function(orvo_library target)
  cmake_parse_arguments(ARG "" "STARTUP" "DIRS;LINK;PRIVATE_LINK" ${ARGN})
  set(sources)
  foreach(d ${ARG_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    # A floor with no code yet still gives its library, so that the layers above link.
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
    file(WRITE ${empty} "// no sources yet\n")
    set(sources ${empty})
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_LINK} PRIVATE ${ARG_PRIVATE_LINK})
  if(ORVO_FUZZ)
    # Coverage hooks guide the fuzzer through the code under test; the sanitizers' runtime
    # answers them in programs that do not link the fuzzer.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
  orvo_precompile(${target} ${ARG_LINK})
  if(ARG_STARTUP)
    set_target_properties(${target} PROPERTIES ORVO_STARTUP ${ARG_STARTUP})
  endif()
endfunction()

# orvo_program_startup(<target> <lib>...)
# Gives a program `void OrvoProgramStartup()`, which runs the start-up of each listed library
# that has one (each runs the start-ups of the libraries below it first). A static library
# keeps only the units a program names, so the classes that form resources, chart files and
# galleries find by name are registered from here, never from a unit's static initialiser.
# The program calls it once its application object exists (test programs: the test entry).
function(orvo_program_startup target)
  set(decls "")
  set(calls "")
  foreach(lib ${ARGN})
    if(TARGET ${lib})
      get_target_property(fn ${lib} ORVO_STARTUP)
      if(fn)
        string(APPEND decls "void ${fn}();\n")
        string(APPEND calls "    ${fn}();\n")
      endif()
    endif()
  endforeach()
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_startup.cpp)
  file(CONFIGURE OUTPUT ${file} CONTENT
    "// Written by the build: the start-up of the libraries this program links.\n${decls}\nvoid OrvoProgramStartup() {\n${calls}}\n")
  target_sources(${target} PRIVATE ${file})
  set_source_files_properties(${file} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# Precompiled headers: the standard and Qt headers that nearly every unit includes, compiled
# once per library. Libraries that see only Qt's core (the lowest platform floors, the
# translation engine) get the core list; the others also the GUI headers that the platform's
# canvas and control headers pull in.
set(ORVO_PCH_CORE <QString> <string> <vector> <memory> <functional> <algorithm> <map> <cmath>)
set(ORVO_PCH_GUI ${ORVO_PCH_CORE} <QImage> <QPainter> <QFont> <QWidget>)
function(orvo_precompile target)
  set(list ${ORVO_PCH_CORE})
  foreach(lib ${ARGN})
    if(lib STREQUAL "Qt6::Widgets" OR NOT lib MATCHES "^(platform_.*|Qt6::.*)$")
      set(list ${ORVO_PCH_GUI})
    endif()
  endforeach()
  target_precompile_headers(${target} PRIVATE ${list})
endfunction()

# orvo_test(<name> [LINK <lib>...] [DIRS <dir>...] [X11])
# One GoogleTest program from every .cpp in the given folders (default: the current one),
# run by CTest on Qt's offscreen platform (or under Xvfb with X11).
function(orvo_test name)
  cmake_parse_arguments(ARG "X11" "" "DIRS;LINK" ${ARGN})
  if(NOT ARG_DIRS)
    set(ARG_DIRS .)
  endif()
  set(sources)
  foreach(d ${ARG_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    message(STATUS "${name}: no test sources yet")
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LINK} test_main GTest::gtest GTest::gmock)
  orvo_program_startup(${name} ${ARG_LINK})
  # Every test program reuses the test entry point's precompiled headers (GoogleTest and the
  # GUI list), built once.
  target_precompile_headers(${name} REUSE_FROM test_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(ARG_X11)
    add_test(NAME ${name} COMMAND xvfb-run -a $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
  else()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  # ORVO_SLOW_TESTS lists the longest programs, longest first: they start first, in that order.
  list(FIND ORVO_SLOW_TESTS ${name} slow)
  if(slow GREATER_EQUAL 0)
    math(EXPR cost "1000 - ${slow}")
    set_tests_properties(${name} PROPERTIES COST ${cost})
  endif()
endfunction()

# orvo_embed_resources(<target> [TYPE <type>] <file>... [TYPE <type> <file>...])
# Embeds files in an executable (or an object library) as resources named after the
# file in upper case without extension (resources/forms/TCHIPTUNINGFORM.dfm becomes
# RCDATA "TCHIPTUNINGFORM"), found through FindResource and TResourceStream. The type is
# RCDATA until a TYPE keyword names another one (BITMAP, CURSOR, FONT, VERSION).
function(orvo_embed_resources target)
  set(type RCDATA)
  set(expect_type FALSE)
  set(manifest_lines "")
  set(files "")
  foreach(arg ${ARGN})
    if(expect_type)
      set(type ${arg})
      set(expect_type FALSE)
    elseif(arg STREQUAL "TYPE")
      set(expect_type TRUE)
    else()
      get_filename_component(path ${arg} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
      get_filename_component(name ${path} NAME_WE)
      string(TOUPPER ${name} name)
      string(APPEND manifest_lines "${type}|${name}|${path}\n")
      list(APPEND files ${path})
    endif()
  endforeach()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(manifest ${dir}/manifest.txt)
  set(output ${dir}/EmbeddedResources.cpp)
  file(MAKE_DIRECTORY ${dir})
  file(CONFIGURE OUTPUT ${manifest} CONTENT "${manifest_lines}")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -DOUTPUT=${output} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${files} ${manifest} ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding resources in ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
