// Tails at the edges of what a command line can hold: the longest one, one of delimiters only, and
// tokens made of every byte value. The editor gets the whole text or nothing, and the trail holds the
// whole tail.
#include "expectations.h"
#include "profile_text.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The platform's limit for a command line, less its terminating zero.
const std::size_t kLongestCommandLine = 32766;

std::string LineBreaksAsBlanks(std::string text)
{
    for (char& c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

TEST(ExtremeTail, LongestTailLeavesItsWholeTrail)
{
    Sandbox box("XT_LONGEST");
    box.SetProfile(RecorderProfile(box, "%F+%R"));
    const std::string start = "\"" + box.ExePath() + "\" /J7 a.txt ";
    const std::string tail = "/J7 a.txt " + std::string(kLongestCommandLine - start.size(), 'x');

    ExpectCleanExit(box.Run(tail));

    ExpectOneLaunch(box, "a.txt+7");
    EXPECT_TRUE(box.ProfileValue("Debug", "CL") == tail);
}

// Each double-byte character is one character of the command line but two bytes of the tail, so this
// tail is far longer in bytes than any command line is in characters.
TEST(ExtremeTail, LongestShiftJisTailLeavesItsWholeTrail)
{
    Sandbox box("XT_SJIS");
    box.SetProfile(RecorderProfile(box, "%F+%R"));
    const std::string start = "\"" + box.ExePath() + "\" /J7 a.txt ";
    std::string tail = "/J7 a.txt ";
    for (std::size_t i = start.size(); i < kLongestCommandLine; ++i)
        tail += "\x95\x5C";  // 表

    ExpectCleanExit(box.Run(tail));

    ExpectOneLaunch(box, "a.txt+7");
    EXPECT_TRUE(box.ProfileValue("Debug", "CL") == tail);
}

// The parameter text is the file token plus a long template, so it can outgrow the tail.
class EditorCommandLine : public testing::TestWithParam<int> {};

TEST_P(EditorCommandLine, GetsTheWholeTextOrNothing)
{
    const int overLimit = GetParam();
    Sandbox box("XT_FITS" + std::to_string(overLimit));
    const std::string padding(1000, 'p');
    box.SetProfile(RecorderProfile(box, "%F+%R" + padding));
    const std::string around = "\"" + box.RecorderPath() + "\" +7" + padding;
    const std::string file = "C:\\" + std::string(kLongestCommandLine + overLimit - around.size() - 3, 'f');

    ExpectCleanExit(box.Run("/J7 " + file));

    if (overLimit > 0)
        EXPECT_TRUE(box.Records().empty()) << "a cut parameter text reached the editor";
    else
        ExpectOneLaunch(box, file + "+7" + padding);
    EXPECT_TRUE(box.ProfileValue("Debug", "fn") == file);
}

INSTANTIATE_TEST_SUITE_P(AtTheLimit, EditorCommandLine, testing::Values(0, 1, 200));

struct DelimiterCase {
    const char* tail;
    const char* parameters;
    bool jump;
};

const DelimiterCase kDelimiterCases[] = {
    {"/J", "+", true},
    {"/J/J/J", "+", true},
    {"/Jj/jJ", "+", true},
    {"/j \t/J\t ", "+", true},
    {"/J /J /J  ", "+", true},
    {"/J\t\t\t", "+", true},
    {"////", "////", false},
    {"J j J", "J j J", false},
};

class DelimitersOnly : public testing::TestWithParam<DelimiterCase> {};

TEST_P(DelimitersOnly, GiveEmptyTokensAndAWholeTrail)
{
    const DelimiterCase& c = GetParam();
    Sandbox box("XT_DELIM");
    box.SetProfile(RecorderProfile(box, "%F+%R"));

    ExpectCleanExit(box.Run(c.tail));

    ExpectOneLaunch(box, c.parameters);
    EXPECT_EQ(box.ProfileValue("Debug", "CL"), c.jump ? c.tail : "<missing>");
    EXPECT_EQ(box.ProfileValue("Debug", "tag"), c.jump ? "" : "<missing>");
    EXPECT_EQ(box.ProfileValue("Debug", "fn"), c.jump ? "" : "<missing>");
}

INSTANTIATE_TEST_SUITE_P(Table, DelimitersOnly, testing::ValuesIn(kDelimiterCases));

// The code page carries a byte only inside a character it knows; a test can only ask for the rest.
bool CodePageCarries(const std::string& bytes)
{
    wchar_t wide[8];
    char back[16];
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide, 8);
    if (wideLength == 0)
        return false;
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, wideLength, back, sizeof back, nullptr, &defaulted);
    return !defaulted && std::string(back, length) == bytes;
}

// Every byte value as one character of its own, or as the first byte of a double-byte character with the
// first second byte that the code page carries and that is none of the excluded bytes.
std::string EveryByteExcept(const std::string& excluded, std::string& missing)
{
    std::string text;
    for (int b = 1; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (excluded.find(c) != std::string::npos)
            continue;
        std::string character(1, c);
        if (IsDBCSLeadByte(static_cast<BYTE>(b))) {
            character.clear();
            for (int t = 0x40; t <= 0xFC && character.empty(); ++t) {
                const std::string pair{c, static_cast<char>(t)};
                if (excluded.find(static_cast<char>(t)) == std::string::npos && CodePageCarries(pair))
                    character = pair;
            }
        } else if (!CodePageCarries(character)) {
            character.clear();
        }
        if (character.empty())
            missing += c;
        text += character;
    }
    return text;
}

TEST(ExtremeTail, EveryByteValueInTheTokensArrivesWhole)
{
    Sandbox box("XT_BYTES");
    box.SetProfile(RecorderProfile(box, "%F+%R"));
    std::string lineMissing, fileMissing;
    const std::string line = EveryByteExcept("/Jj \t", lineMissing);
    // Quoted, the file token holds blanks and tabs too.
    const std::string file = "\"" + EveryByteExcept("\"", fileMissing) + "\"";
    // Only the first bytes of double-byte characters that code page 932 leaves undefined are missing.
    for (char c : fileMissing)
        EXPECT_TRUE(IsDBCSLeadByte(static_cast<BYTE>(c))) << static_cast<int>(static_cast<unsigned char>(c));
    EXPECT_LE(fileMissing.size(), 8u) << testing::PrintToString(fileMissing);
    const std::string tail = "/J" + line + " " + file;

    ExpectCleanExit(box.Run(tail));

    ExpectOneLaunch(box, file + "+" + line);
    EXPECT_TRUE(box.ProfileValue("Debug", "CL") == LineBreaksAsBlanks(tail));
    EXPECT_TRUE(box.ProfileValue("Debug", "tag") == LineBreaksAsBlanks(line));
    EXPECT_TRUE(box.ProfileValue("Debug", "fn") == LineBreaksAsBlanks(file));
}

// The profile reader drops more than blanks and tabs around a value; tokens that start or end with
// such bytes must read back whole all the same.
TEST(ExtremeTail, TokensEdgedWithOtherWhiteSpaceReadBackWhole)
{
    Sandbox box("XT_EDGES");
    box.SetProfile(RecorderProfile(box, "%F+%R"));
    const std::string line = "\x0B" "7\x0C";
    const std::string file = "\x1A" "a.txt\x0B";

    ExpectCleanExit(box.Run("/J" + line + " " + file));

    ExpectOneLaunch(box, file + "+" + line);
    EXPECT_EQ(box.ProfileValue("Debug", "tag"), line);
    EXPECT_EQ(box.ProfileValue("Debug", "fn"), file);
}

}  // namespace
