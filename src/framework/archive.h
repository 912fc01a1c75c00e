// The open file a document is loaded from or stored to.
#pragma once

#include <windows.h>

namespace fw {

class Archive {
public:
    Archive(HANDLE file, bool loading) : m_file(file), m_loading(loading) {}

    bool IsLoading() const { return m_loading; }
    HANDLE File() const { return m_file; }

private:
    HANDLE m_file;
    bool m_loading;
};

}  // namespace fw
