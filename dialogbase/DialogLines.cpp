#include "dialogbase/DialogLines.h"

#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"

TDialogLines::TDialogLines(TObject* target, ActionOver actionOver) : Target_(target), Over(std::move(actionOver)) {}

namespace {

enum Rank { ReadDone, WriteDone, Failure };

}  // namespace

void TDialogLines::PutLine(const std::string& line, bool ok, const VxSNMPRequest2Controls* from) {
    const bool write = from && from->LastOp == 1;
    Add({line, !ok ? Failure : write ? WriteDone : ReadDone});
    if (Over && Over(from, ok)) EndAction();
}

void TDialogLines::Put(const std::string& line, bool ok) { PutLine(line, ok, nullptr); }

void TDialogLines::Add(const Line& line) {
    auto* memo = dynamic_cast<TMemo*>(Target_);
    if (Ended || !StillShown()) {
        Lines.clear();
        FirstMemoLine = memo ? memo->Lines()->Count() : 0;
        Ended = false;
    }
    const auto at = std::find_if(Lines.begin(), Lines.end(), [&](const Line& l) { return l.Rank > line.Rank; });
    const bool last = at == Lines.end();
    const int memoLine = FirstMemoLine + static_cast<int>(at - Lines.begin());
    Lines.insert(at, line);
    if (memo) {
        if (last) memo->Lines()->Add(line.Text);
        else memo->Lines()->Insert(memoLine, line.Text);
    } else if (auto* panel = dynamic_cast<TStatusPanel*>(Target_)) {
        panel->SetText(Joined());
    } else if (auto* bar = dynamic_cast<TStatusBar*>(Target_)) {
        bar->SetSimpleText(Joined());
    }
}

bool TDialogLines::StillShown() const {
    if (auto* memo = dynamic_cast<TMemo*>(Target_)) {
        const TStrings& shown = *memo->Lines();
        if (shown.Count() < FirstMemoLine + static_cast<int>(Lines.size())) return false;
        for (size_t k = 0; k < Lines.size(); ++k)
            if (shown.Get(FirstMemoLine + static_cast<int>(k)) != Lines[k].Text) return false;
        return true;
    }
    if (auto* panel = dynamic_cast<TStatusPanel*>(Target_)) return panel->Text() == Joined();
    if (auto* bar = dynamic_cast<TStatusBar*>(Target_)) return bar->SimpleText() == Joined();
    return false;
}

std::string TDialogLines::Joined() const {
    std::string text;
    for (auto line = Lines.rbegin(); line != Lines.rend(); ++line) text += (text.empty() ? "" : "  ") + line->Text;
    return text;
}
