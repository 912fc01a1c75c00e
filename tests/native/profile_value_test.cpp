#include "profile_reader_model.h"
#include "profile_value.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char* value;
    const char* stored;
};

const EncodeCase kEncodeCases[] = {
    {"", ""},
    {"DANA.EXE", "DANA.EXE"},
    {"%F+%R", "%F+%R"},
    {"\"%F\"", "\"\"%F\"\""},
    {"'%F'", "\"'%F'\""},
    {"\"", "\"\"\""},
    {"'", "\"'\""},
    {"\"a'", "\"a'"},
    {"a\"", "a\""},
    {"   ", "\"   \""},
    {" C:\\a b\\ed.exe ", "\" C:\\a b\\ed.exe \""},
    {"\tx", "\"\tx\""},
    {"x\t", "\"x\t\""},
    {"\vx\f", "\"\vx\f\""},
    {"\x1a" "a.txt", "\"\x1a" "a.txt\""},
    {"a\vb", "a\vb"},
    {"a\r\n[Executable]\r\nEditor=EVIL.EXE", "a  [Executable]  Editor=EVIL.EXE"},
    {"a\r\n", "\"a  \""},
    {"\n", "\" \""},
};

class EncodeProfileValue : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeProfileValue, KeepsTheLineStructureAndGuardsWhatTheReaderWouldStrip)
{
    EXPECT_EQ(encode_profile_value(GetParam().value), GetParam().stored);
}

TEST_P(EncodeProfileValue, ReadsBackAsWrittenWithLineBreaksAsBlanks)
{
    std::string expected = GetParam().value;
    for (char& c : expected) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    EXPECT_EQ(read_back_profile_value(encode_profile_value(GetParam().value)), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, EncodeProfileValue, testing::ValuesIn(kEncodeCases));

}  // namespace
