// A private copy of EDJUMP.EXE under a name of its own, so that it has a profile of its own,
// with a folder for what the stand-in editor records.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Record {
    int show = -1;
    std::string parameters;  // the command line less the editor's own name
};

struct Outcome {
    bool finished = false;   // the program and everything it started ended before the deadline
    DWORD exitCode = 0xFFFFFFFF;
};

// A started program, held in a job so that whatever it starts is waited for too.
class RunningProgram {
public:
    RunningProgram(const std::string& exePath, const std::string& commandLine);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    RunningProgram(RunningProgram&& other) noexcept;

    DWORD ProcessId() const { return m_process.dwProcessId; }
    DWORD ThreadId() const { return m_process.dwThreadId; }
    // Waits for the program and everything it started; ends them all at the deadline.
    Outcome Wait(DWORD timeoutMs = 30000);

private:
    HANDLE m_job = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};

std::string TestBinaryDir();
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

class Sandbox {
public:
    // name: the program's file title, e.g. "LT_ROAD" gives LT_ROAD.EXE and LT_ROAD.INI.
    explicit Sandbox(const std::string& name, const std::string& subfolder = "");

    const std::string& ExePath() const { return m_exePath; }
    const std::string& ProfilePath() const { return m_profilePath; }
    const std::string& Folder() const { return m_folder; }
    std::string RecorderPath() const;
    // A copy of the recorder under the given name in a folder on the search path.
    void PutOnSearchPath(const std::string& editorName) const;

    Outcome Run(const std::string& tail) const;
    RunningProgram Start(const std::string& tail) const;
    // commandLine is handed to the process exactly as given.
    Outcome RunCommandLine(const std::string& commandLine) const;
    // Starts them all before waiting for any.
    std::vector<Outcome> RunAtOnce(const std::vector<std::string>& tails) const;

    std::vector<Record> Records() const;

    void SetProfile(const std::string& bytes) const { WriteFileBytes(m_profilePath, bytes); }
    std::string ProfileBytes() const { return ReadFileBytes(m_profilePath); }
    // A fresh read through the platform, as another program would do it.
    std::string ProfileValue(const char* section, const char* key, const char* missing = "<missing>") const;

private:
    std::string m_folder;
    std::string m_exePath;
    std::string m_profilePath;
    std::string m_recordsFolder;
    std::string m_pathFolder;
};
