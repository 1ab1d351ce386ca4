# Exports declared in .def files, and import libraries for DLLs whose exports are bound by
# ordinal. A .def names the i686 symbols with their stdcall decoration ("Name@8"); x86_64 has
# one calling convention and no decoration, so that world reads the same file with the
# decorations taken off.
include_guard(GLOBAL)

# kb_world_def(out_var file.def): the .def as this world's linker needs it.
function(kb_world_def out_var def)
  get_filename_component(def ${def} ABSOLUTE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  if(NOT KB_WORLD STREQUAL win64)
    set(${out_var} ${def} PARENT_SCOPE)
    return()
  endif()
  file(STRINGS ${def} lines)
  set(text)
  foreach(line ${lines})
    # "Name@8" -> "Name"; then "Name = Name @2", an alias of itself, -> "Name @2".
    string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" line "${line}")
    string(REGEX REPLACE "^([ \t]*)([^ \t=;]+)[ \t]*=[ \t]*\\2([ \t])" "\\1\\2\\3" line "${line}")
    string(APPEND text "${line}\n")
  endforeach()
  get_filename_component(name ${def} NAME)
  set(world_def ${CMAKE_CURRENT_BINARY_DIR}/exports/${name})
  file(WRITE ${world_def} "${text}")
  set(${out_var} ${world_def} PARENT_SCOPE)
endfunction()

# kb_def_exports(target file.def): the DLL `target` exports what the .def declares.
function(kb_def_exports target def)
  kb_world_def(world_def ${def})
  target_sources(${target} PRIVATE ${world_def})
endfunction()

# kb_ordinal_import_library(name DLL target DEF file.def): the interface target `name` links a
# program against the DLL so that every export of the .def is imported by its ordinal alone.
# The import library is made by dlltool from the DLL's own .def with each export marked
# NONAME, so the two can't drift apart.
function(kb_ordinal_import_library name)
  cmake_parse_arguments(I "" "DLL;DEF" "" ${ARGN})
  kb_world_def(def ${I_DEF})
  file(STRINGS ${def} lines)
  set(text)
  foreach(line ${lines})
    if(line MATCHES "^([ \t]*)[^ \t=;]+[ \t]*=[ \t]*([^ \t]+)[ \t]+(@[0-9]+)[ \t]*$")
      # "Name = Name@8 @2": the caller's symbol is the decorated one on the right.
      set(line "${CMAKE_MATCH_1}${CMAKE_MATCH_2} ${CMAKE_MATCH_3} NONAME")
    elseif(line MATCHES "@[0-9]+[ \t]*$")
      string(APPEND line " NONAME")
    endif()
    string(APPEND text "${line}\n")
  endforeach()
  set(ordinal_def ${CMAKE_CURRENT_BINARY_DIR}/${name}.def)
  file(WRITE ${ordinal_def} "${text}")

  set(library ${CMAKE_CURRENT_BINARY_DIR}/lib${name}.a)
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${ordinal_def} --dllname $<TARGET_FILE_NAME:${I_DLL}>
            --output-lib ${library}
    DEPENDS ${ordinal_def}
    COMMENT "Making the ordinal import library of ${I_DLL}")
  add_custom_target(${name}_library DEPENDS ${library})
  add_library(${name} INTERFACE)
  target_link_libraries(${name} INTERFACE ${library})
  add_dependencies(${name} ${name}_library ${I_DLL})
endfunction()
