// A private-profile (INI) file: every read goes to the file, every write reaches it at once.
// Access is serialised across processes, because the platform rewrites the whole file on each write
// and takes no lock of its own.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Profile {
public:
    explicit Profile(std::string fileName);
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // The profile named after an executable: "C:\x\EDJUMP.EXE" uses "EDJUMP.INI".
    static std::string NameForModule(const std::string& modulePath);

    const std::string& FileName() const { return m_fileName; }

    // The whole stored value, however long.
    std::string GetString(const char* section, const char* key, const char* defaultValue) const;
    int GetInt(const char* section, const char* key, int defaultValue) const;
    // Written so that the next read gives the value back, line breaks as blanks; a value too long for the
    // platform to take whole is not written at all.
    void WriteString(const char* section, const char* key, const std::string& value) const;
    void WriteInt(const char* section, const char* key, int value) const;

private:
    class Lock;

    std::string m_fileName;
    std::string m_path;
    HANDLE m_mutex;
};

}  // namespace fw
