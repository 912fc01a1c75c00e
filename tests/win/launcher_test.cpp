// The real EDJUMP.EXE in launcher mode, started with exact command lines; what the stand-in editor
// received and what the profile holds afterwards are checked.
#include "expectations.h"
#include "gui.h"
#include "profile_text.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kDanaProfile[] = "[Executable]\r\nEditor=DANA.EXE\r\nCmdLine=%F+%R\r\n";

TEST(Launcher, RoadOfOneRequest)
{
    Sandbox box("LT_ROAD");
    box.PutOnSearchPath("DANA.EXE");
    box.SetProfile(kDanaProfile);

    ExpectCleanExit(box.Run("/J120 C:\\src\\main.c"));

    ExpectOneLaunch(box, "C:\\src\\main.c+120");
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), "/J120 C:\\src\\main.c");
    EXPECT_EQ(box.ProfileValue("Debug", "tag"), "120");
    EXPECT_EQ(box.ProfileValue("Debug", "fn"), "C:\\src\\main.c");
    EXPECT_EQ(box.ProfileValue("Executable", "Editor"), "DANA.EXE");
}

struct LaunchCase {
    const char* name;
    std::string cmdLine;    // stored template; nullptr-like "<none>" leaves the key out
    std::string tail;
    std::string expected;   // "" means nothing is launched
};

const std::string kSjisWithYen = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67.txt";  // 表示ソフト.txt
const std::string kLongFile = "C:\\" + std::string(3000, 'd') + "\\" + std::string(2000, 'f') + ".txt";
const std::string kLongTemplate = "%F+%R -x " + std::string(700, 'o');

const LaunchCase kLaunchCases[] = {
    {"Qx", "%F,%R", "/J12 a.txt", "a.txt,12"},
    {"SmallOption", "%F+%R", "/j12 a.txt", "a.txt+12"},
    {"TextBeforeOption", "%F+%R", "-x /J7 a.txt", "a.txt+7"},
    {"NoTemplateGivesFileAlone", "<none>", "/J12 a.txt", "a.txt"},
    {"NoFileNothingLaunched", "%F", "/J12", ""},
    {"ForwardSlashPathKept", "%F+%R", "/J10 c:/jp/a.txt", "c:/jp/a.txt+10"},
    {"QuotedPathKeptWhole", "%F+%R", "/J5 \"C:\\My Docs\\a.txt\"", "\"C:\\My Docs\\a.txt\"+5"},
    {"MacroInFileNameIsText", "%F+%R", "/J5 a%rb.txt", "a%rb.txt+5"},
    {"NoJumpPassesTailUnchanged", "%F+%R", "a.txt", "a.txt"},
    {"NoJumpPercentKept", "%F+%R", "100%Free.txt", "100%Free.txt"},
    {"NoJumpForwardSlashPath", "%F+%R", "D:/jobs/plan.txt", "D:/jobs/plan.txt"},
    {"NoJumpMacrosOnly", "%F+%R", "%F%R", "%F%R"},
    {"ShiftJisFileName", "%F+%R", "/J3 " + kSjisWithYen, kSjisWithYen + "+3"},
    {"LongParameterText", "%F+%R", "/J9 " + kLongFile, kLongFile + "+9"},
    {"LongTemplateReadWhole", kLongTemplate, "/J9 a.txt", "a.txt+9 -x " + std::string(700, 'o')},
};

class LauncherCases : public testing::TestWithParam<LaunchCase> {};

TEST_P(LauncherCases, HandsTheEditorTheConvertedTail)
{
    const LaunchCase& c = GetParam();
    Sandbox box("LC_" + std::string(c.name));
    std::string profile = "[Executable]\r\nEditor=" + box.RecorderPath() + "\r\n";
    if (c.cmdLine != "<none>")
        profile += "CmdLine=" + c.cmdLine + "\r\n";
    box.SetProfile(profile);

    ExpectCleanExit(box.Run(c.tail));

    if (c.expected.empty())
        EXPECT_TRUE(box.Records().empty());
    else
        ExpectOneLaunch(box, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, LauncherCases, testing::ValuesIn(kLaunchCases),
                         [](const testing::TestParamInfo<LaunchCase>& info) { return info.param.name; });

TEST(Launcher, TailWithoutJumpLeavesTheDebugTrailAlone)
{
    Sandbox box("LT_NOJUMP");
    const std::string before = RecorderProfile(box, "%F+%R") + "[Debug]\r\nCL=/J1 old\r\ntag=1\r\nfn=old\r\n";
    box.SetProfile(before);

    ExpectCleanExit(box.Run("a.txt"));

    ExpectOneLaunch(box, "a.txt");
    EXPECT_EQ(box.ProfileBytes(), before);
}

TEST(Launcher, EmptyTokensAreWrittenAsEmptyValues)
{
    Sandbox box("LT_EMPTYTOK");
    box.SetProfile(RecorderProfile(box, "%F") + "[Debug]\r\ntag=old\r\nfn=old\r\n");

    ExpectCleanExit(box.Run("/J"));

    EXPECT_TRUE(box.Records().empty());
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), "/J");
    EXPECT_EQ(box.ProfileValue("Debug", "tag"), "");
    EXPECT_EQ(box.ProfileValue("Debug", "fn"), "");
}

TEST(Launcher, SectionAndKeyNamesIgnoreCase)
{
    Sandbox box("LT_CASE");
    box.SetProfile("[executable]\r\nEDITOR=" + box.RecorderPath() + "\r\ncmdline=%F,%R\r\n");

    ExpectCleanExit(box.Run("/J4 b.txt"));

    ExpectOneLaunch(box, "b.txt,4");
}

TEST(Launcher, ProfileFollowsTheProgramsName)
{
    Sandbox first("LT_NAMEA");
    first.SetProfile(RecorderProfile(first, "%F+%R"));
    Sandbox second("LT_NAMEB");
    second.SetProfile(RecorderProfile(second, "%F,%R"));

    ExpectCleanExit(second.Run("/J1 a.txt"));

    ExpectOneLaunch(second, "a.txt,1");
    EXPECT_EQ(second.ProfileValue("Debug", "CL"), "/J1 a.txt");
    EXPECT_EQ(first.ProfileValue("Debug", "CL"), "<missing>");
}

TEST(Launcher, LineBreaksInTheTailCannotForgeProfileEntries)
{
    Sandbox box("LT_CRLF");
    box.SetProfile(RecorderProfile(box, "%F+%R"));

    ExpectCleanExit(box.Run("/J1 a.txt\r\n[Executable]\r\nEditor=EVIL.EXE\r\n"));

    EXPECT_EQ(box.ProfileValue("Executable", "Editor"), box.RecorderPath());
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), "/J1 a.txt  [Executable]  Editor=EVIL.EXE  ");
    EXPECT_EQ(SectionCount(box.ProfileBytes(), "Executable"), 1);
}

TEST(Launcher, TrailReadsBackAsWritten)
{
    struct {
        std::string tail, line, file;
    } const cases[] = {
        {"'x' /J1 a'", "1", "a'"},
        {"/J7 \"a b\"", "7", "\"a b\""},
        {"/J8 x.txt  ", "8", "x.txt"},
    };
    Sandbox box("LT_ROUNDTRIP");
    for (const auto& c : cases) {
        box.SetProfile(RecorderProfile(box, "%F"));
        ExpectCleanExit(box.Run(c.tail));
        EXPECT_EQ(box.ProfileValue("Debug", "CL"), c.tail);
        EXPECT_EQ(box.ProfileValue("Debug", "tag"), c.line);
        EXPECT_EQ(box.ProfileValue("Debug", "fn"), c.file);
    }
}

TEST(Launcher, StandardSettingsSurviveARun)
{
    Sandbox box("LT_STDSET");
    const std::string before = RecorderProfile(box, "%F+%R") +
                               "[Recent File List]\r\nFile1=C:\\a.txt\r\nFile3=C:\\c.txt\r\n"
                               "[Settings]\r\nPreviewPages=2\r\n";
    box.SetProfile(before);

    ExpectCleanExit(box.Run("a.txt"));

    EXPECT_EQ(box.ProfileBytes(), before);
}

TEST(Launcher, ZeroPreviewPagesIsNeverWritten)
{
    Sandbox box("LT_PREVIEW0");
    box.SetProfile(RecorderProfile(box, "%F+%R") + "[Settings]\r\nPreviewPages=0\r\n");

    ExpectCleanExit(box.Run("a.txt"));

    EXPECT_EQ(box.ProfileValue("Settings", "PreviewPages"), "0");
    EXPECT_EQ(box.ProfileValue("Recent File List", "File1"), "<missing>");
}

// An empty tail means window mode: the main window opens, nothing is launched or traced.
void ExpectWindowMode(const Sandbox& box, const std::string& commandLine)
{
    RunningProgram program(box.ExePath(), commandLine);
    HWND frame = WaitForTopLevel([&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == program.ProcessId() && IsWindowVisible(window) &&
               WindowText(window) == Cp932(u8"Edjump - Windows アプリケーション EDJUMP");
    });
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ExpectCleanExit(program.Wait());
    EXPECT_TRUE(box.Records().empty());
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), "<missing>");
}

TEST(Launcher, QuotedProgramPathWithBlankAndNoArgumentsIsWindowMode)
{
    Sandbox box("LT_QUOTED", "Program Files");
    box.SetProfile(RecorderProfile(box, "%F+%R"));

    ExpectWindowMode(box, "\"" + box.ExePath() + "\"");
}

TEST(Launcher, QuotedProgramPathWithBlankAndJumpOption)
{
    Sandbox box("LT_QUOTEDJ", "Program Files");
    box.SetProfile(RecorderProfile(box, "%F+%R"));

    ExpectCleanExit(box.RunCommandLine("\"" + box.ExePath() + "\" /J3 a.txt"));

    ExpectOneLaunch(box, "a.txt+3");
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), "/J3 a.txt");
}

TEST(Launcher, BlanksAfterTheNameAreAnEmptyTail)
{
    Sandbox box("LT_BLANKS");
    box.SetProfile(RecorderProfile(box, "%F+%R"));

    ExpectWindowMode(box, "LT_BLANKS.EXE \t  ");
}

}  // namespace
