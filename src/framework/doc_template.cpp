#include "doc_template.h"

#include "application.h"
#include "document.h"
#include "frame_window.h"
#include "resource_string.h"
#include "view.h"

namespace fw {

SingleDocTemplate::SingleDocTemplate(UINT resourceId, NewDocument newDocument, NewFrame newFrame, NewView newView)
    : m_resourceId(resourceId), m_newDocument(newDocument), m_newFrame(newFrame), m_newView(newView)
{
}

SingleDocTemplate::~SingleDocTemplate() = default;

std::string SingleDocTemplate::DocString(int field) const
{
    std::size_t start = 0;
    for (int i = 0; i < field; ++i) {
        start = m_docString.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return m_docString.substr(start, m_docString.find('\n', start) - start);
}

Document* SingleDocTemplate::OpenDocumentFile(Application& app, const std::string& path)
{
    if (m_docString.empty())
        m_docString = LoadResourceString(app.Instance(), m_resourceId);
    const bool created = !m_frame;
    if (created && !CreateWindows(app)) {
        MessageBoxA(nullptr, "Failed to create empty document.", app.AppTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
        m_document.reset();
        return nullptr;
    }
    if (path.empty()) {
        if (!m_document->OnNewDocument())
            return nullptr;
        const std::string name = DocString(1);
        m_document->SetTitle(name.empty() ? "Untitled" : name);
    } else {
        if (!m_document->OnOpenDocument(path))
            return nullptr;
        m_document->SetPathName(path);
    }
    if (created)
        m_frame->InitialUpdateFrame(app.m_nCmdShow);
    else if (View* view = m_document->GetView())
        InvalidateRect(view->m_hWnd, nullptr, TRUE);
    return m_document.get();
}

bool SingleDocTemplate::CreateWindows(Application& app)
{
    m_document.reset(m_newDocument());
    m_document->Attach(app, *this);
    // A frame that fails to load has deleted itself.
    FrameWindow* frame = m_newFrame();
    if (!frame->LoadFrame(app, *this, *m_document, m_newView))
        return false;
    m_frame = frame;
    app.m_pMainWnd = frame;
    return true;
}

void SingleDocTemplate::OnDocumentTitleChanged(Document& document)
{
    if (m_frame)
        m_frame->UpdateFrameTitle(document.GetTitle());
}

void SingleDocTemplate::OnFrameDestroyed()
{
    m_frame = nullptr;
    m_document.reset();
}

}  // namespace fw
