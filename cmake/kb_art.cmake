# Pictures drawn as text (<folder>/art/*.art, see tools/art/art.py) become the icons, cursors
# and bitmaps of a resource script at build time.
include_guard(GLOBAL)

find_program(KB_PYTHON NAMES python3 REQUIRED)
# Cached, so that every folder sees it: the guard above reads this file in the first folder only.
set(KB_ART_TOOL ${CMAKE_SOURCE_DIR}/tools/art/art.py CACHE INTERNAL "The picture tool")

# kb_art(target RC script.rc SOURCES a.art ...): builds every picture of the sources into
# <build>/art, where the resource script of `target` finds them by file name, and recompiles
# the script whenever a picture changes.
function(kb_art target)
  cmake_parse_arguments(A "" "RC" "SOURCES" ${ARGN})
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/art)
  set(all_outputs)
  foreach(source ${A_SOURCES})
    get_filename_component(source ${source} ABSOLUTE)
    get_filename_component(source_dir ${source} DIRECTORY)
    execute_process(COMMAND ${KB_PYTHON} ${KB_ART_TOOL} outputs ${source}
      OUTPUT_VARIABLE names ERROR_VARIABLE error RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${error}")
    endif()
    string(STRIP "${names}" names)
    string(REPLACE "\n" ";" names "${names}")
    list(TRANSFORM names PREPEND ${out_dir}/ OUTPUT_VARIABLE outputs)
    file(GLOB palettes ${source_dir}/*.pal)
    add_custom_command(OUTPUT ${outputs}
      COMMAND ${KB_PYTHON} ${KB_ART_TOOL} build ${source} ${out_dir}
      DEPENDS ${source} ${palettes} ${KB_ART_TOOL}
      COMMENT "Drawing ${source}")
    # A picture added to or removed from a source changes the list of outputs.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    list(APPEND all_outputs ${outputs})
  endforeach()
  set_source_files_properties(${A_RC} PROPERTIES OBJECT_DEPENDS "${all_outputs}")
  target_include_directories(${target} PRIVATE ${out_dir})
endfunction()

if(KB_HOST)
  add_test(NAME host.art_tool COMMAND ${KB_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/tests/test_art.py)
  set_tests_properties(host.art_tool PROPERTIES LABELS host)
endif()
