#include "jump_option.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* tail;
    bool found;
    const char* line;
    const char* file;
};

const ParseCase kParseCases[] = {
    {"/J12 a.txt", true, "12", "a.txt"},
    {"/J12 a.txt b.txt", true, "12", "a.txt"},
    {"/j12 a.txt", true, "12", "a.txt"},
    {"/J12\ta.txt", true, "12", "a.txt"},
    {"/J12", true, "12", ""},
    {"/J12  ", true, "12", ""},
    {"/J", true, "", ""},
    {"/J   ", true, "", ""},
    {"/J a.txt", true, "a.txt", ""},
    {"/Jj12 a.txt", true, "12", "a.txt"},
    {"/J /J 12 a.txt", true, "12", "a.txt"},
    {"/J12/x.txt", true, "12", "x.txt"},
    {"/J12J34 a.txt", true, "12", "34"},
    {"-x /J7 a.txt", true, "7", "a.txt"},
    {"-x\t/J7 a.txt", true, "7", "a.txt"},
    {"a.txt", false, "", ""},
    {"", false, "", ""},
    // Only an option that starts a word counts: forward-slash paths stay whole.
    {"/J10 c:/jp/a.txt", true, "10", "c:/jp/a.txt"},
    {"D:/jobs/plan.txt", false, "", ""},
    {"x/J5 a.txt", false, "", ""},
    {"x/J5 /j6 b.txt", true, "6", "b.txt"},
    // The small form anywhere wins over an earlier capital one.
    {"/J1 a.txt /j2 b.txt", true, "2", "b.txt"},
    {"/J1 a.txt x/j2 b.txt", true, "1", "a.txt"},
    // A quoted file token runs to the closing mark and keeps both marks.
    {"/J5 \"C:\\My Docs\\a.txt\"", true, "5", "\"C:\\My Docs\\a.txt\""},
    {"/J5 \"C:\\My Docs\\a.txt\" rest", true, "5", "\"C:\\My Docs\\a.txt\""},
    {"/J5 \"C:\\My Docs\\a.txt", true, "5", "\"C:\\My Docs\\a.txt"},
    {"/J5 \"\"", true, "5", "\"\""},
    {"/J5 a\"b c\"", true, "5", "a\"b"},
    // Bytes are bytes: a Shift-JIS second byte 0x4A ends a line token, 0x5C is no delimiter.
    {"/J\x83\x4A\x82 a.txt", true, "\x83", "\x82"},
    {"/J3 \x95\x5C\x8E\xA6.txt", true, "3", "\x95\x5C\x8E\xA6.txt"},
    {"/J3 a.txt\r\n", true, "3", "a.txt\r\n"},
};

class ParseJumpOption : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseJumpOption, CutsLineAndFileTokens)
{
    const ParseCase& c = GetParam();
    JumpOption option = parse_jump_option(c.tail);
    EXPECT_EQ(option.found, c.found);
    EXPECT_EQ(option.line, c.line);
    EXPECT_EQ(option.file, c.file);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseJumpOption, testing::ValuesIn(kParseCases));

TEST(FindJumpOption, GivesTheSlashOfTheOptionThatCounts)
{
    EXPECT_EQ(find_jump_option("-x /J7 a.txt"), 3u);
    EXPECT_EQ(find_jump_option("/J1 /j2"), 4u);
    EXPECT_EQ(find_jump_option("a/j1 b"), std::string::npos);
}

struct ExpandCase {
    const char* text;
    const char* file;
    const char* line;
    const char* result;
};

const ExpandCase kExpandCases[] = {
    {"%F+%R", "a.txt", "12", "a.txt+12"},
    {"%F,%R", "a.txt", "12", "a.txt,12"},
    {"%F+%R", "", "", "+"},
    {"%f %r", "a.txt", "12", "a.txt 12"},
    {"%R %F", "a.txt", "12", "12 a.txt"},
    {"%F %F", "a.txt", "12", "a.txt %F"},
    {"%F %f", "a.txt", "12", "%F a.txt"},
    {"%R %r", "a.txt", "12", "%R 12"},
    {"%%F", "a.txt", "12", "%a.txt"},
    {"x%Fy%Rz", "a.txt", "12", "xa.txty12z"},
    {"-n", "a.txt", "12", "-n"},
    {"", "a.txt", "12", "a.txt"},
    {"", "", "12", ""},
    {"%R", "a.txt", "", "a.txt"},
    {"%F", "", "12", ""},
    {"%F%R", "a.txt", "12", "a.txt12"},
    {"%R%F", "a.txt", "12", "12a.txt"},
    // Tokens are inserted byte for byte and never searched for macros.
    {"%F+%R", "a%rb.txt", "5", "a%rb.txt+5"},
    {"%R:%F", "x", "%F", "%F:x"},
    {"%F", "\"C:\\My Docs\\a.txt\"", "5", "\"C:\\My Docs\\a.txt\""},
    {"-g %F:%R", "a.txt", "12", "-g a.txt:12"},
    {"%", "a.txt", "12", "%"},
    {"%%", "a.txt", "12", "%%"},
};

class ExpandTemplate : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandTemplate, ReplacesOneFileAndOneLineMacro)
{
    const ExpandCase& c = GetParam();
    EXPECT_EQ(expand_template(c.text, c.file, c.line), c.result);
}

INSTANTIATE_TEST_SUITE_P(Table, ExpandTemplate, testing::ValuesIn(kExpandCases));

TEST(ExpandTemplate, PassesLongTokensWhole)
{
    const std::string file(5000, 'f');
    EXPECT_EQ(expand_template("%F+%R", file, "7"), file + "+7");
}

}  // namespace
