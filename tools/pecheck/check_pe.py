#!/usr/bin/env python3
"""Checks what we ship: every file is a PE of the machine asked for (i386: the 32-bit set in
dist/; x86-64: its twin of the 64-bit test world) and of the kind its name promises, imports
only DLLs of the system (or shipped beside it) and none of the functions known to be newer than
Windows 2000, and declares a subsystem version that the oldest Windows of its machine accepts
(5.0, Windows 2000, for i386; 5.2, the first x64 Windows, for x86-64).
A driver must also carry the right image checksum; a DLL whose callers find its functions by
name must export exactly those names.

    check_pe.py [--machine i386|x86-64] FILE|DIR ...   exit 0 when every file passes, 1 otherwise
"""
import os
import struct
import sys

# DLLs every supported Windows has. Anything else (libstdc++-6.dll, libgcc_s_*.dll,
# libwinpthread-1.dll, api-ms-win-*, ucrtbase.dll) would have to be shipped, and is not.
USER_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "shlwapi.dll",
    "ole32.dll", "oleaut32.dll", "comctl32.dll", "comdlg32.dll", "msimg32.dll", "winmm.dll",
    "setupapi.dll", "hid.dll", "rpcrt4.dll", "msvcrt.dll", "version.dll", "ntdll.dll",
}
KERNEL_DLLS = {"ntoskrnl.exe", "hal.dll"}

# Functions that the compiler's runtime (threading support, thread-safe statics, unwinding) or a
# careless call can pull in, but that Windows 2000 does not export: an image importing one of
# them does not load there at all.
NEWER_THAN_WINDOWS_2000 = {
    # kernel32, Windows XP and 2003
    "AddVectoredExceptionHandler", "RemoveVectoredExceptionHandler", "GetModuleHandleExA",
    "GetModuleHandleExW", "GetNativeSystemInfo", "IsWow64Process", "GetSystemTimes",
    "AttachConsole", "InitializeSListHead", "InterlockedPushEntrySList",
    "InterlockedPopEntrySList", "InterlockedFlushSList", "QueryDepthSList", "HeapSetInformation",
    "SetDllDirectoryA", "SetDllDirectoryW", "GetLogicalProcessorInformation", "GetProcessId",
    "GetThreadId", "CheckRemoteDebuggerPresent", "ConvertFiberToThread", "EncodePointer",
    "DecodePointer", "SetThreadStackGuarantee", "FlsAlloc", "FlsFree", "FlsGetValue", "FlsSetValue",
    # kernel32, Windows Vista and later
    "GetTickCount64", "InitializeConditionVariable", "SleepConditionVariableCS",
    "SleepConditionVariableSRW", "WakeConditionVariable", "WakeAllConditionVariable",
    "InitializeSRWLock", "AcquireSRWLockExclusive", "AcquireSRWLockShared",
    "ReleaseSRWLockExclusive", "ReleaseSRWLockShared", "TryAcquireSRWLockExclusive",
    "TryAcquireSRWLockShared", "InitOnceExecuteOnce", "InitOnceBeginInitialize",
    "InitOnceComplete", "InitializeCriticalSectionEx", "CreateEventExA", "CreateEventExW",
    "CreateMutexExA", "CreateMutexExW", "CreateSemaphoreExW", "GetSystemTimePreciseAsFileTime",
    "GetCurrentProcessorNumber", "GetFinalPathNameByHandleA", "GetFinalPathNameByHandleW",
    "CompareStringEx", "LCIDToLocaleName", "LocaleNameToLCID", "GetLocaleInfoEx",
    "GetUserDefaultLocaleName", "QueryFullProcessImageNameA", "QueryFullProcessImageNameW",
    # ntoskrnl and hal, Windows XP and later
    "KeAcquireInStackQueuedSpinLock", "KeReleaseInStackQueuedSpinLock",
    "KeAcquireInStackQueuedSpinLockAtDpcLevel", "KeReleaseInStackQueuedSpinLockFromDpcLevel",
    "IoCsqInitialize", "IoCsqInitializeEx", "IoCsqInsertIrp", "IoCsqInsertIrpEx",
    "IoCsqRemoveIrp", "IoCsqRemoveNextIrp", "IoSetCompletionRoutineEx", "IoForwardIrpSynchronously",
    "IoReuseIrp", "IoValidateDeviceIoControlAccess", "KeAreApcsDisabled", "KeFlushQueuedDpcs",
    "RtlIsNtDdiVersionAvailable", "ExAllocatePool2", "ExAllocatePool3",
}

# DLLs whose callers find their functions by name (COM, regsvr32, rundll32): the names each
# must export, and nothing else by name.
EXPORTS_BY_NAME = {
    "keypages.dll": {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer",
                     "RegisterServer", "UnregisterServer"},
    "mousepages.dll": {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer",
                       "RegisterServer", "UnregisterServer"},
    "statuspage.dll": {"DllGetClassObject", "DllCanUnloadNow"},
}

SUBSYSTEM_NATIVE, SUBSYSTEM_GUI, SUBSYSTEM_CUI = 1, 2, 3
IMAGE_FILE_DLL = 0x2000
# Machine field and optional-header magic of each kind of image: PE32 and PE32+.
MACHINES = {"i386": (0x14C, 0x10B), "x86-64": (0x8664, 0x20B)}
# The newest subsystem version the oldest Windows of each machine loads. No x64 Windows is older
# than 5.2, and images made for x64 alone (the setup's amd64 stub) declare that.
OLDEST_WINDOWS = {"i386": ((5, 0), "Windows 2000"), "x86-64": ((5, 2), "the first x64 Windows")}


class PeError(Exception):
    pass


def rva_to_offset(sections, rva):
    for virtual_address, virtual_size, raw_offset, raw_size in sections:
        if virtual_address <= rva < virtual_address + max(virtual_size, raw_size):
            return raw_offset + rva - virtual_address
    raise PeError("RVA 0x%x lies in no section" % rva)


def read_c_string(data, offset):
    end = data.find(b"\0", offset)
    if end < 0:
        raise PeError("unterminated import name")
    return data[offset:end].decode("ascii", "replace")


def pe_checksum(data, checksum_offset):
    """The image checksum as the loader computes it: 16-bit one's-complement-style sum of the
    file with the checksum field taken as zero, plus the file's length."""
    padded = data + b"\0" * (len(data) & 1)
    words = struct.unpack("<%dH" % (len(padded) // 2), padded)
    total = sum(words) - sum(struct.unpack_from("<HH", data, checksum_offset))
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def parse(data, machine_name):
    if len(data) < 0x40 or data[:2] != b"MZ":
        raise PeError("not an MZ executable")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise PeError("no PE signature")
    machine, nsections, _, _, _, opt_size, characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
    opt = pe + 24
    magic = struct.unpack_from("<H", data, opt)[0]
    if (machine, magic) != MACHINES[machine_name]:
        raise PeError("not an %s image (machine 0x%x, magic 0x%x)" % (machine_name, machine, magic))
    wide = magic == 0x20B
    # Up to the subsystem the two headers agree; PE32+ then has 8-byte stack and heap sizes,
    # so the data directories start 16 bytes later, and its import lookup entries are 8 bytes.
    sub_major, sub_minor = struct.unpack_from("<HH", data, opt + 48)
    stored_checksum = struct.unpack_from("<I", data, opt + 64)[0]
    subsystem = struct.unpack_from("<H", data, opt + 68)[0]
    directories = opt + (112 if wide else 96)
    export_rva = struct.unpack_from("<I", data, directories)[0]
    import_rva = struct.unpack_from("<I", data, directories + 8)[0]
    entry_format, entry_size, by_ordinal = ("<Q", 8, 1 << 63) if wide else ("<I", 4, 1 << 31)
    sections = []
    for i in range(nsections):
        s = opt + opt_size + 40 * i
        vsize, vaddr, rsize, roff = struct.unpack_from("<IIII", data, s + 8)
        sections.append((vaddr, vsize, roff, rsize))
    imports = []
    functions = []
    if import_rva:
        d = rva_to_offset(sections, import_rva)
        while True:
            lookup_rva, _, _, name_rva, thunk_rva = struct.unpack_from("<IIIII", data, d)
            if name_rva == 0:
                break
            imports.append(read_c_string(data, rva_to_offset(sections, name_rva)).lower())
            t = rva_to_offset(sections, lookup_rva or thunk_rva)
            while True:
                entry = struct.unpack_from(entry_format, data, t)[0]
                if entry == 0:
                    break
                if not entry & by_ordinal:  # by name; ordinal imports carry no name
                    functions.append(read_c_string(data, rva_to_offset(sections, entry & 0x7FFFFFFF) + 2))
                t += entry_size
            d += 20
    exports = []
    if export_rva:
        d = rva_to_offset(sections, export_rva)
        count, names_rva = struct.unpack_from("<I4xI", data, d + 24)
        for i in range(count):
            name_rva = struct.unpack_from("<I", data, rva_to_offset(sections, names_rva) + 4 * i)[0]
            exports.append(read_c_string(data, rva_to_offset(sections, name_rva)))
    return {
        "dll": bool(characteristics & IMAGE_FILE_DLL),
        "subsystem": subsystem,
        "subsystem_version": (sub_major, sub_minor),
        "imports": imports,
        "functions": functions,
        "exports": exports,
        "checksum_ok": stored_checksum == pe_checksum(data, opt + 64),
    }


def check(path, shipped, machine="i386"):
    """Returns the list of faults of one file; empty when it passes."""
    with open(path, "rb") as f:
        data = f.read()
    try:
        pe = parse(data, machine)
    except (PeError, struct.error) as e:
        return [str(e)]
    faults = []
    ext = os.path.splitext(path)[1].lower()
    if ext == ".sys":
        if pe["subsystem"] != SUBSYSTEM_NATIVE:
            faults.append("a driver must be a native image (subsystem %d)" % pe["subsystem"])
        if not pe["checksum_ok"]:
            # The kernel refuses to load a driver whose image checksum is wrong.
            faults.append("the image checksum is wrong")
        allowed = KERNEL_DLLS
    elif ext == ".exe":
        if pe["dll"] or pe["subsystem"] not in (SUBSYSTEM_GUI, SUBSYSTEM_CUI):
            faults.append("not a Win32 program")
        allowed = USER_DLLS | shipped
    elif ext in (".dll", ".cpl"):
        if not pe["dll"] or pe["subsystem"] not in (SUBSYSTEM_GUI, SUBSYSTEM_CUI):
            faults.append("not a Win32 DLL")
        allowed = USER_DLLS | shipped
    else:
        return ["not a kind we ship (.exe, .dll, .cpl or .sys)"]
    for name in pe["imports"]:
        if name not in allowed:
            faults.append("imports %s, which is not the system's own" % name)
    for name in pe["functions"]:
        if name in NEWER_THAN_WINDOWS_2000:
            faults.append("imports %s, which Windows 2000 does not have" % name)
    if b"--gtest_" in data:
        # A test program, or a deliverable that pulled in the test framework.
        faults.append("links GoogleTest")
    expected = EXPORTS_BY_NAME.get(os.path.basename(path).lower())
    if expected is not None:
        for name in sorted(expected - set(pe["exports"])):
            faults.append("does not export %s by name" % name)
        for name in sorted(set(pe["exports"]) - expected):
            faults.append("exports %s, which is none of its functions" % name)
    oldest, oldest_name = OLDEST_WINDOWS[machine]
    if pe["subsystem_version"] > oldest:
        faults.append("subsystem version %d.%d is newer than %s accepts" % (pe["subsystem_version"] + (oldest_name,)))
    return faults


def main(argv):
    args = argv[1:]
    machine = "i386"
    if len(args) >= 2 and args[0] == "--machine":
        machine = args[1]
        args = args[2:]
    if machine not in MACHINES:
        print("check_pe: unknown machine %s (%s)" % (machine, ", ".join(sorted(MACHINES))))
        return 2
    files = []
    for arg in args:
        if os.path.isdir(arg):
            files += sorted(os.path.join(arg, n) for n in os.listdir(arg))
        else:
            files.append(arg)
    if not files:
        print("check_pe: nothing shipped yet")
        return 0
    shipped = {os.path.basename(f).lower() for f in files}
    failed = 0
    for path in files:
        faults = check(path, shipped, machine)
        print("%-40s %s" % (os.path.basename(path), "ok" if not faults else "FAILED"))
        for fault in faults:
            print("    " + fault)
        failed += bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
