// The program is built without exceptions, but the standard strings and vectors of the filter
// installation still name the library's throwing helpers and its throwing operator new. Linked
// from the library, those bring its exception runtime and its threads layer, which import
// functions Windows 2000 lacks. Here they end the process instead: the only way they are ever
// reached is memory running out, and the agent can't do its work without memory.
#include <windows.h>

#include <bits/functexcept.h>
#include <cstddef>
#include <new>
#include <string>

namespace {

[[noreturn]] void OutOfMemory() {
    OutputDebugStringA("keyagent: out of memory\n");
    ExitProcess(ERROR_NOT_ENOUGH_MEMORY);
}

void* Allocate(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    if (!block) OutOfMemory();
    return block;
}

void Release(void* block) {
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }

// The library ships the string's members made with exceptions; made here, without them, they
// are the ones the program links.
template class std::basic_string<char>;

namespace std {

void __throw_bad_alloc() { OutOfMemory(); }
void __throw_bad_array_new_length() { OutOfMemory(); }
// A length beyond what a string or vector can hold is an allocation that can't succeed.
void __throw_length_error(const char*) { OutOfMemory(); }
void __throw_logic_error(const char*) { OutOfMemory(); }
// The library's own string code checks positions; the agent's code never passes one outside
// a string, so reaching this is a fault as fatal as the others.
void __throw_out_of_range_fmt(const char*, ...) { OutOfMemory(); }

}  // namespace std
