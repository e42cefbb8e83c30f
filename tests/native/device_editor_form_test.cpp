// The device editor without its window: which inputs, rates and intervals it offers,
// what it selects on opening and after each choice, and what OK accepts or refuses.
#include "cuebell/editors/device_editor_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "cuebell/device_dialogs_ids.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_message_box.h"

namespace cuebell {
namespace {

using core::StringList;

StringList BoardsOf(const std::vector<int32_t>& rates) {
    StringList boards;
    for (size_t b = 1; b <= rates.size(); ++b) {
        boards.push_back(std::to_wstring(b));
    }
    return boards;
}

DeviceInfo Device(const std::wstring& name, int32_t rate, int32_t digit) {
    DeviceInfo device;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    device.DeviceId = L"{device}";
    return device;
}

std::vector<std::wstring> IntervalTexts(const DeviceEditorForm& form) {
    std::vector<std::wstring> texts;
    for (const auto& interval : form.Intervals()) {
        texts.push_back(interval.text);
    }
    return texts;
}

std::wstring Selected(const StringList& list, int index) {
    return index >= 0 ? list.at(static_cast<size_t>(index)) : L"(none)";
}

std::wstring SelectedInterval(const DeviceEditorForm& form) {
    const int index = form.IntervalIndex();
    return index >= 0 ? form.Intervals().at(static_cast<size_t>(index)).text : L"(none)";
}

class DeviceEditorFormTest : public ::testing::Test {
  protected:
    DeviceEditorForm EditorFor(const DeviceInfo& device) {
        return DeviceEditorForm(driver, boxes, BoardsOf(driver.boardRates), device);
    }

    core::MemoryBoardDriver driver;
    core::MemoryMessageBox boxes;
};

// --- Opening: what is offered and selected for a device.

struct OpeningCase {
    const char* what;
    std::vector<int32_t> boardRates;
    DeviceInfo device;
    std::wstring name;
    StringList rates;
    std::wstring rate;
    std::vector<std::wstring> intervals;
    std::wstring interval;
};

class DeviceEditorOpeningTest : public DeviceEditorFormTest,
                                public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(DeviceEditorOpeningTest, OffersTheBoardsChoicesAndSelectsTheDevicesOwn) {
    const OpeningCase& c = GetParam();
    driver.boardRates = c.boardRates;
    DeviceEditorForm form = EditorFor(c.device);
    form.Open();
    EXPECT_EQ(Selected(form.Names(), form.NameIndex()), c.name);
    EXPECT_EQ(form.Rates(), c.rates);
    EXPECT_EQ(Selected(form.Rates(), form.RateIndex()), c.rate);
    EXPECT_EQ(IntervalTexts(form), c.intervals);
    EXPECT_EQ(SelectedInterval(form), c.interval);
    EXPECT_TRUE(boxes.Calls().empty());
}

const StringList k48000Family{L"8000", L"16000", L"24000", L"48000"};
const StringList k44100Family{L"11025", L"22050", L"44100"};

INSTANTIATE_TEST_SUITE_P(
    Devices, DeviceEditorOpeningTest,
    ::testing::Values(
        // The default 1000 Hz is not offered: the lowest rate and its one interval.
        OpeningCase{"new device",
                    {48000},
                    Device(L"", 1000, 12),
                    L"CX840 Input 1 B1",
                    k48000Family,
                    L"8000",
                    {L"512"},
                    L"512"},
        OpeningCase{"stored input",
                    {48000, 44100},
                    Device(L"CX840 Input 3 B1", 24000, 14),
                    L"CX840 Input 3 B1",
                    k48000Family,
                    L"24000",
                    {L"341", L"682"},
                    L"682"},
        OpeningCase{"name in other case",
                    {48000, 44100},
                    Device(L"cx840 input 2 b2", 22050, 14),
                    L"CX840 Input 2 B2",
                    k44100Family,
                    L"22050",
                    {L"371", L"743"},
                    L"743"},
        OpeningCase{"rate of the other family",
                    {44100},
                    Device(L"CX840 Input 1 B1", 48000, 15),
                    L"CX840 Input 1 B1",
                    k44100Family,
                    L"11025",
                    {L"371", L"743"},
                    L"371"},
        OpeningCase{"digit not offered",
                    {48000},
                    Device(L"CX840 Input 2 B1", 16000, 14),
                    L"CX840 Input 2 B1",
                    k48000Family,
                    L"16000",
                    {L"512"},
                    L"512"},
        OpeningCase{"input gone",
                    {48000, 44100},
                    Device(L"CX840 Input 3 B5", 44100, 14),
                    L"CX840 Input 1 B1",
                    k48000Family,
                    L"8000",
                    {L"512"},
                    L"512"},
        // Board 12 is a 48000 board, board 2 a 44100 one: the whole number counts.
        OpeningCase{
            "board 12",
            {44100, 44100, 44100, 44100, 44100, 44100, 44100, 44100, 44100, 44100, 44100, 48000},
            Device(L"CX840 Input 2 B12", 48000, 14),
            L"CX840 Input 2 B12",
            k48000Family,
            L"48000",
            {L"341", L"682"},
            L"341"},
        OpeningCase{"no board",
                    {},
                    Device(L"CX840 Input 1 B1", 48000, 14),
                    L"(none)",
                    {},
                    L"(none)",
                    {},
                    L"(none)"}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST_F(DeviceEditorFormTest, OffersThreeInputsPerBoardBoardOneFirst) {
    struct {
        std::vector<int32_t> boardRates;
        StringList names;
    } cases[] = {
        {{48000}, {L"CX840 Input 1 B1", L"CX840 Input 2 B1", L"CX840 Input 3 B1"}},
        {{44100, 48000},
         {L"CX840 Input 1 B1", L"CX840 Input 2 B1", L"CX840 Input 3 B1", L"CX840 Input 1 B2",
          L"CX840 Input 2 B2", L"CX840 Input 3 B2"}},
    };
    for (const auto& c : cases) {
        driver.boardRates = c.boardRates;
        DeviceEditorForm form = EditorFor(Device(L"", 1000, 12));
        form.Open();
        EXPECT_EQ(form.Names(), c.names);
    }
}

// --- The intervals every rate offers.

TEST_F(DeviceEditorFormTest, EachRateOffersTheIntervalsOfItsDigits) {
    struct {
        int32_t boardRate;
        std::wstring rate;
        std::vector<std::wstring> intervals;
        std::vector<int32_t> digits;
    } cases[] = {
        {48000, L"8000", {L"512"}, {12}},
        {48000, L"16000", {L"512"}, {13}},
        {48000, L"24000", {L"341", L"682"}, {13, 14}},
        {48000, L"48000", {L"341", L"682"}, {14, 15}},
        {44100, L"11025", {L"371", L"743"}, {12, 13}},
        {44100, L"22050", {L"371", L"743"}, {13, 14}},
        {44100, L"44100", {L"371", L"743"}, {14, 15}},
    };
    for (const auto& c : cases) {
        driver.boardRates = {c.boardRate};
        DeviceEditorForm form = EditorFor(Device(L"CX840 Input 1 B1", 1000, 12));
        form.Open();
        const auto rate = std::find(form.Rates().begin(), form.Rates().end(), c.rate);
        ASSERT_NE(rate, form.Rates().end()) << c.boardRate;
        form.SelectRate(static_cast<int>(rate - form.Rates().begin()));
        EXPECT_EQ(IntervalTexts(form), c.intervals) << c.rate;
        std::vector<int32_t> digits;
        for (const auto& interval : form.Intervals()) {
            digits.push_back(interval.digit);
        }
        EXPECT_EQ(digits, c.digits) << c.rate;
    }
}

// --- "Set default" and re-selection after a change of name or rate.

TEST_F(DeviceEditorFormTest, SetDefaultSelectsTheHighestRateAndTheDefaultDigitOrTheFirst) {
    struct {
        int32_t boardRate;
        std::wstring rate, interval;
        int32_t digit;
    } cases[] = {{48000, L"48000", L"341", 14}, {44100, L"44100", L"371", 14}};
    for (const auto& c : cases) {
        driver.boardRates = {c.boardRate};
        const DeviceInfo device = Device(L"CX840 Input 2 B1", 8000, 12);
        DeviceEditorForm form = EditorFor(device);
        form.Open();
        form.SetDefault();
        EXPECT_EQ(Selected(form.Rates(), form.RateIndex()), c.rate);
        EXPECT_EQ(SelectedInterval(form), c.interval);
        const Checked<DeviceInfo> checked = form.Check();
        ASSERT_TRUE(checked.Accepted());
        EXPECT_EQ(checked.record->SampleRate, std::stoi(c.rate));
        EXPECT_EQ(checked.record->AnalysisDigit, c.digit);
    }
}

TEST_F(DeviceEditorFormTest, ChangesReselectTheDevicesRateAndDigitWhereOffered) {
    driver.boardRates = {48000, 44100};
    DeviceEditorForm form = EditorFor(Device(L"CX840 Input 1 B1", 16000, 13));
    form.Open();
    ASSERT_EQ(SelectedInterval(form), L"512");

    struct Step {
        const char* what;
        void (DeviceEditorForm::*select)(int);
        int index;
        std::wstring rate, interval;
    } steps[] = {
        // 16000 is not a rate of the 44100 board: its lowest, with the device's digit 13.
        {"input of board 2", &DeviceEditorForm::SelectName, 3, L"11025", L"743"},
        {"higher rate", &DeviceEditorForm::SelectRate, 1, L"22050", L"371"},
        {"interval", &DeviceEditorForm::SelectInterval, 1, L"22050", L"743"},
        // Back on board 1 the device's own rate and digit come back.
        {"input of board 1", &DeviceEditorForm::SelectName, 2, L"16000", L"512"},
        {"rate without digit 13", &DeviceEditorForm::SelectRate, 0, L"8000", L"512"},
    };
    for (const Step& step : steps) {
        (form.*step.select)(step.index);
        EXPECT_EQ(Selected(form.Rates(), form.RateIndex()), step.rate) << step.what;
        EXPECT_EQ(SelectedInterval(form), step.interval) << step.what;
    }
}

// --- OK: the device to store or the first refusal.

struct CheckCase {
    const char* what;
    std::vector<int32_t> boardRates;
    bool adding;
    std::vector<std::wstring> existingNames;
    DeviceInfo device;
    int selectInterval;  // -2: leave the interval as opened
    std::wstring text, caption;
    unsigned flags;
    int focus;
    DeviceInfo stored;  // when accepted (text empty)
};

class DeviceEditorCheckTest : public DeviceEditorFormTest,
                              public ::testing::WithParamInterface<CheckCase> {};

TEST_P(DeviceEditorCheckTest, AcceptsTheChoicesOrRefusesTheFirstFault) {
    const CheckCase& c = GetParam();
    driver.boardRates = c.boardRates;
    const StringList boards = BoardsOf(c.boardRates);
    DeviceEditorForm form = c.adding
                                ? DeviceEditorForm(driver, boxes, boards, c.device, c.existingNames)
                                : DeviceEditorForm(driver, boxes, boards, c.device);
    form.Open();
    if (c.selectInterval != -2) {
        form.SelectInterval(c.selectInterval);
    }
    const Checked<DeviceInfo> checked = form.Check();
    if (c.text.empty()) {
        ASSERT_TRUE(checked.Accepted());
        EXPECT_EQ(checked.record->Name, c.stored.Name);
        EXPECT_EQ(checked.record->SampleRate, c.stored.SampleRate);
        EXPECT_EQ(checked.record->AnalysisDigit, c.stored.AnalysisDigit);
        EXPECT_EQ(checked.record->DeviceId, c.device.DeviceId);
        return;
    }
    ASSERT_FALSE(checked.Accepted());
    EXPECT_EQ(checked.refusal.message.text, c.text);
    EXPECT_EQ(checked.refusal.message.caption, c.caption);
    EXPECT_EQ(checked.refusal.message.flags, c.flags);
    EXPECT_EQ(checked.refusal.focusControl, c.focus);
}

constexpr unsigned kError = core::kMbOk | core::kMbIconError;
constexpr unsigned kExclamation = core::kMbOk | core::kMbIconWarning;
const wchar_t kDuplicate[] = L"Cannot add the device! A device with this name already exists.";

INSTANTIATE_TEST_SUITE_P(
    Checks, DeviceEditorCheckTest,
    ::testing::Values(CheckCase{"no input to name",
                                {},
                                true,
                                {},
                                Device(L"", 1000, 12),
                                -2,
                                L"Please enter the device name!",
                                L"Set device",
                                kExclamation,
                                IDC_DEVICE_NAME,
                                {}},
                      CheckCase{"duplicate in other case",
                                {48000},
                                true,
                                {L"CX840 Input 3 B1", L"  cx840 INPUT 1 b1 "},
                                Device(L"", 1000, 12),
                                -2,
                                kDuplicate,
                                L"Add device",
                                kError,
                                IDC_DEVICE_NAME,
                                {}},
                      CheckCase{"new name",
                                {48000},
                                true,
                                {L"CX840 Input 3 B1"},
                                Device(L"CX840 Input 2 B1", 1000, 12),
                                -2,
                                L"",
                                L"",
                                0,
                                0,
                                Device(L"CX840 Input 2 B1", 8000, 12)},
                      // An edit may take another device's name: only Add compares names.
                      CheckCase{"rename on edit",
                                {48000},
                                false,
                                {},
                                Device(L"cx840 input 1 b1", 48000, 15),
                                -2,
                                L"",
                                L"",
                                0,
                                0,
                                Device(L"CX840 Input 1 B1", 48000, 15)},
                      CheckCase{"input gone",
                                {44100},
                                false,
                                {},
                                Device(L"CX840 Input 1 B7", 22050, 13),
                                -2,
                                L"",
                                L"",
                                0,
                                0,
                                Device(L"CX840 Input 1 B1", 22050, 13)},
                      CheckCase{"no interval selected",
                                {48000},
                                false,
                                {},
                                Device(L"CX840 Input 1 B1", 48000, 14),
                                DeviceEditorForm::kNone,
                                L"Illegal device 'CX840 Input 1 B1'!",
                                L"Add/edit device",
                                kError,
                                IDC_DEVICE_ANALYSIS_INTERVAL,
                                {}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST_F(DeviceEditorFormTest, WithoutTheBoardDriverNothingIsOfferedAndOkIsRefused) {
    driver.boardRates = {48000};
    driver.failCreate = true;
    DeviceEditorForm form = EditorFor(Device(L"CX840 Input 2 B1", 48000, 14));
    form.Open();
    EXPECT_EQ(Selected(form.Names(), form.NameIndex()), L"CX840 Input 2 B1");
    EXPECT_TRUE(form.Rates().empty());
    EXPECT_TRUE(form.Intervals().empty());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].caption, L"Check CX840 board");
    EXPECT_EQ(boxes.Calls()[0].flags, core::kMbOk | core::kMbIconWarning);

    form.SetDefault();  // asks the driver again, and again there is nothing to select
    EXPECT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(form.RateIndex(), DeviceEditorForm::kNone);

    const Checked<DeviceInfo> checked = form.Check();
    ASSERT_FALSE(checked.Accepted());
    EXPECT_EQ(checked.refusal.message.text, L"Illegal device 'CX840 Input 2 B1'!");
    EXPECT_EQ(checked.refusal.message.caption, L"Add/edit device");
    EXPECT_EQ(checked.refusal.message.flags, kError);
    EXPECT_EQ(checked.refusal.focusControl, IDC_DEVICE_SAMPLE_RATE);
}

TEST_F(DeviceEditorFormTest, ABoardThatCannotBeSelectedOffersNoRateWithoutAMessage) {
    driver.boardRates = {48000, 48000};
    driver.failSelect = {1};
    DeviceEditorForm form = EditorFor(Device(L"CX840 Input 1 B2", 48000, 14));
    form.Open();
    EXPECT_TRUE(form.Rates().empty());
    EXPECT_TRUE(boxes.Calls().empty());
    form.SelectName(0);
    EXPECT_EQ(Selected(form.Rates(), form.RateIndex()), L"48000");
    EXPECT_EQ(driver.liveCount, 0);
}

}  // namespace
}  // namespace cuebell
