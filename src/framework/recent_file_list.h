// The most recently used document paths, most recent first, kept in a profile section.
#pragma once

#include "profile.h"

#include <string>
#include <vector>

namespace fw {

class RecentFileList {
public:
    explicit RecentFileList(std::size_t places);

    void Load(const Profile& profile);
    // Writes the places up to the first empty one; keys after it are left as they are.
    void Save(const Profile& profile) const;
    void Add(const std::string& path);


private:
    std::vector<std::string> m_paths;
};

}  // namespace fw
