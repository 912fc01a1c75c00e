// The client window of a frame that shows a document.
#pragma once

#include "window.h"

namespace fw {

class Application;
class Document;

class View : public Window {
public:
    bool Create(Application& app, Document& document, HWND frame, UINT id);
    Document* GetDocument() const { return m_pDocument; }

    static const MessageMap messageMap;

protected:
    Application& App() const { return *m_pApp; }
    virtual void OnDraw(HDC dc) = 0;
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    void PostNcDestroy() override { delete this; }

private:
    void OnPaint();

    static const MessageEntry entries[];
    Application* m_pApp = nullptr;
    Document* m_pDocument = nullptr;
};

}  // namespace fw
