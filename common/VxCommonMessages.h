#pragma once
// The common library's message table, replaceable from "errmsg\common.err".
// Texts in square brackets are placeholders that the showing code replaces
// (ReplaceAll) before it shows the text.

#include <cstddef>

#include "common/VxMessageTable.h"

extern VxMessageTable VxCommonMessages;

// Entries of VxCommonMessages. Entries 0 to 18 keep their places so that a
// replacement file keeps its line numbering (the last few of them are shown
// nowhere); entry 19 came later, so a replacement file of 19 lines leaves it
// built in.
enum VxCommonMessage : size_t {
    vcOk = 0,
    vcBadLogicOperand = 1,
    vcBadConstraintFormat = 2,
    vcEmptyValue = 3,             // (no placeholder)
    vcTextTooLong = 4,            // [MAXLEN]
    vcTextLength = 5,             // [LEN]
    vcHexTextTooLong = 6,         // [MAXLEN]
    vcHexTextLength = 7,          // [LEN]
    vcNumberRange = 8,            // [MIN] [MAX]
    vcListTooLong = 9,            // [DELIMITER] [MAXCOUNT]
    vcListCount = 10,             // [DELIMITER] [COUNT]
    vcListRange = 11,             // [DELIMITER] [MIN] [MAX]
    vcIndexOutOfRange = 12,
    vcBufferUndersize = 13,
    vcNotEncrypted = 14,
    vcFileRead = 15,              // [FILENAME]
    vcFileWrite = 16,             // [FILENAME]
    vcIniWrite = 17,              // [FILENAME]
    vcOptionFileRead = 18,        // [FILENAME]
    vcNestedTooDeeply = 19,
};
