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
  ${CMAKE_CURRENT_LIST_DIR}/logic/filter_device_change.cpp)

kb_host_test(agent_filter_logic_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_list_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_services_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/host/filter_device_change_test.cpp
  LIBS agent_install_logic)
