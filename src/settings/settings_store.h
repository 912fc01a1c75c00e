// The program's settings in its profile: the editor to start, its command template, the two preset
// flags, and the debug trail of the last jump. Nothing is cached: each call goes to the file.
#pragma once

#include "profile.h"

#include <string>

class SettingsStore {
public:
    explicit SettingsStore(const fw::Profile& profile) : m_profile(profile) {}

    std::string EditorPath() const;
    std::string CommandTemplate() const;
    int DanaPreset() const;
    int QxPreset() const;

    // In this order: editor path, command template, the "Dana" flag, the "Qx" flag.
    void StoreEditorSettings(const std::string& editorPath, const std::string& commandTemplate, int dana,
                             int qx) const;

    void WriteTrailCommandTail(const std::string& tail) const;
    void WriteTrailLineToken(const std::string& line) const;
    void WriteTrailFileToken(const std::string& file) const;

private:
    const fw::Profile& m_profile;
};
