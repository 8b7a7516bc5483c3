// Controls: ownership and destruction, names, alignment layout, geometry of
// forms and the large-font scale.

#include "platform/Vcl.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>

namespace {

// Counts its own destruction.
struct Tracked : TComponent {
    Tracked(TComponent* owner, int* destroyed) : TComponent(owner), destroyed_(destroyed) {}
    ~Tracked() override { ++*destroyed_; }
    int* destroyed_;
};

QRect BoundsOf(const TControl* c) { return QRect(c->Left(), c->Top(), c->Width(), c->Height()); }

}  // namespace

TEST(Ownership, OwnerDestroysWhatItOwnsOnce) {
    int destroyed = 0;
    auto* owner = new TComponent(nullptr);
    auto* a = new Tracked(owner, &destroyed);
    new Tracked(a, &destroyed);  // owned by a, goes with it
    auto* early = new Tracked(owner, &destroyed);
    delete early;  // leaves its owner's list
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner;
    EXPECT_EQ(destroyed, 3);
}

TEST(Ownership, ControlsGoWithParentOrOwnerWhicheverFirst) {
    // Owned by the form, parented by a panel: the panel's end takes them.
    auto* form = new TForm(nullptr);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* edit = new TEdit(form);
    edit->SetParent(panel);
    QPointer<QWidget> editWidget(edit->Widget());
    int before = form->ComponentCount();
    delete panel;
    EXPECT_TRUE(editWidget.isNull());
    EXPECT_EQ(form->ComponentCount(), before - 2);
    EXPECT_EQ(form->ControlCount(), 0);

    // Owned by a panel that is destroyed while the control sits elsewhere.
    auto* owner = new TPanel(form);
    auto* label = new TLabel(owner);
    label->SetParent(form);
    delete owner;
    EXPECT_EQ(form->ControlCount(), 0);
    delete form;  // nothing left twice: the sanitizer would tell
}

TEST(Ownership, NamesAreObjectNamesAndFoundByOwner) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetName("ED_Index");
    edit->SetTag(7);
    EXPECT_EQ(edit->Widget()->objectName(), "ED_Index");
    EXPECT_EQ(form.FindComponent("ed_index"), edit);
    EXPECT_EQ(form.FindComponent("Missing"), nullptr);
    EXPECT_EQ(edit->Tag(), 7);
    edit->SetParent(&form);
    EXPECT_EQ(TControl::FromWidget(edit->Widget()), edit);
    EXPECT_EQ(GetParentForm(edit), &form);
}

TEST(Align, SidesInCreationOrderThenClientOnEveryResize) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 400, 300);
    auto make = [&](TAlign align, int w, int h) {
        auto* p = new TPanel(&form);
        p->SetBevelOuter(bvNone);
        p->SetBounds(0, 0, w, h);
        p->SetAlign(align);
        p->SetParent(&form);
        return p;
    };
    TPanel* top = make(alTop, 10, 30);
    TPanel* right1 = make(alRight, 100, 10);
    TPanel* right2 = make(alRight, 3, 10);  // stands left of right1, like a splitter
    TPanel* bottom = make(alBottom, 10, 50);
    TPanel* client = make(alClient, 10, 10);
    TPanel* fixed = make(alNone, 20, 20);
    fixed->SetBounds(5, 6, 20, 20);

    EXPECT_EQ(BoundsOf(top), QRect(0, 0, 400, 30));
    EXPECT_EQ(BoundsOf(bottom), QRect(0, 250, 400, 50));
    EXPECT_EQ(BoundsOf(right1), QRect(300, 30, 100, 220));
    EXPECT_EQ(BoundsOf(right2), QRect(297, 30, 3, 220));
    EXPECT_EQ(BoundsOf(client), QRect(0, 30, 297, 220));

    form.SetBounds(0, 0, 500, 400);
    EXPECT_EQ(BoundsOf(right1), QRect(400, 30, 100, 320));
    EXPECT_EQ(BoundsOf(client), QRect(0, 30, 397, 320));
    EXPECT_EQ(BoundsOf(fixed), QRect(5, 6, 20, 20));

    right1->SetVisible(false);  // hidden controls take no room
    EXPECT_EQ(BoundsOf(right2), QRect(497, 30, 3, 320));
    bottom->SetHeight(80);  // the program resizes an aligned control
    EXPECT_EQ(BoundsOf(client), QRect(0, 30, 497, 290));
    EXPECT_EQ(client->Widget()->geometry(), BoundsOf(client));
}

TEST(Align, InsideARaisedPanelLeavesItsBevel) {
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 50);
    auto* inner = new TPanel(&panel);
    inner->SetAlign(alClient);
    inner->SetParent(&panel);
    EXPECT_EQ(BoundsOf(inner), QRect(1, 1, 98, 48));
    panel.SetBevelOuter(bvNone);
    EXPECT_EQ(BoundsOf(inner), QRect(0, 0, 100, 50));
}

TEST(FormGeometry, WidthIsClientWidthPlusAFixedFrame) {
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    EXPECT_EQ(form.Width(), 300 + TForm::FrameWidth);
    EXPECT_EQ(form.Height(), 200 + TForm::FrameHeight);
    EXPECT_EQ(form.ClientWidget()->size(), QSize(300, 200));
    auto* menu = new TMainMenu(&form);  // a menu bar takes room from the client area
    EXPECT_EQ(form.Menu(), menu);
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_GT(form.Height(), 200 + TForm::FrameHeight);
    form.SetBorderStyle(bsNone);
    EXPECT_EQ(form.Width(), 300);
}

TEST(FormGeometry, LargeFontScaleTruncatesTowardZero) {
    EXPECT_EQ(ScaleForLargeFonts(450, true), 562);
    EXPECT_EQ(ScaleForLargeFonts(10, true), 12);
    EXPECT_EQ(ScaleForLargeFonts(450, false), 450);
    EXPECT_EQ(ScaleBy(20, 1.25), 25);
    EXPECT_EQ(ScaleBy(-3, 1.25), -3);
    Screen->SetPixelsPerInch(120);
    EXPECT_TRUE(LargeFontsInUse());
    Screen->SetPixelsPerInch(96);
    EXPECT_FALSE(LargeFontsInUse());
    Screen->SetPixelsPerInch(0);
}

TEST(Strings, IndexErrorsAndTexts) {
    TStringList list;
    list.Add("a");
    list.Add("b,c");
    EXPECT_EQ(list.Text(), "a\r\nb,c\r\n");
    EXPECT_EQ(list.CommaText(), "a,\"b,c\"");
    EXPECT_EQ(list.IndexOf("A"), 0);
    EXPECT_THROW(list.Get(2), EListError);
    TStringList copy;
    copy.SetCommaText(list.CommaText());
    EXPECT_EQ(copy.Get(1), "b,c");
}
