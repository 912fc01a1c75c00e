#include "profile.h"

#include "character_count.h"
#include "profile_value.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

namespace fw {

class Profile::Lock {
public:
    explicit Lock(HANDLE mutex) : m_mutex(mutex)
    {
        // An abandoned mutex is still ours; a failed wait leaves us no worse than the platform alone.
        m_held = m_mutex && WaitForSingleObject(m_mutex, INFINITE) != WAIT_FAILED;
    }
    ~Lock()
    {
        if (m_held)
            ReleaseMutex(m_mutex);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    HANDLE m_mutex;
    bool m_held;
};

namespace {

// The platform hands a written value on as a counted string of at most this many characters: Windows
// refuses a longer one, Wine cuts it to its length modulo 32768 or crashes.
const std::size_t kLongestValue = 32766;

// The platform looks for a name that is no full path in the Windows directory.
std::string PathFor(const std::string& fileName)
{
    const bool full = (fileName.size() > 1 && fileName[1] == ':') || fileName.compare(0, 1, "\\") == 0;
    if (full)
        return fileName;
    char folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) + "\\" + fileName : fileName;
}

// The most that a value read from the file can hold: no value is longer than the file that holds it.
// Where the file cannot be measured, the platform found the value elsewhere, and a generous cap stands in.
std::size_t LongestValueIn(const std::string& path)
{
    const std::size_t unmeasured = 64 << 20;
    const std::size_t largest = 0x7FFFFFF0;  // beyond what a buffer size can say
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return unmeasured;
    return data.nFileSizeHigh != 0 || data.nFileSizeLow > largest ? largest : data.nFileSizeLow;
}

std::string MutexNameFor(const std::string& fileName)
{
    // File names are compared without regard to case, so the lock is too.
    std::string name = "PrivateProfileLock.";
    for (char c : fileName)
        name += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return name;
}

}  // namespace

Profile::Profile(std::string fileName)
    : m_fileName(std::move(fileName)),
      m_path(PathFor(m_fileName)),
      m_mutex(CreateMutexA(nullptr, FALSE, MutexNameFor(m_fileName).c_str()))
{
}

Profile::~Profile()
{
    if (m_mutex)
        CloseHandle(m_mutex);
}

std::string Profile::NameForModule(const std::string& modulePath)
{
    std::string title = modulePath.substr(0, modulePath.size() >= 4 ? modulePath.size() - 4 : 0);
    const std::size_t slash = title.find_last_of("\\/:");
    if (slash != std::string::npos)
        title.erase(0, slash + 1);
    return title + ".INI";
}

std::string Profile::GetString(const char* section, const char* key, const char* defaultValue) const
{
    const std::string fallback = defaultValue ? defaultValue : "";
    Lock lock(m_mutex);
    std::vector<char> buffer(512);
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(section, key, fallback.c_str(), buffer.data(),
                                                      static_cast<DWORD>(buffer.size()), m_fileName.c_str());
        const std::string read(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1));
        // The reader cuts silently at the buffer's end, and Wine's also drops the last character of a quoted
        // value that just fills it: only a read with two bytes to spare is surely whole.
        const std::size_t roomForAny = std::max(LongestValueIn(m_path), fallback.size()) + 3;
        if (read.size() + 2 < buffer.size() || buffer.size() >= roomForAny)
            return read;
        try {
            buffer.resize(std::min(buffer.size() * 2, roomForAny));
        } catch (const std::bad_alloc&) {
            return read;
        }
    }
}

int Profile::GetInt(const char* section, const char* key, int defaultValue) const
{
    Lock lock(m_mutex);
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, m_fileName.c_str()));
}

void Profile::WriteString(const char* section, const char* key, const std::string& value) const
{
    const std::string stored = encode_profile_value(value);
    // Rather the value stored before than a cut one.
    if (stored.size() > kLongestValue && CharacterCount(stored) > kLongestValue)
        return;
    Lock lock(m_mutex);
    WritePrivateProfileStringA(section, key, stored.c_str(), m_fileName.c_str());
}

void Profile::WriteInt(const char* section, const char* key, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WriteString(section, key, text);
}

}  // namespace fw
