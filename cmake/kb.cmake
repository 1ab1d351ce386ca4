# Build helpers shared by every subsystem. Two trees use them:
#   KB_HOST  - native g++ build of the portable code and its GoogleTest suites.
#   KB_WINDOWS - mingw-w64 build of the deliverables and the Wine test programs.

set(KB_TOOLS_DIR ${CMAKE_SOURCE_DIR}/tools)
set(KB_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest)")

function(kb_add_gtest)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${KB_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Our own main: it fails a suite that ran no test, so a filter typo can't pass.
  add_library(kb_test_main STATIC ${KB_TOOLS_DIR}/testmain/strict_main.cpp)
  target_link_libraries(kb_test_main PUBLIC gtest gmock)
  # GoogleTest (and, in the Windows trees, windows.h) parsed once into a precompiled header that
  # every test program and test fixture reuses: parsing them took most of each test file's
  # compile time. The users share kb_test_main's flags, which GCC requires of a reused header.
  target_precompile_headers(kb_test_main PRIVATE <gtest/gtest.h> <gmock/gmock.h> <string> <vector> <memory>
    $<$<BOOL:${KB_WINDOWS}>:<windows.h$<ANGLE-R>>)
endfunction()

# kb_test_pch(target...): the targets compile with the test programs' precompiled header. Only for
# code that links GoogleTest (its macros are part of the header's flags).
function(kb_test_pch)
  foreach(target ${ARGN})
    target_link_libraries(${target} PRIVATE gtest gmock)
    target_precompile_headers(${target} REUSE_FROM kb_test_main)
  endforeach()
endfunction()

# kb_windows_pch(target...): Windows-side code of our own that links no test framework (benchmarks,
# the simulator, stand-ins, fixtures) compiles with the precompiled windows.h of kb_winsupport.
function(kb_windows_pch)
  foreach(target ${ARGN})
    target_precompile_headers(${target} REUSE_FROM kb_winsupport)
  endforeach()
endfunction()

# kb_program(name SOURCES ... [LIBS ...] [DEPENDS ...]): the executable behind every test,
# benchmark and fuzz target; Windows programs link their runtime statically so that they run
# under Wine with no DLL of the toolchain beside them.
function(kb_program name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${name} ${P_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  if(KB_WINDOWS)
    target_link_options(${name} PRIVATE -static)
  endif()
  if(P_DEPENDS)
    add_dependencies(${name} ${P_DEPENDS})
  endif()
endfunction()

# Code that every tree compiles the same way: portable logic, no platform headers.
function(kb_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(KB_FUZZ)
    # The fuzz tree builds a library only when a fuzz target links it.
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
  endif()
endfunction()

# Every GoogleTest program writes its cases here, so that the summary of `make test` counts
# cases as well as ctest entries.
set(KB_GTEST_REPORTS ${CMAKE_BINARY_DIR}/gtest)

# kb_host_test(name SOURCES ... [LIBS ...]): a GoogleTest program run natively by ctest.
function(kb_host_test name)
  if(NOT KB_HOST)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  kb_program(${name} SOURCES ${T_SOURCES} LIBS ${T_LIBS} kb_test_main)
  kb_test_pch(${name})
  add_test(NAME host.${name} COMMAND ${name} --gtest_output=xml:${KB_GTEST_REPORTS}/${name}.xml)
  set_tests_properties(host.${name} PROPERTIES LABELS host TIMEOUT 300)
endfunction()

# kb_wine_test(name SOURCES ... [LIBS ...] [DEPENDS targets...]): a GoogleTest program built
# for Windows and run under Wine by ctest (the runner is the cross-compiling emulator).
# DEPENDS names the deliverables the test loads or starts, so they are built first.
function(kb_wine_test name)
  if(NOT KB_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  kb_program(${name} SOURCES ${T_SOURCES} LIBS ${T_LIBS} kb_winetest kb_test_main DEPENDS ${T_DEPENDS})
  kb_test_pch(${name})
  # Wine maps the Unix root to drive Z:.
  string(REPLACE "/" "\\" report "Z:${KB_GTEST_REPORTS}/${name}.xml")
  add_test(NAME wine.${name} COMMAND ${name} --gtest_output=xml:${report})
  set_tests_properties(wine.${name} PROPERTIES LABELS wine TIMEOUT ${T_TIMEOUT}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# kb_wine_unmanaged_windows(program ... [FOR bench.name]): the Wine test programs named run with
# unmanaged windows, which Wine frames and draws itself as Windows does. Without a window manager
# Wine waits 2 s for one whenever a managed window is hidden or destroyed (docs/wine-notes.md).
# With FOR, the programs are ones that benchmark starts.
function(kb_wine_unmanaged_windows)
  if(NOT KB_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(U "" "FOR" "" ${ARGN})
  foreach(program ${U_UNPARSED_ARGUMENTS})
    set(prefix wine)
    set(user wine.${program})
    if(U_FOR)
      set(prefix bench)
      set(user ${U_FOR})
    endif()
    add_test(NAME ${prefix}.${program}_unmanaged_windows
      COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add
              "HKCU\\Software\\Wine\\AppDefaults\\${program}.exe\\X11 Driver" /v Managed /d N /f)
    set_tests_properties(${prefix}.${program}_unmanaged_windows PROPERTIES
      LABELS ${prefix} FIXTURES_SETUP ${program}_unmanaged)
    set_tests_properties(${user} PROPERTIES FIXTURES_REQUIRED ${program}_unmanaged)
  endforeach()
endfunction()

# Flags of every user-mode deliverable: small, static runtime, loadable on Windows 98 to XP.
# No thread-safe statics: their guards pull in the threading runtime, which imports functions
# Windows 2000 and XP lack; each deliverable's statics belong to one thread anyway.
set(KB_USER_COMPILE_OPTIONS -Os -fno-exceptions -fno-rtti -fno-threadsafe-statics
  -ffunction-sections -fdata-sections)
set(KB_USER_LINK_OPTIONS
  -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections
  -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

# kb_deliverable(target): apply the deliverable flags and copy the result into dist/.
function(kb_deliverable target)
  target_compile_options(${target} PRIVATE ${KB_USER_COMPILE_OPTIONS})
  target_link_options(${target} PRIVATE ${KB_USER_LINK_OPTIONS})
  kb_ship(${target})
endfunction()

function(kb_ship target)
  set_property(GLOBAL APPEND PROPERTY KB_DIST_TARGETS ${target})
endfunction()

# Kernel code: freestanding C++ without exceptions, RTTI, static constructors or runtime.
set(KB_KERNEL_COMPILE_OPTIONS
  -Os -ffreestanding -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
  -fno-threadsafe-statics -fno-stack-protector -mno-stack-arg-probe -Wall -Wextra
  # The headers read the thread and processor blocks at fixed segment offsets, which GCC 12
  # takes for accesses through a null pointer unless it is told that page 0 is no object.
  --param=min-pagesize=0
  # RTL_CONSTANT_STRING(L"...") stores a literal in a PWSTR; the kernel never writes it.
  -Wno-write-strings)

# The kernel headers pick their machine from this define; the driver entry is DriverEntry, a
# stdcall symbol decorated with its 8 bytes of arguments on i686 and undecorated on x86_64.
if(KB_WORLD STREQUAL win64)
  set(KB_KERNEL_MACHINE _AMD64_)
  set(KB_DRIVER_ENTRY DriverEntry)
else()
  set(KB_KERNEL_MACHINE _X86_)
  set(KB_DRIVER_ENTRY _DriverEntry@8)
endif()

function(kb_kernel_code target)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  # mingw's wdm.h defines the two bit-test intrinsics again, which C++ refuses; these names
  # make intrin.h leave them to wdm.h.
  target_compile_definitions(${target} PRIVATE ${KB_KERNEL_MACHINE} KB_KERNEL=1
    __INTRINSIC_DEFINED_InterlockedBitTestAndSet __INTRINSIC_DEFINED_InterlockedBitTestAndReset)
  target_compile_options(${target} PRIVATE ${KB_KERNEL_COMPILE_OPTIONS})
endfunction()

# kb_driver(target OUTPUT name SOURCES ...): a WDM kernel driver (.sys), linked against the
# kernel and the HAL only, without the C or C++ runtime, with the project's kernel support
# library (kernelsupport/kernel/).
function(kb_driver target)
  cmake_parse_arguments(D "" "OUTPUT" "SOURCES" ${ARGN})
  add_library(${target} SHARED ${D_SOURCES})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".sys" OUTPUT_NAME ${D_OUTPUT})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  kb_kernel_code(${target})
  target_link_options(${target} PRIVATE
    -nostdlib -nostartfiles -s -Wl,--exclude-all-symbols
    -Wl,--subsystem,native -Wl,--entry,${KB_DRIVER_ENTRY}
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,0
    -Wl,--major-os-version,5 -Wl,--minor-os-version,0
    -Wl,--image-base,0x10000 -Wl,--file-alignment,0x200 -Wl,--section-alignment,0x1000)
  target_link_libraries(${target} PRIVATE kb_kernel_support ntoskrnl hal)
endfunction()

# Copies every shipped target into dist/ after the build.
function(kb_finish_dist)
  if(NOT KB_WINDOWS)
    return()
  endif()
  get_property(targets GLOBAL PROPERTY KB_DIST_TARGETS)
  set(commands)
  foreach(t ${targets})
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${t}> ${KB_DIST_DIR}/)
  endforeach()
  add_custom_target(dist ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KB_DIST_DIR}
    ${commands}
    DEPENDS ${targets}
    COMMENT "Copying the deliverables into ${KB_DIST_DIR}")
endfunction()

# ---- Benchmarks and fuzzing: run by `make bench` and `make fuzz`, never timed by `make test`.

set(KB_BENCH_DIR ${CMAKE_SOURCE_DIR}/build/bench CACHE PATH "Where benchmarks write their results")

# kb_host_bench(name SOURCES ... [LIBS ...]): a Google Benchmark program. Its results go to
# ${KB_BENCH_DIR}/name.json and to the console.
function(kb_host_bench name)
  if(NOT KB_HOST)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  kb_program(${name} SOURCES ${B_SOURCES} LIBS ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  add_test(NAME bench.${name} COMMAND ${name}
    --benchmark_out=${KB_BENCH_DIR}/${name}.json --benchmark_out_format=json
    --benchmark_repetitions=9 --benchmark_report_aggregates_only=true)
  set_tests_properties(bench.${name} PROPERTIES LABELS bench)
endfunction()

# kb_wine_bench(name SOURCES ... [LIBS ...] [DEPENDS ...]): a benchmark program run under Wine.
# It receives the result file's Windows path as its first argument.
function(kb_wine_bench name)
  if(NOT KB_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  kb_program(${name} SOURCES ${B_SOURCES} LIBS ${B_LIBS} kb_winsupport DEPENDS ${B_DEPENDS})
  kb_windows_pch(${name})
  # Wine maps the Unix root to drive Z:.
  string(REPLACE "/" "\\\\" result "Z:${KB_BENCH_DIR}/${name}.txt")
  add_test(NAME bench.${name} COMMAND ${name} ${result})
  set_tests_properties(bench.${name} PROPERTIES LABELS bench TIMEOUT 900
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# make bench's summary of those results: a missed goal is reported, a lost event or a missing
# figure fails the run.
if(KB_HOST)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME host.bench_summary COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/tests/test_bench_summary.py)
  set_tests_properties(host.bench_summary PROPERTIES LABELS host)
endif()

# kb_fuzz_target(name SOURCES ... [LIBS ...] [SEEDS folder] [SMOKE_SECONDS n]): a libFuzzer
# target, built only in the fuzz tree (clang). `make test` runs it for SMOKE_SECONDS (default
# 20), `make fuzz` for KB_FUZZ_SECONDS. What it finds goes to build/fuzz/corpus/name; SEEDS, a
# folder of the source tree beside the target, holds the inputs every run starts from, the
# inputs of mended findings among them, and is only read. A finding's input is written to
# build/fuzz/findings/name-*.
function(kb_fuzz_target name)
  if(NOT KB_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "SMOKE_SECONDS;SEEDS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SMOKE_SECONDS)
    set(F_SMOKE_SECONDS 20)
  endif()
  kb_program(${name} SOURCES ${F_SOURCES} LIBS ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  set(findings ${CMAKE_BINARY_DIR}/findings)
  file(MAKE_DIRECTORY ${corpus} ${findings})
  set(seeds)
  if(F_SEEDS)
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/${F_SEEDS})
  endif()
  add_test(NAME fuzz.${name}
    COMMAND sh -c "exec \"$0\" -max_total_time=\${KB_FUZZ_SECONDS:-$1} -print_final_stats=1 -artifact_prefix=\"$2\" \"$3\" \${4:+\"$4\"}"
            $<TARGET_FILE:${name}> ${F_SMOKE_SECONDS} ${findings}/${name}- ${corpus} ${seeds})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 7200)
endfunction()
