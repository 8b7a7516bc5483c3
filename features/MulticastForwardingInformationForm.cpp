#include "features/MulticastForwardingInformationForm.h"

#include "mibdefs/BridgeMib.h"

TMulticastForwardingInformationForm* MulticastForwardingInformationForm = nullptr;

namespace {

constexpr auto kControls =
    ForwardPortsLayout("LV_dot1qForwardAllEntry", "All Forwarded Ports", "All Static Ports", "All Forbidden Ports");

constexpr FormLayout kLayout{.Name = "MulticastForwardingInformationForm",
                             .Caption = "Multicast Forwarding Information", .ClientWidth = 640,
                             .ClientHeight = 508, .BorderStyle = bsSizeable, .Position = poMainFormCenter,
                             .LargeFonts = DialogScaling::LeftTopWidthHeight, .Controls = kControls};

}  // namespace

TMulticastForwardingInformationForm::TMulticastForwardingInformationForm(TComponent* owner)
    : TVlanForwardPortsForm(owner, kLayout) {
    KX_BIND(LV_dot1qForwardAllEntry);
    RefreshBtn->OnClick = TNotifyEvent(this, &TMulticastForwardingInformationForm::RefreshBtnClick);
    SetBtn->OnClick = TNotifyEvent(this, &TMulticastForwardingInformationForm::SetBtnClick);
    OnCreate = TNotifyEvent(this, &TMulticastForwardingInformationForm::FormCreate);
    DoCreate();
}

void TMulticastForwardingInformationForm::FormCreate(TObject*) {
    OpenForwardTable(Dot1qForwardAllItems, LV_dot1qForwardAllEntry);
}

void TMulticastForwardingInformationForm::RefreshBtnClick(TObject*) { ReadTable(); }

void TMulticastForwardingInformationForm::SetBtnClick(TObject*) { WriteSelectedVlan(); }
