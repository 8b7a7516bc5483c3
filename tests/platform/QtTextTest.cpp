// Texts crossing into Qt and back: byte strings that are not UTF-8 keep
// their bytes through every control that shows them.

#include "platform/QtText.h"
#include "platform/Vcl.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const std::string Latin1Name = "caf\xE9 M\xFCller";          // Latin-1, not UTF-8
const std::string Utf8Name = "caf\xC3\xA9";                    // "café" in UTF-8
const std::string Binary = "\x01\xFF\x80z\x7F";  // a binary display string

TEST(QtText, ValidUtf8ShowsAsItReadsAndOtherBytesAsLatin1Characters) {
    EXPECT_TRUE(IsUtf8(Utf8Name));
    EXPECT_TRUE(IsUtf8("plain"));
    EXPECT_FALSE(IsUtf8(Latin1Name));
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsUtf8("\xE2\x82"));          // cut short
    EXPECT_EQ(ShownText(Utf8Name), QString::fromUtf8("café"));
    EXPECT_EQ(ShownText(Latin1Name), QString::fromUtf8("café Müller"));
    EXPECT_EQ(ShownText(Binary).size(), 5);
}

TEST(QtText, AnUneditedTextGivesBackItsBytesAndAnEditedOneKeepsItsEncoding) {
    for (const std::string& bytes : {Latin1Name, Utf8Name, Binary})
        EXPECT_EQ(EditedBytes(ShownText(bytes), bytes), bytes);
    // "café" shown from Latin-1 and from UTF-8 looks the same; each keeps its own bytes.
    EXPECT_EQ(EditedBytes(QString::fromUtf8("café!"), "caf\xE9"), "caf\xE9!");
    EXPECT_EQ(EditedBytes(QString::fromUtf8("café!"), Utf8Name), Utf8Name + "!");
    // A character Latin-1 cannot hold turns the text into UTF-8.
    EXPECT_EQ(EditedBytes(QString::fromUtf8("café€"), "caf\xE9"), "caf\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(BytesOf(QString::fromUtf8("é"), QVariant()), "\xC3\xA9");
}

class QtTextControls : public ::testing::Test {
protected:
    void SetUp() override { form = new TForm(nullptr); }
    void TearDown() override { delete form; }
    TForm* form = nullptr;
};

TEST_F(QtTextControls, EveryControlGivesBackTheBytesItShows) {
    for (const std::string& bytes : {Latin1Name, Utf8Name, Binary}) {
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetText(bytes);
        EXPECT_EQ(edit->Text(), bytes);

        auto* box = new TCheckBox(form);
        box->SetParent(form);
        box->SetCaption(bytes);
        EXPECT_EQ(box->Caption(), bytes);

        auto* combo = new TComboBox(form);
        combo->SetParent(form);
        combo->SetStyle(csDropDownList);
        combo->Items()->Add("other");
        combo->Items()->Add(bytes);
        combo->SetItemIndex(1);
        EXPECT_EQ(combo->Text(), bytes);
        EXPECT_EQ(combo->Items()->IndexOf(bytes), 1);

        auto* memo = new TMemo(form);
        memo->SetParent(form);
        memo->Lines()->Add("first");
        memo->Lines()->Add(bytes);
        EXPECT_EQ(memo->Lines()->Get(1), bytes);
        memo->SetText("plain\n" + bytes);
        EXPECT_EQ(memo->Text(), "plain\n" + bytes);

        auto* list = new TListView(form);
        list->SetParent(form);
        list->SetViewStyle(vsReport);
        list->Columns()->Add()->SetCaption("Name");
        TListItem* row = list->Items()->Add();
        row->SetCaption(bytes);
        EXPECT_EQ(row->Caption(), bytes);
    }
}

TEST_F(QtTextControls, AnEditedLatin1TextStaysLatin1) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetText(Latin1Name);
    auto* line = static_cast<QLineEdit*>(edit->Widget());
    line->setText(line->text() + "s");  // as if typed
    EXPECT_EQ(edit->Text(), Latin1Name + "s");
    edit->SetText("");
    line->setText(QString::fromUtf8("é"));
    EXPECT_EQ(edit->Text(), "\xC3\xA9");
}

}  // namespace
