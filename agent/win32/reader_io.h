// Overlapped requests as the readers make them: waited for until they complete or the stop
// event is set, in which case the request is cancelled and waited for before the buffer goes.
#pragma once

#include <windows.h>

enum class IoOutcome { Done, Failed, Stopped };

class ReaderIo {
public:
    explicit ReaderIo(HANDLE stop_event);
    ~ReaderIo();
    ReaderIo(const ReaderIo&) = delete;
    ReaderIo& operator=(const ReaderIo&) = delete;

    // False when the reader's own event could not be made; the reader then ends.
    bool ready() const { return event_ != nullptr; }

    // The buffer is zeroed first; `bytes` gets what the device returned.
    IoOutcome Read(HANDLE device, void* buffer, DWORD size, DWORD* bytes);
    IoOutcome Control(HANDLE device, DWORD code, void* output, DWORD output_size, DWORD* bytes);
    // Opens `path` as soon as it can be opened, trying again every `retry_ms`: at once, later
    // (the device appeared after the reader started), or not at all when the stop event came
    // first.
    enum class Opened { AtOnce, Later, Stopped };
    Opened OpenWhenPresent(const char* path, DWORD retry_ms, HANDLE* device);
    // Waits `ms`; false when the stop event came first.
    bool Pause(DWORD ms);

private:
    IoOutcome Finish(HANDLE device, BOOL started, OVERLAPPED* overlapped, DWORD* bytes);

    HANDLE stop_event_;
    HANDLE event_;
};
