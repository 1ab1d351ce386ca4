#include "agent/win32/reader_io.h"

#include "agent/win32/readers.h"

ReaderIo::ReaderIo(HANDLE stop_event)
    : stop_event_(stop_event), event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

ReaderIo::~ReaderIo() {
    if (event_ != nullptr) CloseHandle(event_);
}

IoOutcome ReaderIo::Read(HANDLE device, void* buffer, DWORD size, DWORD* bytes) {
    ZeroMemory(buffer, size);
    ResetEvent(event_);
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event_;
    const BOOL started = ReadFile(device, buffer, size, bytes, &overlapped);
    return Finish(device, started, &overlapped, bytes);
}

IoOutcome ReaderIo::Control(HANDLE device, DWORD code, void* output, DWORD output_size, DWORD* bytes) {
    ZeroMemory(output, output_size);
    ResetEvent(event_);
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event_;
    const BOOL started = DeviceIoControl(device, code, nullptr, 0, output, output_size, bytes, &overlapped);
    return Finish(device, started, &overlapped, bytes);
}

IoOutcome ReaderIo::Finish(HANDLE device, BOOL started, OVERLAPPED* overlapped, DWORD* bytes) {
    if (!started && GetLastError() != ERROR_IO_PENDING) return IoOutcome::Failed;
    if (!started) {
        const HANDLE waits[2] = {stop_event_, event_};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
            // The request still owns the buffer: cancel it and wait until it has come back.
            CancelIo(device);
            GetOverlappedResult(device, overlapped, bytes, TRUE);
            return IoOutcome::Stopped;
        }
    }
    return GetOverlappedResult(device, overlapped, bytes, TRUE) ? IoOutcome::Done : IoOutcome::Failed;
}

ReaderIo::Opened ReaderIo::OpenWhenPresent(const char* path, DWORD retry_ms, HANDLE* device) {
    for (Opened when = Opened::AtOnce;; when = Opened::Later) {
        *device = OpenReaderDevice(path);
        if (*device != INVALID_HANDLE_VALUE) return when;
        if (!Pause(retry_ms)) return Opened::Stopped;
    }
}

bool ReaderIo::Pause(DWORD ms) { return WaitForSingleObject(stop_event_, ms) != WAIT_OBJECT_0; }
