#pragma once
// The values of a row-status column (RowStatus, RFC 2579), and the one way
// to choose one of them: by value, through the column's value-name map, never
// by where the map (and so its combo box) happens to place it. An editor
// writes createAndGo and destroy, and reads the status a combo box shows, as
// values; the map says which entry stands for which.

class VxOptionList;

// The statuses the module writes or reads.
enum VxRowStatus : int { RowActive = 1, RowNotInService = 2, RowCreateAndGo = 4, RowDestroy = 6 };

// The entry of the map that stands for `status`; -1 when the map has none.
// (Tables that create and remove rows with their own values, such as
// valid/invalid, are chosen the same way.)
int RowStatusEntry(const VxOptionList& map, int status);

// The status that entry `entry` of the map stands for; 0 for no entry (-1)
// or one the map does not have.
int RowStatusAt(const VxOptionList& map, int entry);
