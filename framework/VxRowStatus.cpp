#include "framework/VxRowStatus.h"

#include <string>

#include "common/VxOptionList.h"

int RowStatusEntry(const VxOptionList& map, int status) { return map.IndexOfValue(std::to_string(status)); }

int RowStatusAt(const VxOptionList& map, int entry) {
    if (entry < 0 || entry >= map.Count() || map.Kind() != VxOptionList::IntegerValues) return 0;
    return map.Item(entry).IntValue;
}
