// The about box: its fixed texts, the key that shows the detailed release,
// and activation bringing the short one back.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "features/AboutForm.h"
#include "platform/testing/FormTesting.h"

namespace {

class AboutBox : public ::testing::Test {
protected:
    void TearDown() override { delete Box; }
    TAboutForm* Open() {
        Box = new TAboutForm(Application);
        if (!ActivateForm(Box)) ADD_FAILURE() << "the about box was not activated";
        return Box;
    }
    void PressF3(Qt::KeyboardModifiers modifiers) { QTest::keyClick(Box->BT_Ok->Widget(), Qt::Key_F3, modifiers); }
    TAboutForm* Box = nullptr;
};

TEST_F(AboutBox, ShowsTheModuleAndItsRelease) {
    TAboutForm* box = Open();
    EXPECT_EQ(box->Caption(), "About Kestrix Module");
    EXPECT_EQ(box->ManagementModuleLabel->Caption(), "Pelorin Kestrix Management Module");
    EXPECT_EQ(box->VersionLabel->Caption(), "Release Version 1.00 (Build Dec 09,2026)");
    EXPECT_EQ(box->ClientWidth(), 322);
    EXPECT_EQ(box->ClientHeight(), 115);
    EXPECT_TRUE(box->Image1->Visible());
    EXPECT_FALSE(box->Image2->Visible());
    EXPECT_EQ(box->Image1->Picture()->Width(), 32);
    EXPECT_EQ(box->ActiveControl(), box->BT_Ok);
    box->BT_Ok->Click();
    EXPECT_FALSE(box->Visible());
}

TEST_F(AboutBox, OnlyShiftAndAltWithF3ShowTheDetailedReleaseUntilTheBoxIsActivatedAgain) {
    TAboutForm* box = Open();
    const std::string shortText = box->VersionLabel->Caption();
    const Qt::KeyboardModifiers other[] = {Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier | Qt::AltModifier,
                                           Qt::NoModifier};
    for (Qt::KeyboardModifiers modifiers : other) {
        PressF3(modifiers);
        EXPECT_EQ(box->VersionLabel->Caption(), shortText) << modifiers.toInt();
    }
    QTest::keyClick(box->BT_Ok->Widget(), Qt::Key_F2, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(box->VersionLabel->Caption(), shortText);

    PressF3(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(box->VersionLabel->Caption(), "Release Version 1.00.B01");

    // To another window and back.
    TForm other_window(nullptr);
    other_window.SetBounds(0, 0, 100, 60);
    ASSERT_TRUE(ActivateForm(&other_window));
    EXPECT_EQ(box->VersionLabel->Caption(), "Release Version 1.00.B01");
    ASSERT_TRUE(ActivateForm(box));
    EXPECT_EQ(box->VersionLabel->Caption(), shortText);
}

}  // namespace
