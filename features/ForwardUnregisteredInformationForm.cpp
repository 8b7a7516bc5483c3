#include "features/ForwardUnregisteredInformationForm.h"

#include "mibdefs/BridgeMib.h"

TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm = nullptr;

namespace {

constexpr auto kControls = ForwardPortsLayout("LV_dot1qForwardUnregisteredEntry", "Unregistered Ports",
                                              "Unregisteried Static Ports", "Unregistered Forbidden Ports");

constexpr FormLayout kLayout{.Name = "ForwardUnregisteredInformationForm",
                             .Caption = "Forward Unregistered Information", .ClientWidth = 640,
                             .ClientHeight = 508, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TForwardUnregisteredInformationForm::TForwardUnregisteredInformationForm(TComponent* owner)
    : TVlanForwardPortsForm(owner, kLayout) {
    KX_BIND(LV_dot1qForwardUnregisteredEntry);
    RefreshBtn->OnClick = TNotifyEvent(this, &TForwardUnregisteredInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TForwardUnregisteredInformationForm::SetBtnClick);
    OnCreate = TNotifyEvent(this, &TForwardUnregisteredInformationForm::FormCreate);
    DoCreate();
}

void TForwardUnregisteredInformationForm::FormCreate(TObject*) {
    OpenForwardTable(Dot1qForwardUnregisteredItems, LV_dot1qForwardUnregisteredEntry);
}

void TForwardUnregisteredInformationForm::RefreshBtnClick(TObject*) {
    ReadTable();
    ClearPortChecks();
}

// The ticked static and forbidden lists are written, as the forward-all
// dialog writes its own: ticks are never dropped without a word.
void TForwardUnregisteredInformationForm::SetBtnClick(TObject*) { WriteSelectedVlan(); }

void TForwardUnregisteredInformationForm::ClearPortChecks() { UncheckAllPorts(); }
