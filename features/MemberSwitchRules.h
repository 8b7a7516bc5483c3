#pragma once
// What the member switch table and its member editor write
// (MSInformationForm.h, MSEditForm.h), decided without their windows: a
// member is the row of its ID, created with createAndGo and removed with
// destroy, the table having no other status a write sends.

#include <optional>
#include <string>

#include "dialogbase/RowWrites.h"

// Items of the member's row (the editor's request).
enum MemberSwitchItem : int { msId, msCandidateSource, msPassword, msRowStatus };

// The member IDs of a commander's group.
inline constexpr long long FirstMemberId = 1;
inline constexpr long long LastMemberId = 32;

// The member ID of a write: an add needs one; any write takes only a whole
// number from 1 to 32 (the focus on the ID).
std::optional<RowRefusal> CheckMemberId(const std::string& id, RowWrite write);

// The status each write sends: destroy for a delete, else createAndGo.
int MemberStatusOf(RowWrite write);
