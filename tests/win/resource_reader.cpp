#include "resource_reader.h"

#include <cstring>

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string result(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &result[0], length, nullptr,
                        nullptr);
    return result;
}

std::wstring Utf16(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring result(length, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), &result[0],
                        length);
    return result;
}

std::string ResourceBytes(HMODULE module, LPCWSTR type, WORD id)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

namespace {

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<WORD>*>(ids)->push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

// Reads little-endian fields and zero-terminated UTF-16 texts; any read past the end sets failed.
class Cursor {
public:
    explicit Cursor(const std::string& bytes) : m_bytes(bytes) {}

    bool Failed() const { return m_failed; }
    size_t Offset() const { return m_offset; }
    bool AtEnd() const { return m_offset >= m_bytes.size(); }
    void Seek(size_t offset) { m_offset = offset; }
    void AlignTo(size_t n) { m_offset = (m_offset + n - 1) / n * n; }

    template <typename T> T Read()
    {
        T value{};
        if (m_offset + sizeof value > m_bytes.size()) {
            m_failed = true;
            m_offset = m_bytes.size();
            return value;
        }
        std::memcpy(&value, m_bytes.data() + m_offset, sizeof value);
        m_offset += sizeof value;
        return value;
    }

    std::string Bytes(size_t count)
    {
        if (m_offset + count > m_bytes.size()) {
            m_failed = true;
            m_offset = m_bytes.size();
            return {};
        }
        std::string result = m_bytes.substr(m_offset, count);
        m_offset += count;
        return result;
    }

    std::wstring Text()
    {
        std::wstring text;
        for (wchar_t c = Read<wchar_t>(); c != L'\0' && !m_failed; c = Read<wchar_t>())
            text += c;
        return text;
    }

    std::string NameOrOrdinal()
    {
        if (Read<WORD>() == 0xFFFF)
            return "#" + std::to_string(Read<WORD>());
        m_offset -= sizeof(WORD);
        return Utf8(Text());
    }

private:
    const std::string& m_bytes;
    size_t m_offset = 0;
    bool m_failed = false;
};

bool ParseMenuLevel(Cursor& in, int level, std::vector<MenuEntry>& entries)
{
    for (;;) {
        MenuEntry entry;
        entry.level = level;
        const WORD flags = in.Read<WORD>();
        entry.flags = flags & ~MF_END;
        if (!(flags & MF_POPUP))
            entry.id = in.Read<WORD>();
        entry.text = Utf8(in.Text());
        if (in.Failed())
            return false;
        entries.push_back(entry);
        if ((flags & MF_POPUP) && !ParseMenuLevel(in, level + 1, entries))
            return false;
        if (flags & MF_END)
            return true;
    }
}

VersionNode ReadVersionNode(Cursor& in, size_t& end)
{
    VersionNode node;
    const size_t start = in.Offset();
    const WORD length = in.Read<WORD>();
    const WORD valueLength = in.Read<WORD>();
    node.type = in.Read<WORD>();
    node.key = Utf8(in.Text());
    in.AlignTo(4);
    // A text value's length counts characters, a binary one's bytes.
    node.value = in.Bytes(node.type == 1 ? valueLength * sizeof(wchar_t) : valueLength);
    end = start + length;
    for (in.AlignTo(4); in.Offset() < end && !in.Failed(); in.AlignTo(4)) {
        size_t childEnd = 0;
        node.children.push_back(ReadVersionNode(in, childEnd));
        in.Seek(childEnd);
    }
    return node;
}

}  // namespace

std::vector<WORD> ResourceIds(HMODULE module, LPCWSTR type)
{
    std::vector<WORD> ids;
    EnumResourceNamesW(module, type, CollectId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

bool ParseMenu(const std::string& bytes, std::vector<MenuEntry>& entries)
{
    Cursor in(bytes);
    const WORD version = in.Read<WORD>();
    const WORD headerSize = in.Read<WORD>();
    if (version != 0 || headerSize != 0)
        return false;
    return ParseMenuLevel(in, 0, entries) && in.AtEnd();
}

bool ParseAccelerators(const std::string& bytes, std::vector<AccelEntry>& entries)
{
    const WORD kEndMark = 0x80;
    Cursor in(bytes);
    while (!in.AtEnd()) {
        const WORD flags = in.Read<WORD>();
        AccelEntry entry;
        entry.flags = flags & ~kEndMark;
        entry.key = in.Read<WORD>();
        entry.command = in.Read<WORD>();
        in.Read<WORD>();
        if (in.Failed())
            return false;
        entries.push_back(entry);
        if (flags & kEndMark)
            return in.AtEnd();
    }
    return false;
}

bool ParseDialog(const std::string& bytes, DialogTemplate& dialog)
{
    Cursor in(bytes);
    dialog.style = in.Read<DWORD>();
    dialog.exStyle = in.Read<DWORD>();
    const WORD count = in.Read<WORD>();
    dialog.x = in.Read<short>();
    dialog.y = in.Read<short>();
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    dialog.menu = in.NameOrOrdinal();
    dialog.windowClass = in.NameOrOrdinal();
    dialog.caption = Utf8(in.Text());
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Read<WORD>();
        dialog.font = Utf8(in.Text());
    }
    for (WORD n = 0; n < count && !in.Failed(); ++n) {
        in.AlignTo(4);
        DialogControl control;
        control.style = in.Read<DWORD>();
        control.exStyle = in.Read<DWORD>();
        control.x = in.Read<short>();
        control.y = in.Read<short>();
        control.cx = in.Read<short>();
        control.cy = in.Read<short>();
        control.id = in.Read<short>();
        control.windowClass = in.NameOrOrdinal();
        control.text = in.NameOrOrdinal();
        control.extraBytes = in.Read<WORD>();
        in.Bytes(control.extraBytes);
        dialog.controls.push_back(control);
    }
    return !in.Failed();
}

bool ParseVersion(const std::string& bytes, VersionNode& root)
{
    Cursor in(bytes);
    size_t end = 0;
    root = ReadVersionNode(in, end);
    return !in.Failed() && end == bytes.size();
}

std::string VersionText(const VersionNode& node)
{
    std::wstring text(node.value.size() / sizeof(wchar_t), L'\0');
    std::memcpy(&text[0], node.value.data(), text.size() * sizeof(wchar_t));
    return Utf8(text.substr(0, text.find(L'\0')));
}

bool ParseDib4(const std::string& bytes, int imageHeight, bool withMask, Dib& dib)
{
    Cursor in(bytes);
    dib.header = in.Read<BITMAPINFOHEADER>();
    if (in.Failed() || dib.header.biSize != sizeof(BITMAPINFOHEADER) || dib.header.biBitCount != 4 ||
        dib.header.biCompression != BI_RGB || dib.header.biWidth <= 0 || imageHeight <= 0)
        return false;
    const DWORD colours = dib.header.biClrUsed ? dib.header.biClrUsed : 16;
    for (DWORD n = 0; n < colours; ++n)
        dib.palette.push_back(in.Read<RGBQUAD>());
    const int width = dib.header.biWidth;
    const size_t stride = (width * 4 + 31) / 32 * 4;
    dib.pixels.assign(imageHeight, {});
    for (int y = imageHeight - 1; y >= 0; --y) {
        const std::string row = in.Bytes(stride);
        if (in.Failed())
            return false;
        for (int x = 0; x < width; ++x) {
            const unsigned char pair = static_cast<unsigned char>(row[x / 2]);
            const unsigned index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            if (index >= dib.palette.size())
                return false;
            dib.pixels[y].push_back(dib.palette[index]);
        }
    }
    if (withMask) {
        const size_t maskStride = (width + 31) / 32 * 4;
        dib.masked.assign(imageHeight, {});
        for (int y = imageHeight - 1; y >= 0; --y) {
            const std::string row = in.Bytes(maskStride);
            for (int x = 0; x < width && !in.Failed(); ++x)
                dib.masked[y].push_back((static_cast<unsigned char>(row[x / 8]) >> (7 - x % 8)) & 1);
        }
    }
    return !in.Failed() && in.AtEnd();
}
