#pragma once
// A list of numbers read from a text with one separator character: dotted
// instances ("1.3.6"), comma-separated positions ("1,4,7") and the delimited
// number lists of input constraints. Instances exist for int and unsigned int.

#include <string_view>
#include <vector>

template <typename T>
class VxNumList {
public:
    // Replaces the values by the numbers of the text. Each field accumulates
    // its characters as decimal digits (value * 10 + digit); characters that
    // are no digits add their distance from '0' all the same (the callers'
    // input filters let only digits through), and the value wraps like the
    // element type's unsigned counterpart. A "." that is not the separator
    // starts a fraction, which the integer element type then cuts off:
    // with "," as separator "1.5,20" gives 1 and 20.
    void Parse(std::string_view text);

    // Position of the first element equal to `value`, or -1.
    int IndexOf(T value) const;

    // 0 for an empty text, else 1 + the number of separators in it.
    int CountFields(std::string_view text) const;

    // True when every element lies in [lo, hi] (also when there is none).
    bool AllInRange(T lo, T hi) const;

    int Count() const { return static_cast<int>(Values.size()); }
    T operator[](int index) const { return Values[static_cast<size_t>(index)]; }

    std::vector<T> Values;
    char Separator = '.';
};

extern template class VxNumList<int>;
extern template class VxNumList<unsigned int>;
