// Pictures of the menu's dialogs for a look at the results (under
// screenshots/): each opened from its menu row as the program opens it,
// modally, against the default stack, showing what a user would have chosen
// before looking. A row may picture the modal editor a button of the dialog
// shows instead.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "dialogbase/Form1.h"
#include "dialogbase/ModalEditor.h"
#include "platform/ComCtrls.h"
#include "platform/Layout.h"
#include "tests/support/DialogFixture.h"
#include "tests/support/Picture.h"

namespace {

// One thing a user does in a window before its picture, on its control of
// that name.
struct UserStep {
    enum Kind : uint8_t { SelectRow, Type, Choose, ShowPage };
    Kind What;
    const char* Control;
    std::string Text = {};  // typed, or the label chosen
    int Index = 0;          // the row selected, or the page shown
};

UserStep Row(const char* list, int row) { return {UserStep::SelectRow, list, {}, row}; }
UserStep Typed(const char* edit, const char* text) { return {UserStep::Type, edit, text}; }
UserStep Chosen(const char* combo, const char* label) { return {UserStep::Choose, combo, label}; }
UserStep Page(const char* pages, int page) { return {UserStep::ShowPage, pages, {}, page}; }

struct DialogPicture {
    const char* Handler;  // the menu row that opens the dialog
    const char* File;
    std::vector<UserStep> Steps = {};
    // A button of the dialog that shows a modal editor, after the steps:
    // then the picture is the editor's, once the editor's steps are done.
    const char* EditorButton = nullptr;
    std::vector<UserStep> EditorSteps = {};
};

void PrintTo(const DialogPicture& picture, std::ostream* out) { *out << picture.File; }

const DialogPicture Pictures[] = {
    // The bridge, VLAN and filter dialogs.
    {"Test1Click", "equipment-basic-info-form.png"},
    {"BasicConfigure2Click", "pbridge-config-form.png"},
    {"GVRP1Click", "garp-form.png"},
    {"PortCapbility1Click", "port-capabilities-form.png"},
    {"BasicConfigureClick", "vlan-general-info-form.png"},
    {"PortsInfo1Click", "vlan-port-information-form.png", {Row("LV_dot1qPortVlanEntry", 2)}},
    {"TpGroupDestinationForwarded1Click", "tp-group-destination-forwarded-form.png", {Row("LV_dot1qTpGroupEntry", 1)}},
    {"MulticastForwardingInformation1Click", "multicast-forwarding-information-form.png",
     {Row("LV_dot1qForwardAllEntry", 0)}},
    {"ForwardUnregisteredInformation1Click", "forward-unregistered-information-form.png",
     {Row("LV_dot1qForwardUnregisteredEntry", 0)}},
    {"StaticForm1Click", "vlan-static-form.png", {Row("LV_dot1qVlanStaticEntry", 1)}},
    {"CurrentForm1Click", "vlan-current-table-form.png", {Row("LV_dot1qVlanCurrentEntry", 1)}},
    {"UnicastInformation1Click", "unicast-filter-information-form.png", {Row("LV_dot1qStaticUnicastEntry", 1)}},
    {"MulticastInformation1Click", "multicast-filter-information-form.png", {Row("LV_dot1qStaticMulticastEntry", 0)}},
    {"ProtocolVLAN1Click", "protocol-vlan-form.png", {Row("ListView1", 1)}},
    // The layer-2 port dialogs.
    {"PortTrunk2Click", "port-trunk-form.png", {Row("LV_PortTrunk", 0)}},
    {"PortMirrorTable1Click", "port-mirror-form.png"},
    {"TrafficSegmentationTable1Click", "traffic-segmentation-form.png", {Row("LV_TrafficForward", 3)}},
    {"AggreatorPortTable1Click", "aggregator-port-table-form.png", {Row("ListView1", 0), Page("PageControl1", 1)}},
    // Management, security and the authentication servers.
    {"SummerTime1Click", "summer-time-config-form-repeating.png"},
    {"SummerTime1Click", "summer-time-config-form-annual.png",
     {Chosen("ComboBox1", "annual"), Chosen("DayComboBox", "31"), Chosen("MonthComboBox", "12"),
      Chosen("HourComboBox", "23"), Chosen("MiniuteComboBox", "59"), Chosen("EDayComboBox", "1"),
      Chosen("EMonthComboBox", "2"), Chosen("EHourComboBox", "0"), Chosen("EMiniuteComboBox", "5")}},
    {"CommunityStringTable1Click", "community-string-table-form.png", {Row("ListView1", 1)}},
    {"DiagnosticsInformation1Click", "diagnostics-information-form.png", {Row("ListView1", 1)}},
    {"StatisticTable1Click", "mac-statistic-table-form.png", {Row("ListView1", 1)}},
    {"LoginMethodControlClick", "login-method-list-form.png", {Row("ListView1", 0)}},
    {"EnableMethodControlClick", "enable-method-list-form.png", {Row("ListView1", 0)}},
    {"ServerInformation1Click", "server-information-form.png", {Row("ListView1", 0)}},
    {"ServerControlClick", "acc-server-control-form.png",
     {Typed("edtGroupName", "lab"), Typed("edtIPAddr", "10.90.90.30"), Chosen("cbAuthProtocol", "radius"),
      Chosen("cbRowState", "add")}},
    // The access-control editors.
    {"IPMaskInformation1Click", "acl-ipv4-mask-form.png", {Row("ListView1", 0)}},
    {"CPUIPMaskInformation1Click", "acl-cpu-ipv4-mask-form.png", {Row("ListView1", 0)}},
    {"IPRule1Click", "acl-ipv4-rule-form.png", {Row("ListView1", 3)}},
    {"CPUIPRule1Click", "acl-cpu-ipv4-rule-form.png", {Row("ListView1", 0)}},
    {"IPV6MaskInformation1Click", "acl-ipv6-mask-form.png", {Row("ListView1", 0)}},
    {"CPUIPv6MaskInformation1Click", "acl-cpu-ipv6-mask-form.png", {Row("ListView1", 0)}},
    {"IPV6Rule1Click", "acl-ipv6-rule-form.png", {Row("ListView1", 1)}},
    {"CPUIPv6Rule1Click", "acl-cpu-ipv6-rule-form.png", {Row("ListView1", 0)}},
    {"EthernetMask1Click", "acl-ethernet-mask-form.png", {Row("ListView1", 0)}},
    {"CPUEthernetMaskInformation1Click", "acl-cpu-ethernet-mask-form.png", {Row("ListView1", 0)}},
    {"RuleOfEthernetInformation1Click", "acl-ethernet-rule-form.png", {Row("ListView1", 2)}},
    {"CPUEthernetInformationRule1Click", "acl-cpu-ethernet-rule-form.png", {Row("ListView1", 2)}},
    {"UserDefinedMaskInformation1Click", "acl-user-mask-form.png", {Row("ListView1", 0)}},
    {"CPUUserDefinedMaskInformation1Click", "acl-cpu-user-mask-form.png", {Row("ListView1", 0)}},
    {"UserDefinedInformationRule1Click", "acl-user-rule-form.png", {Row("ListView1", 0)}},
    {"CPUUserDefinedInformationRule1Click", "acl-cpu-user-rule-form.png", {Row("ListView1", 0)}},
    // The layer-3 service tables and their editors.
    {"MD5Information1Click", "md5-information-form.png", {Row("ListView1", 1)}},
    {"MD5Information1Click", "md5-edit-form.png", {Row("ListView1", 1)}, "EditButton"},
    {"BOOTPCtrlTable1Click", "bootp-ctrl-table-form.png"},
    {"BOOTPCtrlTable1Click", "new-bootp-ctrl-form.png", {Row("ListView1", 0)}, "AddBtn",
     {Typed("Edit1", "System"), Typed("Edit2", "10.90.90.5")}},
    {"RouteRedistributionTable1Click", "route-redistribut-form.png", {Row("ListView1", 0)}},
    // The member switches and the about box.
    {"MemberSwitch1Click", "ms-information-form.png", {Row("ListView1", 0)}},
    {"MemberSwitch1Click", "ms-edit-form.png", {}, "AddButton",
     {Typed("KeyIDEdit", "3"), Typed("MS_Password", "s3cret")}},
    {"About1Click", "about-form.png"},
};

class DialogPictures : public DialogFixture, public ::testing::WithParamInterface<DialogPicture> {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        Form1 = new TForm1(Application);  // the GARP and port capability viewers take turns on it
    }
    void TearDown() override {
        DialogFixture::TearDown();
        delete Form1;
        Form1 = nullptr;
    }

    static void TakeSteps(TForm& window, const std::vector<UserStep>& steps) {
        for (const UserStep& step : steps) {
            switch (step.What) {
                case UserStep::SelectRow: SelectRow(FindChild<TListView>(&window, step.Control), step.Index); break;
                case UserStep::Type: FindChild<TEdit>(&window, step.Control)->SetText(step.Text); break;
                case UserStep::Choose: Choose(FindChild<TComboBox>(&window, step.Control), step.Text); break;
                case UserStep::ShowPage:
                    FindChild<TPageControl>(&window, step.Control)->SetActivePageIndex(step.Index);
                    break;
            }
        }
    }
};

TEST_P(DialogPictures, OpenedFromTheMenu) {
    const DialogPicture& picture = GetParam();
    OpenHostOn();
    RunModally(picture.Handler, [&](TDialogFrame& dialog) {
        TakeSteps(dialog, picture.Steps);
        if (!picture.EditorButton) {
            ExpectPicture(&dialog, picture.File);
            return;
        }
        WhileModal<TModalEditor>([&] { FindChild<TControl>(&dialog, picture.EditorButton)->Click(); },
                                 [](TModalEditor& editor) { return !editor.Busy(); },
                                 [&](TModalEditor& editor) {
                                     TakeSteps(editor, picture.EditorSteps);
                                     ExpectPicture(&editor, picture.File);
                                 });
    });
}

// Named after the file: "ms-edit-form.png" is ms_edit_form.
std::string NameOf(const ::testing::TestParamInfo<DialogPicture>& info) {
    std::string name = info.param.File;
    name.erase(name.rfind('.'));
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(MenuRows, DialogPictures, ::testing::ValuesIn(Pictures), NameOf);

}  // namespace
