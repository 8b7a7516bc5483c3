// Input constraints on real edit boxes: what typing keeps, which message
// leaving a box gives, focus moves, chained handlers and bad format codes.

#include "common/VxEditConstraint.h"

#include "platform/Vcl.h"
#include "platform/testing/DialogRecorder.h"
#include "platform/testing/FormTesting.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::pair<DWORD, DWORD> ConstraintBeep{1000, 200};

class EditConstraint : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 300, 200);
        first = AddEdit(10);
        second = AddEdit(40);
        third = AddEdit(70);
    }
    void TearDown() override {
        constraints.reset();
        delete form;
    }

    TEdit* AddEdit(int top) {
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, top, 120, 21);
        return edit;
    }

    // Shows the form and puts the focus into the box, as a user clicking it.
    bool Enter(TEdit* edit) {
        if (!form->Showing() && !ActivateForm(form)) return false;
        edit->SetFocus();
        return edit->Focused();
    }
    // Key by key, as typed; characters beyond ASCII arrive as their text.
    static void Type(TEdit* edit, const char* utf8) {
        for (const QChar ch : QString::fromUtf8(utf8)) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(edit->Widget(), char(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edit->Widget(), Qt::Key(ch.toUpper().unicode()), QString(ch),
                                    Qt::NoModifier);
        }
    }
    // Tab out of the box and let posted messages run.
    static void Leave(TEdit* edit) {
        QTest::keyClick(edit->Widget(), Qt::Key_Tab);
        Application->ProcessMessages();
    }

    TForm* form = nullptr;
    TEdit *first = nullptr, *second = nullptr, *third = nullptr;
    std::unique_ptr<VxEditConstraint> constraints = std::make_unique<VxEditConstraint>(nullptr, 1);
    MessageBoxRecorder boxes;
    BeepRecorder beeps;
};

#define ENTER_OR_SKIP(edit) \
    if (!Enter(edit)) GTEST_SKIP() << "the platform does not activate windows"

TEST_F(EditConstraint, TypingDropsWhatTheTypeDoesNotAllowWithABeep) {
    struct Case {
        const char* format;
        const char* typed;
        const char* kept;
        size_t beeps;
    } cases[] = {
        {"%i{n1x4094l4}", "12a", "12", 1},
        {"%i", "-5-", "-5", 1},            // "-" at the first position only
        {"%i", "1-2", "12", 1},
        {"%u", "-5", "5", 1},
        {"%f", "-1.5.2", "-1.52", 1},      // one point
        {"%h", "0aFg9", "0aF9", 1},
        {"%n,", ",1,,2,", "1,2,", 2},      // no leading or doubled delimiter
        {"%n.", "1.2x", "1.2", 1},
        {"%i", "1\xC3\xA9" "2", "12", 1},  // a non-ASCII letter goes as a whole
        {"%s", "a-b.c\xC3\xA9", "a-b.c\xC3\xA9", 0},
        {"%i{l4}", "123456", "1234", 0},   // the box's own limit stops typing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " typed " + c.typed);
        TEdit* edit = AddEdit(100);
        constraints->AttachOne(c.format, edit);
        beeps.Clear();
        Type(edit, c.typed);
        EXPECT_EQ(edit->Text(), c.kept);
        EXPECT_EQ(beeps.Beeps(), std::vector(c.beeps, ConstraintBeep));
        EXPECT_TRUE(boxes.Calls().empty());
    }
}

TEST_F(EditConstraint, CaretStaysWhereTheDroppedCharacterWas) {
    constraints->AttachOne("%i", first);
    first->SetText("1234");
    first->SetSelStart(2);
    Type(first, "x");
    EXPECT_EQ(first->Text(), "1234");
    EXPECT_EQ(first->SelStart(), 2);
    Type(first, "9");
    EXPECT_EQ(first->Text(), "12934");
    // A paste loses each refused character; the caret stays after what it kept.
    first->SetSelStart(2);
    first->Widget()->insert("x8y");
    EXPECT_EQ(first->Text(), "128934");
    EXPECT_EQ(first->SelStart(), 3);
}

TEST_F(EditConstraint, LeavingABadValueShowsItsMessageRestoresTheAcceptedTextAndKeepsTheFocus) {
    const std::string listHead = "(VxCommon) Please enter a delimited number string with delimiter ";
    struct Case {
        const char* format;
        const char* accepted;
        std::string value;
        std::string message;
    } cases[] = {
        {"%i{n1x4094l4}", "100", "5000", "(VxCommon) Please enter a number between 1 and 4094!"},
        {"%i{n1x4094l4}", "100", "0", "(VxCommon) Please enter a number between 1 and 4094!"},
        {"%i{}", "", "2147483648", "(VxCommon) Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "", "4294967296", "(VxCommon) Please enter a number between 0 and 4294967295!"},
        {"%f{n-1.5x2.25}", "", "3", "(VxCommon) Please enter a number between -1.5 and 2.25!"},
        {"%s{l32}", "abc", std::string(33, 'a'),
         "(VxCommon) Please enter a string whose length is less than 32!"},
        {"%s{l3f}", "abc", "ab", "(VxCommon) Please enter a string whose length is 3!"},
        {"%h{l4}", "", "12345", "(VxCommon) Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "", "123", "(VxCommon) Please enter a hex string whose length is 4!"},
        {"%n.{l4}", "", "1.2.3.4.5", listHead + "'.'.\nHere,the count of the number is less than 4!"},
        {"%n.{l4f}", "1.2.3.4", "1.2.3", listHead + "'.'.\nHere,the count of the number is equal to 4!"},
        {"%n,{n1x255}", "", "1,256", listHead + "','.\nHere,each number is between 1 and 255!"},
        {"%n,{x255}", "", "4294967296", listHead + "','.\nHere,each number is between 0 and 255!"},
        {"%s{l3n}", "", "", "(VxCommon) Empty value is not allowed!"},  // emptied: nothing to restore
    };
    ENTER_OR_SKIP(first);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " left with " + c.value);
        constraints->AttachOne(c.format, first);
        first->SetText(c.accepted);
        constraints->SaveText(first);
        first->SetText(c.value);
        boxes.Clear();
        first->SetFocus();
        Leave(first);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().Text, c.message);
        EXPECT_EQ(boxes.Last().Caption, QCoreApplication::applicationName().toStdString());
        EXPECT_EQ(boxes.Last().Owner, form->Handle());
        EXPECT_EQ(boxes.Last().Flags, UINT(MB_OK));
        EXPECT_EQ(first->Text(), c.accepted);
        EXPECT_TRUE(first->Focused());
    }
}

TEST_F(EditConstraint, LeavingAGoodValueMakesItTheAcceptedText) {
    struct Case {
        const char* format;
        const char* value;
    } cases[] = {
        {"%i{n1x4094l4}", "4094"},
        {"%i{n1x4094l4}", "1"},
        {"%f", "-0.5"},
        {"%s{l3f}", "abc"},
        {"%h{l4f}", "0aF9"},
        {"%n,{n1x255l4f}", "1,2,3,255"},
    };
    ENTER_OR_SKIP(first);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " left with " + c.value);
        constraints->AttachOne(c.format, first);
        first->SetText(c.value);
        first->SetFocus();
        Leave(first);
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(constraints->Find(first)->AcceptedText, c.value);
        EXPECT_TRUE(second->Focused());
    }
}

// However a box is emptied (by the program, as a new entry or another row
// does, or by the user), it forgets its accepted text: a refused entry after
// it leaves the box empty, never bringing back the value it held before.
TEST_F(EditConstraint, AnEmptiedBoxForgetsItsAcceptedTextAndPassesWithoutTheNFlag) {
    int exits = 0;
    first->OnExit = TNotifyEvent::Func([&](TObject*) { ++exits; });
    constraints->AttachOne("%i{n1x4094l4}", first);
    const std::pair<const char*, std::function<void()>> emptyings[] = {
        {"SetText", [&] { first->SetText(""); }},
        {"Clear", [&] { first->Clear(); }},
        {"typed", [&] {
             first->SelectAll();
             QTest::keyClick(first->Widget(), Qt::Key_Delete);
         }},
    };
    for (const auto& [how, empty] : emptyings) {
        SCOPED_TRACE(how);
        first->SetText("7");
        constraints->SaveText(first);
        empty();
        ASSERT_EQ(first->Text(), "");
        constraints->OnExit(first);
        EXPECT_TRUE(boxes.Calls().empty()) << "an empty box passes without the n flag";
        EXPECT_EQ(exits, 0) << "and goes no further";
        EXPECT_EQ(constraints->Find(first)->AcceptedText, "");
        first->SetText("5000");
        constraints->OnExit(first);
        EXPECT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(first->Text(), "");
        boxes.Clear();
    }
}

// A text the program sets (a value read) loses what the type does not allow
// in one pass and is set once more, whatever its length; the text is the one
// that dropping the first disallowed character again and again leaves.
TEST_F(EditConstraint, AProgramTextIsFilteredAsAWholeAndSetOnce) {
    // 8,000 octets A5 F0 as hex text: the digits of it stay.
    std::string hex, hexDigits;
    for (int i = 0; i < 8000; ++i) {
        hex += "A5F0";
        hexDigits += "50";
    }
    struct Case {
        const char* format;
        std::string text;
        std::string kept;
    } cases[] = {
        {"%i", "a-5", "-5"},                // the "-" is first once the letter is gone
        {"%i", "--5x-", "-5"},
        {"%f", "..1.-2", ".12"},            // one point, the first
        {"%n,", ",,1,,,2,", "1,2,"},        // no leading or doubled delimiter
        {"%h", "xyz0aF\xC3\xA9", "0aF"},
        {"%u", std::string(20000, 'x') + "7", "7"},
        {"%i", hex, hexDigits},
        {"%i{e.}", "1.2.3a", "123"},        // every next-control character goes too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " set to " + c.text.substr(0, 40));
        TEdit* edit = AddEdit(100);
        constraints->AttachOne(c.format, edit);
        int sets = 0;
        QObject::connect(edit->Widget(), &QLineEdit::textChanged, [&] { ++sets; });
        beeps.Clear();
        edit->SetText(c.text);
        EXPECT_EQ(edit->Text(), c.kept);
        EXPECT_EQ(sets, 2) << "the program's text and the filtered one";
        EXPECT_EQ(beeps.Beeps(), std::vector{ConstraintBeep});
    }
}

TEST_F(EditConstraint, TheFirstFailedCheckEmptiesTheBox) {
    constraints->AttachOne("%i{n1x9}", first);
    first->SetText("12");
    constraints->OnExit(first);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(first->Text(), "");
}

TEST_F(EditConstraint, ValueMarkersPassBothHandlersUntouched) {
    int chained = 0;
    first->OnChange = TNotifyEvent::Func([&](TObject*) { ++chained; });
    constraints->AttachOne("%i{n1x9l1n}", first);
    for (const char* marker : {"(NOTDONE)", "(NULL)"}) {
        first->SetText(marker);
        constraints->OnExit(first);
        EXPECT_EQ(first->Text(), marker);
    }
    EXPECT_EQ(chained, 0);
    EXPECT_TRUE(beeps.Beeps().empty());
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(EditConstraint, TypingTheLastAllowedCharacterMovesToTheNextControl) {
    constraints->AttachOne("%i{n0x16777214l8a}", first);
    ENTER_OR_SKIP(first);
    Type(first, "1234567");
    Application->ProcessMessages();
    EXPECT_TRUE(first->Focused());
    Type(first, "8");
    Application->ProcessMessages();
    EXPECT_EQ(first->Text(), "12345678");
    EXPECT_TRUE(second->Focused());

    // A value the program puts into the box leaves the focus where it is.
    third->SetFocus();
    first->SetText("87654321");
    Application->ProcessMessages();
    EXPECT_TRUE(third->Focused());
}

TEST_F(EditConstraint, TheNextCharacterMovesOnInsteadOfBeingTyped) {
    constraints->Attach("%i{e.}%i{e.}", {first, second});
    ENTER_OR_SKIP(first);
    Type(first, "192.");
    Application->ProcessMessages();
    EXPECT_EQ(first->Text(), "192");
    ASSERT_TRUE(second->Focused());
    Type(second, "168.");
    Application->ProcessMessages();
    EXPECT_EQ(second->Text(), "168");
    EXPECT_TRUE(third->Focused());
    EXPECT_TRUE(beeps.Beeps().empty());
}

TEST_F(EditConstraint, MessagesAndFocusMovesGoToTheOwnerForm) {
    TForm dialog(nullptr);
    constraints->SetOwner(&dialog);
    constraints->AttachOne("%i{n1x9}", first);
    first->SetText("12");
    constraints->OnExit(first);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Owner, dialog.Handle());
    EXPECT_EQ(constraints->Owner(), &dialog);
}

TEST_F(EditConstraint, ChainedChangeHandlerSeesOnlyFilteredTextsAndCanStopTheAdvance) {
    std::vector<std::string> seen;
    first->OnChange = TNotifyEvent::Func([&](TObject*) {
        seen.push_back(first->Text());
        first->SetTag(first->Text() == "99" ? -1 : 0);
    });
    constraints->AttachOne("%i{l2a}", first);
    ENTER_OR_SKIP(first);
    Type(first, "9x9");
    Application->ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"9", "9", "99"}));
    EXPECT_TRUE(first->Focused());  // the handler refused: no advance
}

TEST_F(EditConstraint, ChainedExitHandlerRunsOnPassingValuesAndCanRefuseThem) {
    int exits = 0;
    first->OnExit = TNotifyEvent::Func([&](TObject*) {
        ++exits;
        first->SetTag(first->Text() == "13" ? -1 : 0);
    });
    constraints->AttachOne("%i{n1x20}", first);
    first->SetText("12");
    constraints->OnExit(first);
    first->SetText("13");
    constraints->OnExit(first);
    EXPECT_EQ(first->Text(), "12");
    EXPECT_EQ(constraints->Find(first)->AcceptedText, "12");
    first->SetText("21");  // out of range: the chained handler is not asked
    constraints->OnExit(first);
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(boxes.Count(), 1u);
}

TEST_F(EditConstraint, DetachGivesTheBoxItsOwnHandlersBack) {
    struct Own : TObject {
        void Change(TObject*) {}
        void Exit(TObject*) {}
    } own;
    const TNotifyEvent change(&own, &Own::Change), exit(&own, &Own::Exit);
    first->OnChange = change;
    first->OnExit = exit;
    constraints->AttachOne("%i", first);
    constraints->AttachOne("%u{l3}", first);  // again: replaces, does not chain to itself
    EXPECT_EQ(constraints->Find(first)->Type, 'u');
    EXPECT_EQ(constraints->Find(first)->SavedOnChange, change);
    constraints->Detach(first);
    EXPECT_EQ(constraints->Find(first), nullptr);
    EXPECT_EQ(first->OnChange, change);
    EXPECT_EQ(first->OnExit, exit);
    Type(first, "x");
    EXPECT_EQ(first->Text(), "x");
}

TEST_F(EditConstraint, ARegistryThatGoesFirstGivesTheBoxesThatStillExistTheirHandlersBack) {
    int own = 0;
    first->OnChange = TNotifyEvent::Func([&](TObject*) { ++own; });
    const TNotifyEvent ownChange = first->OnChange;
    constraints->Attach("%i%i", {first, second});
    delete second;  // a box destroyed before the registry is not touched
    constraints.reset();
    EXPECT_EQ(first->OnChange, ownChange);
    Type(first, "x");
    EXPECT_EQ(first->Text(), "x");
    EXPECT_EQ(own, 1);
    EXPECT_TRUE(beeps.Beeps().empty());
}

TEST_F(EditConstraint, TwoRefusedBoxesDoNotPullTheFocusBackAndForth) {
    constraints->Attach("%i{n1x9}%s{l4n}", {first, second});
    ENTER_OR_SKIP(first);
    Type(first, "50");
    Leave(first);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text, "(VxCommon) Please enter a number between 1 and 9!");
    EXPECT_TRUE(first->Focused());
}

TEST_F(EditConstraint, FormatCodes) {
    const std::string badFormat = "(VxCommon) Bad format specifier of edit's constraint!";
    for (const char* bad : {"%", "i", "%x", "%n", "%i{", "%i}", "%i{}x", "%i x", "%i{n}", "%i{n1", "%i{q1}",
                            "%i{e}", "%i{l}", "%i{w}", "%i{xa}", "%s{l3aaaa}", "%%i"}) {
        SCOPED_TRACE(bad);
        try {
            constraints->Attach(bad, {first, second});
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), badFormat);
        }
    }
    EXPECT_EQ(constraints->Find(first), nullptr);

    constraints->AttachOne("%i{}", first);
    const VxEditConstraint::Record* r = constraints->Find(first);
    EXPECT_EQ(r->Min, -2147483648.0);
    EXPECT_EQ(r->Max, 2147483647.0);
    EXPECT_EQ(r->Length, 0);
    EXPECT_EQ(r->Flags, 0);

    constraints->AttachOne("%n.{n-1x2.5l4fanw80e/}", first);
    r = constraints->Find(first);
    EXPECT_EQ(r->ListDelimiter, '.');
    EXPECT_EQ(r->Min, -1.0);
    EXPECT_EQ(r->Max, 2.5);
    EXPECT_EQ(r->Length, 4);
    EXPECT_EQ(r->Flags, VxEditConstraint::AutoAdvance | VxEditConstraint::ExactLength | VxEditConstraint::NotEmpty);
    EXPECT_EQ(r->NextChar, '/');
    EXPECT_EQ(first->Width(), 80);
    EXPECT_EQ(first->MaxLength(), 0);  // a list's length counts numbers

    constraints->AttachOne("%s{l32}", first);
    EXPECT_EQ(first->MaxLength(), 32);
}

TEST_F(EditConstraint, AttachStopsAtTheFirstBadCodeAndNeedsABoxPerCode) {
    EXPECT_THROW(constraints->Attach("%i{l4}%q%s", {first, second, third}), Exception);
    EXPECT_NE(constraints->Find(first), nullptr);
    EXPECT_EQ(constraints->Find(second), nullptr);
    EXPECT_EQ(constraints->Find(third), nullptr);

    EXPECT_THROW(constraints->Attach("%i%i%i", {first, second}), Exception);
    EXPECT_NE(constraints->Find(second), nullptr);
    EXPECT_EQ(constraints->Find(third), nullptr);
}

}  // namespace
