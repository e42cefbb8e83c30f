#include "boards.h"

#include "format.h"
#include "reg_values.h"
#include "text.h"

namespace core {

namespace {

const wchar_t* const kInputNamePrefix = L"CX840 Input";
const int32_t kInputsPerBoard = 3;

void FillRateList(int32_t rate, StringList* rates) {
    if (rate == 48000) {
        *rates = {L"48000", L"24000", L"16000", L"8000"};
    } else {
        *rates = {L"44100", L"22050", L"11025"};
    }
}

}  // namespace

bool GetBoardList(BoardDriverPort& driver, MessageBoxPort& boxes, WindowHandle owner,
                  const NoBoardMessage& message, StringList* boards) {
    boards->clear();
    std::unique_ptr<BoardDriver> board = driver.Create();
    int32_t count = 0;
    if (board) {
        board->GetBoardCount(&count);  // its result code is not examined; the count says it all
    }
    if (!board || count <= 0) {
        boxes.Show(owner, message.text, message.caption, kMbOk | kMbIconError);
        return false;
    }
    for (int32_t b = 1; b <= count; ++b) {
        boards->push_back(Format(L"%d", b));
    }
    return true;
}

void BuildInputNames(const StringList& boards, StringList* names) {
    names->clear();
    for (const auto& board : boards) {
        for (int32_t input = 1; input <= kInputsPerBoard; ++input) {
            names->push_back(Format(L"%s %d B%s", kInputNamePrefix, input, board));
        }
    }
}

int32_t BoardNumberOf(const std::wstring& name) {
    std::wstring trimmed = Trim(name);
    size_t start = trimmed.size();
    while (start > 0 && IsDigit(trimmed[start - 1])) {
        --start;
    }
    if (start == trimmed.size()) {
        return -1;
    }
    return ParseLeadingInt(trimmed.substr(start));
}

namespace {

enum class RateAnswer { Known, NoDriver, NoBoard, NoRate };

// Asks the driver for the rate of the board (its own number, from 1).
RateAnswer AskBoardRate(BoardDriverPort& driver, int32_t board, int32_t* rate) {
    std::unique_ptr<BoardDriver> instance = driver.Create();
    if (!instance) {
        return RateAnswer::NoDriver;
    }
    if (instance->SelectBoard(board - 1) < 0) {
        return RateAnswer::NoBoard;
    }
    return instance->GetSampleRate(rate) < 0 ? RateAnswer::NoRate : RateAnswer::Known;
}

}  // namespace

bool AskBoardSampleRate(BoardDriverPort& driver, int32_t board, int32_t* rate) {
    return AskBoardRate(driver, board, rate) == RateAnswer::Known;
}

bool GetRateList(BoardDriverPort& driver, MessageBoxPort& boxes, const NoBoardMessage& message,
                 int32_t board, int32_t rate, StringList* rates) {
    rates->clear();
    int32_t boardRate = 1;
    if (board == -1) {
        boardRate = rate;
    } else {
        switch (AskBoardRate(driver, board, &boardRate)) {
            case RateAnswer::NoDriver:
                boxes.Show(0, message.text, message.caption, kMbOk | kMbIconWarning);
                return false;
            case RateAnswer::NoBoard:
                return false;
            case RateAnswer::NoRate:
                boardRate = 44100;  // a failed rate query offers the 44100 family
                break;
            case RateAnswer::Known:
                break;
        }
    }
    FillRateList(boardRate, rates);
    return true;
}

bool KnownRateList(BoardDriverPort& driver, int32_t board, StringList* rates) {
    rates->clear();
    int32_t boardRate = 1;
    if (AskBoardRate(driver, board, &boardRate) != RateAnswer::Known) {
        return false;
    }
    FillRateList(boardRate, rates);
    return true;
}

int32_t MinAnalysisDigit(int32_t rate) {
    int64_t samplesIn300Ms = static_cast<int64_t>(rate) * 300 / 1000;
    int32_t digit = 1;
    while (digit < 62 && (int64_t{1} << digit) <= samplesIn300Ms) {
        ++digit;
    }
    return digit;
}

int32_t MaxAnalysisDigit(int32_t rate) {
    int32_t digit = 0;
    while (digit < 62 && (int64_t{1} << (digit + 1)) <= rate) {
        ++digit;
    }
    return digit;
}

bool InitRateChoice(BoardDriverPort& driver, MessageBoxPort& boxes, const NoBoardMessage& message,
                    RateChoice* choice, int32_t board, int32_t rate) {
    StringList rates;
    if (!GetRateList(driver, boxes, message, board, rate, &rates)) {
        return false;
    }
    choice->Rates.clear();
    for (const auto& text : rates) {
        choice->Rates.push_back(ParseLeadingInt(text));
    }
    choice->NativeRate = choice->Rates.front();
    choice->Selected = 0;
    RebuildDigits(choice);
    return true;
}

void RebuildDigits(RateChoice* choice) {
    choice->Digits.clear();
    if (choice->Selected < 0 || static_cast<size_t>(choice->Selected) >= choice->Rates.size()) {
        return;
    }
    int32_t rate = choice->Rates[static_cast<size_t>(choice->Selected)];
    for (int32_t d = MinAnalysisDigit(rate); d <= MaxAnalysisDigit(rate); ++d) {
        choice->Digits.push_back(d);
    }
}

void NormalizeRateAndDigit(RateChoice* choice, int32_t* rate, int32_t* digit) {
    if (choice->Rates.empty()) {
        return;  // nothing to choose from; the caller's values stand
    }
    choice->Selected = 0;
    for (size_t i = 0; i < choice->Rates.size(); ++i) {
        if (choice->Rates[i] == *rate) {
            choice->Selected = static_cast<int32_t>(i);
            break;
        }
    }
    *rate = choice->Rates[static_cast<size_t>(choice->Selected)];
    choice->NativeRate = choice->Rates.front();
    RebuildDigits(choice);
    if (choice->Digits.empty()) {
        return;
    }
    for (int32_t d : choice->Digits) {
        if (d == *digit) {
            return;
        }
    }
    *digit = choice->Digits.front();
}

}  // namespace core
