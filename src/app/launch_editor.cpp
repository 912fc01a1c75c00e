#include "edjump_app.h"

#include "character_count.h"
#include "jump_option.h"
#include "settings_store.h"
#include "system_function.h"

#include <shellapi.h>

namespace {

// Characters of a command line, with its terminating zero.
const std::size_t kLongestCommandLine = 32767;

// Wine cuts a longer command line and starts the editor all the same, and a cut file name opens the wrong
// file; Windows refuses it. Either way such a text is better not handed on at all.
bool FitsOnCommandLine(const std::string& editorPath, const std::string& parameters)
{
    char found[MAX_PATH];
    const DWORD length = SearchPathA(nullptr, editorPath.c_str(), ".exe", sizeof found, found, nullptr);
    const std::size_t program = length > 0 && length < sizeof found ? length : CharacterCount(editorPath);
    // The shell puts the program's path in quotation marks and a blank before the parameters.
    return program + 3 + CharacterCount(parameters) + 1 <= kLongestCommandLine;
}

}  // namespace

// Launcher mode: converts the tail, starts the editor through the shell and never reports anything.
void CEdjumpApp::LaunchEditor()
{
    const SettingsStore settings(GetProfile());
    const std::string tail = m_lpCmdLine;

    JumpOption option;
    std::string commandText = tail;
    if (find_jump_option(tail) != std::string::npos) {
        settings.WriteTrailCommandTail(tail);
        option = parse_jump_option(tail);
        commandText = settings.CommandTemplate();
        settings.WriteTrailLineToken(option.line);
        settings.WriteTrailFileToken(option.file);
    }

    std::string editorPath = settings.EditorPath();
    if (editorPath.empty()) {
        std::string confirmedTemplate;
        if (!PromptForSettings(editorPath, confirmedTemplate))
            return;
        // Without a jump option the tail itself is what the editor must get.
        if (option.found)
            commandText = confirmedTemplate;
    }
    if (editorPath.empty())
        return;

    // A tail without a jump option reaches the editor as it came: its percent signs are not macros.
    const std::string parameters = option.found ? expand_template(commandText, option.file, option.line) : tail;
    if (parameters.empty() || !FitsOnCommandLine(editorPath, parameters))
        return;
    // Only a launch needs the shell; the main window does not load it.
    if (const auto shellExecute = fw::SystemFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA"))
        shellExecute(MainWindowHandle(), nullptr, editorPath.c_str(), parameters.c_str(), nullptr, SW_SHOW);
}
