// The settings dialog: the editor program and its command template, typed, browsed for, or filled
// in by the Dana and QX presets. A completed OK stores them.
#pragma once

#include "button.h"
#include "dialog.h"

#include <string>

class CSetteiDialog : public fw::Dialog {
public:
    explicit CSetteiDialog(fw::Application& app, HWND parent = nullptr);

    fw::Button m_btnQx;
    fw::Button m_btnDana;
    std::string m_strEditor;
    std::string m_strCmdLine;

    static const fw::MessageMap messageMap;

protected:
    void DoDataExchange(fw::DataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;
    const fw::MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    void OnBrowse();
    void OnPresetDana();
    void OnPresetQx();
    void ApplyPreset(const fw::Button& clicked, const fw::Button& other, const char* commandTemplate,
                     const char* program);

    static const fw::MessageEntry entries[];
};
