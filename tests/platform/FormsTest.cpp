// Forms and the application: modal loop and results, close actions, the
// message posted to oneself, exceptions that reach the exception box instead
// of the event loop, message-box answers and timers.

#include "platform/Vcl.h"
#include "platform/SysUtils.h"
#include "platform/testing/DialogRecorder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr UINT kRefreshMessage = 34002;

// Posts itself a message when it is created and handles it once the message
// loop runs, as the editor window does for its first read.
class SelfRefreshingForm : public TForm {
public:
    explicit SelfRefreshingForm(TComponent* owner) : TForm(owner) {
        PostMessageA(Handle(), kRefreshMessage, 0, 0);
        OnClose = TCloseEvent(this, &SelfRefreshingForm::FormClose);
    }
    void Dispatch(TMessage& message) override {
        if (message.Msg == kRefreshMessage) {
            ++Refreshes;
            WasVisible = Visible();
            if (ThrowOnRefresh) throw Exception("(VxSNMP++) Ok!", -1);
            Close();
        } else {
            TForm::Dispatch(message);
        }
    }
    void FormClose(TObject*, TCloseAction& action) {
        ++Closes;
        action = CloseAction;
    }
    int Refreshes = 0;
    int Closes = 0;
    bool WasVisible = false;
    bool ThrowOnRefresh = false;
    TCloseAction CloseAction = caHide;
};

}  // namespace

TEST(Forms, PostedMessageRunsInTheModalLoopAndCloseEndsIt) {
    SelfRefreshingForm form(Application);
    EXPECT_EQ(form.Refreshes, 0);
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.Refreshes, 1);
    EXPECT_TRUE(form.WasVisible);
    EXPECT_EQ(form.Closes, 1);
    EXPECT_FALSE(form.Visible());
}

TEST(Forms, ButtonModalResultEndsTheLoopAndCaNoneRefuses) {
    TForm form(nullptr);
    TCloseAction action = caNone;  // the first close is refused
    int closes = 0, clicks = 0;
    form.OnClose = TCloseEvent::Func([&](TObject*, TCloseAction& a) {
        ++closes;
        a = action;
    });
    auto* ok = new TButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    auto click = [ok] { QTest::mouseClick(ok->Widget(), Qt::LeftButton); };
    ok->OnClick = TNotifyEvent::Func([&](TObject*) {
        if (++clicks == 1) QTimer::singleShot(0, click);
        else action = caHide;
    });
    QTimer::singleShot(0, click);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(clicks, 2);
}

TEST(Forms, ExceptionInAHandlerShowsTheExceptionBoxInsteadOfCrossingTheLoop) {
    MessageBoxRecorder boxes;
    SelfRefreshingForm form(nullptr);
    form.ThrowOnRefresh = true;
    auto* button = new TButton(&form);
    button->SetParent(&form);
    button->OnClick = TNotifyEvent::Func([](TObject*) { throw std::runtime_error("plain failure"); });
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(button->Widget(), Qt::LeftButton);
        form.Close();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Calls()[0].Text, "(VxSNMP++) Ok!");
    EXPECT_EQ(boxes.Calls()[1].Text, "plain failure");
    EXPECT_EQ(boxes.Last().Caption, ExtractFileName(Application->ExeName()));
    EXPECT_EQ(boxes.Last().Flags & MB_TYPEMASK, MB_OK);
}

TEST(Forms, CloseActionFreeReleasesTheFormFromTheLoop) {
    auto* form = new SelfRefreshingForm(nullptr);
    form->CloseAction = caFree;
    form->Show();
    Application->ProcessMessages();  // the posted message closes it
    EXPECT_EQ(form->Closes, 1);
    Application->ProcessMessages();
    EXPECT_FALSE(TForm::Exists(form));

    auto* early = new SelfRefreshingForm(nullptr);
    early->CloseAction = caFree;
    early->Release();
    delete early;  // deleted before the loop got to it: nothing happens later
    Application->ProcessMessages();
}

TEST(Forms, MessageBoxesAreAnsweredThroughTheSeam) {
    MessageBoxRecorder boxes;
    BeepRecorder beeps;
    boxes.Answer(IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Are you sure to delete ?", "Delete", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Exit Kestrix Management Module", "Confirm", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "text", nullptr, MB_OK), IDOK);
    EXPECT_EQ(boxes.Last().Caption, "Error");
    Application->SetTitle("Kestrix");
    ShowMessage("No parameter input");
    EXPECT_EQ(boxes.Last().Caption, "Kestrix");
    Application->MessageBox("Some items are empty!", "Warning");
    EXPECT_EQ(boxes.Last().Caption, "Warning");
    Application->SetTitle("");
    EXPECT_EQ(boxes.Count(), 5u);
    Beep(1000, 200);
    MessageBeep(0);
    EXPECT_EQ(beeps.Beeps(), (std::vector<std::pair<DWORD, DWORD>>{{1000, 200}, {0, 0}}));
}

// A box asked for by the application (its owner the main window) while a
// modal window is up stands on that window, so the main window is never
// raised over the dialog the user is in.
TEST(Forms, ARealBoxStandsOnTheModalWindowTheUserIsIn) {
    TForm main(nullptr);
    Application->SetMainForm(&main);
    main.Show();
    TForm dialog(nullptr);
    const MessageBoxHandler answering = SetMessageBoxHandler(nullptr);  // the real box, this once
    QWidget* boxParent = nullptr;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {  // inside the box's own loop
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxParent = box->parentWidget();
                box->button(QMessageBox::Ok)->click();
            }
        });
        asked = Application->MessageBox("Choose the item first.", "", MB_OK) == IDOK;
        dialog.Close();
    });
    dialog.ShowModal();
    SetMessageBoxHandler(answering);
    EXPECT_TRUE(asked);
    EXPECT_EQ(boxParent, dialog.Widget());
    main.Hide();
    Application->SetMainForm(nullptr);
}

TEST(Forms, TimersTickInsideTheLoopUntilDisabled) {
    TForm form(nullptr);
    auto* timer = new TTimer(&form);
    timer->SetInterval(5);
    int ticks = 0;
    timer->OnTimer = TNotifyEvent::Func([&](TObject* sender) {
        if (++ticks == 3) static_cast<TTimer*>(sender)->SetEnabled(false), form.Close();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(ticks, 3);
    DWORD start = GetTickCount();
    QTest::qWait(20);
    Application->ProcessMessages();
    EXPECT_EQ(ticks, 3);
    EXPECT_GE(GetTickCount() - start, 20u);
}

TEST(Forms, PositionCentresWhenShownAndOnCreateRunsOnce) {
    TForm form(nullptr);
    int created = 0;
    form.OnCreate = TNotifyEvent::Func([&](TObject*) { ++created; });
    form.SetBounds(0, 0, 200, 100);
    form.SetPosition(poScreenCenter);
    form.Show();
    form.Hide();
    form.Show();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(form.Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - 100) / 2);
}
