#include "recent_file_list.h"

#include <algorithm>
#include <cstdio>

namespace fw {

namespace {

const char kSection[] = "Recent File List";

std::string KeyFor(std::size_t place)
{
    char key[24];
    std::snprintf(key, sizeof key, "File%u", static_cast<unsigned>(place + 1));
    return key;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

RecentFileList::RecentFileList(std::size_t places) : m_paths(places)
{
}

void RecentFileList::Load(const Profile& profile)
{
    for (std::size_t place = 0; place < m_paths.size(); ++place)
        m_paths[place] = profile.GetString(kSection, KeyFor(place).c_str(), "");
}

void RecentFileList::Save(const Profile& profile) const
{
    for (std::size_t place = 0; place < m_paths.size() && !m_paths[place].empty(); ++place)
        profile.WriteString(kSection, KeyFor(place).c_str(), m_paths[place]);
}

void RecentFileList::Add(const std::string& path)
{
    if (m_paths.empty() || path.empty())
        return;
    auto found = std::find_if(m_paths.begin(), m_paths.end(),
                              [&](const std::string& p) { return SamePath(p, path); });
    if (found == m_paths.end())
        found = m_paths.end() - 1;
    std::rotate(m_paths.begin(), found, found + 1);
    m_paths.front() = path;
}

}  // namespace fw
