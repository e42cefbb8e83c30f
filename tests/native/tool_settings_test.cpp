#include "shared/tool_settings.h"

#include <gtest/gtest.h>

#include "shared/inmemory/memory_registry.h"
#include "shared/inmemory/memory_system.h"
#include "shared/utilities.h"

namespace core {
namespace {

const std::wstring kKey = L"Software\\Quorvane\\Cuebell\\General";

class FakeWindow : public PlacedWindow {
  public:
    Rect rect{1, 2, 3, 4};
    int moves = 0;
    Rect GetWindowRect() override { return rect; }
    void MoveWindow(const Rect& r) override {
        rect = r;
        ++moves;
    }
};

class ToolSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        system.SetModulePath(L"C:\\Tools\\Cuebell.exe");
        system.SetWorkArea(Rect{0, 0, 1280, 984});
    }
    void StoreRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
        registry.PutDword(RegRoot::CurrentUser, kKey, L"Window dialog left",
                          static_cast<uint32_t>(left));
        registry.PutDword(RegRoot::CurrentUser, kKey, L"Window dialog top",
                          static_cast<uint32_t>(top));
        registry.PutDword(RegRoot::CurrentUser, kKey, L"Window dialog right",
                          static_cast<uint32_t>(right));
        registry.PutDword(RegRoot::CurrentUser, kKey, L"Window dialog bottom",
                          static_cast<uint32_t>(bottom));
    }
    MemoryRegistry registry;
    MemorySystem system;
    FakeWindow window;
};

TEST_F(ToolSettingsTest, KeyNameOfEachTool) {
    EXPECT_EQ(ToolSettingsKey(L"Cuebell"), kKey);
    EXPECT_EQ(ToolSettingsKey(L"Tonegate"), L"Software\\Quorvane\\Tonegate\\General");
}

TEST_F(ToolSettingsTest, MissingKeyMovesToTheDefaultPlacement) {
    LoadWindowPlacement(registry, system, window, kKey);
    EXPECT_EQ(window.moves, 1);
    EXPECT_EQ(window.rect.left, 300);
    EXPECT_EQ(window.rect.top, 200);
    EXPECT_EQ(window.rect.right, 330);
    EXPECT_EQ(window.rect.bottom, 230);
}

TEST_F(ToolSettingsTest, StoredPlacementRoundTrips) {
    window.rect = Rect{10, 20, 610, 520};
    EXPECT_TRUE(SaveWindowPlacement(registry, window, kKey));
    window.rect = Rect{};
    LoadWindowPlacement(registry, system, window, kKey);
    EXPECT_EQ(window.rect.left, 10);
    EXPECT_EQ(window.rect.top, 20);
    EXPECT_EQ(window.rect.right, 610);
    EXPECT_EQ(window.rect.bottom, 520);
    uint32_t type = 0;
    Bytes data;
    ASSERT_TRUE(
        registry.GetValue(RegRoot::CurrentUser, kKey, L"Window dialog right", &type, &data));
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(data, (Bytes{0x62, 0x02, 0, 0}));
}

TEST_F(ToolSettingsTest, ValueOfAnotherTypeTakesItsDefault) {
    StoreRect(10, 20, 610, 520);
    registry.PutString(RegRoot::CurrentUser, kKey, L"Window dialog left", L"10");
    LoadWindowPlacement(registry, system, window, kKey);
    EXPECT_EQ(window.rect.left, 300);
    EXPECT_EQ(window.rect.right, 610);
}

TEST_F(ToolSettingsTest, PlacementBeyondTheWorkAreaIsCentred) {
    StoreRect(900, 20, 1400, 520);
    LoadWindowPlacement(registry, system, window, kKey);
    EXPECT_EQ(window.rect.right, (30 + 1280) / 2);
    EXPECT_EQ(window.rect.bottom, (30 + 984) / 2);
    EXPECT_EQ(window.rect.right - window.rect.left, 30);
}

TEST_F(ToolSettingsTest, UnwritableKeyIsReportedAndWritesNothing) {
    registry.FailCall(RegCall::Create);
    registry.FailCall(RegCall::Open);
    EXPECT_FALSE(SaveWindowPlacement(registry, window, kKey));
    EXPECT_FALSE(SaveWavPath(registry, kKey, L"C:\\x.wav"));
    EXPECT_FALSE(registry.HasKey(RegRoot::CurrentUser, kKey));
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(ToolSettingsTest, WavPathKeptWhileItsFolderExists) {
    system.AddPath(L"C:\\Jingles");
    EXPECT_TRUE(SaveWavPath(registry, kKey, L"C:\\Jingles\\news.wav"));
    EXPECT_EQ(LoadWavPath(registry, system, kKey), L"C:\\Jingles\\news.wav");
    system.RemovePath(L"C:\\Jingles");
    EXPECT_EQ(LoadWavPath(registry, system, kKey), L"C:\\Tools\\sample.wav");
}

TEST_F(ToolSettingsTest, WavPathDefaultsToTheProgramFolder) {
    EXPECT_EQ(LoadWavPath(registry, system, kKey), L"C:\\Tools\\sample.wav");
    registry.PutString(RegRoot::CurrentUser, kKey, L"Wav file path", L"news.wav");
    EXPECT_EQ(LoadWavPath(registry, system, kKey), L"C:\\Tools\\sample.wav");
    system.SetModulePath(L"");
    EXPECT_EQ(LoadWavPath(registry, system, kKey), L"C:\\sample.wav");
}

TEST_F(ToolSettingsTest, PlayoutProgramIsRecognisedByItsWindowClass) {
    EXPECT_FALSE(IsPlayoutRunning(system));
    system.AddWindowClass(L"TAirMainForm");
    EXPECT_TRUE(IsPlayoutRunning(system));
}

TEST_F(ToolSettingsTest, VersionTextFromTheProgramFile) {
    system.SetFileVersion(L"C:\\Tools\\Cuebell.exe", FileVersion{2, 1, 0, 17});
    EXPECT_EQ(GetVersionText(system), L"Cuebell Version 2.1.0.17");
    system.RemoveFileVersion(L"C:\\Tools\\Cuebell.exe");
    EXPECT_EQ(GetVersionText(system), L"Cuebell Version 0.0.0.0");
    system.SetModulePath(L"C:\\Tools\\Cuebell");
    EXPECT_EQ(GetVersionText(system), L"");
    system.SetModulePath(L"C:\\Tools\\");
    EXPECT_EQ(GetVersionText(system), L"");
}

TEST_F(ToolSettingsTest, IdentifiersAreRegistryFormGuidsOrEmpty) {
    std::wstring first = NewIdentifier(system);
    std::wstring second = NewIdentifier(system);
    EXPECT_EQ(first.size(), 38u);
    EXPECT_EQ(first.front(), L'{');
    EXPECT_EQ(first.back(), L'}');
    EXPECT_EQ(first[9], L'-');
    EXPECT_EQ(first[24], L'-');
    EXPECT_NE(first, second);
    system.SetGuidFailure(true);
    EXPECT_EQ(NewIdentifier(system), L"");
}

}  // namespace
}  // namespace core
