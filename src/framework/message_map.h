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

template <class Handler>
struct HandlerClass;
template <class T, class R, class... Args>
struct HandlerClass<R (T::*)(Args...)> {
    using type = T;
};

template <auto Handler>
using ClassOf = typename HandlerClass<decltype(Handler)>::type;

template <auto Handler>
LRESULT CommandThunk(CommandTarget& target, WPARAM, LPARAM)
{
    (static_cast<ClassOf<Handler>&>(target).*Handler)();
    return 0;
}

// A command from a menu, an accelerator, or a button's BN_CLICKED: void Handler().
template <auto Handler>
constexpr MessageEntry OnCommand(UINT id)
{
    return {WM_COMMAND, id, &CommandThunk<Handler>};
}

template <auto Handler>
LRESULT CtlColorThunk(CommandTarget& target, WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(
        (static_cast<ClassOf<Handler>&>(target).*Handler)(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
}

// WM_CTLCOLOR...: HBRUSH Handler(HDC dc, HWND control).
template <auto Handler>
constexpr MessageEntry OnCtlColor(UINT message)
{
    return {message, 0, &CtlColorThunk<Handler>};
}

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageEntry (&entries)[N])
{
    return {base, entries, N};
}

}  // namespace fw
