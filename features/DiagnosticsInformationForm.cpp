#include "features/DiagnosticsInformationForm.h"

#include "mibdefs/SecurityMib.h"

TDiagnosticsInformationForm* DiagnosticsInformationForm = nullptr;

namespace {

constexpr FormLayout kLayout{.Name = "DiagnosticsInformationForm", .Caption = "Diagnostics Information Form", .ClientWidth = 688,
                             .ClientHeight = 446, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = MacAuthCountersControls};

}  // namespace

TDiagnosticsInformationForm::TDiagnosticsInformationForm(TComponent* owner) : TMacAuthCountersForm(owner, kLayout, Dot1xMacAuthDiagItems) {}
