// An in-memory MessageBoxPort for tests: records every box shown (owner, text, caption,
// flags) and answers from a scripted queue, then with a default answer.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "../message_box_port.h"

namespace core {

struct MessageBoxCall {
    WindowHandle owner = 0;
    std::wstring text;
    std::wstring caption;
    unsigned flags = 0;
};

class MemoryMessageBox : public MessageBoxPort {
  public:
    int Show(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
             unsigned flags) override;

    // The answers of the next boxes, in order.
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    // The answer of every box with no queued answer; 0 (the initial setting) answers
    // with the box's first button: IDOK for OK boxes, IDYES for Yes/No boxes.
    void SetDefaultAnswer(int answer) { defaultAnswer_ = answer; }
    size_t PendingAnswers() const { return answers_.size(); }

    const std::vector<MessageBoxCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

  private:
    std::vector<MessageBoxCall> calls_;
    std::deque<int> answers_;
    int defaultAnswer_ = 0;
};

// The button a box with these flags offers first (IDOK, IDYES, IDABORT, ...).
int FirstButtonOf(unsigned flags);

}  // namespace core
