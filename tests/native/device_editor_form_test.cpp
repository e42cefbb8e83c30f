// The device editor without its window: which inputs, rates and intervals it offers,
// what it selects on opening and after each choice, and what OK accepts or refuses.
#include "cuebell/editors/device_editor_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cuebell/device_dialogs_ids.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_message_box.h"

namespace cuebell {
namespace {

using core::StringList;
using Texts = std::vector<std::wstring>;

DeviceInfo Device(const std::wstring& name, int32_t rate, int32_t digit) {
    DeviceInfo device;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    device.DeviceId = L"{device}";
    return device;
}

// The form's lists and selections in one line: "name | rate of rates | interval of intervals".
std::wstring Shown(const DeviceEditorForm& form) {
    auto pick = [](const Texts& list, int index) {
        return index >= 0 ? list.at(static_cast<size_t>(index)) : L"-";
    };
    auto join = [](const Texts& list) {
        std::wstring text;
        for (const auto& item : list) {
            text += (text.empty() ? L"" : L",") + item;
        }
        return text;
    };
    Texts intervals;
    for (const auto& interval : form.Intervals()) {
        intervals.push_back(interval.text);
    }
    return pick(form.Names(), form.NameIndex()) + L" | " + pick(form.Rates(), form.RateIndex()) +
           L" of " + join(form.Rates()) + L" | " + pick(intervals, form.IntervalIndex()) + L" of " +
           join(intervals);
}

class DeviceEditorFormTest : public ::testing::Test {
  protected:
    StringList Boards() const {
        StringList boards;
        for (size_t b = 1; b <= driver.boardRates.size(); ++b) {
            boards.push_back(std::to_wstring(b));
        }
        return boards;
    }
    DeviceEditorForm OpenEditor(const DeviceInfo& device) {
        DeviceEditorForm form(driver, boxes, Boards(), device);
        form.Open();
        return form;
    }

    core::MemoryBoardDriver driver;
    core::MemoryMessageBox boxes;
};

TEST_F(DeviceEditorFormTest, OpensOnTheDevicesOwnChoicesWhereTheBoardOffersThem) {
    const std::vector<int32_t> board12Is48000(11, 44100);
    struct {
        std::vector<int32_t> boardRates;
        DeviceInfo device;
        size_t inputs;
        std::wstring shown;
    } cases[] = {
        // The default 1000 Hz is not offered: the lowest rate and its only interval.
        {{48000},
         Device(L"", 1000, 12),
         3,
         L"CX840 Input 1 B1 | 8000 of 8000,16000,24000,48000 | 512 of 512"},
        {{48000, 44100},
         Device(L"CX840 Input 3 B1", 24000, 14),
         6,
         L"CX840 Input 3 B1 | 24000 of 8000,16000,24000,48000 | 682 of 341,682"},
        {{48000, 44100},
         Device(L"cx840 input 2 b2", 22050, 14),
         6,
         L"CX840 Input 2 B2 | 22050 of 11025,22050,44100 | 743 of 371,743"},
        {{44100},
         Device(L"CX840 Input 1 B1", 48000, 15),
         3,
         L"CX840 Input 1 B1 | 11025 of 11025,22050,44100 | 371 of 371,743"},
        {{48000},
         Device(L"CX840 Input 2 B1", 16000, 14),
         3,
         L"CX840 Input 2 B1 | 16000 of 8000,16000,24000,48000 | 512 of 512"},
        // An input that no longer exists: the first one.
        {{48000, 44100},
         Device(L"CX840 Input 3 B5", 44100, 14),
         6,
         L"CX840 Input 1 B1 | 8000 of 8000,16000,24000,48000 | 512 of 512"},
        {{}, Device(L"CX840 Input 1 B1", 48000, 14), 0, L"- | - of  | - of "},
    };
    for (const auto& c : cases) {
        driver.boardRates = c.boardRates;
        const DeviceEditorForm form = OpenEditor(c.device);
        EXPECT_EQ(form.Names().size(), c.inputs) << c.device.Name;
        EXPECT_EQ(Shown(form), c.shown) << c.device.Name;
    }
    EXPECT_TRUE(boxes.Calls().empty());

    // Board 12 is a 48000 board and board 2 a 44100 one: the whole number counts.
    driver.boardRates = board12Is48000;
    driver.boardRates.push_back(48000);
    EXPECT_EQ(Shown(OpenEditor(Device(L"CX840 Input 2 B12", 48000, 14))),
              L"CX840 Input 2 B12 | 48000 of 8000,16000,24000,48000 | 341 of 341,682");
    driver.boardRates = {48000, 44100};
    EXPECT_EQ(OpenEditor(Device(L"", 1000, 12)).Names(),
              (Texts{L"CX840 Input 1 B1", L"CX840 Input 2 B1", L"CX840 Input 3 B1",
                     L"CX840 Input 1 B2", L"CX840 Input 2 B2", L"CX840 Input 3 B2"}));
}

TEST_F(DeviceEditorFormTest, ChoicesReselectTheDevicesRateAndDigitWhereOffered) {
    driver.boardRates = {48000, 44100};
    DeviceEditorForm form = OpenEditor(Device(L"CX840 Input 1 B1", 16000, 13));
    struct {
        void (DeviceEditorForm::*choose)(int);
        int index;
        std::wstring shown;
    } steps[] = {
        // 16000 is no rate of the 44100 board: its lowest, with the device's digit 13.
        {&DeviceEditorForm::SelectName, 3,
         L"CX840 Input 1 B2 | 11025 of 11025,22050,44100 | 743 of 371,743"},
        {&DeviceEditorForm::SelectRate, 1,
         L"CX840 Input 1 B2 | 22050 of 11025,22050,44100 | 371 of 371,743"},
        {&DeviceEditorForm::SelectInterval, 1,
         L"CX840 Input 1 B2 | 22050 of 11025,22050,44100 | 743 of 371,743"},
        // Back on board 1 the device's own rate and digit come back.
        {&DeviceEditorForm::SelectName, 2,
         L"CX840 Input 3 B1 | 16000 of 8000,16000,24000,48000 | 512 of 512"},
        {&DeviceEditorForm::SelectRate, 3,
         L"CX840 Input 3 B1 | 48000 of 8000,16000,24000,48000 | 341 of 341,682"},
    };
    for (const auto& step : steps) {
        (form.*step.choose)(step.index);
        EXPECT_EQ(Shown(form), step.shown);
    }
}

TEST_F(DeviceEditorFormTest, SetDefaultTakesTheHighestRateAndDigit12OrTheFirstInterval) {
    struct {
        int32_t boardRate, rate, digit;
        std::wstring interval;
    } cases[] = {{48000, 48000, 14, L"341"}, {44100, 44100, 14, L"371"}};
    for (const auto& c : cases) {
        driver.boardRates = {c.boardRate};
        DeviceEditorForm form = OpenEditor(Device(L"CX840 Input 2 B1", 8000, 12));
        form.SetDefault();
        EXPECT_EQ(form.Intervals().at(static_cast<size_t>(form.IntervalIndex())).text, c.interval);
        const Checked<DeviceInfo> checked = form.Check();
        ASSERT_TRUE(checked.Accepted());
        EXPECT_EQ(checked.record->SampleRate, c.rate);
        EXPECT_EQ(checked.record->AnalysisDigit, c.digit);
    }
}

// --- OK: the device to store, or the first refusal with the control to focus.

constexpr unsigned kError = core::kMbOk | core::kMbIconError;
constexpr unsigned kExclamation = core::kMbOk | core::kMbIconWarning;

struct CheckCase {
    std::vector<int32_t> boardRates;
    bool adding;
    DeviceInfo device;
    bool clearInterval;
    std::wstring text, caption;  // no text: accepted
    unsigned flags;
    int focus;
    DeviceInfo stored;
};

CheckCase Refused(std::vector<int32_t> boards, bool adding, DeviceInfo device, bool clearInterval,
                  std::wstring text, std::wstring caption, unsigned flags, int focus) {
    return {std::move(boards), adding, device, clearInterval, text, caption, flags, focus, {}};
}

CheckCase Stored(std::vector<int32_t> boards, bool adding, DeviceInfo device, DeviceInfo stored) {
    return {std::move(boards), adding, device, false, L"", L"", 0, 0, stored};
}

TEST_F(DeviceEditorFormTest, OkStoresTheChoicesOrRefusesTheFirstFault) {
    // The names a new device is checked against.
    const Texts existing{L"CX840 Input 3 B1", L"  cx840 INPUT 1 b1 "};
    const CheckCase cases[] = {
        Refused({}, true, Device(L"", 1000, 12), false, L"Please enter the device name!",
                L"Set device", kExclamation, IDC_DEVICE_NAME),
        Refused({48000}, true, Device(L"", 1000, 12), false,
                L"Cannot add the device! A device with this name already exists.", L"Add device",
                kError, IDC_DEVICE_NAME),
        // Without an interval there is no digit to store.
        Refused({48000}, false, Device(L"CX840 Input 1 B1", 48000, 14), true,
                L"Illegal device 'CX840 Input 1 B1'!", L"Add/edit device", kError,
                IDC_DEVICE_ANALYSIS_INTERVAL),
        Stored({48000}, true, Device(L"CX840 Input 2 B1", 1000, 12),
               Device(L"CX840 Input 2 B1", 8000, 12)),
        // An edit may take another device's name in any case: only Add compares names.
        Stored({48000}, false, Device(L"cx840 input 1 b1", 48000, 15),
               Device(L"CX840 Input 1 B1", 48000, 15)),
        Stored({44100}, false, Device(L"CX840 Input 1 B7", 22050, 13),
               Device(L"CX840 Input 1 B1", 22050, 13)),
    };
    for (const CheckCase& c : cases) {
        driver.boardRates = c.boardRates;
        DeviceEditorForm form = c.adding
                                    ? DeviceEditorForm(driver, boxes, Boards(), c.device, existing)
                                    : DeviceEditorForm(driver, boxes, Boards(), c.device);
        form.Open();
        if (c.clearInterval) {
            form.SelectInterval(DeviceEditorForm::kNone);
        }
        const Checked<DeviceInfo> checked = form.Check();
        ASSERT_EQ(checked.Accepted(), c.text.empty()) << c.device.Name;
        if (checked.Accepted()) {
            EXPECT_EQ(checked.record->Name, c.stored.Name);
            EXPECT_EQ(checked.record->SampleRate, c.stored.SampleRate);
            EXPECT_EQ(checked.record->AnalysisDigit, c.stored.AnalysisDigit);
            EXPECT_EQ(checked.record->DeviceId, c.device.DeviceId);
            continue;
        }
        EXPECT_EQ(checked.refusal.message.text, c.text);
        EXPECT_EQ(checked.refusal.message.caption, c.caption);
        EXPECT_EQ(checked.refusal.message.flags, c.flags);
        EXPECT_EQ(checked.refusal.focusControl, c.focus);
    }
}

TEST_F(DeviceEditorFormTest, WithoutTheBoardDriverNothingIsOfferedAndOkIsRefused) {
    driver.failCreate = true;
    DeviceEditorForm form = OpenEditor(Device(L"CX840 Input 2 B1", 48000, 14));
    form.SetDefault();  // asks the driver again
    EXPECT_EQ(Shown(form), L"CX840 Input 2 B1 | - of  | - of ");
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].caption, L"Check CX840 board");
    EXPECT_EQ(boxes.Calls()[1].flags, core::kMbOk | core::kMbIconWarning);

    const Checked<DeviceInfo> checked = form.Check();
    ASSERT_FALSE(checked.Accepted());
    EXPECT_EQ(checked.refusal.message.text, L"Illegal device 'CX840 Input 2 B1'!");
    EXPECT_EQ(checked.refusal.message.caption, L"Add/edit device");
    EXPECT_EQ(checked.refusal.message.flags, kError);
    EXPECT_EQ(checked.refusal.focusControl, IDC_DEVICE_SAMPLE_RATE);
}

// Opened from the configuration check, a device on no installed board's input gets no
// input, and OK requires one; a device on an offered input opens as always.
TEST_F(DeviceEditorFormTest, ARequiredInputIsNeverTakenSilently) {
    driver.boardRates = {48000};
    const struct {
        std::wstring name;
        int chosen;  // what the operator picks after opening; kNone: nothing
        std::wstring shown;
        bool refused;
    } cases[] = {
        {L"CX840 Input 3 B5", DeviceEditorForm::kNone, L"- | - of  | - of ", true},
        {L"CX840 Input 3 B5", 1,
         L"CX840 Input 2 B1 | 48000 of 8000,16000,24000,48000 | 341 of 341,682", false},
        {L"cx840 input 2 b1", DeviceEditorForm::kNone,
         L"CX840 Input 2 B1 | 48000 of 8000,16000,24000,48000 | 341 of 341,682", false},
    };
    for (const auto& c : cases) {
        DeviceEditorForm form(driver, boxes, Boards(), Device(c.name, 48000, 14));
        form.RequireOfferedInput();
        form.Open();
        if (c.chosen != DeviceEditorForm::kNone) {
            form.SelectName(c.chosen);
        }
        EXPECT_EQ(Shown(form), c.shown) << c.name;
        const Checked<DeviceInfo> checked = form.Check();
        ASSERT_EQ(checked.Accepted(), !c.refused) << c.name;
        if (c.refused) {
            EXPECT_EQ(checked.refusal.message.text,
                      L"The device 'CX840 Input 3 B5' is not an input of an installed board. "
                      L"Choose one of the inputs offered.");
            EXPECT_EQ(checked.refusal.message.flags, kError);
            EXPECT_EQ(checked.refusal.focusControl, IDC_DEVICE_NAME);
        } else {
            EXPECT_EQ(checked.record->Name, L"CX840 Input 2 B1");
        }
    }
}

}  // namespace
}  // namespace cuebell
