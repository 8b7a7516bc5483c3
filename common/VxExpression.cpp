#include "VxExpression.h"

#include "common/TDateTime.h"


#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "common/VxCommonMessages.h"
#include "common/VxNumbers.h"
#include "common/VxOptionList.h"
#include "platform/Exception.h"
#include "platform/Text.h"

namespace {

constexpr std::string_view Blanks = " \t\r\n\v\f";
constexpr size_t npos = std::string_view::npos;

// Parentheses nest at most this deep. Each level is a call of its own, and
// expressions hold values from the agent: a deeper text is refused rather
// than let overflow the stack. Chains of operators and signs go in loops.
constexpr int MaxNesting = 256;

void CheckNesting(int depth) {
    if (depth > MaxNesting) throw Exception(VxCommonMessages[vcNestedTooDeeply], 0);
}

// ---------------------------------------------------------------------------
// Texts shared by both levels

// Which characters of a text lie between a pair of double quotes. Quotes pair
// up from the left; a quote without a partner opens nothing.
class QuotedRegions {
public:
    explicit QuotedRegions(std::string_view text) : Inside(text.size(), false) {
        size_t open = npos;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '"') continue;
            if (open == npos) {
                open = i;
                continue;
            }
            for (size_t j = open + 1; j < i; ++j) Inside[j] = true;
            open = npos;
        }
    }

    // First occurrence of `what` at or after `from` that does not begin inside quotes.
    size_t Find(std::string_view text, std::string_view what, size_t from = 0) const {
        for (size_t at = text.find(what, from); at != npos; at = text.find(what, at + 1))
            if (!Inside[at]) return at;
        return npos;
    }

    bool IsInside(size_t at) const { return Inside[at]; }

private:
    std::vector<bool> Inside;
};

// Position of the ")" that closes the "(" at `open`, or npos.
size_t MatchingParenthesis(std::string_view text, size_t open, const QuotedRegions* quotes = nullptr) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (quotes && quotes->IsInside(i)) continue;
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i;
    }
    return npos;
}

// Shortest decimal text that reads back as the same number, independent of
// the user's locale ("0.1", "-3", "1e-05", "inf").
template <typename Number>
std::string NumberText(Number value) {
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// ---------------------------------------------------------------------------
// Arithmetic level, in double or in long double

bool IsArithmeticOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The sign of an exponent, as in "1e-5" or "2.5E+3".
bool IsExponentSign(std::string_view t, size_t at) {
    return at >= 2 && (t[at - 1] == 'e' || t[at - 1] == 'E') && (IsDigit(t[at - 2]) || t[at - 2] == '.') &&
           at + 1 < t.size() && IsDigit(t[at + 1]);
}

// A "+" or "-" that stands between two operands, not a sign.
bool IsBinaryAddOrSubtract(std::string_view t, size_t at) {
    if (t[at] != '+' && t[at] != '-') return false;
    const size_t before = at == 0 ? npos : t.find_last_not_of(Blanks, at - 1);
    if (before == npos) return false;  // leading sign
    if (IsArithmeticOperator(t[before]) || t[before] == '(') return false;
    return !IsExponentSign(t, at);
}

template <typename Number>
Number EvalOperand(std::string_view t) {
    // Signs are applied one by one, so that the "-" of a number written back
    // in place of a parenthesis may follow another sign ("-(0-5)" is "--5").
    bool negative = false;
    for (t = Trim(t); !t.empty() && (t.front() == '-' || t.front() == '+'); t = Trim(t.substr(1)))
        if (t.front() == '-') negative = !negative;
    const Number value = SameText(t, "NOW") ? static_cast<Number>(DateTimeNow()) : static_cast<Number>(LenientLongDouble(t));
    return negative ? -value : value;
}

// Splits the text at the operators that `isOperator` accepts and folds the
// pieces from the left, so that equal operators group to the left.
template <typename Number, typename IsOperator, typename EvalPiece, typename Apply>
Number FoldLeft(std::string_view t, IsOperator isOperator, EvalPiece evalPiece, Apply apply) {
    size_t pieceStart = 0;
    std::optional<char> pending;
    Number value = 0;
    for (size_t i = 0; i <= t.size(); ++i) {
        if (i < t.size() && !isOperator(t, i)) continue;
        const Number piece = evalPiece(t.substr(pieceStart, i - pieceStart));
        value = pending ? apply(*pending, value, piece) : piece;
        if (i < t.size()) pending = t[i];
        pieceStart = i + 1;
    }
    return value;
}

template <typename Number>
Number EvalProduct(std::string_view t) {
    return FoldLeft<Number>(
        t, [](std::string_view s, size_t i) { return s[i] == '*' || s[i] == '/'; }, EvalOperand<Number>,
        [](char op, Number a, Number b) { return op == '*' ? a * b : a / b; });
}

template <typename Number>
Number EvalSum(std::string_view t) {
    return FoldLeft<Number>(t, IsBinaryAddOrSubtract, EvalProduct<Number>,
                            [](char op, Number a, Number b) { return op == '+' ? a + b : a - b; });
}

template <typename Number>
Number EvalArithmeticIn(const std::string& text, int depth = 0) {
    CheckNesting(depth);
    std::string t = text;
    // Each parenthesised part is replaced by its value, written as a number.
    for (;;) {
        const size_t open = t.find('(');
        const size_t close = open == npos ? npos : MatchingParenthesis(t, open);
        if (close == npos) break;
        const Number inner = EvalArithmeticIn<Number>(t.substr(open + 1, close - open - 1), depth + 1);
        t = t.substr(0, open) + NumberText(inner) + t.substr(close + 1);
    }
    return EvalSum<Number>(t);
}

// ---------------------------------------------------------------------------
// Comparison level

const char* const ComparisonOperators[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};

bool Compare(int op, const std::string& left, const std::string& right) {
    // std::string compares bytes as unsigned characters, and a prefix is smaller.
    const int order = left.compare(right);
    switch (op) {
        case 0: return order != 0;
        case 1: return order >= 0;
        case 2: return order <= 0;
        case 3: return order > 0;
        case 4: return order < 0;
        default: return order == 0;
    }
}

// A side of a comparison: trimmed, without enclosing quotes, "NOW" as the
// date number (the same for both sides of one comparison).
std::string ComparisonSide(std::string_view side, std::optional<std::string>& nowText) {
    const std::string text = StripQuotes(std::string(Trim(side)));
    if (!SameText(text, "NOW")) return text;
    if (!nowText) nowText = NumberText(DateTimeNow());
    return *nowText;
}

}  // namespace

// ---------------------------------------------------------------------------

namespace {

// One level of parentheses. "a|rest", "a&rest" and "!rest" evaluate their
// rest as a whole text again, which the loop does in place of a call: what
// is left to evaluate begins at `from`. A split is never inside quotes, so
// the quoted regions of the whole text are those of the rest as well.
bool EvalLogicAt(const std::string& text, int depth) {
    CheckNesting(depth);
    std::string t = text;
    size_t from = 0;
    QuotedRegions quotes(t);
    bool negated = false;
    for (;;) {
        // Each parenthesised part becomes "true" or "false" in place.
        for (;;) {
            const size_t open = quotes.Find(t, "(", from);
            const size_t close = open == npos ? npos : MatchingParenthesis(t, open, &quotes);
            if (close == npos) break;
            const bool inner = EvalLogicAt(t.substr(open + 1, close - open - 1), depth + 1);
            t = t.substr(from, open - from) + (inner ? "true" : "false") + t.substr(close + 1);
            from = 0;
            quotes = QuotedRegions(t);
        }

        if (const size_t bar = quotes.Find(t, "|", from); bar != npos) {
            if (EvalLogicAt(t.substr(from, bar - from), depth)) return !negated;
            from = bar + 1;
        } else if (const size_t amp = quotes.Find(t, "&", from); amp != npos) {
            if (!EvalLogicAt(t.substr(from, amp - from), depth)) return negated;
            from = amp + 1;
        } else if (const size_t first = t.find_first_not_of(Blanks, from); first != npos && t[first] == '!') {
            negated = !negated;
            from = first + 1;
        } else {
            return EvalCondition(t.substr(from)) != negated;
        }
    }
}

}  // namespace

bool EvalLogic(const std::string& text) { return EvalLogicAt(text, 0); }

bool EvalCondition(const std::string& text) {
    const QuotedRegions quotes(text);
    for (int op = 0; ComparisonOperators[op]; ++op) {
        const std::string_view symbol = ComparisonOperators[op];
        const size_t at = quotes.Find(text, symbol);
        if (at == npos) continue;
        std::optional<std::string> nowText;
        const std::string left = ComparisonSide(std::string_view(text).substr(0, at), nowText);
        const std::string right = ComparisonSide(std::string_view(text).substr(at + symbol.size()), nowText);
        return Compare(op, left, right);
    }
    const std::string_view word = Trim(text);
    if (SameText(word, "true")) return true;
    if (SameText(word, "false")) return false;
    throw Exception(VxCommonMessages[vcBadLogicOperand], 0);
}

double EvalArithmetic(const std::string& text) { return EvalArithmeticIn<double>(text); }

long double EvalArithmeticWide(const std::string& text) { return EvalArithmeticIn<long double>(text); }

int32_t SplitAtOperator(const char* const* operators, const std::string& text, std::string& left,
                        std::string& right) {
    if (!operators) return -1;
    for (int32_t i = 0; operators[i]; ++i) {
        const std::string_view op = operators[i];
        if (op.empty()) continue;
        const size_t at = text.find(op);
        if (at == npos) continue;
        left = text.substr(0, at);
        right = text.substr(at + op.size());
        return i;
    }
    return -1;
}

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replace) {
    if (find.empty()) return text;
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(find); at != npos; at = text.find(find, from)) {
        result.append(text, from, at - from).append(replace);
        from = at + find.size();
    }
    return result.append(text, from);
}

size_t FindCharRun(const std::string& text, size_t start, const std::string& charSet) {
    auto inSet = [&](size_t position) { return charSet.find(text[position - 1]) != std::string::npos; };
    if (start == 0 || start > text.size() || !inSet(start)) return 0;
    size_t last = start;
    while (last < text.size() && inSet(last + 1)) ++last;
    return last;
}
