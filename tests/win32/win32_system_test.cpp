// The Win32 system and message-box ports against the real (Wine) system.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <string>
#include <thread>

#include "shared/win32/win32_message_box.h"
#include "shared/win32/win32_system.h"

namespace win32 {
namespace {

std::wstring TempFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    std::wstring folder(buffer, length);
    if (!folder.empty() && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

// A file in the temporary folder, removed at the end of the case.
class TempFile {
  public:
    explicit TempFile(const std::string& content) {
        wchar_t name[MAX_PATH] = {};
        EXPECT_NE(GetTempFileNameW(TempFolder().c_str(), L"sys", 0, name), 0u);
        path_ = name;
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~TempFile() { DeleteFileW(path_.c_str()); }
    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

std::wstring SystemFolder() {
    wchar_t buffer[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, length);
}

bool EndsWithNoCase(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           CompareStringOrdinal(text.c_str() + text.size() - end.size(),
                                static_cast<int>(end.size()), end.c_str(),
                                static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

TEST(Win32SystemTest, AWindowClassIsPresentWhileAWindowOfItExists) {
    // A class of this test's own, so that a playout stand-in another test may have
    // open cannot answer for it.
    const std::wstring className = L"TAirMainFormProbe" + std::to_wstring(GetCurrentProcessId());
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className.c_str();
    ATOM atom = RegisterClassW(&windowClass);
    ASSERT_NE(atom, 0);

    Win32System system;
    EXPECT_FALSE(system.IsWindowClassPresent(className));
    HWND window = CreateWindowExW(0, className.c_str(), L"Airvexa", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                  100, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(system.IsWindowClassPresent(className));
    // The title does not matter, nor does the case of the class name.
    SetWindowTextW(window, L"another title");
    EXPECT_TRUE(system.IsWindowClassPresent(className));
    EXPECT_FALSE(system.IsWindowClassPresent(className + L"X"));
    DestroyWindow(window);
    EXPECT_FALSE(system.IsWindowClassPresent(className));
    UnregisterClassW(className.c_str(), windowClass.hInstance);
}

TEST(Win32SystemTest, ModulePathIsTheWholePathOrNothing) {
    Win32System system;
    const std::wstring path = system.ModulePath(520);
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(EndsWithNoCase(path, L".exe"));
    EXPECT_EQ(path.find(L":\\"), 1u);  // a full path with a drive
    EXPECT_TRUE(system.PathExists(path));

    // The buffer holds the terminator too: the path needs one more unit than its length.
    EXPECT_EQ(system.ModulePath(path.size() + 1), path);
    EXPECT_EQ(system.ModulePath(path.size()), L"");
    EXPECT_EQ(system.ModulePath(path.size() - 1), L"");
    EXPECT_EQ(system.ModulePath(5), L"");
    EXPECT_EQ(system.ModulePath(1), L"");
    EXPECT_EQ(system.ModulePath(0), L"");
}

TEST(Win32SystemTest, PathExistsForFilesAndFoldersOnly) {
    Win32System system;
    TempFile file("data");
    EXPECT_TRUE(system.PathExists(file.Path()));
    EXPECT_TRUE(system.PathExists(TempFolder()));
    EXPECT_FALSE(system.PathExists(file.Path() + L".missing"));
    EXPECT_FALSE(system.PathExists(TempFolder() + L"\\no such folder\\x.wav"));
    EXPECT_FALSE(system.PathExists(L""));
}

TEST(Win32SystemTest, NewGuidsAreDistinctRandomGuids) {
    Win32System system;
    std::set<std::array<uint8_t, 16>> seen;
    for (int i = 0; i < 200; ++i) {
        std::array<uint8_t, 16> guid{};
        ASSERT_TRUE(system.NewGuid(&guid));
        // Memory order: Data3 is a little-endian 16-bit word whose top four bits give the
        // version (4, random); Data4 starts with the variant bits 10.
        EXPECT_EQ(guid[7] >> 4, 4);
        EXPECT_EQ(guid[8] & 0xC0, 0x80);
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(Win32SystemTest, TheWorkAreaLiesOnTheScreen) {
    Win32System system;
    core::Rect area = system.WorkArea();
    EXPECT_LT(area.left, area.right);
    EXPECT_LT(area.top, area.bottom);
    EXPECT_GE(area.left, 0);
    EXPECT_GE(area.top, 0);
    EXPECT_LE(area.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(area.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST(Win32SystemTest, FilesWithoutAVersionResourceHaveNoVersion) {
    Win32System system;
    TempFile file("MZ not really a program");
    core::FileVersion version;
    version.major = 9;
    EXPECT_FALSE(system.GetFileVersion(file.Path(), &version));
    EXPECT_FALSE(system.GetFileVersion(file.Path() + L".missing", &version));
    EXPECT_FALSE(system.GetFileVersion(L"", &version));
    EXPECT_EQ(version.major, 9);  // untouched
}

TEST(Win32SystemTest, TheSystemLibraryCarriesItsVersionInOrder) {
    Win32System system;
    core::FileVersion version;
    ASSERT_TRUE(system.GetFileVersion(SystemFolder() + L"\\kernel32.dll", &version));
    // Any Windows (or Wine) kernel32 is version 5.x to 10.0: the major number comes
    // from the high word of the most significant double word.
    EXPECT_GE(version.major, 5);
    EXPECT_LE(version.major, 10);
    EXPECT_LT(version.minor, 10);
}

// Answers the next message box of this process with the caption given, reading
// its text and pressing a button, from another thread while the box runs its loop.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer(std::wstring caption, int button)
        : caption_(std::move(caption)), button_(button), thread_([this] { Run(); }) {}
    ~MessageBoxAnswerer() { Join(); }
    void Join() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    // What the box showed; read after Join.
    std::wstring Text() const { return text_; }
    bool HadButton(int id) const { return (buttons_ & (1u << id)) != 0; }

  private:
    void Run() {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            HWND box = FindWindowW(L"#32770", caption_.c_str());
            if (box != nullptr) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);
                text_ = text;
                for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                    if (GetDlgItem(box, id) != nullptr) {
                        buttons_ |= 1u << id;
                    }
                }
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::wstring caption_;
    int button_;
    std::wstring text_;
    unsigned buttons_ = 0;
    std::thread thread_;
};

struct MessageBoxCase {
    const wchar_t* text;
    unsigned flags;
    int press;
    std::set<int> buttons;
};

TEST(Win32SystemTest, AMessageBoxShowsTextCaptionAndButtonsAndReturnsTheAnswer) {
    const MessageBoxCase cases[] = {
        {L"Convert the older detections?",
         core::kMbYesNo | core::kMbIconQuestion,
         IDNO,
         {IDYES, IDNO}},
        {L"Convert the older detections?",
         core::kMbYesNo | core::kMbIconWarning,
         IDYES,
         {IDYES, IDNO}},
        {L"Airvexa is running.", core::kMbOk | core::kMbIconError, IDOK, {IDOK}},
    };
    Win32MessageBox box;
    const std::wstring caption = L"Cuebell probe " + std::to_wstring(GetCurrentProcessId());
    for (const auto& c : cases) {
        MessageBoxAnswerer answerer(caption, c.press);
        int answer = box.Show(0, c.text, caption, c.flags);
        answerer.Join();
        EXPECT_EQ(answer, c.press);
        EXPECT_EQ(answerer.Text(), c.text);
        for (int id : {IDOK, IDYES, IDNO}) {
            EXPECT_EQ(answerer.HadButton(id), c.buttons.count(id) == 1) << id;
        }
    }
}

}  // namespace
}  // namespace win32
