#include "agent/win32/readers.h"

#include "agent/logic/event_route.h"
#include "agent/win32/reader_io.h"
#include "common/control_interface.h"
#include "common/private_messages.h"

namespace {

// The pace of a reader's second tries: of an open while its device is missing, and of a read
// the device refused.
constexpr DWORD kRetryPauseMs = 1000;

bool Running(const ReaderContext& context) { return context.keep_running != 0; }

// The filters keep one read waiting at a time and refuse another while it waits: a read refused
// because another program (a status tool, the receiver simulator) has one waiting is tried again
// until that one has gone, or the reader would stay deaf until the agent restarts. The log is
// told once for each run of refusals. False once the agent stops.
bool ReadRecord(ReaderContext& context, ReaderIo& io, int reader, HANDLE device, void* record, DWORD size,
                DWORD* bytes) {
    bool told = false;
    while (Running(context)) {
        switch (io.Read(device, record, size, bytes)) {
        case IoOutcome::Done:
            return true;
        case IoOutcome::Stopped:
            return false;
        case IoOutcome::Failed:
            break;
        }
        if (!told) PostMessageA(context.main_window, WM_AGENT_READ_REFUSED, reader, static_cast<LPARAM>(GetLastError()));
        told = true;
        if (!io.Pause(kRetryPauseMs)) return false;
    }
    return false;
}

void InjectWheelStep(int delta) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(delta);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    SendInput(1, &input, sizeof input);
}

// Reader 1: hot-key codes from the keyboard filter, never reopened: without the device, it ends
// at once.
DWORD WINAPI KeyboardFilterReader(LPVOID parameter) {
    ReaderContext& context = *static_cast<ReaderContext*>(parameter);
    ReaderIo io(context.stop_event);
    if (!io.ready() || context.keyboard_filter_handle == INVALID_HANDLE_VALUE) return 0;
    uint8_t record[KEYBOARD_FILTER_RECORD_SIZE];
    DWORD bytes = 0;
    while (ReadRecord(context, io, 1, context.keyboard_filter_handle, record, sizeof record, &bytes)) {
        PostMessageA(context.main_window, WM_AGENT_KEYCODE, record[0], reinterpret_cast<LPARAM>(&context));
    }
    return 0;
}

// A filter that appeared after the agent's start missed the lock and the key-disable flags the
// start sent: the user-interface thread, which sends them, is told.
bool OpenFilterWhenPresent(ReaderContext& context, ReaderIo& io, const char* path, HANDLE* device) {
    const ReaderIo::Opened opened = io.OpenWhenPresent(path, kRetryPauseMs, device);
    if (opened == ReaderIo::Opened::Later) PostMessageA(context.main_window, WM_AGENT_FILTER_OPENED, 0, 0);
    return opened != ReaderIo::Opened::Stopped;
}

// Reader 2: keyboard activity from the companion filter; waits for its device.
DWORD WINAPI CompanionReader(LPVOID parameter) {
    ReaderContext& context = *static_cast<ReaderContext*>(parameter);
    ReaderIo io(context.stop_event);
    if (!io.ready()) return 0;
    HANDLE device = INVALID_HANDLE_VALUE;
    if (!OpenFilterWhenPresent(context, io, KB_COMPANION_USER_PATH, &device)) return 0;
    context.lower_filter_handle = device;
    uint8_t record = 0;
    DWORD bytes = 0;
    while (ReadRecord(context, io, 2, device, &record, sizeof record, &bytes)) {
        if (bytes == 1) PostMessageA(context.tray_window, WM_TRAY_ACTIVITY, 0, 0);
    }
    return 0;
}

void FetchStatusTable(ReaderContext& context, ReaderIo& io, HANDLE device) {
    RF_DATA table{};
    DWORD bytes = 0;
    if (io.Control(device, IOCTL_GET_RF_DATA, &table, sizeof table, &bytes) != IoOutcome::Done) return;
    PostMessageA(context.tray_window, WM_TRAY_BATTERY, LowBatteryMask(table), 0);
}

// Reader 3: the hot-key filter's events; waits for its device.
DWORD WINAPI HotKeyFilterReader(LPVOID parameter) {
    ReaderContext& context = *static_cast<ReaderContext*>(parameter);
    ReaderIo io(context.stop_event);
    if (!io.ready()) return 0;
    HANDLE device = INVALID_HANDLE_VALUE;
    if (!OpenFilterWhenPresent(context, io, KB_FILTER_USER_PATH, &device)) return 0;
    context.hot_key_filter_handle = device;
    // The batteries as they stand, without waiting for their next change.
    FetchStatusTable(context, io, device);
    EVENT_RECORD event{};
    DWORD bytes = 0;
    while (ReadRecord(context, io, 3, device, &event, sizeof event, &bytes)) {
        switch (RouteFilterEvent(event.Code)) {
        case EventRoute::FetchStatusTable:
            FetchStatusTable(context, io, device);
            break;
        case EventRoute::StatusReport:
            PostMessageA(context.tray_window, WM_TRAY_ACTIVITY, 0, 0);
            if (const int delta = WheelDeltaOfStatusReport(event.AuxByte)) InjectWheelStep(delta);
            break;
        case EventRoute::Ignore:
            break;
        case EventRoute::HotKey:
            PostMessageA(context.main_window, WM_AGENT_HOTKEY, event.Code, reinterpret_cast<LPARAM>(&context));
            break;
        }
    }
    return 0;
}

void CloseDevice(HANDLE& device) {
    if (device != INVALID_HANDLE_VALUE && device != nullptr) CloseHandle(device);
    device = INVALID_HANDLE_VALUE;
}

}  // namespace

const char* ReaderDevicePath(WPARAM reader) {
    static const char* const kPaths[kReaderCount] = {KB_KEYBOARD_FILTER_USER_PATH, KB_COMPANION_USER_PATH,
                                                     KB_FILTER_USER_PATH};
    return reader >= 1 && reader <= kReaderCount ? kPaths[reader - 1] : nullptr;
}

HANDLE OpenReaderDevice(const char* path) {
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
}

void StartReaders(AgentState& agent) {
    ReaderContext& context = agent.readers;
    context.lower_filter_handle = INVALID_HANDLE_VALUE;
    context.hot_key_filter_handle = INVALID_HANDLE_VALUE;
    context.keep_running = 1;
    context.stop_event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (context.stop_event == nullptr) return;
    LPTHREAD_START_ROUTINE const readers[kReaderCount] = {KeyboardFilterReader, CompanionReader, HotKeyFilterReader};
    for (int i = 0; i < kReaderCount; ++i) {
        agent.reader_threads[i] = CreateThread(nullptr, 0, readers[i], &context, CREATE_SUSPENDED, &agent.reader_ids[i]);
        if (agent.reader_threads[i] != nullptr) ResumeThread(agent.reader_threads[i]);
    }
}

void StopReaders(AgentState& agent) {
    ReaderContext& context = agent.readers;
    if (context.stop_event == nullptr) return;
    HANDLE running[kReaderCount];
    DWORD count = 0;
    for (HANDLE thread : agent.reader_threads) {
        if (thread != nullptr) running[count++] = thread;
    }
    InterlockedExchange(&context.keep_running, 0);
    SetEvent(context.stop_event);
    const bool all_ended = count == 0 || WaitForMultipleObjects(count, running, TRUE, kReaderStopLimitMs) != WAIT_TIMEOUT;
    for (HANDLE& thread : agent.reader_threads) {
        if (thread != nullptr) CloseHandle(thread);
        thread = nullptr;
    }
    // A reader that did not end within the limit may still wait on its device and the event:
    // those stay open until the process ends.
    if (!all_ended) return;
    CloseDevice(context.lower_filter_handle);
    CloseDevice(context.hot_key_filter_handle);
    CloseHandle(context.stop_event);
    context.stop_event = nullptr;
}
