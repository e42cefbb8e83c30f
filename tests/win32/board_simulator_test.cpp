// The board driver through real COM: the simulator's configuration, its failures, and
// the programs' client of the board interface.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "board_simulator_fixture.h"
#include "shared/win32/com_board_driver.h"
#include "shared/win32/cx840_ids.h"

namespace simtest {
namespace {

using core::BoardDriver;
using core::ComAudioFileInfoPort;
using core::ComBoardDriverPort;

// Every rate the driver reports, selecting each board in turn.
std::vector<int32_t> RatesOf(BoardDriver& driver, int32_t count) {
    std::vector<int32_t> rates;
    for (int32_t i = 0; i < count; ++i) {
        EXPECT_GE(driver.SelectBoard(i), 0) << "board " << i;
        int32_t rate = -1;
        EXPECT_GE(driver.GetSampleRate(&rate), 0) << "board " << i;
        rates.push_back(rate);
    }
    return rates;
}

bool SimulatorCanUnload() {
    return CallSimulatorExport("DllCanUnloadNow") == S_OK;
}

struct BoardsCase {
    const char* name;
    std::optional<std::wstring> boards;
    std::vector<int32_t> rates;
};

class BoardSimulatorBoardsTest : public BoardSimulatorFixture,
                                 public ::testing::WithParamInterface<BoardsCase> {};

TEST_P(BoardSimulatorBoardsTest, ReportsTheConfiguredBoards) {
    const BoardsCase& c = GetParam();
    WriteSimulatorConfig(c.boards, std::nullopt);
    std::unique_ptr<BoardDriver> driver = ComBoardDriverPort().Create();
    ASSERT_NE(driver, nullptr);
    int32_t count = 0;
    EXPECT_GE(driver->GetBoardCount(&count), 0);
    ASSERT_EQ(count, static_cast<int32_t>(c.rates.size()));
    EXPECT_EQ(RatesOf(*driver, count), c.rates);
    EXPECT_LT(driver->SelectBoard(count), 0) << "one past the last board";
    EXPECT_LT(driver->SelectBoard(-1), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, BoardSimulatorBoardsTest,
    ::testing::Values(BoardsCase{"NoValueGivesOneBoardAt48000", std::nullopt, {48000}},
                      BoardsCase{"TwoBoards", L"48000,44100", {48000, 44100}},
                      BoardsCase{"EmptyTextGivesNoBoard", L"", {}},
                      BoardsCase{"OddRatesAndJunk", L" 22050 ,junk,,96000", {22050, 96000}}),
    [](const ::testing::TestParamInfo<BoardsCase>& info) { return info.param.name; });

class BoardSimulatorTest : public BoardSimulatorFixture {};

TEST_F(BoardSimulatorTest, NoConfigurationKeyGivesOneBoardAt48000) {
    RemoveSimulatorConfig();
    std::unique_ptr<BoardDriver> driver = ComBoardDriverPort().Create();
    ASSERT_NE(driver, nullptr);
    int32_t count = 0;
    driver->GetBoardCount(&count);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(RatesOf(*driver, count), std::vector<int32_t>{48000});
}

TEST_F(BoardSimulatorTest, FailCreateMeansNoDriverButTheAudioComponentWorks) {
    WriteSimulatorConfig(std::nullopt, std::wstring(L"create"));
    EXPECT_EQ(ComBoardDriverPort().Create(), nullptr);
    // The audio component is not affected: a missing file still gets as far as opening.
    EXPECT_EQ(ComAudioFileInfoPort().GetAudioFileDuration(L"Z:\\no\\such\\file.wav"),
              core::kAudioInfoCannotOpen);
}

TEST_F(BoardSimulatorTest, FailSelectOnlyForThatBoard) {
    WriteSimulatorConfig(std::wstring(L"48000,44100"), std::wstring(L"select:1"));
    std::unique_ptr<BoardDriver> driver = ComBoardDriverPort().Create();
    ASSERT_NE(driver, nullptr);
    EXPECT_GE(driver->SelectBoard(0), 0);
    EXPECT_LT(driver->SelectBoard(1), 0);
    int32_t rate = 0;
    EXPECT_GE(driver->GetSampleRate(&rate), 0);
    EXPECT_EQ(rate, 48000) << "a failed selection keeps the board selected before";
}

TEST_F(BoardSimulatorTest, FailRateOnlyForThatBoard) {
    WriteSimulatorConfig(std::wstring(L"48000,44100"), std::wstring(L"rate:0"));
    std::unique_ptr<BoardDriver> driver = ComBoardDriverPort().Create();
    ASSERT_NE(driver, nullptr);
    ASSERT_GE(driver->SelectBoard(0), 0);
    int32_t rate = 12345;
    EXPECT_LT(driver->GetSampleRate(&rate), 0);
    EXPECT_EQ(rate, 12345) << "a failed query leaves the rate alone";
    ASSERT_GE(driver->SelectBoard(1), 0);
    EXPECT_GE(driver->GetSampleRate(&rate), 0);
    EXPECT_EQ(rate, 44100);
}

TEST_F(BoardSimulatorTest, FailAudioMeansNoAudioComponentButTheDriverWorks) {
    WriteSimulatorConfig(std::nullopt, std::wstring(L"audio"));
    EXPECT_EQ(ComAudioFileInfoPort().GetAudioFileDuration(L"C:\\any.wav"),
              core::kAudioInfoCannotCreate);
    EXPECT_NE(ComBoardDriverPort().Create(), nullptr);
}

TEST_F(BoardSimulatorTest, ConfigurationIsReadAtEveryCreation) {
    WriteSimulatorConfig(std::wstring(L"44100"), std::nullopt);
    std::unique_ptr<BoardDriver> first = ComBoardDriverPort().Create();
    ASSERT_NE(first, nullptr);

    WriteSimulatorConfig(std::wstring(L"48000,48000,48000"), std::nullopt);
    std::unique_ptr<BoardDriver> second = ComBoardDriverPort().Create();
    ASSERT_NE(second, nullptr);

    int32_t count = 0;
    second->GetBoardCount(&count);
    EXPECT_EQ(count, 3);
    first->GetBoardCount(&count);
    EXPECT_EQ(count, 1) << "a driver keeps the configuration it was created with";

    WriteSimulatorConfig(std::nullopt, std::wstring(L"create"));
    EXPECT_EQ(ComBoardDriverPort().Create(), nullptr);
}

TEST_F(BoardSimulatorTest, ClientReleasesEveryInterface) {
    WriteSimulatorConfig(std::wstring(L"48000,44100"), std::nullopt);
    {
        std::unique_ptr<BoardDriver> driver = ComBoardDriverPort().Create();
        ASSERT_NE(driver, nullptr);
        int32_t rate = 0;
        driver->SelectBoard(1);
        driver->GetSampleRate(&rate);
        EXPECT_FALSE(SimulatorCanUnload()) << "the driver object holds the board interface";
    }
    EXPECT_TRUE(SimulatorCanUnload()) << "an interface was left referenced";
    ComAudioFileInfoPort().GetAudioFileDuration(L"Z:\\no\\such\\file.wav");
    EXPECT_TRUE(SimulatorCanUnload()) << "the audio component was left referenced";
}

TEST_F(BoardSimulatorTest, UnregisteredSimulatorCannotBeCreated) {
    ASSERT_EQ(CallSimulatorExport("DllUnregisterServer"), S_OK);
    std::unique_ptr<BoardDriver> driver = ComBoardDriverPort().Create();
    double duration = ComAudioFileInfoPort().GetAudioFileDuration(L"C:\\any.wav");
    HKEY key = nullptr;
    LONG classKey = RegOpenKeyExW(
        HKEY_CLASSES_ROOT, L"CLSID\\{1F4986C0-1C5E-4B59-9933-0696349D12BF}", 0, KEY_READ, &key);
    if (classKey == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
    ASSERT_EQ(CallSimulatorExport("DllRegisterServer"), S_OK);  // before any check can stop

    EXPECT_EQ(classKey, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(driver, nullptr);
    EXPECT_EQ(duration, core::kAudioInfoCannotCreate);
    EXPECT_NE(ComBoardDriverPort().Create(), nullptr) << "registered again";
}

TEST_F(BoardSimulatorTest, RegistrationNamesTheDllAndABothThreadingModel) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT,
                            L"CLSID\\{52DAF89E-DC2C-477D-A987-6EF419E57AE4}\\InprocServer32", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    wchar_t text[1024] = {};
    DWORD bytes = sizeof text - sizeof(wchar_t);
    EXPECT_EQ(RegQueryValueExW(key, L"ThreadingModel", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(text), &bytes),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"Both");
    std::fill(std::begin(text), std::end(text), L'\0');
    bytes = sizeof text - sizeof(wchar_t);
    EXPECT_EQ(
        RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &bytes),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(lstrcmpiW(text, (ProgramFolder() + L"cx840sim.dll").c_str()), 0) << text;
}

// --- The method positions, called through the raw method tables as the board maker's
// components are called, independently of how cx840_ids.h declares them.

template <typename Function>
Function Method(void* object, int position) {
    void** table = *static_cast<void***>(object);
    return reinterpret_cast<Function>(table[position]);
}

using QueryMethod = HRESULT(STDMETHODCALLTYPE*)(void*, REFIID, void**);
using ReleaseMethod = ULONG(STDMETHODCALLTYPE*)(void*);
using LongOutMethod = HRESULT(STDMETHODCALLTYPE*)(void*, long*);
using LongInMethod = HRESULT(STDMETHODCALLTYPE*)(void*, long);
using NoArgumentMethod = HRESULT(STDMETHODCALLTYPE*)(void*);

TEST_F(BoardSimulatorTest, BoardInterfaceAnswersAtItsPositions) {
    WriteSimulatorConfig(std::wstring(L"44100,48000"), std::wstring(L"select:0"));
    void* board = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_Cx840BoardDriver, nullptr, 23, IID_ICx840Board, &board), S_OK);
    long count = 0;
    EXPECT_EQ(Method<LongOutMethod>(board, 3)(board, &count), S_OK);
    EXPECT_EQ(count, 2);
    EXPECT_LT(Method<LongInMethod>(board, 4)(board, 0), 0);
    EXPECT_EQ(Method<LongInMethod>(board, 4)(board, 1), S_OK);

    void* settings = nullptr;
    ASSERT_EQ(Method<QueryMethod>(board, 0)(board, IID_ICx840AudioSettings, &settings), S_OK);
    for (int position = 3; position <= 13; ++position) {
        EXPECT_EQ(Method<NoArgumentMethod>(settings, position)(settings), E_NOTIMPL) << position;
    }
    long rate = 0;
    EXPECT_EQ(Method<LongOutMethod>(settings, 14)(settings, &rate), S_OK);
    EXPECT_EQ(rate, 48000);

    void* unknownInterface = reinterpret_cast<void*>(1);
    EXPECT_EQ(Method<QueryMethod>(board, 0)(board, IID_ICx840AudioFileInfo, &unknownInterface),
              E_NOINTERFACE);
    EXPECT_EQ(unknownInterface, nullptr);

    Method<ReleaseMethod>(settings, 2)(settings);
    EXPECT_EQ(Method<ReleaseMethod>(board, 2)(board), 0u);
}

TEST_F(BoardSimulatorTest, FactoriesRefuseAggregation) {
    for (const CLSID* clsid : {&CLSID_Cx840BoardDriver, &CLSID_Cx840AudioFileInfo}) {
        IClassFactory* factory = nullptr;
        ASSERT_EQ(CoGetClassObject(*clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                   reinterpret_cast<void**>(&factory)),
                  S_OK);
        void* fakeTable[3] = {};  // never called: creation must refuse before using it
        void* fakeOuter = fakeTable;
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(
            factory->CreateInstance(reinterpret_cast<IUnknown*>(&fakeOuter), IID_IUnknown, &object),
            CLASS_E_NOAGGREGATION);
        EXPECT_EQ(object, nullptr);
        factory->Release();
    }
}

}  // namespace
}  // namespace simtest
