#pragma once
// What the MD5 key table and its key editor write (Md5InformationForm.h),
// decided from a snapshot of the editor's entry: a key is the row of its ID.

#include "dialogbase/RowWrites.h"

// Items of the MD5 key table.
enum Md5KeyItem : int { md5KeyId, md5Key, md5Status };

// The table: the key ID is its index.
extern const RowTable Md5KeyTable;

// An add needs a key ID, one not listed yet (compared as text: "07" is not
// "7"), and a key.
std::optional<RowRefusal> CheckNewMd5Key(const RowSnapshot& form);

// The status each write sends: a change active, an add createAndGo, a
// delete destroy.
int Md5StatusOf(RowWrite write);
