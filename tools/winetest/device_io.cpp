#include "tools/winetest/device_io.h"

#include <algorithm>

#include "deviceclient/control_devices.h"

namespace winetest {

ControlResult SendControl(const DeviceHandle& device, DWORD code, const std::vector<BYTE>& input, DWORD output_length) {
    std::vector<BYTE> buffer(std::max<size_t>(input.size(), output_length) + 1, UNTOUCHED);
    std::copy(input.begin(), input.end(), buffer.begin());
    DWORD bytes = 0;
    ControlResult result;
    result.Ok = devclient::Control(device, code, input.empty() ? nullptr : buffer.data(), DWORD(input.size()),
                                   output_length ? buffer.data() : nullptr, output_length, &bytes);
    if (!result.Ok) result.Error = GetLastError();
    buffer.resize(output_length);
    result.Output.assign(buffer.begin(), buffer.begin() + std::min<DWORD>(bytes, output_length));
    result.Buffer = buffer;
    return result;
}

struct PendingRead::State {
    OVERLAPPED Overlapped = {};
    BYTE Buffer[64] = {};
};

PendingRead::PendingRead(const DeviceHandle& device, DWORD length) : state_(new State), handle_(device.get()) {
    state_->Overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::fill(std::begin(state_->Buffer), std::end(state_->Buffer), UNTOUCHED);
    DWORD bytes = 0;
    if (!ReadFile(handle_, state_->Buffer, std::min<DWORD>(length, sizeof state_->Buffer), &bytes, &state_->Overlapped)) {
        error_ = GetLastError();
        pending_ = error_ == ERROR_IO_PENDING;
    }
}

bool PendingRead::Finished(DWORD ms) {
    if (!pending_ && error_ != 0) return true;  // refused at once
    return WaitForSingleObject(state_->Overlapped.hEvent, ms) == WAIT_OBJECT_0;
}

int32_t PendingRead::status() const { return static_cast<int32_t>(state_->Overlapped.Internal); }
DWORD PendingRead::bytes() const { return DWORD(state_->Overlapped.InternalHigh); }
const BYTE* PendingRead::data() const { return state_->Buffer; }

PendingRead::~PendingRead() {
    if (pending_ && !Finished(0)) {
        CancelIo(handle_);
        // A read that won't end keeps its state: the driver may still write to it.
        if (!Finished(5000)) return;
    }
    CloseHandle(state_->Overlapped.hEvent);
    delete state_;
}

bool AReadWaitsAt(const char* path) {
    const DeviceHandle device(path);
    DWORD bytes = 0;
    BYTE nothing = 0;
    return device.valid() && !ReadFile(device.get(), &nothing, 0, &bytes, nullptr) && GetLastError() == ERROR_GEN_FAILURE;
}

struct BlockedReader::State {
    HANDLE Device = nullptr;
    DWORD Length = 0;
    BYTE Buffer[64] = {};
    BOOL Ok = FALSE;
    DWORD Error = 0;
    DWORD Bytes = 0;
};

namespace {

DWORD WINAPI ReadOnce(void* context) {
    auto* state = static_cast<BlockedReader::State*>(context);
    state->Ok = ReadFile(state->Device, state->Buffer, state->Length, &state->Bytes, nullptr);
    if (!state->Ok) state->Error = GetLastError();
    return 0;
}

}  // namespace

BlockedReader::BlockedReader(HANDLE device, DWORD length) : state_(new State) {
    state_->Device = device;
    state_->Length = std::min<DWORD>(length, sizeof state_->Buffer);
    std::fill(std::begin(state_->Buffer), std::end(state_->Buffer), UNTOUCHED);
    thread_ = CreateThread(nullptr, 0, ReadOnce, state_, 0, nullptr);
}

bool BlockedReader::Finished(DWORD ms) { return thread_ && WaitForSingleObject(thread_, ms) == WAIT_OBJECT_0; }
bool BlockedReader::ok() const { return state_->Ok != FALSE; }
DWORD BlockedReader::error() const { return state_->Error; }
DWORD BlockedReader::bytes() const { return state_->Bytes; }
const BYTE* BlockedReader::data() const { return state_->Buffer; }

BlockedReader::~BlockedReader() {
    // A thread still blocked keeps its state; the test has already failed.
    if (!thread_) {
        delete state_;
        return;
    }
    if (Finished(0)) delete state_;
    CloseHandle(thread_);
}

}  // namespace winetest
