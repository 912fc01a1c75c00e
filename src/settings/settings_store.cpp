#include "settings_store.h"

namespace {

const char kExecutable[] = "Executable";
const char kDebug[] = "Debug";

}  // namespace

std::string SettingsStore::EditorPath() const
{
    return m_profile.GetString(kExecutable, "Editor", "");
}

std::string SettingsStore::CommandTemplate() const
{
    return m_profile.GetString(kExecutable, "CmdLine", "");
}

int SettingsStore::DanaPreset() const
{
    return m_profile.GetInt(kExecutable, "Dana", 0);
}

int SettingsStore::QxPreset() const
{
    return m_profile.GetInt(kExecutable, "Qx", 0);
}

void SettingsStore::StoreEditorSettings(const std::string& editorPath, const std::string& commandTemplate,
                                        int dana, int qx) const
{
    m_profile.WriteString(kExecutable, "Editor", editorPath);
    m_profile.WriteString(kExecutable, "CmdLine", commandTemplate);
    m_profile.WriteInt(kExecutable, "Dana", dana);
    m_profile.WriteInt(kExecutable, "Qx", qx);
}

void SettingsStore::WriteTrailCommandTail(const std::string& tail) const
{
    m_profile.WriteString(kDebug, "CL", tail);
}

void SettingsStore::WriteTrailLineToken(const std::string& line) const
{
    m_profile.WriteString(kDebug, "tag", line);
}

void SettingsStore::WriteTrailFileToken(const std::string& file) const
{
    m_profile.WriteString(kDebug, "fn", file);
}
