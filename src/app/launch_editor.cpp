#include "edjump_app.h"

#include "jump_option.h"
#include "settings_store.h"

#include <shellapi.h>

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
    if (parameters.empty())
        return;
    ShellExecuteA(MainWindowHandle(), nullptr, editorPath.c_str(), parameters.c_str(), nullptr, SW_SHOW);
}
