#pragma once
// The fixture of the access-control editor tests: the simulated stack and the
// dialogs' host, the editor's controls by name, a user's typing, choosing and
// ticking, and the set trace as the tests compare it.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "acl/AclEditor.h"
#include "dialogbase/StackingPortUit.h"
#include "platform/Layout.h"
#include "platform/Menus.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"
#include "tests/support/DialogFixture.h"

using Trace = std::vector<std::string>;

class AclEditors : public DialogFixture {
protected:
    using DialogFixture::Choose;
    using DialogFixture::Press;

    template <class T>
    T* Open() {
        OpenHostOn();
        return OpenDialog<T>();
    }
    template <class T = TWinControl>
    static T* Named(TAclEditor* editor, const char* name) {
        return FindChild<T>(editor, name);
    }
    static void Type(TAclEditor* editor, const char* edit, const std::string& text) {
        Named<TEdit>(editor, edit)->SetText(text);
    }
    static void Tick(TAclEditor* editor, std::initializer_list<const char*> boxes) {
        for (const char* name : boxes) Named<TCheckBox>(editor, name)->SetChecked(true);
    }
    static std::string Panel0(TAclEditor* editor) { return editor->StatusBar1->Panels()->Items(0)->Text(); }
    static bool Enabled(TAclEditor* editor, const char* name) { return Named(editor, name)->Enabled(); }

    // A write refused with one message box and nothing sent.
    void ExpectRefused(TAclEditor* editor, const char* button, const std::string& message) {
        MessageBoxRecorder boxes;
        Press(editor, button);
        ASSERT_EQ(boxes.Count(), 1u) << message;
        EXPECT_EQ(boxes.Last().Text, message);
        EXPECT_TRUE(Stack->TraceLines().empty()) << message;
    }
    std::vector<int> TickedPorts(TAclEditor* editor) {
        std::vector<TCheckBox*> boxes;
        for (int k = 0; k < editor->PortPicker->CheckBoxes.Count(); ++k) boxes.push_back(editor->PortPicker->Box(k));
        return Checked(boxes);
    }
};

