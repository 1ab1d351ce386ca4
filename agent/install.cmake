# The agent's filter installation: the command grammar, the list editing, the services and the
# device-change decisions in logic/ (proven on the host); EditFilterList over the device
# installation interface, the services, "/install", "/uninstall", the filter check and the
# restart prompt in win32/ (a static library the agent links, proven under Wine against
# device nodes the tests create in the prefix).
kb_portable_library(agent_install_logic
  ${CMAKE_CURRENT_LIST_DIR}/logic/filter_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logic/filter_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logic/filter_edit_result.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logic/filter_services.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logic/filter_device_change.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logic/device_names.cpp)

kb_host_test(agent_filter_logic_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_list_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_services_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_device_change_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/device_names_test.cpp
  LIBS agent_install_logic)

kb_fuzz_target(agent_filter_list_fuzz
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/filter_list_fuzz.cpp
  LIBS agent_install_logic
  SEEDS tests/fuzz/filter_list_seeds)

kb_fuzz_target(agent_device_change_fuzz
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/fuzz/device_change_fuzz.cpp
  LIBS agent_install_logic
  SEEDS tests/fuzz/device_change_seeds)

if(NOT KB_WINDOWS)
  return()
endif()

target_compile_options(agent_install_logic PRIVATE ${KB_USER_COMPILE_OPTIONS})
add_library(agent_install STATIC
  ${CMAKE_CURRENT_LIST_DIR}/win32/filter_install.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32/filter_install_setupapi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32/filter_install_services.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32/filter_install_prompt.cpp)
target_include_directories(agent_install PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(agent_install PRIVATE ${KB_USER_COMPILE_OPTIONS})
target_link_libraries(agent_install PUBLIC agent_install_logic setupapi shlwapi advapi32 user32)

# Stands in for keyagent's command line in the tests: runs one operation in a process of its
# own, so that the prefix's Windows version, which Wine reads as a process starts, can differ
# from the test's.
kb_program(agent_filter_install_peer
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/wine/filter_install_peer.cpp
  LIBS agent_install)

kb_wine_test(agent_filter_install_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/wine/filter_install_prefix.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/wine/filter_edit_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/wine/filter_install_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/wine/filter_prompt_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/wine/registry_values.cpp
  LIBS agent_install kb_device_node kb_program_fixtures shlwapi
  DEPENDS agent_filter_install_peer keyfilter lvxnftr)

# keyagent.exe's own "/install", "/uninstall" and filter check, in the agent's Wine test, over the
# same device nodes and the built driver files.
target_sources(agent_test PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tests/wine/filter_install_prefix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/wine/agent_install_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tests/wine/device_arrival_test.cpp)
target_link_libraries(agent_test PRIVATE agent_install_logic kb_device_node setupapi)
add_dependencies(agent_test lvxnftr)

kb_wine_bench(agent_filter_install_bench
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/bench/filter_install_bench.cpp
  LIBS agent_install kb_device_node)
