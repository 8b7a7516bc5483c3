#pragma once
// Input constraints of edit boxes: a short format text keeps a box to one
// kind of value while the user types, and checks the whole value when the
// user leaves the box.
//
//   "%i{n1x4094l4}"  an integer from 1 to 4094, at most 4 characters
//   "%s{l32}"        a text of at most 32 characters
//   "%n,{x255l4f}"   exactly 4 numbers up to 255, separated by ","
//
// Format of one code: "%", a type letter (f number, h hex text, i integer,
// s text, u unsigned integer, n delimited number list, followed by its
// delimiter), then optionally options in braces, without separators:
//   n<number> lowest value      x<number> highest value
//   l<digits>[a][f][n] most characters (most numbers for n); a: move to the
//             next control once that many are typed, f: exactly that many,
//             n: an empty value is refused
//   w<digits> the box's width in pixels
//   e<char>   typing this character moves to the next control
// A bad code raises Exception with VxCommonMessages entry 2.
//
// Typing: a character the type does not allow is dropped with a beep.
// Leaving: a value that breaks the constraint is reported in a message box
// (entries 3 to 11), the box gets its last accepted text back and keeps the
// focus. Boxes keep their own OnChange and OnExit handlers: the constraint
// calls them after its own checks pass; a handler that sets the box's Tag to
// -1 refuses the change (typing goes no further; on leaving, the accepted
// text comes back).

#include "platform/Events.h"

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class TControl;
class TEdit;
class TForm;

class VxEditConstraint {
public:
    enum Flag : uint16_t {
        AutoAdvance = 1,   // l...a
        ExactLength = 2,   // l...f
        NotEmpty = 4,      // l...n
    };

    // One constrained edit box.
    struct Record {
        TEdit* Control = nullptr;
        QPointer<QWidget> ControlWidget;  // null once the box is destroyed
        char Type = 's';
        char ListDelimiter = 0;   // type n only
        double Min = 0;
        double Max = 0;
        int32_t Length = 0;       // 0 = no limit
        uint16_t Flags = 0;
        char NextChar = 0;        // 0 = none
        std::string AcceptedText;
        TNotifyEvent SavedOnChange;
        TNotifyEvent SavedOnExit;
    };

    // `owner`: the form whose message boxes and focus moves the checks use;
    // null means the form each box is on. `saveAccepted` 1: a value that
    // passes the leave check becomes the box's accepted text.
    VxEditConstraint(TForm* owner, uint8_t saveAccepted);
    // Boxes that still exist get their own handlers back, unless someone
    // replaced the constraint's since.
    ~VxEditConstraint();
    VxEditConstraint(const VxEditConstraint&) = delete;
    VxEditConstraint& operator=(const VxEditConstraint&) = delete;

    // Each "%" code of the format constrains the box of the same position in
    // `controls`. A bad code (or a code without a box) raises entry 2; the
    // boxes before it stay constrained.
    void Attach(const std::string& format, const std::vector<TEdit*>& controls);
    // One code for one box; a box constrained before gets the new constraint
    // in place of the old one.
    void AttachOne(const std::string& code, TEdit* edit);
    // Gives the box its own handlers back and forgets it. A box destroyed
    // before is only forgotten.
    void Detach(TControl* control);
    Record* Find(const TControl* control) const;
    // The box's current text becomes its accepted text.
    void SaveText(TControl* control);

    TForm* Owner() const { return Owner_; }
    void SetOwner(TForm* owner) { Owner_ = owner; }

    uint8_t SaveAccepted;

    // The handlers installed on every constrained box.
    void OnChange(TObject* sender);
    void OnExit(TObject* sender);

private:
    void RestoreHandlers(Record& record);
    TForm* FormOf(TEdit* edit) const;
    void MoveToNextControl(TEdit* edit) const;
    void RefuseExit(Record& record, const std::string& message);

    TForm* Owner_;
    std::vector<std::unique_ptr<Record>> Records;
};
