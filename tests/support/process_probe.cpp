// The soaks' view of what a Windows process holds, inside Wine or Windows:
//
//   process_probe resources NAME   for the first running process whose
//                                  program file is NAME, one line:
//                                  pid PID gdi N user N handles N
//
// Exit status 0 on success, 10 when no such process runs or it cannot be
// read, 2 for a wrong command line.
//
// Windows counts a process's GDI and USER objects (GetGuiResources) and its
// handles (GetProcessHandleCount). Wine answers neither (stubs that give 0),
// so there the probe counts for itself: the live entries of the process's
// GDI handle table, the windows the process owns, and its entries in the
// system's handle list.

#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int ANSWER_YES = 0;
constexpr int ANSWER_NO = 10;
constexpr int WRONG_COMMAND_LINE = 2;
constexpr int NOT_COUNTED = -1;

// The GDI handle table the PEB points to: fixed-size entries, a live one
// has a type, a stock object carries a flag beside its type.
constexpr size_t PEB_GDI_TABLE_OFFSET = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr size_t GDI_TABLE_ENTRIES = 0x10000;
constexpr uint8_t GDI_STOCK_FLAG = 0x80;
struct GdiTableEntry {
    uint64_t object;
    uint32_t owner;
    uint8_t extendedType; // its top bit marks a stock object
    uint8_t generation;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
static_assert(sizeof(GdiTableEntry) == 24, "the table's entry layout");

// The system's handle list as Wine hands it over (SystemHandleInformation).
constexpr ULONG SYSTEM_HANDLE_INFORMATION = 16;
constexpr NTSTATUS STATUS_INFO_LENGTH_MISMATCH_CODE = static_cast<NTSTATUS>(0xC0000004L);
struct SystemHandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};
using QuerySystemInformation = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);

DWORD processNamed(const char* name) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && found == 0;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, name) == 0)
            found = entry.th32ProcessID;
    }
    CloseHandle(snapshot);
    return found;
}

bool answeredBySystem(DWORD count) {
    return count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

int gdiTableObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  &length) != 0)
        return NOT_COUNTED;
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process,
                           static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) +
                               PEB_GDI_TABLE_OFFSET,
                           &table, sizeof table, &read) ||
        table == nullptr)
        return NOT_COUNTED;
    std::vector<GdiTableEntry> entries(GDI_TABLE_ENTRIES);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof entries[0],
                           &read))
        return NOT_COUNTED;
    int live = 0;
    for (const GdiTableEntry& entry : entries)
        if (entry.type != 0 && (entry.extendedType & GDI_STOCK_FLAG) == 0)
            ++live;
    return live;
}

int gdiObjects(HANDLE process) {
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
    return answeredBySystem(count) ? static_cast<int>(count) : gdiTableObjects(process);
}

struct WindowCount {
    DWORD pid;
    int windows;
};

BOOL CALLBACK countChild(HWND, LPARAM counting) {
    ++reinterpret_cast<WindowCount*>(counting)->windows;
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM counting) {
    auto* count = reinterpret_cast<WindowCount*>(counting);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->pid) {
        ++count->windows;
        EnumChildWindows(window, countChild, counting);
    }
    return TRUE;
}

int userObjects(HANDLE process, DWORD pid) {
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(process, GR_USEROBJECTS);
    if (answeredBySystem(count))
        return static_cast<int>(count);
    WindowCount windows{pid, 0};
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows.windows;
}

int listedHandles(DWORD pid) {
    const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr)
        return NOT_COUNTED;
    std::vector<char> buffer(1 << 20);
    NTSTATUS status;
    ULONG length = 0;
    while ((status = query(SYSTEM_HANDLE_INFORMATION, buffer.data(),
                           static_cast<ULONG>(buffer.size()), &length)) ==
           STATUS_INFO_LENGTH_MISMATCH_CODE)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return NOT_COUNTED;
    const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    int owned = 0;
    for (ULONG i = 0; i < list->count; ++i)
        if (list->entries[i].ownerPid == pid)
            ++owned;
    return owned;
}

int handles(HANDLE process, DWORD pid) {
    DWORD count = 0;
    // A running process always holds some handles: 0 means no answer.
    if (GetProcessHandleCount(process, &count) && count != 0)
        return static_cast<int>(count);
    return listedHandles(pid);
}

int resources(const char* name) {
    const DWORD pid = processNamed(name);
    if (pid == 0)
        return ANSWER_NO;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr)
        return ANSWER_NO;
    const int gdi = gdiObjects(process);
    const int user = userObjects(process, pid);
    const int held = handles(process, pid);
    CloseHandle(process);
    if (gdi == NOT_COUNTED || held == NOT_COUNTED)
        return ANSWER_NO;
    std::printf("pid %lu gdi %d user %d handles %d\n", static_cast<unsigned long>(pid), gdi, user,
                held);
    return ANSWER_YES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "resources") == 0)
        return resources(argv[2]);
    return WRONG_COMMAND_LINE;
}
