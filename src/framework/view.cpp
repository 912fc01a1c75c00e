#include "view.h"

#include "application.h"
#include "document.h"

namespace fw {

namespace {

const char kViewClass[] = "fw.View";

}  // namespace

const MessageEntry View::entries[] = {
    OnMessage<&View::OnPaint>(WM_PAINT),
};

const MessageMap View::messageMap = MakeMessageMap(&CommandTarget::messageMap, View::entries);

bool View::Create(Application& app, Document& document, HWND frame, UINT id)
{
    m_pApp = &app;
    m_pDocument = &document;
    RegisterWindowClass(app.Instance(), kViewClass, CS_HREDRAW | CS_VREDRAW, nullptr,
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    document.SetView(this);
    return CreateEx(WS_EX_CLIENTEDGE, kViewClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), app.Instance());
}

void View::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    OnDraw(dc);
    EndPaint(m_hWnd, &paint);
}

}  // namespace fw
