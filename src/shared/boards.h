// Boards, their inputs, their sample rates and the analysis windows a rate allows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board_driver_port.h"
#include "message_box_port.h"

namespace core {

using StringList = std::vector<std::wstring>;

// The text and caption each program shows when no board can be found.
struct NoBoardMessage {
    std::wstring text;
    std::wstring caption;
};

// The board list "1" to "n"; false (after the message, owned by owner) when the driver
// cannot be created or reports no board.
bool GetBoardList(BoardDriverPort& driver, MessageBoxPort& boxes, WindowHandle owner,
                  const NoBoardMessage& message, StringList* boards);

// "CX840 Input j Bb" for every board b and input j = 1..3, board by board.
void BuildInputNames(const StringList& boards, StringList* names);

// The trailing decimal digits of the trimmed name; -1 when there are none.
int32_t BoardNumberOf(const std::wstring& name);

// The rate an installed board (numbered from 1) runs at, asked without a word: false when
// the driver cannot be created, the board selected or its rate obtained.
bool AskBoardSampleRate(BoardDriverPort& driver, int32_t board, int32_t* rate);

// The rates a board allows ("48000" family or "44100" family); board -1 uses the given
// rate instead of asking the driver. False when the driver cannot be created (after a
// warning with no owner) or the board cannot be selected.
bool GetRateList(BoardDriverPort& driver, MessageBoxPort& boxes, const NoBoardMessage& message,
                 int32_t board, int32_t rate, StringList* rates);

// The rates of an installed board (numbered from 1), asked without a word: false when the
// driver cannot be created, the board selected or its own rate obtained.
bool KnownRateList(BoardDriverPort& driver, int32_t board, StringList* rates);

int32_t MinAnalysisDigit(int32_t rate);
int32_t MaxAnalysisDigit(int32_t rate);

struct RateChoice {
    int32_t NativeRate = 0;
    std::vector<int32_t> Rates;
    int32_t Selected = 0;
    std::vector<int32_t> Digits;
};

bool InitRateChoice(BoardDriverPort& driver, MessageBoxPort& boxes, const NoBoardMessage& message,
                    RateChoice* choice, int32_t board, int32_t rate);
void RebuildDigits(RateChoice* choice);
void NormalizeRateAndDigit(RateChoice* choice, int32_t* rate, int32_t* digit);

}  // namespace core
