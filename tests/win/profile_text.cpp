#include "profile_text.h"

#include <windows.h>

#include <vector>

namespace {

struct Line {
    bool opensSection = false;
    std::string name;  // the section's name, or the key's
    std::string section;
};

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<Line> Lines(const std::string& bytes)
{
    std::vector<Line> lines;
    std::string section;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string text = bytes.substr(start, end - start);
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        text = Trim(text);
        Line line;
        if (!text.empty() && text[0] == '[') {
            line.opensSection = true;
            line.name = text.substr(1, text.find(']') - 1);
            section = line.name;
        } else {
            line.name = Trim(text.substr(0, text.find('=')));
        }
        line.section = section;
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool SameName(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

std::string RecorderProfile(const Sandbox& box, const std::string& cmdLine)
{
    return "[Executable]\r\nEditor=" + box.RecorderPath() + "\r\nCmdLine=" + cmdLine + "\r\n";
}

int SectionCount(const std::string& bytes, const std::string& section)
{
    int count = 0;
    for (const Line& line : Lines(bytes))
        count += line.opensSection && SameName(line.name, section);
    return count;
}

int KeyCount(const std::string& bytes, const std::string& section, const std::string& key)
{
    int count = 0;
    for (const Line& line : Lines(bytes))
        count += !line.opensSection && SameName(line.section, section) && SameName(line.name, key);
    return count;
}
