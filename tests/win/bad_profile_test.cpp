// Launcher mode over profiles that no settings dialog would write: binary junk, ten megabytes, very long
// lines, duplicates, a file that cannot be written, a folder in the file's place. The launcher must still
// start the editor when the settings can be read, end before the deadline with exit code 0, and never
// leave less in the file than was there.
#include "expectations.h"
#include "gui.h"
#include "profile_text.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

const char kTail[] = "/J3 a.txt";
const char kLaunched[] = "a.txt+3";
const char kTrail[] = "[Debug]\r\nCL=/J3 a.txt\r\ntag=3\r\nfn=a.txt\r\n";

std::string RandomBytes(std::size_t size, std::uint32_t seed)
{
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        c = static_cast<char>(seed >> 24);
    }
    return bytes;
}

std::string Entries(std::size_t size)
{
    std::string text = "[Filler]\r\n";
    for (int i = 0; text.size() < size; ++i)
        text += "Key" + std::to_string(i) + "=" + std::string(100, static_cast<char>('a' + i % 26)) + "\r\n";
    return text;
}

struct WellFormedCase {
    const char* name;
    std::function<std::string(const Sandbox&)> profile;
};

// Each profile is in the form the platform writes itself, so after a run it must be the same bytes with
// the trail of the jump added.
const WellFormedCase kWellFormedCases[] = {
    {"TenMegabytesOfEntries",
     [](const Sandbox& box) { return RecorderProfile(box, "%F+%R") + Entries(10 << 20); }},
    {"TenMegabyteValueReadAndWrittenBack",
     [](const Sandbox& box) {
         return RecorderProfile(box, "%F+%R") + "[Recent File List]\r\nFile1=C:\\" +
                std::string(10 << 20, 'r') + ".txt\r\n";
     }},
    // A counted string of the platform holds 32767 characters at most; Wine's writer crashed on this one.
    {"RecentFileOf32767Characters",
     [](const Sandbox& box) {
         return RecorderProfile(box, "%F+%R") + "[Recent File List]\r\nFile1=C:\\" + std::string(32760, 'r') +
                ".txt\r\n";
     }},
    {"MegabyteLineWithoutEquals",
     [](const Sandbox& box) {
         return "[Notes]\r\n" + std::string(1 << 20, 'n') + "\r\n" + RecorderProfile(box, "%F+%R");
     }},
    {"LongSectionName",
     [](const Sandbox& box) {
         return "[" + std::string(100000, 's') + "]\r\nk=v\r\n" + RecorderProfile(box, "%F+%R");
     }},
    {"LongTemplate",
     [](const Sandbox& box) { return RecorderProfile(box, "%F+%R " + std::string(20000, 'o')); }},
};

class WellFormedProfile : public testing::TestWithParam<WellFormedCase> {};

TEST_P(WellFormedProfile, LaunchesAndOnlyAddsTheTrail)
{
    Sandbox box(std::string("BP_") + GetParam().name);
    const std::string before = GetParam().profile(box);
    box.SetProfile(before);

    ExpectCleanExit(box.Run(kTail));

    // Every template here starts with "%F+%R"; what follows it reaches the editor unchanged.
    const std::string cmdLine = box.ProfileValue("Executable", "CmdLine");
    ExpectOneLaunch(box, kLaunched + cmdLine.substr(std::string("%F+%R").size()));
    EXPECT_TRUE(box.ProfileBytes() == before + kTrail) << "the profile changed beyond the trail";
}

INSTANTIATE_TEST_SUITE_P(Table, WellFormedProfile, testing::ValuesIn(kWellFormedCases),
                         [](const testing::TestParamInfo<WellFormedCase>& info) { return info.param.name; });

// Wine's reader drops the last character of a quoted value that exactly fills the buffer, and says
// nothing; reads into growing buffers meet that size sooner or later.
TEST(BadProfile, QuotedValuesThatJustFillTheReadBuffer)
{
    Sandbox box("BP_QUOTED");
    const std::string padding(511 - 7, 'o');
    const std::string cmdLine = "\"%F+%R" + padding + "\"";
    const std::string recent = "C:\\" + std::string(1023 - 7, 'r') + ".txt";
    box.SetProfile("[Executable]\r\nEditor=" + box.RecorderPath() + "\r\nCmdLine=\"" + cmdLine + "\"\r\n" +
                   "[Recent File List]\r\nFile1=\"" + recent + "\"\r\n");
    ASSERT_EQ(cmdLine.size(), 511u);
    ASSERT_EQ(recent.size(), 1023u);

    ExpectCleanExit(box.Run(kTail));

    ExpectOneLaunch(box, "\"a.txt+3" + padding + "\"");
    EXPECT_EQ(box.ProfileValue("Recent File List", "File1"), recent);
}

TEST(BadProfile, RandomBytesBeforeTheSettings)
{
    Sandbox box("BP_RANDOM");
    box.SetProfile(RandomBytes(1 << 16, 20240611) + "\r\n" + RecorderProfile(box, "%F+%R"));

    ExpectCleanExit(box.Run(kTail));

    ExpectOneLaunch(box, kLaunched);
    EXPECT_EQ(box.ProfileValue("Executable", "Editor"), box.RecorderPath());
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), kTail);
}

// With no editor to be read, the launcher asks for one; cancelled, it launches nothing.
void RunAndCancelThePrompt(const Sandbox& box)
{
    RunningProgram program = box.Start(kTail);
    HWND prompt = WaitForDialog(program.ProcessId(), Cp932(u8"設定"));
    ASSERT_NE(prompt, nullptr);
    PostClick(prompt, IDCANCEL);
    ExpectCleanExit(program.Wait());
    EXPECT_TRUE(box.Records().empty());
}

TEST(BadProfile, RandomBytesOnlyReadAsNoSettings)
{
    Sandbox box("BP_RANDONLY");
    box.SetProfile(RandomBytes(1 << 16, 7));

    RunAndCancelThePrompt(box);
}

// The platform keeps the first section and the first key of a name; a run must keep the others too.
TEST(BadProfile, DuplicatedSectionsAndKeys)
{
    Sandbox box("BP_DUPS");
    const std::string head = "[Executable]\r\nEditor=" + box.RecorderPath() + "\r\nCmdLine=%F+%R\r\n" +
                             "Editor=SECOND.EXE\r\n[Debug]\r\nCL=old\r\n";
    const std::string rest = "[executable]\r\nEditor=THIRD.EXE\r\nCmdLine=%R\r\n[DEBUG]\r\nfn=older\r\n";
    box.SetProfile(head + rest);

    ExpectCleanExit(box.Run(kTail));

    ExpectOneLaunch(box, kLaunched);
    const std::string after = "[Executable]\r\nEditor=" + box.RecorderPath() + "\r\nCmdLine=%F+%R\r\n" +
                              "Editor=SECOND.EXE\r\n" + kTrail + rest;
    EXPECT_EQ(box.ProfileBytes(), after);
}

// Holds the profile open as an editor would that lets others read it but not write it.
class WriteLock {
public:
    explicit WriteLock(const std::string& path)
        : m_file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~WriteLock() { CloseHandle(m_file); }
    bool Held() const { return m_file != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_file;
};

TEST(BadProfile, LockedAgainstWritingStaysAsItWas)
{
    Sandbox box("BP_LOCKED");
    const std::string before = RecorderProfile(box, "%F+%R") + "[Recent File List]\r\nFile1=C:\\a.txt\r\n";
    box.SetProfile(before);
    WriteLock lock(box.ProfilePath());
    ASSERT_TRUE(lock.Held());

    ExpectCleanExit(box.Run(kTail));

    ExpectOneLaunch(box, kLaunched);
    EXPECT_EQ(box.ProfileBytes(), before);
}

TEST(BadProfile, ReadOnlyStaysAsItWas)
{
    Sandbox box("BP_READONLY");
    const std::string before = RecorderProfile(box, "%F+%R") + "[Recent File List]\r\nFile1=C:\\a.txt\r\n";
    box.SetProfile(before);
    SetFileAttributesA(box.ProfilePath().c_str(), FILE_ATTRIBUTE_READONLY);
    struct Restore {
        const std::string& path;
        ~Restore() { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); }
    } restore{box.ProfilePath()};
    HANDLE probe = CreateFileA(box.ProfilePath().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this platform lets us write a read-only file (Wine run as root)";
    }

    ExpectCleanExit(box.Run(kTail));

    ExpectOneLaunch(box, kLaunched);
    EXPECT_EQ(box.ProfileBytes(), before);
}

TEST(BadProfile, FolderInTheProfilesPlace)
{
    Sandbox box("BP_FOLDER");
    ASSERT_TRUE(CreateDirectoryA(box.ProfilePath().c_str(), nullptr));
    struct Remove {
        const std::string& path;
        ~Remove() { RemoveDirectoryA(path.c_str()); }
    } remove{box.ProfilePath()};

    RunAndCancelThePrompt(box);

    EXPECT_EQ(GetFileAttributesA(box.ProfilePath().c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((box.ProfilePath() + "\\*").c_str(), &found);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            entries += std::string(found.cFileName) != "." && std::string(found.cFileName) != "..";
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(entries, 0);
}

}  // namespace
