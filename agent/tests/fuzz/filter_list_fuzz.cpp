// A device's "LowerFilters" or "UpperFilters" as the registry hands it back (any bytes, any
// size, its NULs missing or doubled anywhere), its hardware ids the same, and a filter command
// in any words: the stored list comes out a well-formed multi-string that keeps the entries it
// held, every edit leaves one, and nothing is read past what the registry gave.
//
// The input is the command text, then the stored list, then the hardware ids, each taken as a
// piece of random length (FuzzedDataProvider); each sits in a heap block of exactly its size.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "agent/logic/filter_edit_result.h"
#include "agent/logic/filter_list.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

// Bytes in a block of their own size: a read past them is a read past the block.
std::unique_ptr<char[]> Exact(const std::string& bytes) {
    std::unique_ptr<char[]> block(bytes.empty() ? nullptr : new char[bytes.size()]);
    if (block) bytes.copy(block.get(), bytes.size());
    return block;
}

size_t EntryCount(const std::string& list) {
    size_t count = 0;
    for (char c : list) count += c == '\0';
    return count - 1;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// Whether an entry of the list is `name`, compared whole and without regard to case: a filter
// that sat twice in one stack would see every report twice.
bool Holds(const std::string& list, const std::string& name) {
    size_t start = 0;
    while (start < list.size() && list[start] != '\0') {
        const size_t end = std::min(list.find('\0', start), list.size());
        if (SameIgnoringCase(list.substr(start, end - start), name)) return true;
        start = end + 1;
    }
    return false;
}

// Each entry with its NUL, then one closing NUL; no entry is empty. The empty list is one NUL.
bool WellFormed(const std::string& list) {
    if (list.empty() || list.back() != '\0') return false;
    if (list.size() == 1) return true;
    return list[0] != '\0' && list.find(std::string(2, '\0')) == list.size() - 2;
}

void CheckEdit(const FilterCommand& command, const std::string& list) {
    const FilterListEdit edit = EditFilterList(command, list);
    const bool removal = command.position == FilterPosition::Remove;
    switch (edit.outcome) {
    case FilterListOutcome::Unchanged:
        Require(removal && edit.bytes == list && !Holds(list, command.reference));
        break;
    case FilterListOutcome::AlreadyPresent:
        Require(!removal && edit.bytes == list && Holds(list, command.filter_name));
        break;
    case FilterListOutcome::Inserted:
        Require(!removal && !Holds(list, command.filter_name));
        Require(WellFormed(edit.bytes) && Holds(edit.bytes, command.filter_name));
        Require(edit.bytes.size() == list.size() + command.filter_name.size() + 1);
        break;
    case FilterListOutcome::Removed:
        Require(removal && Holds(list, command.reference));
        // With its last entry gone the list goes (size 0), never as a lone NUL.
        Require(edit.bytes.empty() || (edit.bytes.size() > 1 && WellFormed(edit.bytes) &&
                                       !Holds(edit.bytes, command.reference) &&
                                       EntryCount(edit.bytes) < EntryCount(list)));
        break;
    }
    for (bool nt : {false, true}) {
        for (FilterEditResult so_far : {FilterEditResult::Added, FilterEditResult::NoChange, FilterEditResult::AlreadyPresent}) {
            const FilterEditResult result = CombineFilterEdit(so_far, edit.outcome, true, nt);
            Require(result == so_far || (result == FilterEditResult::Added && nt) ||
                    (result == FilterEditResult::AlreadyPresent && so_far == FilterEditResult::NoChange));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString(256);
    const std::string stored = input.ConsumeRandomLengthString(1024);
    const std::string ids = input.ConsumeRemainingBytesAsString();

    const std::unique_ptr<char[]> stored_block = Exact(stored);
    const std::string list = NormaliseFilterList(stored_block.get(), stored.size());
    Require(WellFormed(list));
    // The entries kept are the stored ones, up to the first empty one.
    Require(list.size() == 1 || (stored + '\0').compare(0, list.size() - 1, list, 0, list.size() - 1) == 0);
    Require(NormaliseFilterList(list.data(), list.size()) == list);

    FilterCommand command;
    command.hardware_id = "untouched";
    if (!ParseFilterCommand(text.c_str(), &command)) {
        Require(command.hardware_id == "untouched");
        return 0;
    }
    Require(!command.hardware_id.empty() && !command.filter_name.empty());
    Require(command.position != FilterPosition::Remove || command.reference == command.filter_name);
    CheckEdit(command, list);

    const std::unique_ptr<char[]> ids_block = Exact(ids);
    if (HardwareIdMatches(ids_block.get(), ids.size(), command.hardware_id)) {
        Require(ids.find('\0') == std::string::npos ? ids.size() == command.hardware_id.size()
                                                    : ids.find('\0') == command.hardware_id.size());
    }
    return 0;
}
