// Many launchers at once against one profile: each must reach the editor with its own parameters, and
// the profile must come out whole, whatever order their reads and writes took.
#include "expectations.h"
#include "profile_text.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

const int kLaunchers = 40;

struct Launch {
    std::string tail;
    std::string parameters;
    std::string line, file;  // the trail a jump leaves; empty without a jump
};

// Tails of every form the launcher knows, so that runs of different lengths and paths overlap.
Launch LaunchNumber(int i)
{
    const std::string n = std::to_string(i);
    switch (i % 5) {
    case 0:
        return {"/J" + n + " f" + n + ".txt", "f" + n + ".txt+" + n, n, "f" + n + ".txt"};
    case 1:
        return {"-x /j" + n + "\t\"C:\\My Docs\\f" + n + ".txt\" rest", "\"C:\\My Docs\\f" + n + ".txt\"+" + n, n,
                "\"C:\\My Docs\\f" + n + ".txt\""};
    case 2: {
        const std::string file = "C:\\" + std::string(1000 + i, 'd') + "\\f" + n + ".txt";
        return {"/J" + n + " " + file, file + "+" + n, n, file};
    }
    case 3: {
        const std::string file = "\x95\x5C\x8E\xA6" + n + ".txt";  // 表示: a Shift-JIS name with a 0x5C byte
        return {"/J" + n + " " + file, file + "+" + n, n, file};
    }
    default:
        return {"n" + n + ".txt", "n" + n + ".txt", "", ""};
    }
}

TEST(Stress, LaunchersAtOnceEachReachTheEditorAndKeepTheProfileWhole)
{
    Sandbox box("ST_MANY");
    const std::string others = "Dana=0\r\nQx=1\r\n[Recent File List]\r\nFile1=C:\\a.txt\r\nFile2=C:\\b.txt\r\n"
                               "[Settings]\r\nPreviewPages=2\r\n[Other]\r\nKeep=this\r\n";
    box.SetProfile(RecorderProfile(box, "%F+%R") + others);
    std::vector<Launch> launches;
    std::vector<std::string> tails, expected;
    std::set<std::string> tailsWithJump, lines, files;
    for (int i = 0; i < kLaunchers; ++i) {
        launches.push_back(LaunchNumber(i));
        const Launch& l = launches.back();
        tails.push_back(l.tail);
        expected.push_back(l.parameters);
        if (!l.line.empty()) {
            tailsWithJump.insert(l.tail);
            lines.insert(l.line);
            files.insert(l.file);
        }
    }

    for (const Outcome& outcome : box.RunAtOnce(tails))
        ExpectCleanExit(outcome);

    std::vector<std::string> received;
    for (const Record& record : box.Records()) {
        received.push_back(record.parameters);
        EXPECT_EQ(record.show, SW_SHOW);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(received, expected);

    EXPECT_EQ(box.ProfileValue("Executable", "Editor"), box.RecorderPath());
    EXPECT_EQ(box.ProfileValue("Executable", "CmdLine"), "%F+%R");
    EXPECT_EQ(box.ProfileValue("Executable", "Dana"), "0");
    EXPECT_EQ(box.ProfileValue("Executable", "Qx"), "1");
    EXPECT_EQ(box.ProfileValue("Recent File List", "File1"), "C:\\a.txt");
    EXPECT_EQ(box.ProfileValue("Recent File List", "File2"), "C:\\b.txt");
    EXPECT_EQ(box.ProfileValue("Settings", "PreviewPages"), "2");
    EXPECT_EQ(box.ProfileValue("Other", "Keep"), "this");
    // Each trail key holds what one of the launchers wrote, never a mixture or a cut value.
    EXPECT_EQ(tailsWithJump.count(box.ProfileValue("Debug", "CL")), 1u);
    EXPECT_EQ(lines.count(box.ProfileValue("Debug", "tag")), 1u);
    EXPECT_EQ(files.count(box.ProfileValue("Debug", "fn")), 1u);

    const std::string bytes = box.ProfileBytes();
    for (const char* section : {"Executable", "Recent File List", "Settings", "Other", "Debug"})
        EXPECT_EQ(SectionCount(bytes, section), 1) << section << "\n" << bytes;
    const char* const keys[][2] = {
        {"Executable", "Editor"},       {"Executable", "CmdLine"},      {"Executable", "Dana"},
        {"Executable", "Qx"},           {"Recent File List", "File1"},  {"Recent File List", "File2"},
        {"Settings", "PreviewPages"},   {"Other", "Keep"},              {"Debug", "CL"},
        {"Debug", "tag"},               {"Debug", "fn"},
    };
    for (const auto& key : keys)
        EXPECT_EQ(KeyCount(bytes, key[0], key[1]), 1) << key[0] << "/" << key[1] << "\n" << bytes;
}

// Another program that keeps the profile's rules (its lock, a fresh read) writes a key of its own while
// the launchers run: its last value must stay, however the launchers' writes fell between its own.
TEST(Stress, AnotherWriterMeanwhileLosesNothing)
{
    Sandbox box("ST_WRITER");
    box.SetProfile(RecorderProfile(box, "%F+%R") + "[Recent File List]\r\nFile1=C:\\a.txt\r\n");
    std::vector<std::string> tails;
    for (int i = 0; i < kLaunchers; ++i)
        tails.push_back(LaunchNumber(i).tail);

    HANDLE lock = CreateMutexA(nullptr, FALSE, "PrivateProfileLock.ST_WRITER.INI");
    std::atomic<bool> done{false};
    int written = 0;
    std::thread writer([&] {
        while (!done) {
            WaitForSingleObject(lock, INFINITE);
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, box.ProfilePath().c_str());
            WritePrivateProfileStringA("Other", "Counter", std::to_string(++written).c_str(),
                                       box.ProfilePath().c_str());
            ReleaseMutex(lock);
        }
    });
    const std::vector<Outcome> outcomes = box.RunAtOnce(tails);
    done = true;
    writer.join();
    CloseHandle(lock);

    for (const Outcome& outcome : outcomes)
        ExpectCleanExit(outcome);
    EXPECT_EQ(box.Records().size(), tails.size());
    EXPECT_GT(written, 1);
    EXPECT_EQ(box.ProfileValue("Other", "Counter"), std::to_string(written));
    EXPECT_EQ(box.ProfileValue("Executable", "Editor"), box.RecorderPath());
    EXPECT_EQ(box.ProfileValue("Recent File List", "File1"), "C:\\a.txt");
}

}  // namespace
