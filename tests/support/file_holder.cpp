// Holds a file open the way another program might lock it: for reading and
// writing, shared with no one.
//
//   file_holder PATH MS   opens PATH, prints "held" once it is open, keeps it
//                         open MS milliseconds (or until the process is ended)
//
// Exit status 0 once the time is up, 10 when the file cannot be opened, 2 for
// a wrong command line.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int ANSWER_YES = 0;
constexpr int ANSWER_NO = 10;
constexpr int WRONG_COMMAND_LINE = 2;
constexpr DWORD NO_SHARING = 0;

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return WRONG_COMMAND_LINE;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, NO_SHARING, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ANSWER_NO;
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
    CloseHandle(file);
    return ANSWER_YES;
}
