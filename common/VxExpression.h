#pragma once
// A small evaluator of texts: logical conditions such as (a<>b)&!(c=d) and
// arithmetic such as NOW-1.5, worked out directly on the text. Item
// expressions and row filters reach it after their item references have been
// expanded into numbers and quoted texts.

#include <cstddef>
#include <cstdint>
#include <string>

// Logical level: parentheses first, then "|" (lowest), "&", a leading "!",
// and finally the comparison level. "|" and "&" evaluate their right side only
// when the left side does not decide the result. Operator characters inside
// double quotes belong to the quoted text. Parentheses nested deeper than 256
// levels throw Exception with VxCommonMessages entry 19.
bool EvalLogic(const std::string& text);

// Comparison level: the first operator found of "<>", ">=", "<=", ">", "<",
// "=" (in that order, outside double quotes) splits the text; both sides are
// trimmed, lose one pair of enclosing quotes, "NOW" becomes the current date
// number, and the sides are compared as texts, byte by byte ("10" < "9").
// Without an operator the text must read "true" or "false" (any case);
// anything else throws Exception with VxCommonMessages entry 1.
bool EvalCondition(const std::string& text);

// Arithmetic level: parentheses first, "*" and "/" before "+" and "-";
// operators of equal precedence group to the left (8-2-1 is 5). A "+" or "-"
// at the start or after another operator is a sign ("2*-3" is -6), and one
// inside a number's exponent ("1e-5") belongs to the number. Operands are read
// leniently as the C library reads numbers ("12ab" is 12, "ab" is 0); "NOW"
// (any case) is the current local date and time as a date number. Fails
// only on parentheses nested deeper than 256 levels (Exception with
// VxCommonMessages entry 19); division by zero gives an infinity or NaN.
double EvalArithmetic(const std::string& text);
// The same in long double, which holds every 64-bit integer exactly: for
// results that must keep all their digits (64-bit counters).
long double EvalArithmeticWide(const std::string& text);

// Splits `text` at the first occurrence of the first operator of the
// null-terminated list that occurs at all, and returns that operator's index.
// Returns -1 and leaves `left` and `right` unchanged when none occurs.
int32_t SplitAtOperator(const char* const* operators, const std::string& text, std::string& left,
                        std::string& right);

// Every occurrence of `find` replaced, searching on after each replacement.
// An empty `find` changes nothing.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& replace);

// Positions count from 1. The position of the last character of the run of
// characters from `charSet` that begins at `start`; 0 when the character at
// `start` is not in the set or `start` is 0 or beyond the text.
size_t FindCharRun(const std::string& text, size_t start, const std::string& charSet);
