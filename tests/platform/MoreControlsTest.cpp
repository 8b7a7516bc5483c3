// Page controls, speed buttons, menus, glyphs and splitters.

#include "platform/Vcl.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

TEST(PageControl, ProgramChangesAreQuietAndHiddenTabsStayPages) {
    TForm form(nullptr);
    auto* pages = new TPageControl(&form);
    pages->SetParent(&form);
    int changes = 0;
    pages->OnChange = TNotifyEvent::Func([&](TObject*) { ++changes; });
    std::vector<TTabSheet*> sheets;
    for (int u = 1; u <= 3; ++u) {
        auto* sheet = new TTabSheet(&form);
        sheet->SetPageControl(pages);
        sheet->SetCaption("Unit" + std::to_string(u));
        sheet->SetTag(u);
        sheet->SetTabVisible(u != 2);
        sheets.push_back(sheet);
    }
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->Pages(1), sheets[1]);
    pages->SetActivePage(sheets[2]);
    EXPECT_EQ(pages->ActivePage()->Tag(), 3);
    sheets[0]->SetCaption("Unit1 Kestrix");
    EXPECT_EQ(pages->Widget()->tabText(0), "Unit1 Kestrix");
    EXPECT_EQ(changes, 0);
    form.Show();
    QTabBar* bar = pages->Widget()->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(pages->ActivePage(), sheets[0]);
    EXPECT_EQ(changes, 1);
    // A control aligned to fill a sheet follows the sheet's size.
    auto* box = new TScrollBox(&form);
    box->SetParent(sheets[0]);
    box->SetAlign(alClient);
    Application->ProcessMessages();
    EXPECT_EQ(box->Width(), sheets[0]->Width());
    EXPECT_GT(box->Width(), 0);
}

TEST(SpeedButtons, DownIsTheProgramsAndAGroupKeepsOneDown) {
    TForm form(nullptr);
    auto* a = new TSpeedButton(&form);
    auto* b = new TSpeedButton(&form);
    for (TSpeedButton* s : {a, b}) {
        s->SetParent(&form);
        s->SetGroupIndex(1);
    }
    int clicks = 0;
    a->OnClick = b->OnClick = TNotifyEvent::Func([&](TObject*) { ++clicks; });
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    form.Show();
    QTest::mouseClick(a->Widget(), Qt::LeftButton);
    EXPECT_TRUE(a->Down());
    EXPECT_FALSE(b->Down());
    QTest::mouseClick(a->Widget(), Qt::LeftButton);  // stays down: no AllowAllUp
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(clicks, 2);
    auto* single = new TSpeedButton(&form);  // no group: a click does not toggle
    single->SetParent(&form);
    QTest::mouseClick(single->Widget(), Qt::LeftButton);
    EXPECT_FALSE(single->Down());
    single->SetDown(true);
    EXPECT_TRUE(single->Widget()->isChecked());
}

TEST(Menus, ItemsNestClickAndKeepTheirCheckedState) {
    auto* form = new TForm(nullptr);
    auto* menu = new TMainMenu(form);
    auto* top = new TMenuItem(form);
    top->SetCaption("RMON");
    menu->Items()->Add(top);
    auto* stats = new TMenuItem(form);
    stats->SetCaption("Statistics");
    stats->SetName("Statistics1");
    top->Add(stats);
    int clicks = 0;
    stats->OnClick = TNotifyEvent::Func([&](TObject* sender) {
        ++clicks;
        EXPECT_EQ(sender, stats);
    });
    stats->SetEnabled(false);
    EXPECT_FALSE(stats->Action()->isEnabled());
    stats->SetEnabled(true);
    stats->SetChecked(true);
    stats->Action()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(stats->Action()->isChecked());
    EXPECT_EQ(form->FindComponent("Statistics1"), stats);
    // A separator is a line with no text of its own on screen.
    auto* line = new TMenuItem(form);
    line->SetCaption("-");
    top->Add(line);
    EXPECT_TRUE(line->Action()->isSeparator());
    EXPECT_TRUE(line->Action()->text().isEmpty());
    EXPECT_EQ(line->Caption(), "-");
    EXPECT_EQ(top->Count(), 2);
    delete top;  // its sub-items go with it, and leave the form's list
    EXPECT_EQ(form->FindComponent("Statistics1"), nullptr);

    auto* popup = new TPopupMenu(form);
    auto* info = new TMenuItem(form);
    info->SetCaption("Port Information");
    popup->Items()->Add(info);
    EXPECT_EQ(popup->Menu()->actions().size(), 1);
    delete form;
}

TEST(Glyphs, ABitmapFileBecomesTheButtonsPictureWithItsCornerColourTransparent) {
    QTemporaryDir dir;
    QImage image(32, 16, QImage::Format_RGB32);  // two glyphs side by side
    image.fill(Qt::magenta);
    image.setPixel(5, 5, qRgb(0, 0, 255));
    QString path = dir.filePath("Get.bmp");
    ASSERT_TRUE(image.save(path, "BMP"));

    TForm form(nullptr);
    auto* button = new TBitBtn(&form);
    button->SetCaption("Refresh");
    std::string native = NativePath(dir.path().toStdString() + "\\Get.bmp");
    ASSERT_TRUE(FileExists(dir.path().toStdString() + "\\Get.bmp"));
    button->Glyph()->LoadFromFile(native);
    EXPECT_EQ(button->NumGlyphs(), 2);
    QImage shown = button->Widget()->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(shown.width(), 16);
    EXPECT_EQ(qAlpha(shown.pixel(0, 15)), 0);
    EXPECT_EQ(shown.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_THROW(button->Glyph()->LoadFromFile(dir.filePath("missing.bmp").toStdString()), Exception);
}

TEST(Splitter, DraggingResizesTheControlItStandsBeside) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 400, 300);
    auto* bar = new TPanel(&form);
    bar->SetWidth(116);
    bar->SetAlign(alRight);
    bar->SetParent(&form);
    auto* splitter = new TSplitter(&form);
    splitter->SetAlign(alRight);
    splitter->SetParent(&form);
    auto* client = new TPanel(&form);
    client->SetAlign(alClient);
    client->SetParent(&form);
    EXPECT_EQ(splitter->Left(), 400 - 116 - 3);
    form.Show();
    QWidget* w = splitter->Widget();
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(1, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(1 - 40, 10), w->mapToGlobal(QPointF(1 - 40, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(1 - 40, 10));
    EXPECT_EQ(bar->Width(), 156);
    EXPECT_EQ(client->Width(), 400 - 156 - 3);
}

TEST(StatusBar, PanelsAndSimpleText) {
    TForm form(nullptr);
    auto* status = new TStatusBar(&form);
    status->SetParent(&form);
    EXPECT_EQ(status->Align(), alBottom);
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetWidth(50);
    panel->SetText("No Path!");
    EXPECT_EQ(status->Panels()->Items(0)->Text(), "No Path!");
    EXPECT_EQ(panel->Index(), 0);
    EXPECT_THROW(status->Panels()->Items(1), EListError);
    status->SetSimpleText("Get: ok");
    EXPECT_EQ(status->SimpleText(), "Get: ok");
    EXPECT_EQ(status->Top() + status->Height(), form.ClientHeight());
}
