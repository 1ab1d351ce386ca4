#include "agent/bench/panel_host.h"

#include <string>

#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

PanelHost::PanelHost() {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(PANEL_HOST_RECORD),
                                  kPanelHostRecord);
    if (mapping_) record_ = static_cast<PANEL_HOST_RECORD*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0));
    run_ = CreateEventA(nullptr, TRUE, TRUE, kPanelHostRun);
    held_ = CreateEventA(nullptr, TRUE, FALSE, kPanelHostHeld);
    stop_ = CreateEventA(nullptr, TRUE, FALSE, kPanelHostStop);
}

PanelHost::~PanelHost() {
    Stop();
    if (record_) UnmapViewOfFile(record_);
    for (HANDLE handle : {mapping_, run_, held_, stop_})
        if (handle) CloseHandle(handle);
}

bool PanelHost::Start() {
    if (!record_ || !run_ || !held_ || !stop_) return false;
    std::string command = "\"" + winsupport::BuildFile(kPanelHostProgram) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    return counter_.Open(started.dwProcessId);
}

bool PanelHost::Stop() {
    if (!process_) return false;
    SetEvent(stop_);
    SetEvent(run_);
    DWORD code = 1;
    const bool ended = WaitForSingleObject(process_, winetest::SLOW_WAIT_LIMIT_MS) == WAIT_OBJECT_0;
    if (ended) GetExitCodeProcess(process_, &code);
    else TerminateProcess(process_, 1);
    CloseHandle(process_);
    process_ = nullptr;
    return ended && code == 0;
}
