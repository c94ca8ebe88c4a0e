// Holds a file open the way Explorer's preview or an antivirus does: reading,
// sharing reading and writing but not deletion, so that the file can be
// neither replaced nor renamed meanwhile. Says "held" once it holds it.
//   hold-file.exe PATH MILLISECONDS
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::string path = argv[1];
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(),
                                                     static_cast<int>(wide.size())) -
                                 1));
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(argv[2])));
    CloseHandle(file);
    return 0;
}
