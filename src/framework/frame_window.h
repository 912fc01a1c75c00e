// The main window of a single-document program: menu, accelerators, tool bar and status bar around
// the view. Commands go to the view, its document, the frame and the application, in that order;
// a command is enabled exactly when one of them has a handler for it.
#pragma once

#include "doc_template.h"
#include "window.h"

#include <string>

namespace fw {

class Application;
class Document;
class StatusBar;
class ToolBar;
class View;

class FrameWindow : public Window {
public:
    // Creates the window from the template's resources; a frame that fails deletes itself.
    bool LoadFrame(Application& app, SingleDocTemplate& docTemplate, Document& document,
                   SingleDocTemplate::NewView newView);
    void InitialUpdateFrame(int showCommand);
    void UpdateFrameTitle(const std::string& documentTitle);

    HINSTANCE Instance() const;
    HACCEL Accelerators() const { return m_hAccel; }
    void SetToolBar(ToolBar* bar) { m_pToolBar = bar; }
    void SetStatusBar(StatusBar* bar) { m_pStatusBar = bar; }

    bool RouteHasHandler(UINT id) const;
    bool PreTranslateMessage(MSG& msg) override;
    // Brings the tool bar's buttons and the status bar's indicators up to date.
    void OnIdleUpdate() override;
    void SetMessageText(UINT stringId);

    static const MessageMap messageMap;

protected:
    int OnCreate(CREATESTRUCTA* create);
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    bool OnCmdMsg(UINT id) override;
    void PostNcDestroy() override;

private:
    void OnSize(UINT type, int width, int height);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    void OnInitMenuPopup(HMENU popup, bool systemMenu);
    LRESULT OnNotify(const NMHDR& header);
    void OnSetFocus();
    void OnViewToolBar();
    void OnViewStatusBar();
    void ToggleBar(UINT id);
    void RecalcLayout();
    bool IsBarVisible(UINT id) const;

    static const MessageEntry entries[];
    Application* m_pApp = nullptr;
    SingleDocTemplate* m_pTemplate = nullptr;
    Document* m_pDocument = nullptr;
    SingleDocTemplate::NewView m_newView = nullptr;
    View* m_pView = nullptr;
    ToolBar* m_pToolBar = nullptr;
    StatusBar* m_pStatusBar = nullptr;
    HACCEL m_hAccel = nullptr;
    std::string m_strTitle;
    // The tool bar button held down, whose prompt the status bar shows until it is let go.
    UINT m_nTrackedButton = 0;
    bool m_bAutoDelete = true;
};

}  // namespace fw
