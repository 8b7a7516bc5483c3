// Filling list controls from value-name maps: kept apart from the maps
// themselves, which the catalogue and the value conversion use without any
// control.

#include "common/VxOptionList.h"

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

namespace {

// Replaces the entries by the map's labels, in pair order, so that an entry's
// index is its pair's index.
void FillLabels(const VxOptionList& map, TStrings* items) {
    items->BeginUpdate();
    items->Clear();
    for (int i = 0; i < map.Count(); ++i) items->Add(map.Item(i).Label);
    items->EndUpdate();
}

// The pair whose label reads as the text, else the pair of that value, else -1.
int IndexOfLabelOrValue(const VxOptionList& map, const std::string& text) {
    const int index = map.IndexOfLabel(text);
    return index >= 0 ? index : map.IndexOfValue(text);
}

}  // namespace

void VxOptionList::FillComboBox(TComboBox* combo) const { FillLabels(*this, combo->Items()); }

void VxOptionList::SelectComboBox(TComboBox* combo, const std::string& text) const {
    combo->SetItemIndex(IndexOfLabelOrValue(*this, text));
}

void VxOptionList::FillRadioGroup(TRadioGroup* group) const { FillLabels(*this, group->Items()); }

void VxOptionList::SelectRadioGroup(TRadioGroup* group, const std::string& text) const {
    group->SetItemIndex(IndexOfLabelOrValue(*this, text));
}
