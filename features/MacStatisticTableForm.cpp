#include "features/MacStatisticTableForm.h"

#include "mibdefs/SecurityMib.h"

TMacStatisticTableForm* MacStatisticTableForm = nullptr;

namespace {

constexpr FormLayout kLayout{.Name = "MacStatisticTableForm", .Caption = "MACStatisticTableForm", .ClientWidth = 662,
                             .ClientHeight = 398, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = MacAuthCountersControls};

}  // namespace

TMacStatisticTableForm::TMacStatisticTableForm(TComponent* owner) : TMacAuthCountersForm(owner, kLayout, Dot1xMacAuthStatsItems) {}
