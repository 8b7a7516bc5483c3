// The IPv6 profile editors, ingress and CPU filter, against the simulated
// stack's seeded profiles, driven as a user drives them and checked in the
// set trace. (What every row editor does is RowEditorTest's.)

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "acl/CPUIPv6MaskInformationUnit.h"
#include "acl/IPv6MaskInformationUnit.h"
#include "tests/acl/AclEditorFixture.h"

namespace {

constexpr const char* IngressProfiles = "1.3.6.1.4.1.171.12.9.2.4.1.";
constexpr const char* CpuProfiles = "1.3.6.1.4.1.171.12.9.4.4.1.";
const std::string Ff8 = std::string(8, 'F'), Ff16 = std::string(16, 'F');

// A traced octet string of the given bytes.
std::string Octets(const std::string& bytes) {
    std::string shown = "string \"";
    for (unsigned char b : bytes) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", b);
        shown += hex;
    }
    return shown + "\"";
}
std::string Mask(int ones) { return Octets(std::string(ones, '\xff') + std::string(16 - ones, '\0')); }

class Ipv6ProfileEditors : public AclEditors {
protected:
    // A write refused with one message box and nothing sent; the editor
    // empties its form after a refusal: no row selected, the ID and the
    // masks emptied.
    void ExpectRefused(TAclEditor* editor, const char* button, const std::string& message) {
        AclEditors::ExpectRefused(editor, button, message);
        EXPECT_EQ(editor->ListView1->Selected(), nullptr) << message;
        for (const char* edit : {"edtIPv6MaskID", "edtIPv6SrcMask", "edtIPv6DstMask"})
            EXPECT_EQ(Named<TEdit>(editor, edit)->Text(), "") << message << ": " << edit;
    }
    static int Chosen(TAclEditor* editor, const char* combo) { return Named<TComboBox>(editor, combo)->ItemIndex(); }
};

// No combo starts with a choice. Add with "other" sends no mask, whatever is
// typed; Delete of the new profile 3 sends its row status alone.
TEST_F(Ipv6ProfileEditors, AddWithOtherAndDelete) {
    auto* editor = Open<TIPv6MaskInformationForm>();
    ASSERT_EQ(Rows(editor->ListView1).size(), 2u);
    EXPECT_EQ(editor->ListView1->Columns()->Items(0)->Caption(), "Profile ID");
    for (const char* combo : {"cbxClass", "cbxFlowLabel", "cbxIPv6MaskState", "cbxRowStatus"})
        EXPECT_EQ(Chosen(editor, combo), -1) << combo;

    Type(editor, "edtIPv6MaskID", "3");
    Choose(editor, "cbxClass", "enable");
    Choose(editor, "cbxFlowLabel", "disable");
    Choose(editor, "cbxIPv6MaskState", "other");
    Type(editor, "edtIPv6SrcMask", Ff16);
    Type(editor, "edtIPv6DstMask", Ff16);
    Choose(editor, "cbxRowStatus", "createAndGo");
    Stack->ClearTrace();
    Press(editor, "btnAdd");
    EXPECT_EQ(Written(IngressProfiles), (Trace{"2.3 integer 1", "3.3 integer 2", "4.3 integer 1", "7.3 integer 4"}));
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);

    SelectRow(editor->ListView1, 2);
    EXPECT_EQ(Named<TEdit>(editor, "edtIPv6MaskID")->Text(), "3");
    Stack->ClearTrace();
    Press(editor, "btnDelete");
    EXPECT_EQ(Written(IngressProfiles), Trace{"7.3 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 2u);
}

// "dst-src-ipv6-addr" with the source mask alone and no class or flow label
// chosen: Add sends the state and the source mask; Set refuses for the
// destination mask, then for the class, and empties the form each time.
TEST_F(Ipv6ProfileEditors, AddAndSetWithMasksMissing) {
    auto* editor = Open<TIPv6MaskInformationForm>();
    Type(editor, "edtIPv6MaskID", "4");
    Choose(editor, "cbxIPv6MaskState", "dst-src-ipv6-addr");
    Type(editor, "edtIPv6SrcMask", Ff8 + Ff8 + Ff8 + Ff8);
    Choose(editor, "cbxRowStatus", "createAndGo");
    Stack->ClearTrace();
    Press(editor, "btnAdd");
    EXPECT_EQ(Written(IngressProfiles), (Trace{"4.4 integer 4", "5.4 " + Mask(16), "7.4 integer 4"}));
    ASSERT_EQ(Rows(editor->ListView1).size(), 3u);
    EXPECT_EQ(Rows(editor->ListView1)[2],
              "4|disable|disable|dst-src-ipv6-addr|" + Ff16 + Ff16 + "||active");

    SelectRow(editor->ListView1, 0);  // dst-src-ipv6-addr, both masks
    Type(editor, "edtIPv6DstMask", "");
    ExpectRefused(editor, "btnModify", "IPv6 Destination Address Mask should not be null.");
    EXPECT_EQ(Named<TComboBox>(editor, "cbxIPv6MaskState")->Text(), "dst-src-ipv6-addr");

    SelectRow(editor->ListView1, 0);
    Named<TComboBox>(editor, "cbxClass")->SetItemIndex(-1);
    ExpectRefused(editor, "btnModify", "Please choose Class.");
}

// Set writes the selected profile without its row status; with createAndGo
// chosen it runs Add, refused as a duplicate of the selected row.
TEST_F(Ipv6ProfileEditors, SetTheSelectedProfile) {
    auto* editor = Open<TIPv6MaskInformationForm>();
    SelectRow(editor->ListView1, 0);
    Choose(editor, "cbxIPv6MaskState", "dst-ipv6-addr");
    Type(editor, "edtIPv6DstMask", "FFFF" + std::string(28, '0'));
    Stack->ClearTrace();
    Press(editor, "btnModify");
    EXPECT_EQ(Written(IngressProfiles),
              (Trace{"2.1 integer 1", "3.1 integer 2", "4.1 integer 2", "6.1 " + Mask(2)}));
    EXPECT_EQ(Rows(editor->ListView1)[0].substr(0, 22), "1|enable|disable|dst-i");

    SelectRow(editor->ListView1, 0);
    Choose(editor, "cbxRowStatus", "createAndGo");
    ExpectRefused(editor, "btnModify", "There is already a record with the same IPv6 Mask ID. Please modify it.");
}

// A mask is the 16 octets of an address: one typed with its colons, or
// shorter, is refused before anything is sent and stays in its field to be
// mended.
TEST_F(Ipv6ProfileEditors, MasksAreSixteenOctets) {
    OpenHostOn();
    FromMenu<TIPv6MaskInformationForm>("IPV6MaskInformation1Click", [&](TIPv6MaskInformationForm& dialog) {
        TIPv6MaskInformationForm* editor = &dialog;
        MessageBoxRecorder boxes;
        for (const char* mask : {"2001:db8::", "FFFF", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"}) {
            SCOPED_TRACE(mask);
            Type(editor, "edtIPv6MaskID", "5");
            Choose(editor, "cbxIPv6MaskState", "src-ipv6-addr");
            Type(editor, "edtIPv6SrcMask", mask);
            Choose(editor, "cbxRowStatus", "createAndGo");
            boxes.Clear();
            Stack->ClearTrace();
            Press(editor, "btnAdd");
            ASSERT_EQ(boxes.Count(), 1u);
            // The field as its label names it, not as the catalogue does.
            EXPECT_EQ(boxes.Last().Text, "IPv6 Source Address Mask must be an IPv6 address: sixteen octets as 32 "
                                         "hexadecimal digits, such as FE800000000000000000000000000001.");
            EXPECT_TRUE(Stack->TraceLines().empty());
            EXPECT_EQ(Named<TEdit>(editor, "edtIPv6SrcMask")->Text(), mask);
        }
    });
}

// The CPU twin: its own message for Add without an ID; Set with destroy
// chosen deletes the selected profile.
TEST_F(Ipv6ProfileEditors, CpuTwin) {
    auto* editor = Open<TCPUIPv6MaskInformationForm>();
    ASSERT_EQ(Rows(editor->ListView1).size(), 1u);
    Choose(editor, "cbxRowStatus", "createAndGo");
    ExpectRefused(editor, "btnAdd", "CPU IPv6 Mask ID must be set.");

    SelectRow(editor->ListView1, 0);
    Choose(editor, "cbxRowStatus", "destroy");
    Stack->ClearTrace();
    Press(editor, "btnModify");
    EXPECT_EQ(Written(CpuProfiles), Trace{"7.1 integer 6"});
    EXPECT_EQ(Rows(editor->ListView1).size(), 0u);
}

// The ID takes one digit: a second is not taken, and "0" or "9" is refused
// on leaving the field by its range.
TEST_F(Ipv6ProfileEditors, TheIdTakesOneDigitFromOneToEight) {
    auto* editor = Open<TIPv6MaskInformationForm>();
    auto* id = Named<TEdit>(editor, "edtIPv6MaskID");
    if (!ActivateForm(editor)) GTEST_SKIP() << "the platform does not activate windows";
    id->SetFocus();
    QTest::keyClicks(id->Widget(), "12");
    EXPECT_EQ(id->Text(), "1");
    for (const char* typed : {"0", "9"}) {
        SCOPED_TRACE(typed);
        MessageBoxRecorder boxes;
        id->SetText("");
        id->SetFocus();
        QTest::keyClicks(id->Widget(), typed);
        QTest::keyClick(id->Widget(), Qt::Key_Tab);
        Application->ProcessMessages();
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, "(VxCommon) Please enter a number between 1 and 8!");
        EXPECT_NE(id->Text(), typed);
    }
}

}  // namespace
