#include "common/VxEditConstraint.h"

#include "common/TDateTime.h"
#include "common/VxCommonMessages.h"
#include "common/VxExpression.h"
#include "common/VxNumList.h"
#include "common/VxNumbers.h"
#include "common/VxValueMarkers.h"
#include "platform/Dialogs.h"
#include "platform/Exception.h"
#include "platform/Forms.h"
#include "platform/QtText.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <QWidget>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace {

using Record = VxEditConstraint::Record;
constexpr size_t npos = std::string::npos;

// While a refused value's message is up and the focus goes back to its box,
// the focus passes other boxes that were never entered: their "exit" is no
// user leaving them, and checking it would make two refused boxes pull the
// focus back and forth.
bool RefusalInProgress = false;

[[noreturn]] void BadFormat() { throw Exception(VxCommonMessages[vcBadConstraintFormat], 0); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// ---------------------------------------------------------------------------
// Format codes

void SetDefaultBounds(Record& r) {
    switch (r.Type) {
    case 'i':
        r.Min = std::numeric_limits<int32_t>::min();
        r.Max = std::numeric_limits<int32_t>::max();
        break;
    case 'u':
    case 'n':
        r.Min = 0;
        r.Max = std::numeric_limits<uint32_t>::max();
        break;
    default:  // f (and h, s, which have no bounds): any number
        r.Min = -std::numeric_limits<double>::max();
        r.Max = std::numeric_limits<double>::max();
        break;
    }
}

int32_t DigitsValue(std::string_view digits) {
    return static_cast<int32_t>(std::min<long long>(LenientInteger(digits), std::numeric_limits<int32_t>::max()));
}

// Reads the options between the braces of one code.
class OptionReader {
public:
    OptionReader(std::string_view options, Record& record) : text_(options), r_(record) {}

    // Returns the width option (0 when none).
    int Read() {
        while (pos_ < text_.size()) {
            switch (text_[pos_++]) {
            case 'n': r_.Min = LenientDouble(Run("-0123456789.")); break;
            case 'x': r_.Max = LenientDouble(Run("-0123456789.")); break;
            case 'l':
                r_.Length = DigitsValue(Run("0123456789"));
                ReadLengthFlags();
                break;
            case 'w': width_ = DigitsValue(Run("0123456789")); break;
            case 'e':
                if (pos_ >= text_.size()) BadFormat();
                r_.NextChar = text_[pos_++];
                break;
            default: BadFormat();
            }
        }
        return width_;
    }

private:
    // The run of characters from `set` at the read position; at least one.
    std::string_view Run(std::string_view set) {
        size_t end = text_.find_first_not_of(set, pos_);
        if (end == npos) end = text_.size();
        if (end == pos_) BadFormat();
        std::string_view run = text_.substr(pos_, end - pos_);
        pos_ = end;
        return run;
    }

    void ReadLengthFlags() {
        for (int i = 0; i < 3 && pos_ < text_.size(); ++i) {
            switch (text_[pos_]) {
            case 'a': r_.Flags |= VxEditConstraint::AutoAdvance; break;
            case 'f': r_.Flags |= VxEditConstraint::ExactLength; break;
            case 'n': r_.Flags |= VxEditConstraint::NotEmpty; break;
            default: return;
            }
            ++pos_;
        }
    }

    std::string_view text_;
    Record& r_;
    size_t pos_ = 0;
    int width_ = 0;
};

// One code: "%", the type letter (for n also its delimiter), then optionally
// "{options}". Raises entry 2 on anything else.
Record ParseCode(std::string_view code, int& width) {
    if (code.size() < 2 || code[0] != '%') BadFormat();
    Record r;
    r.Type = code[1];
    if (std::string_view("fhisun").find(r.Type) == npos) BadFormat();
    size_t optionsAt = 2;
    if (r.Type == 'n') {
        if (code.size() < 3) BadFormat();
        r.ListDelimiter = code[2];
        optionsAt = 3;
    }
    SetDefaultBounds(r);
    width = 0;
    if (code.size() > optionsAt) {
        if (code[optionsAt] != '{' || code.back() != '}' || code.size() < optionsAt + 2) BadFormat();
        width = OptionReader(code.substr(optionsAt + 1, code.size() - optionsAt - 2), r).Read();
    }
    return r;
}

// "%i%s{l8}" gives "%i" and "%s{l8}": every "%" after the first character
// starts the next code.
std::vector<std::string> SplitCodes(const std::string& format) {
    std::vector<std::string> codes;
    size_t start = 0;
    for (size_t i = 1; i <= format.size(); ++i) {
        if (i < format.size() && format[i] != '%') continue;
        codes.push_back(format.substr(start, i - start));
        start = i;
    }
    return codes;
}

// ---------------------------------------------------------------------------
// Typing

// Whether the type allows `c` after the characters `kept` that stay before
// it (`pointKept`: they hold a ".").
bool Allows(const Record& r, const std::string& kept, bool pointKept, char c) {
    if (IsDigit(c)) return true;
    switch (r.Type) {
    case 'f': return (c == '-' && kept.empty()) || (c == '.' && !pointKept);
    case 'h': return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    case 'i': return c == '-' && kept.empty();
    case 'u': return false;
    case 'n': return c == r.ListDelimiter && !kept.empty() && kept.back() != c;
    default: return true;
    }
}

// What typing keeps of a text: the text less each character the type does
// not allow. Removing the first such character again and again gives the
// same text, as whether a character is allowed depends only on the ones
// kept before it; one pass here does it in linear time, whatever the length.
struct FilteredText {
    std::string Text;
    int RemovedUnits = 0;  // what went, counted as the box counts its caret
};

FilteredText Filter(const Record& r, std::string_view text) {
    FilteredText result;
    if (std::string_view("fhiun").find(r.Type) == npos) {
        result.Text = text;
        return result;
    }
    // The box counts UTF-16 units: one per character, two beyond the BMP; a
    // text that is not UTF-8 shows a character per byte.
    const bool utf8 = IsUtf8(text);
    bool pointKept = false;
    for (const char c : text) {
        if (Allows(r, result.Text, pointKept, c)) {
            result.Text += c;
            pointKept = pointKept || c == '.';
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (!utf8 || byte < 0x80) ++result.RemovedUnits;
        else if (byte >= 0xF0) result.RemovedUnits += 2;
        else if (byte >= 0xC0) ++result.RemovedUnits;
    }
    return result;
}

// ---------------------------------------------------------------------------
// Leaving

uint32_t ToUnsigned(double value) {
    if (!(value > 0)) return 0;
    if (value >= std::numeric_limits<uint32_t>::max()) return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(value);
}

std::string FilledMessage(VxCommonMessage entry, std::initializer_list<std::pair<const char*, std::string>> values) {
    std::string text = VxCommonMessages[entry];
    for (const auto& [placeholder, value] : values) text = ReplaceAll(text, placeholder, value);
    return text;
}

std::optional<std::string> CheckNumber(const Record& r, const std::string& text) {
    const double value = LenientDouble(text);
    if (value >= r.Min && value <= r.Max) return std::nullopt;
    return FilledMessage(vcNumberRange, {{"[MIN]", FloatToStr(r.Min)}, {"[MAX]", FloatToStr(r.Max)}});
}

std::optional<std::string> CheckTextLength(const Record& r, const std::string& text) {
    if (r.Length <= 0) return std::nullopt;
    const bool hex = r.Type == 'h';
    const std::string length = std::to_string(r.Length);
    const auto size = static_cast<int64_t>(text.size());
    if (r.Flags & VxEditConstraint::ExactLength) {
        if (size == r.Length) return std::nullopt;
        return FilledMessage(hex ? vcHexTextLength : vcTextLength, {{"[LEN]", length}});
    }
    if (size <= r.Length) return std::nullopt;
    return FilledMessage(hex ? vcHexTextTooLong : vcTextTooLong, {{"[MAXLEN]", length}});
}

// Whether every number of the list fits 32 bits: the list's own reading
// wraps longer numbers around, which would let 4294967296 pass as 0.
bool NumbersFitUnsigned(const std::string& text, char delimiter) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(delimiter, start);
        if (end == npos) end = text.size();
        std::string_view field(text.data() + start, end - start);
        field = field.substr(0, field.find('.'));
        const NumberRead number = ReadNumber(field, NumberShape::Integer);
        if (number.Overflow || number.Magnitude > std::numeric_limits<uint32_t>::max()) return false;
        start = end + 1;
    }
    return true;
}

std::optional<std::string> CheckNumberList(const Record& r, const std::string& text) {
    const std::string delimiter(1, r.ListDelimiter);
    VxNumList<unsigned int> numbers;
    numbers.Separator = r.ListDelimiter;
    numbers.Parse(text);
    if (r.Length > 0) {
        const std::string length = std::to_string(r.Length);
        if (r.Flags & VxEditConstraint::ExactLength) {
            if (numbers.Count() != r.Length)
                return FilledMessage(vcListCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", length}});
        } else if (numbers.Count() > r.Length) {
            return FilledMessage(vcListTooLong, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", length}});
        }
    }
    const uint32_t lo = ToUnsigned(r.Min), hi = ToUnsigned(r.Max);
    if (numbers.AllInRange(lo, hi) && NumbersFitUnsigned(text, r.ListDelimiter)) return std::nullopt;
    return FilledMessage(vcListRange, {{"[DELIMITER]", delimiter},
                                 {"[MIN]", std::to_string(lo)},
                                 {"[MAX]", std::to_string(hi)}});
}

// The message that refuses a non-empty text, or nothing when it passes.
std::optional<std::string> CheckValue(const Record& r, const std::string& text) {
    switch (r.Type) {
    case 'f':
    case 'i':
    case 'u': return CheckNumber(r, text);
    case 'h':
    case 's': return CheckTextLength(r, text);
    case 'n': return CheckNumberList(r, text);
    default: return std::nullopt;
    }
}

std::string ProgramFileName() { return Application ? ExtractFileName(Application->ExeName()) : std::string(); }

}  // namespace

// ---------------------------------------------------------------------------

VxEditConstraint::VxEditConstraint(TForm* owner, uint8_t saveAccepted)
    : SaveAccepted(saveAccepted), Owner_(owner) {}

// A box whose form outlives the registry must not keep handlers that call
// into it.
VxEditConstraint::~VxEditConstraint() {
    for (const auto& r : Records) RestoreHandlers(*r);
}

void VxEditConstraint::RestoreHandlers(Record& r) {
    if (!r.ControlWidget) return;
    TEdit* edit = r.Control;
    if (edit->OnChange == TNotifyEvent(this, &VxEditConstraint::OnChange)) edit->OnChange = r.SavedOnChange;
    if (edit->OnExit == TNotifyEvent(this, &VxEditConstraint::OnExit)) edit->OnExit = r.SavedOnExit;
}

void VxEditConstraint::Attach(const std::string& format, const std::vector<TEdit*>& controls) {
    const std::vector<std::string> codes = SplitCodes(format);
    for (size_t k = 0; k < codes.size(); ++k) {
        if (k >= controls.size() || !controls[k]) BadFormat();
        AttachOne(codes[k], controls[k]);
    }
}

void VxEditConstraint::AttachOne(const std::string& code, TEdit* edit) {
    int width = 0;
    auto record = std::make_unique<Record>(ParseCode(code, width));
    Detach(edit);
    record->Control = edit;
    record->ControlWidget = static_cast<TControl*>(edit)->Widget();
    record->SavedOnChange = edit->OnChange;
    record->SavedOnExit = edit->OnExit;
    // A list's length counts numbers, not characters.
    edit->SetMaxLength(record->Type == 'n' ? 0 : record->Length);
    if (width > 0) edit->SetWidth(width);
    edit->OnChange = TNotifyEvent(this, &VxEditConstraint::OnChange);
    edit->OnExit = TNotifyEvent(this, &VxEditConstraint::OnExit);
    Records.push_back(std::move(record));
}

void VxEditConstraint::Detach(TControl* control) {
    for (auto it = Records.begin(); it != Records.end(); ++it) {
        if ((*it)->Control != control) continue;
        RestoreHandlers(**it);
        Records.erase(it);
        return;
    }
}

VxEditConstraint::Record* VxEditConstraint::Find(const TControl* control) const {
    for (const auto& r : Records)
        if (r->Control == control) return r.get();
    return nullptr;
}

void VxEditConstraint::SaveText(TControl* control) {
    if (Record* r = Find(control)) r->AcceptedText = r->Control->Text();
}

TForm* VxEditConstraint::FormOf(TEdit* edit) const { return Owner_ ? Owner_ : GetParentForm(edit); }

// Only a box the user is typing in moves the focus on: a value the program
// puts into a box must not pull the focus away from where the user is.
void VxEditConstraint::MoveToNextControl(TEdit* edit) const {
    TForm* form = FormOf(edit);
    if (form && edit->Focused()) PostMessageA(form->Handle(), WM_NEXTDLGCTL, 0, 0);
}

void VxEditConstraint::OnChange(TObject* sender) {
    auto* edit = dynamic_cast<TEdit*>(sender);
    if (!edit) return;
    const std::string text = edit->Text();
    Record* r = Find(edit);
    if (IsValueMarker(text) || !r) return;
    // An emptied box holds no value: a refused entry must not bring back one
    // of another row, or one the user took out.
    if (text.empty()) {
        r->AcceptedText.clear();
        return;
    }

    // Every next-control character and every character the type does not
    // allow go at once, and the text is set once: setting it runs this
    // handler again, on a text that passes.
    std::string rest = text;
    if (r->NextChar) std::erase(rest, r->NextChar);
    const bool movesOn = rest.size() != text.size();
    const FilteredText kept = Filter(*r, rest);
    if (movesOn || kept.RemovedUnits > 0) {
        const int caret = edit->SelStart();
        edit->SetText(kept.Text);
        if (kept.RemovedUnits > 0) {
            edit->SetSelStart(std::max(caret - kept.RemovedUnits, 0));
            Beep(1000, 200);
        }
        if (movesOn) MoveToNextControl(edit);
        return;
    }
    // The chained handler may detach the box; keep what the rest needs.
    const bool advance = (r->Flags & AutoAdvance) && r->Length > 0 &&
                         static_cast<int64_t>(text.size()) == r->Length;
    if (const TNotifyEvent chained = r->SavedOnChange) {
        chained(sender);
        if (edit->Tag() == -1) return;
    }
    if (advance) MoveToNextControl(edit);
}

void VxEditConstraint::OnExit(TObject* sender) {
    auto* edit = dynamic_cast<TEdit*>(sender);
    if (!edit || RefusalInProgress) return;
    const std::string text = edit->Text();
    Record* r = Find(edit);
    if (IsValueMarker(text) || !r) return;

    if (text.empty()) {
        if (r->Flags & NotEmpty) RefuseExit(*r, VxCommonMessages[vcEmptyValue]);
        return;
    }
    if (std::optional<std::string> refusal = CheckValue(*r, text)) {
        RefuseExit(*r, *refusal);
        return;
    }
    if (const TNotifyEvent chained = r->SavedOnExit) {
        chained(sender);
        if (!(r = Find(edit))) return;
        if (edit->Tag() == -1) {
            edit->SetText(r->AcceptedText);
            return;
        }
    }
    if (SaveAccepted) r->AcceptedText = edit->Text();
}

void VxEditConstraint::RefuseExit(Record& record, const std::string& message) {
    TEdit* edit = record.Control;
    TForm* form = FormOf(edit);
    struct Guard {
        Guard() { RefusalInProgress = true; }
        ~Guard() { RefusalInProgress = false; }
    } refusing;
    MessageBoxA(form ? form->Handle() : nullptr, message, ProgramFileName(), MB_OK);
    // The message box runs the message loop: the box may have been detached
    // or destroyed meanwhile.
    const Record* r = Find(edit);
    if (r && r->ControlWidget) {
        edit->SetText(r->AcceptedText);
        edit->SetFocus();
    }
}
