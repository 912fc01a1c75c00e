// A document: its title, the file it belongs to, and the File Save and Save As commands.
#pragma once

#include "archive.h"
#include "command_target.h"

#include <string>

namespace fw {

class Application;
class SingleDocTemplate;
class View;

class Document : public CommandTarget {
public:
    void Attach(Application& app, SingleDocTemplate& docTemplate)
    {
        m_pApp = &app;
        m_pTemplate = &docTemplate;
    }
    void SetView(View* view) { m_pView = view; }
    View* GetView() const { return m_pView; }

    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // The document now belongs to this file: its title becomes the file's display name.
    void SetPathName(const std::string& path);

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    virtual void Serialize(Archive&) {}

    static const MessageMap messageMap;

protected:
    const MessageMap* GetMessageMap() const override { return &messageMap; }

private:
    void OnFileSave();
    void OnFileSaveAs();
    // Asks for a name when path is empty; then writes the file and takes its name.
    bool DoSave(const std::string& path);
    // Loads or stores the open file, or reports that it could not be opened.
    bool SerializeFile(HANDLE file, bool loading, const char* failure);
    void ReportFailure(const char* message) const;

    static const MessageEntry entries[];
    Application* m_pApp = nullptr;
    SingleDocTemplate* m_pTemplate = nullptr;
    View* m_pView = nullptr;
    std::string m_strTitle;
    std::string m_strPathName;
    // Only a file this document itself wrote may be written again without asking.
    bool m_bPathWrittenHere = false;
};

}  // namespace fw
