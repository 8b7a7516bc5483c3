// Single-slot events: a binding can read, keep, replace, restore and compare
// a control's handler, and a hook can pass a change on to the handler it
// replaced.

#include "platform/Vcl.h"

#include <gtest/gtest.h>

namespace {

struct Recorder : TObject {
    std::vector<std::string> Calls;
    void First(TObject*) { Calls.push_back("first"); }
    void Second(TObject*) { Calls.push_back("second"); }
};

// A hook that chains to the handler it found, as the page controller does.
struct Hook : TObject {
    TNotifyEvent Saved;
    int Hooked = 0;
    void Changed(TObject* sender) {
        ++Hooked;
        Saved(sender);
    }
    void Install(TNotifyEvent& event) {
        if (event == TNotifyEvent(this, &Hook::Changed)) return;  // already ours
        Saved = event;
        event = TNotifyEvent(this, &Hook::Changed);
    }
};

}  // namespace

TEST(Events, CompareBySameObjectAndSameMethod) {
    Recorder a, b;
    TNotifyEvent empty;
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty, TNotifyEvent());
    EXPECT_EQ(TNotifyEvent(&a, &Recorder::First), TNotifyEvent(&a, &Recorder::First));
    EXPECT_NE(TNotifyEvent(&a, &Recorder::First), TNotifyEvent(&a, &Recorder::Second));
    EXPECT_NE(TNotifyEvent(&a, &Recorder::First), TNotifyEvent(&b, &Recorder::First));
    EXPECT_NE(TNotifyEvent(&a, &Recorder::First), empty);
    auto f = TNotifyEvent::Func([](TObject*) {});
    TNotifyEvent copy = f;
    EXPECT_EQ(copy, f);
    EXPECT_NE(f, TNotifyEvent::Func([](TObject*) {}));
}

TEST(Events, SaveReplaceRestoreOnAControl) {
    TForm form(nullptr);
    Recorder own;
    Hook hook;
    auto* combo = new TComboBox(&form);
    combo->OnChange = TNotifyEvent(&own, &Recorder::First);

    hook.Install(combo->OnChange);
    hook.Install(combo->OnChange);  // a second binding keeps the original
    combo->OnChange(combo);
    EXPECT_EQ(hook.Hooked, 1);
    EXPECT_EQ(own.Calls, std::vector<std::string>{"first"});

    combo->OnChange = hook.Saved;  // unhook
    EXPECT_EQ(combo->OnChange, TNotifyEvent(&own, &Recorder::First));
    combo->OnChange(combo);
    EXPECT_EQ(hook.Hooked, 1);
    EXPECT_EQ(own.Calls.size(), 2u);
}

TEST(Events, ReferenceArgumentsReachTheCaller) {
    TKeyPressEvent press = TKeyPressEvent::Func([](TObject*, char& key) { key = 0; });
    char key = 'a';
    press(nullptr, key);
    EXPECT_EQ(key, 0);
    TCloseEvent close = TCloseEvent::Func([](TObject*, TCloseAction& action) { action = caFree; });
    TCloseAction action = caHide;
    close(nullptr, action);
    EXPECT_EQ(action, caFree);
}
