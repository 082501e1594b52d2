#include <gtest/gtest.h>

#include "main_window_fixture.h"

using brisko::testing::MainWindowFixture;

namespace {
const char* kDefault = "Move the mouse over each item for a description";
}

TEST(Descriptions, ItemsDescribeThemselvesInTheirPanelsLabel) {
    MainWindowFixture f;
    f.startAccepted();
    auto& w = *f.form;
    EXPECT_EQ(w.lblInfo.caption(), kDefault);
    w.chkTemp.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), "Deletes all files from the Temp folder");
    // Straight onto the next item: no default text in between.
    std::vector<std::string> seen;
    w.lblInfo.viewHook = [&](brisko::controls::Widget& l, brisko::controls::Change, int) {
        seen.push_back(l.caption());
    };
    w.chkHistory.onMouseMove();
    EXPECT_EQ(seen, (std::vector<std::string>{"", "Deletes Web Surfing History"}));
    w.lblInfo.viewHook = nullptr;
    w.chkUrls.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), "Remove all Url's typed in IE's address bar");
    w.chkExcel.onMouseMove();
    EXPECT_EQ(w.Label4.caption(),
              "Removes recently opened and saved files (MS - Office 97/2000/XP)");
    w.chkWzip2.onMouseMove();
    EXPECT_EQ(w.Label4.caption(), "Removes items from the 'Extract To' menu");
    w.Command6.onMouseMove();
    EXPECT_EQ(w.Label5.caption(),
              "Get notified of new releases, updates and an entry into a monthly drawing for the "
              "software of your "
              "choice.  Ordwyn has a strict spam policy and your address will be kept private.");
    w.Image1.onMouseMove();
    EXPECT_EQ(w.Label5.caption(),
              "Show me your Disclaimer again.  I want to see if you covered all your bases or "
              "missed anything.");
    EXPECT_EQ(w.lblInfo.caption(), "Remove all Url's typed in IE's address bar");
}

TEST(Descriptions, SelectAllBoxesDescribeWhatTheyWillDo) {
    MainWindowFixture f;
    f.startAccepted();
    auto& w = *f.form;
    w.Check1.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), "Select all items in this Window");
    w.Check1.setValue(1);
    w.Check1.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), "Remove check to clear all");
    w.Check1.setValue(0);
    w.Check1.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), "Select all items in this Window");
    w.chkVb.setValue(1);
    w.chkVb.onMouseMove();
    EXPECT_EQ(w.Label4.caption(), "Remove check to clear all");
}

TEST(Descriptions, ButtonsDescribeInAllThreeLabelsAndResetsFollowTheTable) {
    MainWindowFixture f;
    f.startAccepted();
    auto& w = *f.form;
    w.Command4.click();
    w.Command1.onMouseMove();
    EXPECT_EQ(w.Label4.caption(), "Clean all selected items now");
    w.Command3.click();
    EXPECT_EQ(w.lblInfo.caption(), "Clean all selected items now");
    // Over a control without a description the text stays.
    EXPECT_FALSE(w.chameleonButton1.onMouseMove);
    w.Frame2.onMouseMove();
    EXPECT_EQ(w.Label4.caption(), kDefault);
    EXPECT_EQ(w.lblInfo.caption(), "Clean all selected items now");
    w.Frame1.onMouseMove();
    EXPECT_EQ(w.lblInfo.caption(), kDefault);
    w.Command2.onMouseMove();
    w.Label3.onMouseMove();
    for (auto* label : {&w.lblInfo, &w.Label4, &w.Label5}) EXPECT_EQ(label->caption(), kDefault);
    w.Command5.onMouseMove();
    w.onMouseMove();
    for (auto* label : {&w.lblInfo, &w.Label4, &w.Label5}) EXPECT_EQ(label->caption(), kDefault);
}
