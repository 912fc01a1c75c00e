// Stands in for an editor: records the command line and show command it was started with,
// one file a start, in the folder named by EDJUMP_TEST_RECORDS.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("EDJUMP_TEST_RECORDS", folder, sizeof folder);
    if (length == 0 || length >= sizeof folder)
        return 1;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    char name[32];
    std::snprintf(name, sizeof name, "\\%lu", GetCurrentProcessId());
    const std::string base = folder + std::string(name);
    char header[32];
    const int headerLength = std::snprintf(header, sizeof header, "%d\n", show);
    const char* line = GetCommandLineA();

    // Written under another name first, so that a reader never sees half a record.
    HANDLE file = CreateFileA((base + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written;
    WriteFile(file, header, headerLength, &written, nullptr);
    WriteFile(file, line, lstrlenA(line), &written, nullptr);
    CloseHandle(file);
    MoveFileA((base + ".tmp").c_str(), (base + ".rec").c_str());
    return 0;
}
