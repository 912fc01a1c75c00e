#include "command_tail.h"

#include <gtest/gtest.h>

namespace {

struct TailCase {
    const char* commandLine;
    const char* tail;
};

const TailCase kTailCases[] = {
    {"EDJUMP.EXE /J120 C:\\src\\main.c", "/J120 C:\\src\\main.c"},
    {"EDJUMP.EXE", ""},
    {"", ""},
    {"EDJUMP.EXE   \t ", ""},
    {"EDJUMP.EXE\t/J1 a", "/J1 a"},
    {"EDJUMP.EXE \r\n\v\f/J1 a", "/J1 a"},
    {"EDJUMP.EXE a.txt  ", "a.txt  "},
    {"C:\\bin\\EDJUMP.EXE \"a b.txt\"", "\"a b.txt\""},
    // A quoted name keeps its blanks; the tail starts after the closing mark.
    {"\"C:\\Program Files\\EDJUMP.EXE\"", ""},
    {"\"C:\\Program Files\\EDJUMP.EXE\"  ", ""},
    {"\"C:\\Program Files\\EDJUMP.EXE\" /J3 a.txt", "/J3 a.txt"},
    {"\"C:\\Program Files\\EDJUMP.EXE\"/J3 a.txt", "/J3 a.txt"},
    {"\"EDJUMP.EXE\" a\"b", "a\"b"},
    {"\"C:\\Program Files\\EDJUMP.EXE /J3 a.txt", ""},
    {"\"", ""},
    {"\"\" x", "x"},
    // Quotes after the start of an unquoted name are ordinary bytes.
    {"C:\\a\"b c\"\\EDJUMP.EXE x", "c\"\\EDJUMP.EXE x"},
};

class CommandTail : public testing::TestWithParam<TailCase> {};

TEST_P(CommandTail, SkipsTheProgramNameAndTheWhiteSpaceAfterIt)
{
    EXPECT_EQ(command_tail(GetParam().commandLine), GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandTail, testing::ValuesIn(kTailCases));

}  // namespace
