// The login and enable method list editors against the simulated stack,
// one table of cases for both, checked in the set trace; the order rules
// on snapshots of the controls. (What every row editor does is
// RowEditorTest's.)

#include <gtest/gtest.h>

#include <functional>

#include "features/EnableMethodListUnit.h"
#include "features/LoginMethodListUnit.h"
#include "platform/testing/DialogRecorder.h"
#include "tests/support/AgentFixture.h"
#include "tests/support/DialogFixture.h"

namespace {

TEST(MethodListRules, TheOrderCheckLooksAtMethodsAfterTheFirstLocalOrNone) {
    struct Case {
        MethodSnapshot Methods;
        bool Holds;
        std::vector<int> LeftOut, LeftOutDropping;
    };
    const MethodChoice none{"", -1}, other{"other", 7}, local{"local", 5}, nothing{"none", 6};
    const MethodChoice tacacsPlus{"tacacs-plus", 2}, radius{"radius", 3}, group{"server-group", 4};
    const Case cases[] = {
        {{tacacsPlus, local, radius, none}, false, {2, 4, 6, 7, 8}, {2, 4, 5, 6, 7, 8}},
        {{nothing, none, other, none}, true, {2, 3, 4, 5, 6, 7, 8}, {2, 3, 4, 5, 6, 7, 8}},
        {{tacacsPlus, radius, group, local}, true, {2, 4, 8}, {2, 4, 8}},
        {{group, local, other, none}, true, {4, 5, 6, 7, 8}, {4, 5, 6, 7, 8}},
        {{local, nothing, group, none}, false, {2, 4, 7, 8}, {2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MethodOrderHolds(MethodPositions(c.Methods)), c.Holds) << c.Methods[0].TypeText;
        EXPECT_EQ(MethodItemsLeftOut(c.Methods, false), c.LeftOut) << c.Methods[0].TypeText;
        EXPECT_EQ(MethodItemsLeftOut(c.Methods, true), c.LeftOutDropping) << c.Methods[0].TypeText;
    }
}

// What differs between the two editors, as a test sees it.
struct Editor {
    const char* Name;
    std::function<TMethodListForm*(TComponent*)> Make;
    const char* Column;  // the table's entry OID with its dot
    const char* Local;
    int LocalValue;
    const char* MissingName;
    const char* DuplicateName;
    std::vector<std::string> SeededNames;
};

const Editor Editors[] = {
    {"login", [](TComponent* o) -> TMethodListForm* { return new TLoginMethodListForm(o); },
     "1.3.6.1.4.1.171.12.5.3.1.", "local", 6, "AAC Login Method List Name must be set.",
     "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
     {"remote", "default"}},
    {"enable", [](TComponent* o) -> TMethodListForm* { return new TEnableMethodForm(o); },
     "1.3.6.1.4.1.171.12.5.4.1.", "local-enable", 7, "Enable MethodList Name must be set.",
     "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
     {"admin", "default"}},
};

class MethodList : public DialogFixture, public ::testing::WithParamInterface<Editor> {
protected:
    TMethodListForm* Open() {
        OpenHostOn();
        TMethodListForm* dialog = GetParam().Make(Window);
        Dialog = dialog;
        Show(dialog);
        return dialog;
    }
    // Chooses each method's type by its text ("local" stands for the
    // editor's local method, "" for nothing chosen).
    void ChooseMethods(TMethodListForm* d, const std::vector<std::string>& types) {
        for (size_t n = 0; n < 4; ++n) {
            const std::string text = types[n] == "local" ? GetParam().Local : types[n];
            if (text.empty()) {
                d->TypeCombos[n]->SetItemIndex(-1);
            } else {
                Choose(d->TypeCombos[n], text);
            }
        }
    }
    // The set trace with the column prefix taken off, the row's instance
    // shown as ".<name>".
    std::vector<std::string> Written(const std::string& name) {
        std::string instance = "." + std::to_string(name.size());
        for (unsigned char c : name) instance += "." + std::to_string(c);
        std::vector<std::string> lines = DialogFixture::Written(GetParam().Column);
        for (std::string& line : lines) {
            const size_t at = line.find(instance + " ");
            if (at != std::string::npos) line.replace(at, instance.size(), "." + name);
        }
        return lines;
    }
    std::string Local() const { return std::to_string(GetParam().LocalValue); }
    std::vector<std::string> Names(TMethodListForm* d) {
        std::vector<std::string> names;
        for (int i = 0; i < d->ListView1->Items()->Count(); ++i) names.push_back(d->ListView1->Items()->Item(i)->Caption());
        return names;
    }
};

TEST_P(MethodList, OpensWithTheRowsReadAndLoadsTheSelectedOne) {
    TMethodListForm* d = Open();
    EXPECT_EQ(Names(d), GetParam().SeededNames);
    EXPECT_EQ(d->RowComboBox->Text(), "createAndGo");
    SelectRow(d->ListView1, 1);
    EXPECT_EQ(d->ListName->Text(), "default");
    EXPECT_EQ(d->TypeCombos[0]->Text(), GetParam().Local);
}

TEST_P(MethodList, AMethodAfterLocalAsksFirstYesSendsNothingNoSendsOnlyTheEffectiveMethods) {
    TMethodListForm* d = Open();
    d->ListName->SetText("new");
    ChooseMethods(d, {"tacacs-plus", "local", "radius", ""});
    d->ServerGroupEdits[2]->SetText("ignored");
    MessageBoxRecorder boxes;
    boxes.Answer(IDYES);
    Press(d, d->AddButton);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text,
              "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?");
    EXPECT_TRUE(Stack->TraceLines().empty());
    EXPECT_EQ(d->ListName->Text(), "new");

    boxes.Answer(IDNO);
    Press(d, d->AddButton);
    EXPECT_EQ(Written("new"), (std::vector<std::string>{"2.new integer 3", "4.new integer " + Local(),
                                                       "10.new integer 4"}));
    EXPECT_EQ(Names(d).size(), 3u);
}

TEST_P(MethodList, ServerGroupNamesGoOnlyWithServerGroupMethods) {
    TMethodListForm* d = Open();
    SelectRow(d->ListView1, 1);  // "default"
    ChooseMethods(d, {"server-group", "radius", "none", ""});
    d->ServerGroupEdits[0]->SetText("");
    d->ServerGroupEdits[1]->SetText("ops");
    MessageBoxRecorder boxes;
    Press(d, d->EditButton);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Written("default"), (std::vector<std::string>{"2.default integer 5", "3.default string \"\"",
                                                           "4.default integer 4", "6.default integer 8"}));
}

TEST_P(MethodList, AddRefusesAMissingOrDuplicateNameAndAnotherRowState) {
    TMethodListForm* d = Open();
    MessageBoxRecorder boxes;
    ChooseMethods(d, {"tacacs", "", "", ""});
    const std::string existing = GetParam().SeededNames[1];
    std::string otherCase = existing;
    otherCase[0] = 'D';
    struct Case {
        std::string Name;
        int RowState;
        std::string Message;
    };
    for (const Case& c : {Case{"", 1, GetParam().MissingName}, Case{existing, 1, GetParam().DuplicateName},
                          Case{"fresh", 0, "Row State must be createAndGo."}}) {
        d->ListName->SetText(c.Name);
        d->RowComboBox->SetItemIndex(c.RowState);
        Press(d, d->AddButton);
        EXPECT_TRUE(Stack->TraceLines().empty()) << c.Name;
        ASSERT_EQ(boxes.Count(), 1u) << c.Name;
        EXPECT_EQ(boxes.Last().Text, c.Message);
        boxes.Clear();
    }
    d->ListName->SetText(otherCase);
    d->RowComboBox->SetItemIndex(1);
    Press(d, d->AddButton);
    EXPECT_EQ(Written(otherCase), (std::vector<std::string>{"2." + otherCase + " integer 1",
                                                            "10." + otherCase + " integer 4"}));
}

TEST_P(MethodList, DeleteCarriesMethodOneTypeAndLeavesTheRowStateAtDestroy) {
    TMethodListForm* d = Open();
    SelectRow(d->ListView1, 0);
    const std::string name = GetParam().SeededNames[0];
    Press(d, d->DeleteButton);
    ASSERT_EQ(Written(name).size(), 2u);
    EXPECT_EQ(Written(name)[0].rfind("2." + name + " integer ", 0), 0u);
    EXPECT_EQ(Written(name)[1], "10." + name + " integer 6");
    EXPECT_EQ(Names(d), std::vector<std::string>{"default"});

    MessageBoxRecorder boxes;
    d->ListName->SetText("later");
    Press(d, d->AddButton);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "Row State must be createAndGo.");
}

TEST_P(MethodList, EditWithDestroyDeletesWithoutTheOrderCheck) {
    TMethodListForm* d = Open();
    SelectRow(d->ListView1, 1);
    ChooseMethods(d, {"local", "radius", "", ""});
    d->RowComboBox->SetItemIndex(2);
    MessageBoxRecorder boxes;
    Press(d, d->EditButton);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Written("default"),
              (std::vector<std::string>{"2.default integer " + Local(), "10.default integer 6"}));
    EXPECT_EQ(Names(d).size(), 1u);
}

TEST_P(MethodList, EditSendsOnlyTheMethodsThatAreSet) {
    TMethodListForm* d = Open();
    SelectRow(d->ListView1, 1);
    ChooseMethods(d, {"radius", "", "", ""});
    Press(d, d->EditButton);
    EXPECT_EQ(Written("default"), std::vector<std::string>{"2.default integer 4"});
}

INSTANTIATE_TEST_SUITE_P(Editors, MethodList, ::testing::ValuesIn(Editors),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
