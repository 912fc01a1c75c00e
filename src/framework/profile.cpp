#include "profile.h"

#include "profile_value.h"

#include <cstdio>
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
    : m_fileName(std::move(fileName)), m_mutex(CreateMutexA(nullptr, FALSE, MutexNameFor(m_fileName).c_str()))
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
    Lock lock(m_mutex);
    // The reader cuts silently at the buffer's end, so a full buffer means: read again with more room.
    std::vector<char> buffer(512);
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(section, key, defaultValue ? defaultValue : "",
                                                      buffer.data(), static_cast<DWORD>(buffer.size()),
                                                      m_fileName.c_str());
        if (length + 1 < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
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
