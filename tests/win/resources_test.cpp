// The resources of the built EDJUMP.EXE, loaded as a data file and compared with tables.
// Ids are written as numbers so that a wrong id in resource.h shows up here.
#include "resource_reader.h"
#include "sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

namespace {

class Resources : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module = LoadLibraryExA((TestBinaryDir() + "\\EDJUMP.EXE").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(module); }
    void SetUp() override { ASSERT_NE(module, nullptr); }

    static HMODULE module;
};
HMODULE Resources::module = nullptr;

// ---- String tables --------------------------------------------------------------------------

struct StringRow {
    UINT id;
    const char* text;
};

const StringRow kShownStrings[] = {
    {2, "Windows アプリケーション EDJUMP\nEdjump\nEDJUMP ﾄﾞｷｭﾒﾝﾄ"},   // IDR_MAINFRAME
    {57344, "Windows アプリケーション EDJUMP"},                         // AFX_IDS_APP_TITLE
    {57345, "ﾚﾃﾞｨ がんばろうZUNO!"},                                    // AFX_IDS_IDLEMESSAGE
    {57600, "新規にﾌｧｲﾙを作成"},                                        // ID_FILE_NEW
    {57601, "保存されているﾌｧｲﾙを開く"},                                // ID_FILE_OPEN
    {57603, "作業中のﾌｧｲﾙを上書きして保存"},                            // ID_FILE_SAVE
    {57604, "作業中のﾌｧｲﾙを新しい名前で保存"},                          // ID_FILE_SAVE_AS
    {57665, "EDJUMP を終了し、文書の保存を確認"},                       // ID_APP_EXIT
    {57643, "直前に行った動作を戻す"},                                  // ID_EDIT_UNDO
    {57635, "選択した範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"},                 // ID_EDIT_CUT
    {57634, "選択した範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"},                   // ID_EDIT_COPY
    {57637, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容をｶｰｿﾙのある位置に貼り付け"},               // ID_EDIT_PASTE
    {32768, "エディタの起動オプションの設定をします"},                  // ID_SETTINGS
    {59392, "ﾂｰﾙﾊﾞｰの表示または非表示"},                                // ID_VIEW_TOOLBAR
    {59393, "ｽﾃｰﾀｽﾊﾞｰの表示または非表示"},                              // ID_VIEW_STATUS_BAR
    {57664, "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示"},                           // ID_APP_ABOUT
    {59142, "KANA"},                                                    // ID_INDICATOR_KANA
    {59137, "CAP"},                                                     // ID_INDICATOR_CAPS
    {59138, "NUM"},                                                     // ID_INDICATOR_NUM
    {59139, "SCRL"},                                                    // ID_INDICATOR_SCRL
    {61184, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更"},                                      // AFX_IDS_SCSIZE
    {61185, "ｳｨﾝﾄﾞｳを移動"},                                            // AFX_IDS_SCMOVE
    {61186, "ｳｨﾝﾄﾞｳのｱｲｺﾝ化"},                                          // AFX_IDS_SCMINIMIZE
    {61187, "ｳｨﾝﾄﾞｳの最大表示"},                                        // AFX_IDS_SCMAXIMIZE
    {61188, "次の文書ｳｨﾝﾄﾞｳに切り替え"},                                // AFX_IDS_SCNEXTWINDOW
    {61189, "前の文書ｳｨﾝﾄﾞｳに切り替え"},                                // AFX_IDS_SCPREVWINDOW
    {61190, "作業中のｳｨﾝﾄﾞｳを閉じ文書保管を確認"},                      // AFX_IDS_SCCLOSE
    {61202, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"},                                // AFX_IDS_SCRESTORE
    {61203, "作業中のｱﾌﾟﾘｹｰｼｮﾝﾘｽﾄ"},                                    // AFX_IDS_SCTASKLIST
};

const StringRow kUnshownStrings[] = {
    {57602, "作業中のｳｨﾝﾄﾞｳを閉じる"},          // ID_FILE_CLOSE
    {57616, "この文書を開く"},                  // ID_FILE_MRU_FILE1
    {57617, "この文書を開く"},                  // ID_FILE_MRU_FILE2
    {57618, "この文書を開く"},                  // ID_FILE_MRU_FILE3
    {57619, "この文書を開く"},                  // ID_FILE_MRU_FILE4
    {57632, "選択された範囲を削除"},            // ID_EDIT_CLEAR
    {57633, "すべてを削除"},                    // ID_EDIT_CLEAR_ALL
    {57636, "指定した文字列の検索"},            // ID_EDIT_FIND
    {57640, "直前に行った動作を繰り返す"},      // ID_EDIT_REPEAT
    {57641, "指定した文字列の置換"},            // ID_EDIT_REPLACE
    {57642, "文書全体を選択"},                  // ID_EDIT_SELECT_ALL
    {57644, "以前に行った動作をﾘﾄﾞｩ"},          // ID_EDIT_REDO
    {57680, "次のｳｨﾝﾄﾞｳに切り替える"},          // ID_NEXT_PANE
    {57681, "前のｳｨﾝﾄﾞｳに切り替える"},          // ID_PREV_PANE
    {59136, "EXT"},                             // ID_INDICATOR_EXT
    {59140, "OVR"},                             // ID_INDICATOR_OVR
    {59141, "REC"},                             // ID_INDICATOR_REC
};

// Strings from here up are the framework's own.
const UINT kFrameworkStrings = 61440;

std::wstring LoadWide(HMODULE module, UINT id)
{
    wchar_t buffer[1024];
    const int length = LoadStringW(module, id, buffer, 1024);
    return std::wstring(buffer, length);
}

std::string LoadAnsi(HMODULE module, UINT id)
{
    char buffer[2048];
    const int length = LoadStringA(module, id, buffer, sizeof buffer);
    return std::string(buffer, length);
}

// The Shift-JIS form; "<unmappable>" when a character has none.
std::string ShiftJis(const std::string& utf8)
{
    const std::wstring wide = Utf16(utf8);
    BOOL usedDefault = FALSE;
    char buffer[2048];
    const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           buffer, sizeof buffer, nullptr, &usedDefault);
    return usedDefault ? "<unmappable>" : std::string(buffer, length);
}

void ExpectStrings(HMODULE module, const StringRow* begin, const StringRow* end)
{
    for (const StringRow* row = begin; row != end; ++row) {
        SCOPED_TRACE("string " + std::to_string(row->id));
        EXPECT_EQ(Utf8(LoadWide(module, row->id)), row->text);
        EXPECT_EQ(LoadAnsi(module, row->id), ShiftJis(row->text));
    }
}

TEST_F(Resources, ProgramRunsInCodePage932)
{
    EXPECT_EQ(GetACP(), 932u);
}

TEST_F(Resources, ShownStrings)
{
    ExpectStrings(module, std::begin(kShownStrings), std::end(kShownStrings));
}

TEST_F(Resources, UnshownStrings)
{
    ExpectStrings(module, std::begin(kUnshownStrings), std::end(kUnshownStrings));
}

// A few texts as the bytes a program in code page 932 receives, half-width katakana one byte each.
TEST_F(Resources, StringsReachTheProgramAsShiftJis)
{
    const struct {
        UINT id;
        std::string bytes;
    } rows[] = {
        {57345, "\xDA\xC3\xDE\xA8 \x82\xAA\x82\xF1\x82\xCE\x82\xEB\x82\xA4ZUNO!"},
        {57664, "\xCC\xDF\xDB\xB8\xDE\xD7\xD1\x8F\xEE\x95\xF1\xA4\xCA\xDE\xB0\xBC\xDE\xAE\xDD\xA4\x94\xC5\x8C\xA0"
                "\x82\xCC\x95\\\x8E\xA6"},
        {2, "Windows \x83" "A\x83v\x83\x8A\x83P\x81[\x83V\x83\x87\x83\x93 EDJUMP\nEdjump\nEDJUMP "
            "\xC4\xDE\xB7\xAD\xD2\xDD\xC4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("string " + std::to_string(row.id));
        EXPECT_EQ(LoadAnsi(module, row.id), row.bytes);
    }
}

TEST_F(Resources, NoFurtherStringsBelowTheFrameworksOwn)
{
    std::vector<UINT> expected;
    for (const StringRow& row : kShownStrings)
        expected.push_back(row.id);
    for (const StringRow& row : kUnshownStrings)
        expected.push_back(row.id);
    std::sort(expected.begin(), expected.end());

    std::vector<UINT> stored;
    for (WORD block : ResourceIds(module, MAKEINTRESOURCEW(6))) {   // RT_STRING
        const std::string bytes = ResourceBytes(module, MAKEINTRESOURCEW(6), block);
        size_t offset = 0;
        for (UINT n = 0; n < 16 && offset + 2 <= bytes.size(); ++n) {
            const WORD length = static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1]) << 8;
            const UINT id = (block - 1u) * 16 + n;
            if (length != 0 && id < kFrameworkStrings)
                stored.push_back(id);
            offset += 2 + 2u * length;
        }
    }
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, expected);
}

// ---- Menu 2 ---------------------------------------------------------------------------------

enum class Item { Popup, Command, Separator };

struct MenuRow {
    int level;
    Item kind;
    WORD id;
    const char* text;
    bool grayed;
};

// \036 and \037 are U+001E and U+001F.
const MenuRow kMenu[] = {
    {0, Item::Popup, 0, "ﾌｧｲﾙ(\036F\037ﾌ)", false},
    {1, Item::Command, 57600, "新規作成(\036N\037ｼ)\tCtrl+N", true},          // ID_FILE_NEW
    {1, Item::Command, 57601, "開く(\036O\037ﾋ)...\tCtrl+O", true},            // ID_FILE_OPEN
    {1, Item::Command, 57603, "上書き保存(\036S\037ｳ)\tCtrl+S", true},         // ID_FILE_SAVE
    {1, Item::Command, 57604, "名前を付けて保存(\036A\037ﾅ)...", true},        // ID_FILE_SAVE_AS
    {1, Item::Separator, 0, "", false},
    {1, Item::Command, 57665, "終了(\036X\037ﾘ)", false},                      // ID_APP_EXIT
    {0, Item::Popup, 0, "編集(\036E\037ｼ)", false},
    {1, Item::Command, 57643, "アンドゥ(\036U\037ｱ)\tCtrl+Z", false},          // ID_EDIT_UNDO
    {1, Item::Separator, 0, "", false},
    {1, Item::Command, 57635, "切り取り(\036T\037ｷ)\tCtrl+X", false},          // ID_EDIT_CUT
    {1, Item::Command, 57634, "コピー(\036C\037ｺ)\tCtrl+C", false},            // ID_EDIT_COPY
    {1, Item::Command, 57637, "貼り付け(\036P\037ﾊ)\tCtrl+V", false},          // ID_EDIT_PASTE
    {0, Item::Command, 32768, "設定", false},                                  // ID_SETTINGS
    {0, Item::Popup, 0, "表示(\036V\037ﾋ)", false},
    {1, Item::Command, 59392, "ツールバー(\036T\037ﾊ)", false},                // ID_VIEW_TOOLBAR
    {1, Item::Command, 59393, "ステータス バー(\036S\037ｽ)", false},           // ID_VIEW_STATUS_BAR
    {0, Item::Popup, 0, "ﾍﾙﾌﾟ(\036H\037ﾍ)", false},
    {1, Item::Command, 57664, "バージョン情報(\036A\037ﾊ)...", false},         // ID_APP_ABOUT
};

TEST_F(Resources, MenuAsStored)
{
    std::vector<MenuEntry> entries;
    ASSERT_TRUE(ParseMenu(ResourceBytes(module, MAKEINTRESOURCEW(4), 2), entries));   // RT_MENU
    ASSERT_EQ(entries.size(), std::size(kMenu));
    for (size_t n = 0; n < entries.size(); ++n) {
        const MenuRow& row = kMenu[n];
        SCOPED_TRACE("menu item " + std::to_string(n));
        EXPECT_EQ(entries[n].level, row.level);
        const WORD flags = row.kind == Item::Popup ? MF_POPUP : row.grayed ? MF_GRAYED : 0;
        EXPECT_EQ(entries[n].flags, flags);
        EXPECT_EQ(entries[n].id, row.id);
        EXPECT_EQ(entries[n].text, row.text);
    }
}

void WalkMenu(HMENU menu, int level, std::vector<MenuRow>& rows, std::vector<std::string>& texts)
{
    for (int n = 0; n < GetMenuItemCount(menu); ++n) {
        wchar_t text[256] = L"";
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        if (!GetMenuItemInfoW(menu, n, TRUE, &info)) {
            ADD_FAILURE() << "GetMenuItemInfoW failed at level " << level << ", item " << n;
            return;
        }
        const Item kind = info.hSubMenu ? Item::Popup : info.fType & MFT_SEPARATOR ? Item::Separator : Item::Command;
        // Only the kinds of the table: no right-justified popup, no radio or owner-drawn item.
        EXPECT_EQ(info.fType, kind == Item::Separator ? UINT(MFT_SEPARATOR) : UINT(MFT_STRING));
        EXPECT_EQ(info.fState & ~UINT(MFS_GRAYED), 0u);
        texts.push_back(Utf8(text));
        // Wine reports separators as grayed whatever the resource holds; MenuAsStored checks those.
        const bool grayed = kind != Item::Separator && (info.fState & MFS_GRAYED) != 0;
        rows.push_back({level, kind, static_cast<WORD>(kind == Item::Command ? info.wID : 0), nullptr, grayed});
        if (info.hSubMenu)
            WalkMenu(info.hSubMenu, level + 1, rows, texts);
    }
}

TEST_F(Resources, MenuAsTheSystemLoadsIt)
{
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(2));
    ASSERT_NE(menu, nullptr);
    std::vector<MenuRow> rows;
    std::vector<std::string> texts;
    WalkMenu(menu, 0, rows, texts);
    DestroyMenu(menu);
    ASSERT_EQ(rows.size(), std::size(kMenu));
    for (size_t n = 0; n < rows.size(); ++n) {
        SCOPED_TRACE("menu item " + std::to_string(n));
        EXPECT_EQ(rows[n].level, kMenu[n].level);
        EXPECT_EQ(rows[n].kind, kMenu[n].kind);
        EXPECT_EQ(rows[n].id, kMenu[n].id);
        EXPECT_EQ(texts[n], kMenu[n].text);
        EXPECT_EQ(rows[n].grayed, kMenu[n].grayed);
    }
}

// ---- Accelerator table 2 --------------------------------------------------------------------

struct AccelRow {
    BYTE flags;
    WORD key;
    WORD command;
};

const AccelRow kAccelerators[] = {
    {FVIRTKEY | FCONTROL, 'N', 57600},      // ID_FILE_NEW
    {FVIRTKEY | FCONTROL, 'O', 57601},      // ID_FILE_OPEN
    {FVIRTKEY | FCONTROL, 'S', 57603},      // ID_FILE_SAVE
    {FVIRTKEY | FCONTROL, 'Z', 57643},      // ID_EDIT_UNDO
    {FVIRTKEY | FCONTROL, 'X', 57635},      // ID_EDIT_CUT
    {FVIRTKEY | FCONTROL, 'C', 57634},      // ID_EDIT_COPY
    {FVIRTKEY | FCONTROL, 'V', 57637},      // ID_EDIT_PASTE
    {FVIRTKEY | FALT, VK_BACK, 57643},      // ID_EDIT_UNDO
    {FVIRTKEY | FSHIFT, VK_DELETE, 57635},  // ID_EDIT_CUT
    {FVIRTKEY | FCONTROL, VK_INSERT, 57634},// ID_EDIT_COPY
    {FVIRTKEY | FSHIFT, VK_INSERT, 57637},  // ID_EDIT_PASTE
    {FVIRTKEY, VK_F6, 57680},               // ID_NEXT_PANE
    {FVIRTKEY | FSHIFT, VK_F6, 57681},      // ID_PREV_PANE
};

TEST_F(Resources, AcceleratorsAsStored)
{
    std::vector<AccelEntry> entries;
    ASSERT_TRUE(ParseAccelerators(ResourceBytes(module, MAKEINTRESOURCEW(9), 2), entries));   // RT_ACCELERATOR
    ASSERT_EQ(entries.size(), std::size(kAccelerators));
    for (size_t n = 0; n < entries.size(); ++n) {
        SCOPED_TRACE("accelerator " + std::to_string(n));
        EXPECT_EQ(entries[n].flags, kAccelerators[n].flags);
        EXPECT_EQ(entries[n].key, kAccelerators[n].key);
        EXPECT_EQ(entries[n].command, kAccelerators[n].command);
    }
}

TEST_F(Resources, AcceleratorsAsTheSystemLoadsThem)
{
    HACCEL table = LoadAcceleratorsW(module, MAKEINTRESOURCEW(2));
    ASSERT_NE(table, nullptr);
    ACCEL entries[32];
    const int count = CopyAcceleratorTableW(table, entries, 32);
    DestroyAcceleratorTable(table);
    ASSERT_EQ(count, static_cast<int>(std::size(kAccelerators)));
    for (int n = 0; n < count; ++n) {
        SCOPED_TRACE("accelerator " + std::to_string(n));
        EXPECT_EQ(entries[n].fVirt, kAccelerators[n].flags);
        EXPECT_EQ(entries[n].key, kAccelerators[n].key);
        EXPECT_EQ(entries[n].cmd, kAccelerators[n].command);
    }
}

// ---- Dialog 100, the About box --------------------------------------------------------------

const char kStatic[] = "#130";   // the class ordinals 0x0082 and 0x0080
const char kButton[] = "#128";
const DWORD kChild = WS_CHILD | WS_VISIBLE;

struct ControlRow {
    short id;
    const char* windowClass;
    const char* text;   // "#2": the resource ordinal 2
    short x, y, cx, cy;
    DWORD style;
};

const ControlRow kAboutControls[] = {
    {-1, kStatic, "#2", 11, 17, 18, 20, kChild | SS_ICON},
    {-1, kStatic, "EDJUMP ver. 0.02", 40, 10, 119, 8, kChild | SS_CENTER | WS_GROUP},
    {-1, kStatic, "Copyright (C) 1997-2025\n\u3000EDJUMP Project", 40, 25, 170, 15, kChild | SS_CENTER | WS_GROUP},
    {1, kButton, "OK", 176, 6, 32, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
    {-1, kStatic,
     "秀丸形式のコマンドラインオプションのうち、「/J行番号 ファイル名」形式のものをDana,QX形式に変換します。",
     45, 45, 130, 35, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "", 10, 85, 200, 40, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "E-Mail", 10, 130, 30, 8, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "edjump@example.com", 45, 140, 100, 8, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "edjump-project@example.org", 45, 130, 105, 8, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "HomePage: https://www.example.org/edjump/", 10, 150, 205, 8, kChild | SS_CENTER | WS_GROUP},
};

struct DialogRow {
    DWORD style;
    short x, y, cx, cy;
    const char* caption;
    short pointSize;
    const char* font;
};

void ExpectDialog(HMODULE module, int id, const DialogRow& expected, const ControlRow* rows, size_t count)
{
    DialogTemplate dialog;
    ASSERT_TRUE(ParseDialog(ResourceBytes(module, MAKEINTRESOURCEW(5), id), dialog));   // RT_DIALOG
    EXPECT_EQ(dialog.style, expected.style);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.x, expected.x);
    EXPECT_EQ(dialog.y, expected.y);
    EXPECT_EQ(dialog.cx, expected.cx);
    EXPECT_EQ(dialog.cy, expected.cy);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.windowClass, "");
    EXPECT_EQ(dialog.caption, expected.caption);
    EXPECT_EQ(dialog.pointSize, expected.pointSize);
    EXPECT_EQ(dialog.font, expected.font);

    ASSERT_EQ(dialog.controls.size(), count);
    for (size_t n = 0; n < dialog.controls.size(); ++n) {
        const DialogControl& control = dialog.controls[n];
        const ControlRow& row = rows[n];
        SCOPED_TRACE("control " + std::to_string(n));
        EXPECT_EQ(control.id, row.id);
        EXPECT_EQ(control.windowClass, row.windowClass);
        EXPECT_EQ(control.text, row.text);
        EXPECT_EQ(control.x, row.x);
        EXPECT_EQ(control.y, row.y);
        EXPECT_EQ(control.cx, row.cx);
        EXPECT_EQ(control.cy, row.cy);
        EXPECT_EQ(control.style, row.style);
        EXPECT_EQ(control.exStyle, 0u);
        EXPECT_EQ(control.extraBytes, 0);
    }
}

TEST_F(Resources, AboutBoxTemplate)
{
    const DialogRow about{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                          34, 22, 217, 173, "EDJUMP のバージョン情報", 10, "System"};
    ExpectDialog(module, 100, about, kAboutControls, std::size(kAboutControls));
}

// ---- Dialog 101, the settings dialog ----------------------------------------------------------

const char kEdit[] = "#129";

const ControlRow kSettingsControls[] = {
    {1, kButton, "OK", 175, 75, 30, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {2, kButton, "ｷｬﾝｾﾙ", 175, 90, 30, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {101, kEdit, "", 5, 20, 165, 13, kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {102, kButton, "参照(&B)", 175, 20, 30, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {103, kEdit, "", 5, 55, 160, 13, kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {-1, kStatic, "実行ﾌｧｲﾙ", 5, 5, 40, 8, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "ｺﾏﾝﾄﾞﾗｲﾝ指定", 5, 40, 55, 8, kChild | SS_LEFT | WS_GROUP},
    {104, kButton, "Dana", 10, 85, 35, 10, kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
    {-1, kButton, "標準設定", 5, 75, 48, 40, kChild | BS_GROUPBOX},
    {105, kButton, "QX", 10, 100, 35, 10, kChild | BS_AUTOCHECKBOX | WS_TABSTOP},
    {-1, kStatic, "ｺﾏﾝﾄﾞﾗｲﾝでは以下のﾏｸﾛを使用してください。", 60, 75, 105, 20, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "%F : ファイル名", 65, 100, 80, 8, kChild | SS_LEFT | WS_GROUP},
    {-1, kStatic, "%R : 行番号", 65, 110, 70, 8, kChild | SS_LEFT | WS_GROUP},
};

TEST_F(Resources, SettingsDialogTemplate)
{
    const DialogRow settings{WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                             0, 0, 209, 128, "設定", 10, "system"};
    ExpectDialog(module, 101, settings, kSettingsControls, std::size(kSettingsControls));
}

// ---- Version resource 1 ---------------------------------------------------------------------

struct VersionStringRow {
    const char* key;
    const char* value;
};

const VersionStringRow kVersionStrings[] = {
    {"CompanyName", "EDJUMP Project"},
    {"FileDescription", "EDJUMP MFC Application"},
    {"FileVersion", "1.0.001"},
    {"InternalName", "EDJUMP"},
    {"LegalCopyright", "Copyright (C) 1997-2025 EDJUMP Project"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "EDJUMP.EXE"},
    {"ProductName", "EDJUMP"},
    {"ProductVersion", "0.0.200"},
};

TEST_F(Resources, VersionResource)
{
    EXPECT_EQ(ResourceIds(module, MAKEINTRESOURCEW(16)), std::vector<WORD>{1});   // RT_VERSION
    VersionNode root;
    ASSERT_TRUE(ParseVersion(ResourceBytes(module, MAKEINTRESOURCEW(16), 1), root));
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, root.value.data(), sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwStrucVersion, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, 0x10001u);
    EXPECT_EQ(fixed.dwFileType, DWORD(VFT_APP));
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
    EXPECT_EQ(fixed.dwFileDateMS, 0u);
    EXPECT_EQ(fixed.dwFileDateLS, 0u);

    ASSERT_EQ(root.children.size(), 2u);
    const VersionNode& stringInfo = root.children[0];
    EXPECT_EQ(stringInfo.key, "StringFileInfo");
    ASSERT_EQ(stringInfo.children.size(), 1u);
    const VersionNode& block = stringInfo.children[0];
    EXPECT_EQ(block.key, "040904E4");
    ASSERT_EQ(block.children.size(), std::size(kVersionStrings));
    for (size_t n = 0; n < block.children.size(); ++n) {
        SCOPED_TRACE(kVersionStrings[n].key);
        EXPECT_EQ(block.children[n].key, kVersionStrings[n].key);
        EXPECT_EQ(block.children[n].type, 1);
        EXPECT_EQ(VersionText(block.children[n]), kVersionStrings[n].value);
    }

    const VersionNode& varInfo = root.children[1];
    EXPECT_EQ(varInfo.key, "VarFileInfo");
    ASSERT_EQ(varInfo.children.size(), 1u);
    EXPECT_EQ(varInfo.children[0].key, "Translation");
    EXPECT_EQ(varInfo.children[0].type, 0);
    EXPECT_EQ(varInfo.children[0].value, std::string("\x09\x04\xE4\x04", 4));   // 0x409, 1252
}

// ---- Icon 2 and bitmap 2 --------------------------------------------------------------------

struct Colour {
    const char* name;   // as the grids in res/ name it
    BYTE red, green, blue;
};

// The standard 16-colour palette, in its order.
const Colour kStandardPalette[] = {
    {"black", 0, 0, 0},         {"dark-red", 128, 0, 0},       {"dark-green", 0, 128, 0},
    {"dark-yellow", 128, 128, 0}, {"dark-blue", 0, 0, 128},    {"dark-magenta", 128, 0, 128},
    {"dark-cyan", 0, 128, 128}, {"dark-grey", 128, 128, 128},  {"light-grey", 192, 192, 192},
    {"red", 255, 0, 0},         {"green", 0, 255, 0},          {"yellow", 255, 255, 0},
    {"blue", 0, 0, 255},        {"magenta", 255, 0, 255},      {"cyan", 0, 255, 255},
    {"white", 255, 255, 255},
};

std::string ColourName(const RGBQUAD& c)
{
    for (const Colour& colour : kStandardPalette) {
        if (c.rgbRed == colour.red && c.rgbGreen == colour.green && c.rgbBlue == colour.blue)
            return colour.name;
    }
    return "other";
}

// A picture drawn in res/ as text, one character per pixel, its images side by side.
struct Grid {
    std::map<char, std::string> legend;
    std::vector<std::string> rows;
    std::vector<std::pair<int, int>> imageSizes;
};

Grid ReadGrid(const std::string& name)
{
    Grid grid;
    std::ifstream in(std::string(EDJUMP_RES_DIR) + "/" + name);
    std::string line;
    while (std::getline(in, line)) {
        char key;
        char word[64];
        int width, height;
        if (std::sscanf(line.c_str(), "legend %c %63s", &key, word) == 2) {
            grid.legend[key] = word;
        } else if (std::sscanf(line.c_str(), "image %63s %d %d", word, &width, &height) == 3) {
            grid.imageSizes.emplace_back(width, height);
            grid.rows.resize(std::max<size_t>(grid.rows.size(), height));
            for (int y = 0; y < height && std::getline(in, line); ++y)
                grid.rows[y] += line;
        }
    }
    return grid;
}

// The pixels in the grid's characters; '?' for a colour the legend lacks.
std::vector<std::string> AsGrid(const Dib& dib, const Grid& grid)
{
    std::map<std::string, char> character;
    for (const auto& entry : grid.legend)
        character[entry.second] = entry.first;
    std::vector<std::string> rows;
    for (const auto& pixels : dib.pixels) {
        std::string row;
        for (const RGBQUAD& pixel : pixels) {
            const auto found = character.find(ColourName(pixel));
            row += found == character.end() ? '?' : found->second;
        }
        rows.push_back(row);
    }
    return rows;
}

void ExpectPicture(const Dib& dib, const Grid& grid)
{
    const std::vector<std::string> rows = AsGrid(dib, grid);
    ASSERT_EQ(rows.size(), grid.rows.size());
    for (size_t y = 0; y < rows.size(); ++y)
        EXPECT_EQ(rows[y], grid.rows[y]) << "row " << y;
}

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved, type, count;
};
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, IconIsOne32By32ImageIn16Colours)
{
    const std::string group = ResourceBytes(module, MAKEINTRESOURCEW(14), 2);   // RT_GROUP_ICON
    ASSERT_EQ(group.size(), sizeof(GroupIconHeader) + sizeof(GroupIconEntry));
    GroupIconHeader header;
    GroupIconEntry entry;
    std::memcpy(&header, group.data(), sizeof header);
    std::memcpy(&entry, group.data() + sizeof header, sizeof entry);
    EXPECT_EQ(header.type, 1);
    ASSERT_EQ(header.count, 1);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 4);

    const std::string image = ResourceBytes(module, MAKEINTRESOURCEW(3), entry.id);   // RT_ICON
    EXPECT_EQ(image.size(), entry.bytes);
    Dib dib;
    ASSERT_TRUE(ParseDib4(image, 32, true, dib));
    EXPECT_EQ(dib.header.biWidth, 32);
    EXPECT_EQ(dib.header.biHeight, 64);
    EXPECT_EQ(dib.palette.size(), 16u);
    for (const auto& row : dib.masked)
        EXPECT_EQ(std::count(row.begin(), row.end(), true), 0) << "the icon has transparent pixels";

    const Grid grid = ReadGrid("icon.txt");
    ASSERT_EQ(grid.imageSizes, (std::vector<std::pair<int, int>>{{32, 32}}));
    ExpectPicture(dib, grid);
    for (const auto& corner : {std::make_pair(0, 0), std::make_pair(0, 31), std::make_pair(31, 0), std::make_pair(31, 31)})
        EXPECT_EQ(ColourName(dib.pixels[corner.second][corner.first]), "green") << "the ground is green";
}

TEST_F(Resources, ToolbarBitmapIsNine16By15ImagesInTheStandardPalette)
{
    Dib dib;
    ASSERT_TRUE(ParseDib4(ResourceBytes(module, MAKEINTRESOURCEW(2), 2), 15, false, dib));   // RT_BITMAP
    EXPECT_EQ(dib.header.biWidth, 144);
    EXPECT_EQ(dib.header.biHeight, 15);
    EXPECT_EQ(dib.header.biPlanes, 1);
    ASSERT_EQ(dib.palette.size(), std::size(kStandardPalette));
    for (size_t n = 0; n < dib.palette.size(); ++n) {
        SCOPED_TRACE("palette entry " + std::to_string(n));
        EXPECT_EQ(ColourName(dib.palette[n]), kStandardPalette[n].name);
    }

    const Grid grid = ReadGrid("toolbar.txt");
    ASSERT_EQ(grid.imageSizes, (std::vector<std::pair<int, int>>(9, {16, 15})));
    ExpectPicture(dib, grid);
    for (int image = 0; image < 9; ++image) {
        for (const auto& corner : {std::make_pair(0, 0), std::make_pair(0, 14), std::make_pair(15, 0), std::make_pair(15, 14)})
            EXPECT_EQ(ColourName(dib.pixels[corner.second][16 * image + corner.first]), "light-grey")
                << "the ground of image " << image << " is light grey";
    }
}

INT_PTR CALLBACK PassiveDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The system itself builds the icon and the About box from the stored resources.
TEST_F(Resources, SystemBuildsIconAndAboutBox)
{
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(2), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    EXPECT_EQ(bitmap.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);

    HWND box = CreateDialogParamW(module, MAKEINTRESOURCEW(100), nullptr, PassiveDialog, 0);
    ASSERT_NE(box, nullptr);
    wchar_t caption[64] = L"";
    GetWindowTextW(box, caption, 64);
    EXPECT_EQ(Utf8(caption), "EDJUMP のバージョン情報");
    EXPECT_FALSE(IsWindowVisible(box));
    int children = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(children, static_cast<int>(std::size(kAboutControls)));
    HWND iconControl = GetWindow(box, GW_CHILD);
    EXPECT_NE(SendMessageW(iconControl, STM_GETICON, 0, 0), 0) << "the icon control found icon 2";
    DestroyWindow(box);
}

}  // namespace
