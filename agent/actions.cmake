# The agent's actions: the hot-key table and what each key does, the player search, the volume
# arithmetic, the popup's content, layout and display time (logic/, proven on the host); the
# master volume over the platform's mixer (win32/), proven under Wine against a real mixer; the
# popup's four picture strips, drawn as text in art/.
include(${CMAKE_SOURCE_DIR}/cmake/kb_art.cmake)

kb_portable_library(agent_actions_logic
  logic/action_table.cpp
  logic/action_keystrokes.cpp
  logic/action_players.cpp
  logic/action_player_search.cpp
  logic/action_programs.cpp
  logic/action_media_select.cpp
  logic/volume_steps.cpp
  logic/popup_content.cpp
  logic/popup_layout.cpp
  logic/popup_display_time.cpp)

kb_host_test(agent_actions_test
  SOURCES
    tests/host/action_table_test.cpp
    tests/host/action_players_test.cpp
    tests/host/action_player_search_test.cpp
    tests/host/action_programs_test.cpp
    tests/host/volume_steps_test.cpp
    tests/host/popup_content_test.cpp
    tests/host/popup_layout_test.cpp
    tests/host/popup_display_time_test.cpp
  LIBS agent_actions_logic)
