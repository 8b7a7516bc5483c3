#pragma once
// What a dialog shows of its result lines and failure reports, one action
// of the user at a time. The frame (DialogFrame.h) gives each message
// target of the dialog (Memo1, panel 0 of StatusBar1, or the bar's simple
// text) one of these as the message target of its controllers, and reports
// its guards' failures through it. Lines of one action (a handler and the
// work it started, until the dialog is idle again) are kept together, and
// none is written over another:
//
// - they stand in this order: the reads that went well, the write's own
//   line, then the failures in the order they came (the frame reports a
//   write's refusal after the read's failure): the last word is the write's
//   own result, and an action whose reads partly failed ends on the failure,
//   whichever answer came first;
// - a memo shows one line each, in that order; a status panel or bar shows
//   them side by side, the last word first, so that the read after a write
//   adds its line beside the write's;
// - the next action starts afresh (a panel then shows its lines alone), and
//   lines that another hand wrote meanwhile are left as they stand.

#include <functional>
#include <string>
#include <vector>

#include "framework/VxSNMPRequest2Controls.h"

class TDialogLines : public VxMessageSink {
public:
    // `target`: a TMemo, a TStatusBar (its simple text) or a TStatusPanel.
    // `actionOver`: asked after each line, whether the action is over with
    // it (the controller whose line it was, or none for a report).
    using ActionOver = std::function<bool(const VxSNMPRequest2Controls* from, bool ok)>;
    TDialogLines(TObject* target, ActionOver actionOver);

    TObject* Target() const { return Target_; }

    void PutLine(const std::string& line, bool ok, const VxSNMPRequest2Controls* from) override;
    // A report of the dialog's own (a failure, or a line of its own words).
    void Put(const std::string& line, bool ok);
    // The next line begins another action.
    void EndAction() { Ended = true; }

private:
    struct Line {
        std::string Text;
        int Rank;  // where it stands: a read's success, a write's, a failure
    };
    void Add(const Line& line);
    // Whether the target still shows this action's lines as they were put.
    bool StillShown() const;
    std::string Joined() const;

    TObject* Target_;
    ActionOver Over;
    std::vector<Line> Lines;  // the action's, in the order shown
    int FirstMemoLine = 0;    // where the action's lines begin in a memo
    bool Ended = true;
};
