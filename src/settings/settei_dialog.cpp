#include "settei_dialog.h"

#include "application.h"
#include "file_dialog.h"
#include "resource.h"
#include "settings_store.h"

namespace {

// "設定が終わっていません!!" in code page 932.
const char kNotFinished[] = "\x90\xDD\x92\xE8\x82\xAA\x8F" "I\x82\xED\x82\xC1\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1!!";

}  // namespace

const fw::MessageEntry CSetteiDialog::entries[] = {
    fw::OnCommand<&CSetteiDialog::OnBrowse>(IDC_BROWSE),
    fw::OnCommand<&CSetteiDialog::OnPresetDana>(IDC_PRESET_DANA),
    fw::OnCommand<&CSetteiDialog::OnPresetQx>(IDC_PRESET_QX),
};

const fw::MessageMap CSetteiDialog::messageMap = fw::MakeMessageMap(&fw::Dialog::messageMap, CSetteiDialog::entries);

CSetteiDialog::CSetteiDialog(fw::Application& app, HWND parent) : fw::Dialog(app, IDD_SETTINGS, parent)
{
}

void CSetteiDialog::DoDataExchange(fw::DataExchange& exchange)
{
    exchange.Control(IDC_PRESET_QX, m_btnQx);
    exchange.Control(IDC_PRESET_DANA, m_btnDana);
    exchange.Text(IDC_EDITOR_PATH, m_strEditor);
    exchange.Text(IDC_CMDLINE, m_strCmdLine);
}

bool CSetteiDialog::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    if (!m_strEditor.empty())
        return true;
    const SettingsStore settings(App().GetProfile());
    m_strEditor = settings.EditorPath();
    m_strCmdLine = settings.CommandTemplate();
    m_btnDana.SetCheck(settings.DanaPreset());
    m_btnQx.SetCheck(settings.QxPreset());
    UpdateData(false);
    return true;
}

void CSetteiDialog::OnOK()
{
    UpdateData(true);
    if (m_strEditor.empty() || m_strCmdLine.empty()) {
        MessageBeep(MB_OK);
        MessageBoxA(m_hWnd, kNotFinished, App().AppTitle().c_str(), MB_OK);
        return;
    }
    SettingsStore(App().GetProfile())
        .StoreEditorSettings(m_strEditor, m_strCmdLine, m_btnDana.GetCheck(), m_btnQx.GetCheck());
    fw::Dialog::OnOK();
}

void CSetteiDialog::OnBrowse()
{
    // What was typed so far is taken in first, so that choosing a program keeps a typed template.
    UpdateData(true);
    fw::FileDialog dialog(true, "EXE", "*.EXE", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    m_strEditor = dialog.GetPathName();
    UpdateData(false);
}

void CSetteiDialog::OnPresetDana()
{
    ApplyPreset(m_btnDana, m_btnQx, "%F+%R", "DANA.EXE");
}

void CSetteiDialog::OnPresetQx()
{
    ApplyPreset(m_btnQx, m_btnDana, "%F,%R", "QX.EXE");
}

void CSetteiDialog::ApplyPreset(const fw::Button& clicked, const fw::Button& other, const char* commandTemplate,
                                const char* program)
{
    UpdateData(true);
    if (clicked.GetCheck() == BST_CHECKED) {
        other.SetCheck(BST_UNCHECKED);
        m_strCmdLine = commandTemplate;
        if (m_strEditor.empty())
            m_strEditor = program;
    } else {
        m_strCmdLine.clear();
    }
    UpdateData(false);
}
