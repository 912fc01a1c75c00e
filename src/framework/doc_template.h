// The one kind of document of a single-document program: it creates the document, the frame
// window and the view on first use, and re-uses the document after that.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace fw {

class Application;
class Document;
class FrameWindow;
class View;

class SingleDocTemplate {
public:
    using NewDocument = Document* (*)();
    using NewFrame = FrameWindow* (*)();
    using NewView = View* (*)();

    // resourceId names the document string, menu, accelerators and icon of the frame.
    SingleDocTemplate(UINT resourceId, NewDocument newDocument, NewFrame newFrame, NewView newView);
    ~SingleDocTemplate();

    template <class D, class F, class V>
    static std::unique_ptr<SingleDocTemplate> Of(UINT resourceId)
    {
        return std::make_unique<SingleDocTemplate>(resourceId, &Make<Document, D>, &Make<FrameWindow, F>,
                                                   &Make<View, V>);
    }

    // An empty path starts a new document. Null when the document or its window cannot be made.
    Document* OpenDocumentFile(Application& app, const std::string& path);

    // Field n of the document string: 0 window title, 1 document name, 2 file-new name.
    std::string DocString(int field) const;
    UINT ResourceId() const { return m_resourceId; }

    void OnDocumentTitleChanged(Document& document);
    void OnFrameDestroyed();

private:
    template <class Base, class T>
    static Base* Make()
    {
        return new T;
    }

    bool CreateWindows(Application& app);

    UINT m_resourceId;
    NewDocument m_newDocument;
    NewFrame m_newFrame;
    NewView m_newView;
    std::unique_ptr<Document> m_document;
    FrameWindow* m_frame = nullptr;
    std::string m_docString;
};

}  // namespace fw
