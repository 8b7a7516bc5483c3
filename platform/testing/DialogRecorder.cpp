#include "platform/testing/DialogRecorder.h"

MessageBoxRecorder::MessageBoxRecorder() {
    previous_ = SetMessageBoxHandler([this](const MessageBoxCall& call) {
        calls_.push_back(call);
        if (WhileShown) WhileShown(call);
        if (answers_.empty()) return DefaultMessageBoxAnswer(call.Flags);
        int answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(previous_); }

BeepRecorder::BeepRecorder() {
    previous_ = SetBeepHandler([this](DWORD frequency, DWORD duration) { beeps_.emplace_back(frequency, duration); });
}

BeepRecorder::~BeepRecorder() { SetBeepHandler(previous_); }
