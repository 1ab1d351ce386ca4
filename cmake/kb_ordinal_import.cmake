# Import libraries for DLLs whose exports are bound by ordinal.
include_guard(GLOBAL)

# kb_ordinal_import_library(name DLL target DEF file.def): the interface target `name` links a
# program against the DLL so that every export of the .def is imported by its ordinal alone.
# The import library is made by dlltool from the DLL's own .def with each export marked
# NONAME, so the two can't drift apart.
function(kb_ordinal_import_library name)
  cmake_parse_arguments(I "" "DLL;DEF" "" ${ARGN})
  get_filename_component(def ${I_DEF} ABSOLUTE)
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
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})

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
