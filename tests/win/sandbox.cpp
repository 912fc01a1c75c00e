#include "sandbox.h"

#include "command_tail.h"

#include <algorithm>
#include <memory>

namespace {

const DWORD kDeadlineMs = 30000;

void RemoveFolderContents(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != ".." && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

bool JobDrained(HANDLE job, DWORD deadline)
{
    for (;;) {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
        QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
        if (info.ActiveProcesses == 0)
            return true;
        if (static_cast<LONG>(GetTickCount() - deadline) > 0)
            return false;
        Sleep(20);
    }
}

}  // namespace

RunningProgram::RunningProgram(const std::string& exePath, const std::string& commandLine)
    : m_job(CreateJobObjectA(nullptr, nullptr))
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    m_started = CreateProcessA(exePath.c_str(), &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                               nullptr, &startup, &m_process);
    if (m_started) {
        AssignProcessToJobObject(m_job, m_process.hProcess);
        ResumeThread(m_process.hThread);
    }
}

RunningProgram::RunningProgram(RunningProgram&& other) noexcept
    : m_job(other.m_job), m_process(other.m_process), m_started(other.m_started)
{
    other.m_job = nullptr;
    other.m_process = PROCESS_INFORMATION{};
    other.m_started = false;
}

RunningProgram::~RunningProgram()
{
    if (m_started)
        Wait(0);
    if (m_job)
        CloseHandle(m_job);
}

Outcome RunningProgram::Wait(DWORD timeoutMs)
{
    Outcome outcome;
    if (!m_started)
        return outcome;
    const DWORD deadline = GetTickCount() + timeoutMs;
    const bool ended = WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    GetExitCodeProcess(m_process.hProcess, &outcome.exitCode);
    outcome.finished = ended && JobDrained(m_job, deadline);
    if (!outcome.finished) {
        TerminateJobObject(m_job, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_started = false;
    return outcome;
}

std::string TestBinaryDir()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of('\\'));
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

Sandbox::Sandbox(const std::string& name, const std::string& subfolder)
{
    const std::string root = TestBinaryDir() + "\\sandbox";
    CreateDirectoryA(root.c_str(), nullptr);
    m_folder = root + "\\" + name;
    CreateDirectoryA(m_folder.c_str(), nullptr);
    std::string exeFolder = m_folder;
    if (!subfolder.empty()) {
        exeFolder += "\\" + subfolder;
        CreateDirectoryA(exeFolder.c_str(), nullptr);
    }
    m_exePath = exeFolder + "\\" + name + ".EXE";
    CopyFileA((TestBinaryDir() + "\\EDJUMP.EXE").c_str(), m_exePath.c_str(), FALSE);

    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    m_profilePath = std::string(windows) + "\\" + name + ".INI";
    DeleteFileA(m_profilePath.c_str());

    m_recordsFolder = m_folder + "\\records";
    CreateDirectoryA(m_recordsFolder.c_str(), nullptr);
    RemoveFolderContents(m_recordsFolder);
    SetEnvironmentVariableA("EDJUMP_TEST_RECORDS", m_recordsFolder.c_str());
}

std::string Sandbox::RecorderPath() const
{
    return TestBinaryDir() + "\\RECORDER.EXE";
}

void Sandbox::PutOnSearchPath(const std::string& editorName) const
{
    const std::string folder = m_folder + "\\bin";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileA(RecorderPath().c_str(), (folder + "\\" + editorName).c_str(), FALSE);
    char path[32768];
    const DWORD length = GetEnvironmentVariableA("PATH", path, sizeof path);
    SetEnvironmentVariableA("PATH", (folder + ";" + std::string(path, length < sizeof path ? length : 0)).c_str());
}

Outcome Sandbox::Run(const std::string& tail) const
{
    return RunCommandLine("\"" + m_exePath + "\" " + tail);
}

RunningProgram Sandbox::Start(const std::string& tail) const
{
    return RunningProgram(m_exePath, "\"" + m_exePath + "\" " + tail);
}

Outcome Sandbox::RunCommandLine(const std::string& commandLine) const
{
    return RunningProgram(m_exePath, commandLine).Wait(kDeadlineMs);
}

std::vector<Outcome> Sandbox::RunAtOnce(const std::vector<std::string>& tails) const
{
    std::vector<RunningProgram> programs;
    programs.reserve(tails.size());
    for (const std::string& tail : tails)
        programs.push_back(Start(tail));
    std::vector<Outcome> outcomes;
    for (RunningProgram& program : programs)
        outcomes.push_back(program.Wait(kDeadlineMs * 2));
    return outcomes;
}

std::vector<Record> Sandbox::Records() const
{
    std::vector<Record> records;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_recordsFolder + "\\*.rec").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return records;
    do {
        const std::string bytes = ReadFileBytes(m_recordsFolder + "\\" + found.cFileName);
        const std::size_t newline = bytes.find('\n');
        Record record;
        record.show = std::atoi(bytes.substr(0, newline).c_str());
        record.parameters = command_tail(bytes.substr(newline + 1));
        records.push_back(record);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(records.begin(), records.end(),
              [](const Record& a, const Record& b) { return a.parameters < b.parameters; });
    return records;
}

std::string Sandbox::ProfileValue(const char* section, const char* key, const char* missing) const
{
    std::vector<char> buffer(1 << 20);
    const DWORD length = GetPrivateProfileStringA(section, key, missing, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), m_profilePath.c_str());
    return std::string(buffer.data(), length);
}
