// Standard controls: which changes fire which events, key handling, focus
// events, text limits and memo lines.

#include "platform/Vcl.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

struct Events : TObject {
    std::vector<std::string> Log;
    void Change(TObject* sender) { Log.push_back("change:" + static_cast<TEdit*>(sender)->Text()); }
    void Any(TObject*) { Log.push_back("event"); }
};

// Drops letters the way the input constraints do: by setting the text again
// from inside the change handler.
struct DigitsOnly : TObject {
    std::vector<std::string> Seen;
    void Change(TObject* sender) {
        auto* edit = static_cast<TEdit*>(sender);
        std::string text = edit->Text();
        Seen.push_back(text);
        size_t bad = text.find_first_not_of("0123456789");
        if (bad != std::string::npos) edit->SetText(text.erase(bad, 1));
    }
};

class StdCtrls : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 400, 300);
    }
    void TearDown() override { delete form; }
    template <class T>
    T* Add(int left, int top) {
        auto* c = new T(form);
        c->SetParent(form);
        c->SetLeft(left);
        c->SetTop(top);
        return c;
    }
    TForm* form = nullptr;
};

}  // namespace

TEST_F(StdCtrls, EditChangeFiresOnProgramChangesAndMayChangeTheTextAgain) {
    auto* edit = Add<TEdit>(10, 10);
    DigitsOnly filter;
    edit->OnChange = TNotifyEvent(&filter, &DigitsOnly::Change);
    edit->SetText("12a");
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(filter.Seen, (std::vector<std::string>{"12a", "12"}));

    filter.Seen.clear();
    QTest::keyClicks(edit->Widget(), "3x4");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetText("1234");  // no change, no event
    EXPECT_EQ(filter.Seen, (std::vector<std::string>{"123", "123x", "123", "1234"}));
}

TEST_F(StdCtrls, ComboChangeFiresOnTheUsersChangesOnly) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(csDropDownList);
    Events events;
    combo->OnChange = TNotifyEvent(&events, &Events::Any);
    combo->Items()->Add("enable");
    combo->Items()->Add("disable");
    EXPECT_EQ(combo->ItemIndex(), -1);  // adding entries selects none
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(1);
    combo->SetText("enable");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetText("unknown");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_TRUE(events.Log.empty());

    combo->SetItemIndex(0);
    QTest::keyClick(combo->Widget(), Qt::Key_Down);
    EXPECT_EQ(combo->Text(), "disable");
    EXPECT_EQ(events.Log.size(), 1u);

    combo->SetStyle(csDropDown);  // an edit box: typing is a change too
    combo->SetText("abc");
    EXPECT_EQ(events.Log.size(), 1u);
    QTest::keyClicks(combo->Widget(), "d");
    EXPECT_EQ(events.Log.size(), 2u);
}

TEST_F(StdCtrls, CheckBoxClickFiresWhenCheckedChangesByProgramOrUser) {
    auto* box = Add<TCheckBox>(10, 10);
    Events events;
    box->OnClick = TNotifyEvent(&events, &Events::Any);
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(events.Log.size(), 1u);
    form->Show();
    QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(6, box->Height() / 2));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(events.Log.size(), 2u);
}

TEST_F(StdCtrls, RadioGroupAndRadioButtons) {
    auto* group = Add<TRadioGroup>(10, 10);
    Events events;
    group->OnClick = TNotifyEvent(&events, &Events::Any);
    group->Items()->Add("other");
    group->Items()->Add("inter");
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(1);
    EXPECT_EQ(events.Log.size(), 1u);
    group->Items()->Add("extType1");  // entries change, the selection stays
    EXPECT_EQ(group->ItemIndex(), 1);
    group->SetItemIndex(-1);
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_EQ(events.Log.size(), 1u);

    auto* a = Add<TRadioButton>(10, 150);
    auto* b = Add<TRadioButton>(10, 170);
    Events clicks;
    a->OnClick = b->OnClick = TNotifyEvent(&clicks, &Events::Any);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(clicks.Log.size(), 2u);
}

TEST_F(StdCtrls, KeyPressCanDropOrReplaceATypedCharacter) {
    auto* edit = Add<TEdit>(10, 10);
    std::vector<int> keys;
    edit->OnKeyPress = TKeyPressEvent::Func([&](TObject*, char& key) {
        keys.push_back(key);
        if (key == 'x' || key == 8) key = 0;  // no letters, no Backspace
        if (key == 'a') key = 'A';
    });
    QTest::keyClicks(edit->Widget(), "1xa");
    QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "1A");
    EXPECT_EQ(keys, (std::vector<int>{'1', 'x', 'a', 8}));
}

// Only typed characters reach a key filter: printable ones, Backspace and
// Enter. Delete, the arrows, Home, End, Escape and Ctrl combinations type
// nothing and act as in every box, whatever the filter drops.
TEST_F(StdCtrls, OnlyTypedCharactersReachAKeyFilter) {
    auto* edit = Add<TEdit>(10, 10);
    std::vector<int> keys;
    edit->OnKeyPress = TKeyPressEvent::Func([&](TObject*, char& key) {
        keys.push_back(key);
        if (key < '0' || key > '9') key = 0;  // digits only, Backspace refused
    });
    struct Step {
        std::vector<Qt::Key> pressed;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    };
    const Step steps[] = {
        {{Qt::Key_1, Qt::Key_2, Qt::Key_3}, Qt::NoModifier, "123"},
        {{Qt::Key_Home, Qt::Key_Delete}, Qt::NoModifier, "23"},
        {{Qt::Key_End, Qt::Key_Left, Qt::Key_Delete}, Qt::NoModifier, "2"},
        {{Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right}, Qt::NoModifier, "2"},
        {{Qt::Key_Backspace, Qt::Key_Return, Qt::Key_X}, Qt::NoModifier, "2"},
        {{Qt::Key_A}, Qt::ControlModifier, "2"},  // selects the whole text
        {{Qt::Key_Delete}, Qt::NoModifier, ""},
    };
    for (const Step& step : steps) {
        for (Qt::Key key : step.pressed) PressKey(edit->Widget(), key, step.modifiers);
        EXPECT_EQ(edit->Text(), step.text);
    }
    EXPECT_EQ(keys, (std::vector<int>{'1', '2', '3', 8, 13, 'x'}));
}

TEST_F(StdCtrls, MaxLengthStopsTypingButNotTheProgram) {
    auto* edit = Add<TEdit>(10, 10);
    edit->SetMaxLength(4);
    QTest::keyClicks(edit->Widget(), "123456");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetText("1234567");
    EXPECT_EQ(edit->Text(), "1234567");
}

// Qt's line edit would cut a text at 32,767 characters: an edit (and an
// editable combo) holds whatever it is given, bytes that are no UTF-8 too,
// and without a limit of its own takes typing beyond.
TEST_F(StdCtrls, EditsHoldATextOfAnyLength) {
    const std::string latin1(40000, '\xE9');
    std::string plain;
    while (plain.size() < 70000) plain += "name-" + std::to_string(plain.size()) + ";";
    auto* edit = Add<TEdit>(10, 10);
    auto* combo = Add<TComboBox>(10, 40);
    for (const std::string& text : {latin1, plain}) {
        edit->SetText(text);
        EXPECT_EQ(edit->Text().size(), text.size());
        EXPECT_TRUE(edit->Text() == text);
        combo->SetText(text);
        EXPECT_EQ(combo->Text().size(), text.size());
        EXPECT_TRUE(combo->Text() == text);
    }
    edit->Widget()->end(false);
    QTest::keyClick(edit->Widget(), 'x');
    EXPECT_EQ(edit->Text(), plain + "x");
}

TEST_F(StdCtrls, ExitFiresWhenTheFocusMovesToAnotherControl) {
    auto* first = Add<TEdit>(10, 10);
    auto* second = Add<TEdit>(10, 40);
    Events events;
    first->OnExit = TNotifyEvent(&events, &Events::Any);
    second->OnEnter = TNotifyEvent(&events, &Events::Any);
    if (!ActivateForm(form)) GTEST_SKIP() << "the platform does not activate windows";
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    EXPECT_TRUE(events.Log.empty());
    QTest::keyClick(first->Widget(), Qt::Key_Tab);
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(events.Log.size(), 2u);
    // The next-control message moves the focus on as Tab does.
    PostMessageA(form->Handle(), WM_NEXTDLGCTL, 0, 0);
    Application->ProcessMessages();
    EXPECT_FALSE(second->Focused());
}

TEST_F(StdCtrls, MemoLines) {
    auto* memo = Add<TMemo>(10, 10);
    TStrings* lines = memo->Lines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add("Get: ok");
    lines->Add("Set: ok");
    lines->Insert(0, "first");
    EXPECT_EQ(lines->Count(), 3);
    EXPECT_EQ(lines->Get(0), "first");
    EXPECT_EQ(lines->Get(2), "Set: ok");
    lines->Delete(2);
    lines->Put(1, "changed");
    EXPECT_EQ(memo->Text(), "first\nchanged");
    EXPECT_THROW(lines->Get(5), EListError);
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
}

TEST_F(StdCtrls, LabelSizesItselfToItsCaption) {
    auto* label = Add<TLabel>(10, 10);
    label->SetCaption("Samples");
    int width = label->Width();
    EXPECT_GT(width, 20);
    EXPECT_GT(label->Height(), 8);
    label->SetCaption("Samples and more");
    EXPECT_GT(label->Width(), width);
    label->SetWidth(96);  // as wide as a button, the text centred in it
    label->SetAlignment(taCenter);
    EXPECT_EQ(label->Width(), 96);
    label->SetAutoSize(false);
    label->SetCaption("x");
    EXPECT_EQ(label->Width(), 96);
}
