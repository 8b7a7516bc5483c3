// The MD5 key table and its key editor against the simulated stack, checked
// in the set trace.

#include <gtest/gtest.h>

#include "features/Md5EditForm.h"
#include "features/Md5InformationForm.h"
#include "tests/features/ServiceDialogFixture.h"

namespace {

constexpr const char* Entry = "1.3.6.1.4.1.171.11.59.8.3.4.1";
const std::vector<std::string> SeededKeys = {"1|ospf-area0|active", "5|backbone|active", "7|rip-lab|active"};

class Md5Information : public ServiceDialogFixture {
protected:
    TMd5InformationForm* Open() { return ServiceDialogFixture::Open<TMd5InformationForm>(); }

    // Add in the editor with these texts; the editor's Set pressed.
    void Add(TMd5InformationForm* dialog, const std::string& keyId, const std::string& key) {
        Stack->ClearTrace();
        WhileModal(
            dialog->Editor,
            [&] {
                dialog->Editor->KeyIDEdit->SetText(keyId);
                dialog->Editor->KeyEdit->SetText(key);
                dialog->Editor->SetButton->Click();
            },
            [&] { dialog->AddButton->Click(); });
        WaitIdle(dialog);
    }
};

TEST_F(Md5Information, ListsTheKeysAndBindsTheEditorToTheSelectedRow) {
    TMd5InformationForm* dialog = Open();
    EXPECT_EQ(Rows(dialog->ListView1), SeededKeys);
    EXPECT_EQ(dialog->StaticText1->Caption(), "3");
    EXPECT_FALSE(dialog->EditButton->Enabled());
    SelectRow(dialog->ListView1, 1);
    EXPECT_TRUE(dialog->EditButton->Enabled());
    EXPECT_EQ(dialog->Editor->KeyIDEdit->Text(), "5");
    EXPECT_EQ(dialog->Editor->KeyEdit->Text(), "backbone");
    EXPECT_EQ(dialog->Editor->Caption(), "Md5 Edit");
    EXPECT_EQ(Md5EditForm, dialog->Editor);
}

TEST_F(Md5Information, AddRefusesAMissingIdAListedIdAndAMissingKeyAndSendsNothing) {
    TMd5InformationForm* dialog = Open();
    struct Case {
        const char* KeyId;
        const char* Key;
        const char* Message;
        const char* Focused;
    };
    const Case cases[] = {
        {"", "secret", "KeyID is needed.", "KeyIDEdit"},
        {"7", "secret", "KeyID must be different.", "KeyIDEdit"},
        {"9", "", "Key is needed.", "KeyEdit"},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        std::string focused;
        boxes.WhileShown = [&](const MessageBoxCall&) {};
        Stack->ClearTrace();
        WhileModal(
            dialog->Editor,
            [&] {
                EXPECT_TRUE(dialog->Editor->KeyIDEdit->Enabled());
                EXPECT_EQ(dialog->Editor->ComboBox1->Text(), "createAndGo");
                dialog->Editor->KeyIDEdit->SetText(c.KeyId);
                dialog->Editor->KeyEdit->SetText(c.Key);
                dialog->Editor->SetButton->Click();
                EXPECT_TRUE(dialog->Editor->Modal()) << "the editor stays open";
                TWinControl* active = dialog->Editor->ActiveControl();
                focused = active ? active->Name() : "";
            },
            [&] { dialog->AddButton->Click(); });
        ASSERT_EQ(boxes.Count(), 1u) << c.KeyId << "/" << c.Key;
        EXPECT_EQ(boxes.Last().Text, c.Message);
        EXPECT_EQ(focused, c.Focused) << c.Message;
        EXPECT_TRUE(Stack->TraceLines().empty()) << c.Message;
    }
}

TEST_F(Md5Information, AddSendsKeyAndCreateAndGoOnTheTypedIdAndReadsTheTableAgain) {
    TMd5InformationForm* dialog = Open();
    Add(dialog, "9", "new-key");
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{"2.9 string \"new-key\"", "3.9 integer 4"}));
    EXPECT_EQ(Rows(dialog->ListView1).back(), "9|new-key|active");
}

TEST_F(Md5Information, TheListedIdIsComparedAsTextSo07PassesAndAddressesRow7) {
    TMd5InformationForm* dialog = Open();
    MessageBoxRecorder boxes;
    const size_t lines = Lines(dialog->Memo1).size();
    Add(dialog, "07", "other");
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{"2.7 string \"other\"", "3.7 integer 4"}));
    ASSERT_TRUE(PumpUntil([&] { return Lines(dialog->Memo1).size() > lines; }));
    EXPECT_EQ(LastLine(dialog->Memo1).rfind("Set: ", 0), 0u) << LastLine(dialog->Memo1);
    EXPECT_EQ(LastLine(dialog->Memo1).find("Ok!"), std::string::npos) << "the agent refuses a second row 7";
    EXPECT_EQ(Rows(dialog->ListView1), SeededKeys);
}

TEST_F(Md5Information, EditOfRow5SendsTheKeyAndActiveOnInstance5) {
    TMd5InformationForm* dialog = Open();
    SelectRow(dialog->ListView1, 1);
    Stack->ClearTrace();
    WhileModal(
        dialog->Editor,
        [&] {
            EXPECT_FALSE(dialog->Editor->KeyIDEdit->Enabled());
            EXPECT_EQ(dialog->Editor->KeyIDEdit->Text(), "5");
            EXPECT_EQ(dialog->Editor->ComboBox1->Text(), "active");
            EXPECT_FALSE(dialog->Editor->ComboBox1->Enabled());
            dialog->Editor->KeyEdit->SetText("rotated");
            dialog->Editor->SetButton->Click();
        },
        [&] { dialog->EditButton->Click(); });
    WaitIdle(dialog);
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{"2.5 string \"rotated\"", "3.5 integer 1"}));
    EXPECT_EQ(Rows(dialog->ListView1)[1], "5|rotated|active");
    EXPECT_FALSE(dialog->EditButton->Enabled());
}

TEST_F(Md5Information, DeleteNeedsASelectedRowAndRemovesThatRowWhateverTheEditorWasLeftHolding) {
    TMd5InformationForm* dialog = Open();
    {
        MessageBoxRecorder boxes;
        Press(dialog, dialog->DeleteButton);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, "Choose the item first.");
        EXPECT_TRUE(Stack->TraceLines().empty());
    }
    SelectRow(dialog->ListView1, 1);
    // An add typed and abandoned leaves its texts in the editor.
    WhileModal(
        dialog->Editor,
        [&] {
            dialog->Editor->KeyIDEdit->SetText("9");
            dialog->Editor->KeyEdit->SetText("abandoned");
            dialog->Editor->CloseButton->Click();
        },
        [&] { dialog->AddButton->Click(); });
    ASSERT_NE(dialog->ListView1->Selected(), nullptr);
    Press(dialog, dialog->DeleteButton);
    EXPECT_EQ(Written(Entry), (std::vector<std::string>{"2.5 string \"backbone\"", "3.5 integer 6"}));
    EXPECT_EQ(Rows(dialog->ListView1), (std::vector<std::string>{SeededKeys[0], SeededKeys[2]}));
}

TEST_F(Md5Information, ClosingDuringASlowWalkDeletesTheControllerBeforeTheEditor) {
    TMd5InformationForm* dialog = Open();
    Stack->Control("delay 300");
    dialog->GetButton->Click();
    ASSERT_TRUE(PumpUntil([&] { return dialog->ListView1->Items()->Count() == 1; }));
    dialog->Close();  // as the window frame closes it
    EXPECT_EQ(dialog->KeyEdits, nullptr);
    EXPECT_EQ(dialog->Editor, nullptr);
    EXPECT_EQ(Md5EditForm, nullptr);
    PumpUntil([] { return false; }, 700);  // a late reply finds nothing
    EXPECT_EQ(dialog->ListView1->Items()->Count(), 1);
    CloseAndDelete(dialog);
}

}  // namespace
