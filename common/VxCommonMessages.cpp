#include "VxCommonMessages.h"

#include <iterator>

namespace {

const char* const CommonTexts[] = {
    "(VxCommon) Ok!",
    "(VxCommon) Bad logic operand!",
    "(VxCommon) Bad format specifier of edit's constraint!",
    "(VxCommon) Empty value is not allowed!",
    "(VxCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(VxCommon) Please enter a string whose length is [LEN]!",
    "(VxCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(VxCommon) Please enter a hex string whose length is [LEN]!",
    "(VxCommon) Please enter a number between [MIN] and [MAX]!",
    "(VxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "(VxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "(VxCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "(VxCommon) Out of range at index of array or list!",
    "(VxCommon) Destination buffer is undersize!",
    "(VxCommon) The source to dncrypt is not encrypted!",
    "(VxCommon) Fail to read data from file([FILENAME])!",
    "(VxCommon) Fail to write data to file([FILENAME])!",
    "(VxCommon) Fail to write value in ini file([FILENAME])!",
    "(VxCommon) Fail to read option data from file([FILENAME])!",
    "(VxCommon) Expression nested too deeply!",
};
static_assert(std::size(CommonTexts) == vcNestedTooDeeply + 1);

}  // namespace

VxMessageTable VxCommonMessages(CommonTexts);
