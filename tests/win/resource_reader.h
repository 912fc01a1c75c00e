// Reads resources of a module loaded as a data file in the binary forms the resource compiler
// writes, so that a test sees exactly what is stored and not what an API makes of it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string Utf8(const std::wstring& text);
std::wstring Utf16(const std::string& utf8);

// Empty when the module has no such resource.
std::string ResourceBytes(HMODULE module, LPCWSTR type, WORD id);
std::vector<WORD> ResourceIds(HMODULE module, LPCWSTR type);

// A name-or-ordinal field reads as its text, or as "#" and the number for an ordinal.
struct MenuEntry {
    int level = 0;      // 0 on the bar, 1 in a popup
    WORD flags = 0;     // as stored, less MF_END
    WORD id = 0;        // 0 for popups
    std::string text;
};
// False when the bytes are not a well-formed menu template.
bool ParseMenu(const std::string& bytes, std::vector<MenuEntry>& entries);

struct AccelEntry {
    WORD flags = 0;     // as stored, less the end mark
    WORD key = 0;
    WORD command = 0;
};
bool ParseAccelerators(const std::string& bytes, std::vector<AccelEntry>& entries);

struct DialogControl {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    short id = 0;
    std::string windowClass;
    std::string text;
    WORD extraBytes = 0;
};
struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;
    std::string windowClass;
    std::string caption;
    WORD pointSize = 0;
    std::string font;
    std::vector<DialogControl> controls;
};
bool ParseDialog(const std::string& bytes, DialogTemplate& dialog);

struct VersionNode {
    std::string key;
    WORD type = 0;          // 1 text, 0 binary
    std::string value;      // the value's bytes as stored
    std::vector<VersionNode> children;
};
bool ParseVersion(const std::string& bytes, VersionNode& root);
// A text value, without its terminating zero.
std::string VersionText(const VersionNode& node);

// A device-independent bitmap of 4 bits per pixel as stored in an RT_BITMAP or RT_ICON resource.
struct Dib {
    BITMAPINFOHEADER header{};
    std::vector<RGBQUAD> palette;
    std::vector<std::vector<RGBQUAD>> pixels;   // top row first
    std::vector<std::vector<bool>> masked;      // icons only: the AND mask, top row first
};
// imageHeight: the rows of the picture (an icon's header counts its mask too).
bool ParseDib4(const std::string& bytes, int imageHeight, bool withMask, Dib& dib);
