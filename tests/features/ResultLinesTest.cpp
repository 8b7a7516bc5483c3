// What a dialog says after a write button, opened from the main menu as a
// user opens it: the last word is the write's own result line ("Set:"), a
// read after it adds its own line without hiding it, and no line carries a
// doubled full stop.

#include <gtest/gtest.h>

#include <functional>

#include "features/ACCServerControl.h"
#include "features/CommunityStringTableForm.h"
#include "features/MethodListForm.h"
#include "features/ServerInfoUnit.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

class ResultLines : public DialogFixture {
protected:
    // The text the dialog shows last: panel 0 of its status bar, or the last
    // line of its memo.
    static std::string Shown(TDialogFrame& dialog) {
        if (auto* bar = dynamic_cast<TStatusBar*>(dialog.FindComponent("StatusBar1")))
            return bar->Panels()->Items(0)->Text();
        return LastLine(dynamic_cast<TMemo*>(dialog.FindComponent("Memo1")));
    }
};

const std::string SetOk = "Set: (VxSNMP++) Ok!. Receive at ";
const std::string GetOk = "Get: (VxSNMP++) Ok!. Receive at ";

void FillMember(TfrmACCServerCtrl& d) {
    d.edtGroupName->SetText("ops");
    d.edtIPAddr->SetText("10.0.0.1");
    d.cbAuthProtocol->SetItemIndex(d.cbAuthProtocol->Items()->IndexOf("radius"));
    d.cbRowState->SetItemIndex(d.cbRowState->Items()->IndexOf("add"));
}

TEST_F(ResultLines, AfterAWriteTheWritesOwnLineStaysAndTheReadAfterItFollows) {
    OpenHostOn();
    struct Case {
        const char* what;
        const char* command;
        std::function<void(TDialogFrame&)> prepare;
        const char* button;
        const char* fault;  // for the simulated stack, before the write
        std::string starts;   // what the dialog shows starts with this
        std::string reread;   // and then holds the re-read's line; empty: none
    };
    auto selectRow = [](int row) {
        return [row](TDialogFrame& d) { SelectRow(dynamic_cast<TListView*>(d.FindComponent("ListView1")), row); };
    };
    auto member = [](TDialogFrame& d) { FillMember(dynamic_cast<TfrmACCServerCtrl&>(d)); };
    const std::string refused = "Set: (SNMP) ";
    const Case cases[] = {
        {"login Edit", "LoginMethodControlClick", selectRow(1), "EditButton", "", SetOk, GetOk},
        {"login Edit refused", "LoginMethodControlClick", selectRow(1), "EditButton", "fail-next-set commitFailed",
         refused, ""},
        {"enable Delete", "EnableMethodControlClick", selectRow(0), "DeleteButton", "", SetOk, GetOk},
        {"server Edit", "ServerInformation1Click", selectRow(2), "EditButton", "", SetOk, GetOk},
        {"server Edit refused", "ServerInformation1Click", selectRow(2), "EditButton", "fail-next-set genErr",
         refused, ""},
        {"member Set", "ServerControlClick", member, "Button1", "", "Set: Ok!. Receive at ", ""},
        {"member Set refused", "ServerControlClick", member, "Button1", "fail-next-set noCreation", refused, ""},
        {"community Set with no row", "CommunityStringTable1Click", [](TDialogFrame&) {}, "SetBtn", "",
         "Set: No row status is chosen: nothing was sent. Receive at ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FromMenu<TDialogFrame>(c.command, [&](TDialogFrame& dialog) {
            c.prepare(dialog);
            if (*c.fault) Stack->Control(c.fault);
            MessageBoxRecorder boxes;
            Press(&dialog, c.button);
            const std::string shown = Shown(dialog);
            EXPECT_EQ(shown.rfind(c.starts, 0), 0u) << shown;
            const size_t reread = shown.find(GetOk, c.starts.size());
            EXPECT_EQ(reread != std::string::npos, !c.reread.empty()) << shown;
            EXPECT_EQ(shown.find(".."), std::string::npos) << shown;
            Stack->Control("reset");
        });
    }
}

}  // namespace
