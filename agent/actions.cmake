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
  logic/desk_actions.cpp
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
    tests/host/desk_actions_test.cpp
    tests/host/volume_steps_test.cpp
    tests/host/popup_content_test.cpp
    tests/host/popup_layout_test.cpp
    tests/host/popup_display_time_test.cpp
  LIBS agent_actions_logic)

if(KB_WINDOWS)
  target_compile_options(agent_actions_logic PRIVATE ${KB_USER_COMPILE_OPTIONS})
  add_library(agent_master_volume STATIC win32/master_volume.cpp)
  target_include_directories(agent_master_volume PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(agent_master_volume PRIVATE ${KB_USER_COMPILE_OPTIONS})
  target_link_libraries(agent_master_volume PUBLIC agent_actions_logic winmm)
  if(TARGET keyagent)
    target_link_libraries(keyagent PRIVATE agent_master_volume)
    target_sources(keyagent PRIVATE
      win32/action_volume.cpp
      win32/popup_paint.cpp
      win32/print_screen_notice.cpp
      win32/print_screen_notice.rc
      win32/popup_bitmaps.rc)
    kb_art(keyagent RC win32/popup_bitmaps.rc SOURCES art/popup_strips.art)
  endif()
endif()

# The strips built into a test program of their own, loaded as the popup loads them.
kb_wine_test(agent_popup_bitmaps_test
  SOURCES tests/wine/popup_bitmaps_test.cpp win32/popup_bitmaps.rc
  LIBS agent_actions_logic gdi32)
if(KB_WINDOWS)
  kb_art(agent_popup_bitmaps_test RC win32/popup_bitmaps.rc SOURCES art/popup_strips.art)
endif()

kb_wine_test(agent_master_volume_test
  SOURCES tests/wine/master_volume_test.cpp
  LIBS agent_master_volume)
if(KB_WINDOWS)
  set_tests_properties(wine.agent_master_volume_test PROPERTIES
    ENVIRONMENT "GTEST_FILTER=MasterVolume.*")
  # The same program in a process that can't reach the session's sound server: no mixer at all.
  string(REPLACE "/" "\\" no_mixer_report "Z:${KB_GTEST_REPORTS}/agent_master_volume_without_mixer.xml")
  add_test(NAME wine.agent_master_volume_without_mixer
    COMMAND agent_master_volume_test --gtest_filter=NoMixer.* --gtest_output=xml:${no_mixer_report})
  set_tests_properties(wine.agent_master_volume_without_mixer PROPERTIES LABELS wine TIMEOUT 300
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    ENVIRONMENT "PULSE_SERVER=unix:/nonexistent/kb-no-sound-server")
endif()

# The hot keys' actions through the real keyagent.exe, the outside applications played by the
# stand-ins of tools/standins.
kb_wine_test(agent_hotkey_actions_test
  SOURCES
    tests/wine/hotkey_actions_test.cpp
    tests/wine/action_standins.cpp
    ${CMAKE_SOURCE_DIR}/tools/fixtures/thread_hook.cpp
    tests/wine/test_tray.cpp
    tests/wine/registry_values.cpp
  LIBS kb_program_fixtures kb_standin_programs user32 advapi32 shlwapi
  DEPENDS keyagent wheelhook trayicon agenthook app_windows program_recorder taskbar_hook
  TIMEOUT 900)
kb_wine_unmanaged_windows(agent_hotkey_actions_test)
if(KB_WINDOWS)
  set_tests_properties(wine.agent_hotkey_actions_test PROPERTIES
    FIXTURES_REQUIRED "agent_hotkey_actions_test_unmanaged;app_windows_unmanaged")
endif()

kb_wine_bench(agent_hotkey_action_bench
  SOURCES bench/hotkey_action_bench.cpp tests/wine/action_standins.cpp tests/wine/test_tray.cpp
  LIBS kb_program_fixtures kb_bench_client user32 advapi32
  DEPENDS keyagent wheelhook trayicon agenthook app_windows)

# The mixer probe: a message hook the popup tests set on the real agent's thread, so that Wine
# loads it into the agent's process, where the agent's own mixer values can be read and set.
if(KB_WINDOWS)
  add_library(agent_mixer_probe SHARED tests/wine/mixer_probe/mixer_probe_dll.cpp)
  set_target_properties(agent_mixer_probe PROPERTIES PREFIX "" OUTPUT_NAME agent_mixer_probe)
  target_link_libraries(agent_mixer_probe PRIVATE agent_master_volume advapi32 user32)
  target_link_options(agent_mixer_probe PRIVATE -static -Wl,--kill-at)
endif()

# The volume keys and the popup through the real keyagent.exe: one program, three runs (with
# the session's mixer, with none, and the screenshots for `make art`).
kb_wine_test(agent_popup_test
  SOURCES
    tests/wine/volume_keys_test.cpp
    tests/wine/popup_test.cpp
    tests/wine/popup_agent.cpp
    ${CMAKE_SOURCE_DIR}/tools/fixtures/thread_hook.cpp
    tests/wine/test_tray.cpp
    tests/wine/registry_values.cpp
  LIBS kb_program_fixtures agent_actions_logic kb_bench_client kb_popup_reading kb_capture kb_winsupport user32 gdi32 advapi32 shlwapi
  DEPENDS keyagent wheelhook trayicon agenthook agent_mixer_probe
  TIMEOUT 600)
if(KB_WINDOWS)
  set_tests_properties(wine.agent_popup_test PROPERTIES
    ENVIRONMENT "GTEST_FILTER=-NoMixer.*:PopupScreenshots.*")
  string(REPLACE "/" "\\" no_mixer_report "Z:${KB_GTEST_REPORTS}/agent_popup_without_mixer.xml")
  add_test(NAME wine.agent_popup_without_mixer
    COMMAND agent_popup_test --gtest_filter=NoMixer.* --gtest_output=xml:${no_mixer_report})
  set_tests_properties(wine.agent_popup_without_mixer PROPERTIES LABELS wine TIMEOUT 300
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    ENVIRONMENT "PULSE_SERVER=unix:/nonexistent/kb-no-sound-server")
  string(REPLACE "/" "\\" screenshots_report "Z:${KB_GTEST_REPORTS}/agent_popup_screenshots.xml")
  add_test(NAME wine.agent_popup_screenshots
    COMMAND agent_popup_test --gtest_filter=PopupScreenshots.* --gtest_output=xml:${screenshots_report})
  set_tests_properties(wine.agent_popup_screenshots PROPERTIES LABELS "wine;screenshots" TIMEOUT 300
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
kb_wine_unmanaged_windows(agent_popup_test)

kb_wine_bench(agent_popup_bench
  SOURCES bench/popup_bench.cpp tests/wine/test_tray.cpp tests/wine/registry_values.cpp
  LIBS kb_program_fixtures kb_bench_client user32 advapi32 shlwapi
  DEPENDS keyagent wheelhook trayicon agenthook)

# The message storm: every window of ours on a desktop, sent and posted random messages from
# another process. `make test` runs a short storm; `make fuzz` a long one, by its label.
if(KB_WINDOWS)
  add_library(agent_storm_marker SHARED tests/wine/storm/storm_marker_dll.cpp)
  set_target_properties(agent_storm_marker PROPERTIES PREFIX "" OUTPUT_NAME agent_storm_marker)
  target_include_directories(agent_storm_marker PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(agent_storm_marker PRIVATE user32)
  target_link_options(agent_storm_marker PRIVATE -static -Wl,--kill-at)
endif()
kb_wine_test(agent_message_storm_test
  SOURCES
    tests/wine/message_storm_test.cpp
    tests/wine/storm/storm_messages.cpp
    tests/wine/storm/storm_desktop.cpp
    tests/wine/registry_values.cpp
    ${CMAKE_SOURCE_DIR}/tools/fixtures/thread_hook.cpp
  LIBS kb_program_fixtures kb_sheet_hands user32 advapi32 shlwapi
  DEPENDS keyagent wheelhook trayicon agenthook skyrel keypages mousepages kb_panel_sheet agent_storm_marker)
if(KB_WINDOWS)
  string(REPLACE "/" "\\" long_storm_report "Z:${KB_GTEST_REPORTS}/agent_message_storm_long.xml")
  add_test(NAME wine.agent_message_storm_long
    COMMAND agent_message_storm_test --gtest_output=xml:${long_storm_report})
  set_tests_properties(wine.agent_message_storm_long PROPERTIES LABELS storm TIMEOUT 3600
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    ENVIRONMENT "KB_STORM_MESSAGES=100000;KB_WINE_TIMEOUT=3500")
endif()
