// Message maps as data: each class has one static table of {message or command id, handler} and a
// pointer to its base class's table. Handlers are typed; the thunks decode wParam and lParam for them.
#pragma once

#include <windows.h>

#include <cstddef>

namespace fw {

class CommandTarget;

using MessageThunk = LRESULT (*)(CommandTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    UINT message;
    UINT id;  // the command or control id for WM_COMMAND, otherwise 0
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries;
    std::size_t count;
};

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageEntry (&entries)[N])
{
    return {base, entries, N};
}

template <class Handler>
struct HandlerClass;
template <class T, class R, class... Args>
struct HandlerClass<R (T::*)(Args...)> {
    using type = T;
};

template <auto Handler>
using ClassOf = typename HandlerClass<decltype(Handler)>::type;

template <auto Handler>
ClassOf<Handler>& Target(CommandTarget& target)
{
    return static_cast<ClassOf<Handler>&>(target);
}

// void Handler(): a command from a menu, an accelerator or a button's BN_CLICKED.
template <auto Handler>
LRESULT VoidThunk(CommandTarget& target, WPARAM, LPARAM)
{
    (Target<Handler>(target).*Handler)();
    return 0;
}

template <auto Handler>
constexpr MessageEntry OnCommand(UINT id)
{
    return {WM_COMMAND, id, &VoidThunk<Handler>};
}

// void Handler(): a message that carries nothing the handler needs (WM_CLOSE, WM_DESTROY, WM_PAINT).
template <auto Handler>
constexpr MessageEntry OnMessage(UINT message)
{
    return {message, 0, &VoidThunk<Handler>};
}

// HBRUSH Handler(HDC dc, HWND control): WM_CTLCOLOR...
template <auto Handler>
LRESULT CtlColorThunk(CommandTarget& target, WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(
        (Target<Handler>(target).*Handler)(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
}

template <auto Handler>
constexpr MessageEntry OnCtlColor(UINT message)
{
    return {message, 0, &CtlColorThunk<Handler>};
}

// int Handler(CREATESTRUCTA* create): 0 to go on, -1 to refuse the window.
template <auto Handler>
LRESULT CreateThunk(CommandTarget& target, WPARAM, LPARAM lParam)
{
    return (Target<Handler>(target).*Handler)(reinterpret_cast<CREATESTRUCTA*>(lParam));
}

template <auto Handler>
constexpr MessageEntry WmCreate()
{
    return {WM_CREATE, 0, &CreateThunk<Handler>};
}

// void Handler(UINT type, int width, int height)
template <auto Handler>
LRESULT SizeThunk(CommandTarget& target, WPARAM wParam, LPARAM lParam)
{
    (Target<Handler>(target).*Handler)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}

template <auto Handler>
constexpr MessageEntry WmSize()
{
    return {WM_SIZE, 0, &SizeThunk<Handler>};
}

// void Handler(UINT item, UINT flags, HMENU menu)
template <auto Handler>
LRESULT MenuSelectThunk(CommandTarget& target, WPARAM wParam, LPARAM lParam)
{
    (Target<Handler>(target).*Handler)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
    return 0;
}

template <auto Handler>
constexpr MessageEntry WmMenuSelect()
{
    return {WM_MENUSELECT, 0, &MenuSelectThunk<Handler>};
}

// void Handler(HMENU popup, bool systemMenu)
template <auto Handler>
LRESULT InitMenuPopupThunk(CommandTarget& target, WPARAM wParam, LPARAM lParam)
{
    (Target<Handler>(target).*Handler)(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
    return 0;
}

template <auto Handler>
constexpr MessageEntry WmInitMenuPopup()
{
    return {WM_INITMENUPOPUP, 0, &InitMenuPopupThunk<Handler>};
}

// LRESULT Handler(const NMHDR& header)
template <auto Handler>
LRESULT NotifyThunk(CommandTarget& target, WPARAM, LPARAM lParam)
{
    return (Target<Handler>(target).*Handler)(*reinterpret_cast<const NMHDR*>(lParam));
}

template <auto Handler>
constexpr MessageEntry WmNotify()
{
    return {WM_NOTIFY, 0, &NotifyThunk<Handler>};
}

}  // namespace fw
