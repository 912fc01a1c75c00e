// The application: window mode for an empty command tail, otherwise the launch of the user's editor.
#pragma once

#include "application.h"

#include <string>

class CEdjumpApp : public fw::Application {
public:
    static const fw::MessageMap messageMap;

protected:
    bool InitInstance() override;
    const fw::MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    void OnAbout();
    void LaunchEditor();
    // Asks the user for the editor settings; true with both texts once they are stored.
    bool PromptForSettings(std::string& editorPath, std::string& commandTemplate);

    static const fw::MessageEntry entries[];
};
