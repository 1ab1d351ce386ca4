#include "tools/winetest/device_io.h"

#include <algorithm>

#include "deviceclient/control_devices.h"

namespace winetest {

ControlResult SendControl(const DeviceHandle& device, DWORD code, const std::vector<BYTE>& input, DWORD output_length) {
    std::vector<BYTE> buffer(std::max<size_t>(input.size(), output_length) + 1, UNTOUCHED);
    std::copy(input.begin(), input.end(), buffer.begin());
    DWORD bytes = 0;
    ControlResult result;
    result.ok = devclient::Control(device, code, input.empty() ? nullptr : buffer.data(), DWORD(input.size()),
                                   output_length ? buffer.data() : nullptr, output_length, &bytes);
    if (!result.ok) result.error = GetLastError();
    buffer.resize(output_length);
    result.output.assign(buffer.begin(), buffer.begin() + std::min<DWORD>(bytes, output_length));
    result.buffer = buffer;
    return result;
}

struct PendingRead::State {
    OVERLAPPED overlapped = {};
    BYTE buffer[64] = {};
};

PendingRead::PendingRead(const DeviceHandle& device, DWORD length) : state_(new State), handle_(device.get()) {
    state_->overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::fill(std::begin(state_->buffer), std::end(state_->buffer), UNTOUCHED);
    DWORD bytes = 0;
    if (!ReadFile(handle_, state_->buffer, std::min<DWORD>(length, sizeof state_->buffer), &bytes, &state_->overlapped)) {
        error_ = GetLastError();
        pending_ = error_ == ERROR_IO_PENDING;
    }
}

bool PendingRead::Finished(DWORD ms) {
    if (!pending_ && error_ != 0) return true;  // refused at once
    return WaitForSingleObject(state_->overlapped.hEvent, ms) == WAIT_OBJECT_0;
}

int32_t PendingRead::status() const { return static_cast<int32_t>(state_->overlapped.Internal); }
DWORD PendingRead::bytes() const { return DWORD(state_->overlapped.InternalHigh); }
const BYTE* PendingRead::data() const { return state_->buffer; }

PendingRead::~PendingRead() {
    if (pending_ && !Finished(0)) {
        CancelIo(handle_);
        // A read that won't end keeps its state: the driver may still write to it.
        if (!Finished(5000)) return;
    }
    CloseHandle(state_->overlapped.hEvent);
    delete state_;
}

bool AReadWaitsAt(const char* path) {
    const DeviceHandle device(path);
    DWORD bytes = 0;
    BYTE nothing = 0;
    return device.valid() && !ReadFile(device.get(), &nothing, 0, &bytes, nullptr) && GetLastError() == ERROR_GEN_FAILURE;
}

struct BlockedReader::State {
    HANDLE device = nullptr;
    DWORD length = 0;
    BYTE buffer[64] = {};
    BOOL ok = FALSE;
    DWORD error = 0;
    DWORD bytes = 0;
};

namespace {

DWORD WINAPI ReadOnce(void* context) {
    auto* state = static_cast<BlockedReader::State*>(context);
    state->ok = ReadFile(state->device, state->buffer, state->length, &state->bytes, nullptr);
    if (!state->ok) state->error = GetLastError();
    return 0;
}

}  // namespace

BlockedReader::BlockedReader(HANDLE device, DWORD length) : state_(new State) {
    state_->device = device;
    state_->length = std::min<DWORD>(length, sizeof state_->buffer);
    std::fill(std::begin(state_->buffer), std::end(state_->buffer), UNTOUCHED);
    thread_ = CreateThread(nullptr, 0, ReadOnce, state_, 0, nullptr);
}

bool BlockedReader::Finished(DWORD ms) { return thread_ && WaitForSingleObject(thread_, ms) == WAIT_OBJECT_0; }
bool BlockedReader::ok() const { return state_->ok != FALSE; }
DWORD BlockedReader::error() const { return state_->error; }
DWORD BlockedReader::bytes() const { return state_->bytes; }
const BYTE* BlockedReader::data() const { return state_->buffer; }

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
