// Tonegate's signal editor without its window: the typing filters (typed key by key, the
// caret where the edit control leaves it), the timing clamps, what it opens with, and the
// check its OK makes, refusal by refusal and in their order.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "shared/reg_values.h"
#include "tonegate/editors/signal_editor_form.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/tonegate_strings.h"
#include "tonegate/signal_editor_ids.h"

namespace tonegate {
namespace {

using TF = TimingField;

using Filter = FilteredEdit (*)(const EditText&);

struct Typed {
    EditText edit;
    size_t boxes = 0;
};

// Types the keys one by one at the caret, as an edit limited to `limit` characters takes
// them, and applies the filter after each key as the dialog does.
Typed Type(const std::wstring& keys, size_t limit, Filter filter) {
    Typed shown;
    for (wchar_t key : keys) {
        if (shown.edit.text.size() < limit) {
            shown.edit.text.insert(shown.edit.caret++, 1, key);
            const FilteredEdit filtered = filter(shown.edit);
            shown.boxes += filtered.messages.size();
            shown.edit = filtered.rewritten ? filtered.edit : shown.edit;
        }
    }
    return shown;
}

TEST(SignalEditorTyping, KeyByKeyLeavesTheFilteredTextWhereTheOperatorTyped) {
    const struct {
        Filter filter;
        size_t limit;
        std::wstring keys, shown;
        size_t boxes;
    } cases[] = {
        {FilterDigits, 4, L"0050", L"50", 0},    {FilterDigits, 5, L"000705", L"705", 0},
        {FilterDigits, 5, L"1a2", L"12", 0},     {FilterDigits, 5, L"10a0", L"100", 0},
        {FilterSymbols, 4, L"1d#x", L"1D#", 1},  {FilterSymbols, 4, L"xy*b", L"*B", 2},
        {FilterSymbols, 4, L"abcd", L"ABCD", 0},
    };
    for (const auto& c : cases) {
        const Typed shown = Type(c.keys, c.limit, c.filter);
        EXPECT_EQ(shown.edit.text, c.shown) << c.keys.c_str();
        EXPECT_EQ(shown.edit.caret, c.shown.size()) << c.keys.c_str();
        EXPECT_EQ(shown.boxes, c.boxes) << c.keys.c_str();
    }
}

TEST(SignalEditorTyping, EachFilterRewritesOnlyWhatChangesAndKeepsTheCaretInPlace) {
    const struct {
        bool symbols;
        EditText given, shown;
        bool rewritten;
        size_t boxes;
    } cases[] = {
        {false, {L"1,000", 5}, {L"1000", 4}, true, 0},  // a spin's thousands separator
        {false, {L"1x5", 2}, {L"15", 1}, true, 0},
        {false, {L"00", 1}, {L"0", 0}, true, 0},
        {false, {L"0", 1}, {L"0", 1}, false, 0},
        {false, {L"", 0}, {L"", 0}, false, 0},
        {false, {L"ms", 2}, {L"", 0}, true, 0},
        {false, {L"99999999999", 11}, {L"2147483647", 10}, true, 0},
        {true, {L"1D62", 2}, {L"1D62", 2}, false, 0},
        {true, {L"1d62x", 5}, {L"1D62", 4}, true, 0},  // cut to four before cleaning
        {true, {L"1x2", 2}, {L"12", 1}, true, 1},
        {true, {L"e#*9", 1}, {L"#*9", 0}, true, 1},
        {true, {L"--", 2}, {L"", 0}, true, 2},
    };
    for (const auto& c : cases) {
        const FilteredEdit shown = c.symbols ? FilterSymbols(c.given) : FilterDigits(c.given);
        EXPECT_EQ(shown.edit.text, c.shown.text) << c.given.text.c_str();
        EXPECT_EQ(shown.edit.caret, c.shown.caret) << c.given.text.c_str();
        EXPECT_EQ(shown.rewritten, c.rewritten) << c.given.text.c_str();
        ASSERT_EQ(shown.messages.size(), c.boxes) << c.given.text.c_str();
        for (const core::BoxMessage& box : shown.messages) {
            EXPECT_EQ(box.text, TonegateText(IDS_INVALID_SYMBOL));
            EXPECT_EQ(box.caption, TonegateText(IDS_CHECK_SYMBOLS_CAPTION));
            EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
        }
    }
}

TEST(SignalEditorClamp, LeavingATimingKeepsItWithinItsSpinsRange) {
    const struct {
        TF field;
        std::wstring text, shown;
    } cases[] = {{TF::SymbolDuration, L"5", L"10"},
                 {TF::SymbolDuration, L"9999", L"1000"},
                 {TF::SymbolDuration, L"", L"10"},
                 {TF::GapDuration, L"101", L"100"},
                 {TF::Deviation, L"9", L"10"},
                 {TF::Deviation, L"55", L"55"},
                 {TF::Delay, L"", L"0"},
                 {TF::Delay, L"1000001", L"1000000"},
                 {TF::Delay, L"99999999999", L"1000000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClampTiming(c.field, c.text), c.shown) << c.text.c_str();
    }
}

// The edits whose changes and focus losses the editor hands to the timing rules.
TEST(SignalEditorClamp, EachTimingEditIsFoundByItsControl) {
    const struct {
        int control;
        bool timing;
        TF field;
    } cases[] = {{IDC_SIGNAL_SYMBOL_DURATION, true, TF::SymbolDuration},
                 {IDC_SIGNAL_GAP_DURATION, true, TF::GapDuration},
                 {IDC_SIGNAL_DEVIATION, true, TF::Deviation},
                 {IDC_SIGNAL_DELAY, true, TF::Delay},
                 {IDC_SIGNAL_DELAY_SPIN, false, TF::SymbolDuration},
                 {IDC_SIGNAL_SYMBOLS, false, TF::SymbolDuration}};
    for (const auto& c : cases) {
        TF field = TF::SymbolDuration;
        EXPECT_EQ(TimingFieldOf(c.control, &field), c.timing) << c.control;
        EXPECT_EQ(field, c.field) << c.control;
    }
}

class SignalEditorFormTest : public ::testing::Test {
  protected:
    core::StringList boards{L"1", L"2"};
    core::ActionList actions{{L"Wait command", 1, 101}, {L"Mute", 0, 7}};
    CDTMFTaskInfo signal;

    SignalEditorSources Sources(std::vector<std::wstring> otherNames = {L"DTMF_News"}) const {
        return SignalEditorSources{TonegateText(IDS_EDIT_SIGNAL_TITLE), boards, actions,
                                   std::move(otherNames)};
    }
};

TEST_F(SignalEditorFormTest, OpensWithTheSignalsChoicesOrTheFirstAndItsTextsFiltered) {
    const struct {
        std::wstring device, action, symbols, delay;
        int32_t analysisType;
        int wantDevice, wantAction, wantChannel;
        std::wstring wantSymbols, wantDelay;
        size_t boxes;
    } cases[] = {
        {L"cx840 input 2 b2", L"MUTE", L"1D62", L"0", 2, 4, 1, 2, L"1D62", L"0", 0},
        {L"CX840 Input 1 B7", L"Gone", L"1x2d", L"0050", 7, 0, 0, 0, L"12D", L"50", 1},
    };
    for (const auto& c : cases) {
        signal.DeviceName = c.device;
        signal.Action.Name = c.action;
        signal.Symbols = c.symbols;
        signal.Delay = c.delay;
        signal.AnalysisType = c.analysisType;
        const SignalEditorOpening opening = OpeningForm(signal, Sources());
        EXPECT_EQ(opening.form.device, c.wantDevice) << c.device.c_str();
        EXPECT_EQ(opening.form.action, c.wantAction) << c.device.c_str();
        EXPECT_EQ(opening.form.channel, c.wantChannel) << c.device.c_str();
        EXPECT_EQ(opening.form.symbols, c.wantSymbols) << c.device.c_str();
        EXPECT_EQ(opening.form[TF::Delay], c.wantDelay) << c.device.c_str();
        EXPECT_EQ(opening.messages.size(), c.boxes) << c.device.c_str();
        EXPECT_EQ(CommentEnabled(opening.form, Sources()), c.wantAction == 0) << c.device.c_str();
    }
}

TEST_F(SignalEditorFormTest, OkRefusesTheFirstFaultWithItsBoxAndFocus) {
    const std::wstring add = TonegateText(IDS_ADD_SIGNAL_TITLE);
    const std::wstring edit = TonegateText(IDS_EDIT_SIGNAL_TITLE);
    const std::wstring symbolsCaption = TonegateText(IDS_CHECK_SYMBOLS_CAPTION);
    const unsigned warning = core::kMbIconWarning, error = core::kMbIconError;
    const struct {
        std::wstring name, comment, symbols;
        std::wstring text, caption;
        unsigned icon;
        int focus;
        std::wstring shownName;
    } cases[] = {
        {L"  ", L"a\nb", L"", TonegateText(IDS_SIGNAL_NAME_EMPTY), add, warning, IDC_SIGNAL_NAME,
         L""},
        {L" dtmf_news|x ", L"", L"1", TonegateText(IDS_SIGNAL_NAME_HAS_BAR), edit, error,
         IDC_SIGNAL_NAME, L"dtmf_news|x"},
        {L" News ", L"a\nb", L"", L"The detection signal with name 'DTMF_News' already exists!",
         add, warning, IDC_SIGNAL_NAME, L"News"},
        {L"dtmf_NEWS", L"", L"1",
         L"The detection signal with name 'DTMF_dtmf_NEWS' already exists!", add, warning,
         IDC_SIGNAL_NAME, L"dtmf_NEWS"},
        {L"Studio", L"a\rb", L"", TonegateText(IDS_COMMENT_HAS_LINE_BREAK), edit, error,
         IDC_SIGNAL_COMMENT, L"Studio"},
        {L"Studio", L"ok", L"", TonegateText(IDS_INVALID_SYMBOL), symbolsCaption, warning,
         IDC_SIGNAL_SYMBOLS, L"Studio"},
    };
    for (const auto& c : cases) {
        SignalEditorForm form = OpeningForm(signal, Sources()).form;
        form.name = c.name;
        form.comment = c.comment;
        form.symbols = c.symbols;
        form[TF::Deviation] = L"";
        const core::Checked<CDTMFTaskInfo> checked = CheckSignal(
            form, signal, Sources({L"DTMF_News", L"dtmf_dtmf_news", L"DTMF_dtmf_news|x"}));
        ASSERT_FALSE(checked.Accepted()) << c.name.c_str();
        EXPECT_EQ(checked.refusal.message.text, c.text) << c.name.c_str();
        EXPECT_EQ(checked.refusal.message.caption, c.caption) << c.name.c_str();
        EXPECT_EQ(checked.refusal.message.flags, core::kMbOk | c.icon) << c.name.c_str();
        EXPECT_EQ(checked.refusal.focusControl, c.focus) << c.name.c_str();
        EXPECT_EQ(form.name, c.shownName) << c.name.c_str();
        EXPECT_EQ(form[TF::Deviation], L"") << "a refused OK clamps nothing";
    }
}

// The store reads a name back through 519 UTF-16 units and the terminator: the name edit
// takes what that leaves beside the prefix, and OK refuses a longer name pasted in.
TEST_F(SignalEditorFormTest, OkRefusesANameTheStoreCannotReadBack) {
    const size_t limit = static_cast<size_t>(core::StoredNameEditLimit(kToolPrefix));
    const struct {
        std::wstring name;
        bool accepted;
    } cases[] = {
        {std::wstring(limit, L'n'), true},
        {std::wstring(limit + 1, L'n'), false},
        {kToolPrefix + std::wstring(limit, L'n'), true},
        {std::wstring(limit - 1, L'n') + L"\U0001F3B5", false},  // two UTF-16 units
    };
    for (const auto& c : cases) {
        SignalEditorForm form = OpeningForm(signal, Sources()).form;
        form.name = c.name;
        form.symbols = L"1";
        const core::Checked<CDTMFTaskInfo> checked = CheckSignal(form, signal, Sources());
        ASSERT_EQ(checked.Accepted(), c.accepted) << c.name.size();
        if (!c.accepted) {
            EXPECT_EQ(checked.refusal.message.text,
                      L"The detection signal name is too long: with its prefix 'DTMF_' it can "
                      L"hold at most 519 characters!");
            EXPECT_EQ(checked.refusal.message.flags, core::kMbOk | core::kMbIconError);
            EXPECT_EQ(checked.refusal.focusControl, IDC_SIGNAL_NAME);
        }
    }
}

TEST_F(SignalEditorFormTest, OkStoresThePrefixedNameTheChoicesAndEveryTimingClamped) {
    signal.Name = L"DTMF_News";
    signal.LoadedName = L"DTMF_Old";
    signal.DeviceName = L"CX840 Input 3 B9";  // a board no longer present
    signal.AnalysisType = 2;
    using Timings = std::array<std::wstring, kTimingFieldCount>;  // in the dialog's order
    const struct {
        std::wstring name;
        int device, channel;
        Timings typed;
        std::wstring storedName, storedDevice;
        int32_t analysisType;
        Timings stored;
    } cases[] = {
        {L"  Studio ",
         0,
         3,
         {L"5", L"", L"", L""},
         L"DTMF_Studio",
         L"CX840 Input 1 B1",
         3,
         {L"10", L"10", L"10", L"0"}},
        {L"DTMF_News",
         5,
         9,
         {L"9999", L"40", L"500", L"1000001"},
         L"DTMF_News",
         L"CX840 Input 3 B2",
         0,
         {L"1000", L"40", L"100", L"1000000"}},
    };
    for (const auto& c : cases) {
        SignalEditorForm form = OpeningForm(signal, Sources({})).form;
        EXPECT_EQ(form.device, 0) << "an absent device opens as the first";
        form.name = c.name;
        form.device = c.device;
        form.channel = c.channel;
        form.action = 1;
        form.comment = L"Top of the hour";
        form.timings = c.typed;
        const core::Checked<CDTMFTaskInfo> checked = CheckSignal(form, signal, Sources({}));
        ASSERT_TRUE(checked.Accepted()) << checked.refusal.message.text.c_str();
        const CDTMFTaskInfo& stored = *checked.record;
        EXPECT_EQ(stored.Name, c.storedName);
        EXPECT_EQ(stored.LoadedName, L"DTMF_Old");
        EXPECT_EQ(stored.DeviceName, c.storedDevice);
        EXPECT_EQ(stored.AnalysisType, c.analysisType);
        EXPECT_EQ(stored.Action.Name, L"Mute");
        EXPECT_EQ(stored.Action.Code, 7);
        EXPECT_EQ(stored.Comment, L"Top of the hour");
        EXPECT_EQ(stored.Symbols, L"1D62");
        EXPECT_EQ(
            Timings({stored.SymbolDuration, stored.GapDuration, stored.Deviation, stored.Delay}),
            c.stored);
        EXPECT_EQ(form.timings, c.stored) << "the edits show what is stored";
    }
}

// Opened from the configuration check, a signal on no installed board's input gets no
// device, and OK requires one; a signal on an offered input opens and saves as always.
TEST_F(SignalEditorFormTest, ARequiredDeviceIsNeverTakenSilently) {
    const struct {
        std::wstring device;
        int chosen;  // what the operator picks after opening; -1: nothing
        int wantOpened;
        bool refused;
    } cases[] = {
        {L"CX840 Input 1 B7", -1, -1, true},
        {L"CX840 Input 1 B7", 4, -1, false},
        {L"cx840 input 2 b2", -1, 4, false},
    };
    signal.Name = L"DTMF_Promo";
    signal.Symbols = L"12";
    for (const auto& c : cases) {
        signal.DeviceName = c.device;
        SignalEditorSources sources = Sources();
        sources.requireOfferedDevice = true;
        SignalEditorForm form = OpeningForm(signal, sources).form;
        EXPECT_EQ(form.device, c.wantOpened) << c.device.c_str();
        if (c.chosen >= 0) {
            form.device = c.chosen;
        }
        const core::Checked<CDTMFTaskInfo> checked = CheckSignal(form, signal, sources);
        ASSERT_EQ(checked.Accepted(), !c.refused) << c.device.c_str();
        if (c.refused) {
            EXPECT_EQ(checked.refusal.message.text,
                      L"The device 'CX840 Input 1 B7' is not an input of an installed board. "
                      L"Choose one of the devices offered.");
            EXPECT_EQ(checked.refusal.message.flags, core::kMbOk | core::kMbIconError);
            EXPECT_EQ(checked.refusal.focusControl, IDC_SIGNAL_DEVICE);
        } else {
            EXPECT_EQ(checked.record->DeviceName, L"CX840 Input 2 B2") << c.device.c_str();
        }
    }
}

}  // namespace
}  // namespace tonegate
