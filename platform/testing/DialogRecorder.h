#pragma once
// Test recorders for the message-box and beep seams. While one exists it
// answers every message box (and takes every beep) and records the call;
// it puts the previous handler back when it goes.
//
//   MessageBoxRecorder boxes;
//   boxes.Answer(IDNO);                 // answers in order; then OK / Yes
//   ... run the code ...
//   ASSERT_EQ(boxes.Count(), 1u);
//   EXPECT_EQ(boxes.Last().Text, "Are you sure to delete ?");

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <utility>
#include <vector>

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // Queues the answer of the next box not yet answered.
    void Answer(int id) { answers_.push_back(id); }
    // Runs while a box is "up", before it is answered.
    std::function<void(const MessageBoxCall&)> WhileShown;

    const std::vector<MessageBoxCall>& Calls() const { return calls_; }
    size_t Count() const { return calls_.size(); }
    const MessageBoxCall& Last() const { return calls_.back(); }
    void Clear() { calls_.clear(); }

private:
    std::vector<MessageBoxCall> calls_;
    std::deque<int> answers_;
    MessageBoxHandler previous_;
};

class BeepRecorder {
public:
    BeepRecorder();
    ~BeepRecorder();
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;

    // (frequency, duration) of each beep; (0, 0) for the default beep.
    const std::vector<std::pair<DWORD, DWORD>>& Beeps() const { return beeps_; }
    size_t Count() const { return beeps_.size(); }
    void Clear() { beeps_.clear(); }

private:
    std::vector<std::pair<DWORD, DWORD>> beeps_;
    BeepHandler previous_;
};
