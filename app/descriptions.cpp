// What the main window says about the element under the mouse.
#include "app/form1.h"
#include "app/texts.h"

namespace brisko::app {

void Form1::describe(controls::Label& target, const std::string& text) {
    target.setCaption("");
    target.setCaption(text);
}

void Form1::describeAll(const std::string& text) {
    for (controls::Label* label : {&lblInfo, &Label4, &Label5}) label->setCaption(text);
}

void Form1::wireDescriptions() {
    struct Entry {
        controls::Widget& control;
        controls::Label& label;
        const char* text;
    };
    const std::string officeItems =
        "Removes items from recently opened and saved files (MS - Office 97/2000/XP)";
    const std::string recentFiles = "Removes items from recently opened files";
    const std::vector<Entry> single = {
        {chIECache, lblInfo, "Deletes all Temporary Internet Files"},
        {chkCookies, lblInfo, "Deletes ALL the IE Cookies"},
        {chkCookiesSel, lblInfo, "Select which IE Cookies to keep"},
        {chkHistory, lblInfo, "Deletes Web Surfing History"},
        {chkDocuments, lblInfo, "Removes all items from the Recent Documents menu"},
        {chkRunMenu, lblInfo, "Remove items you have typed in the Run menu"},
        {chkUrls, lblInfo, "Remove all Url's typed in IE's address bar"},
        {chkTemp, lblInfo, "Deletes all files from the Temp folder"},
        {chkRecBin, lblInfo, "Empties the Recycle Bin"},
        {chkWord, Label4, officeItems.c_str()},
        {chkAccess, Label4, officeItems.c_str()},
        {chkPowerPoint, Label4, officeItems.c_str()},
        {chkExcel, Label4, "Removes recently opened and saved files (MS - Office 97/2000/XP)"},
        {chkMediaPlayer, Label4, recentFiles.c_str()},
        {chkPbrush, Label4, recentFiles.c_str()},
        {chkWordPad, Label4, recentFiles.c_str()},
        {chkWzip1, Label4, recentFiles.c_str()},
        {chkWzip2, Label4, "Removes items from the 'Extract To' menu"},
        {NetScape1, Label4, "Remove all web Url's you have typed in Netscape's address bar"},
        {netscape2, Label4, "Deletes all items in Netscape's cache"},
        {netscape3, Label4, "Deletes All Netscape's Cookies"},
        {Image1, Label5,
         "Show me your Disclaimer again.  I want to see if you covered all your bases or missed "
         "anything."},
        {Label9, Label5,
         "I know ... really boring stuff but it's required by Law, Ftp sites and Major Download "
         "sites."},
        {Label10, Label5, "80% of Ordwyn's downloads are Freeware"},
        {Command6, Label5,
         "Get notified of new releases, updates and an entry into a monthly drawing for the "
         "software of your "
         "choice.  Ordwyn has a strict spam policy and your address will be kept private."},
        {Command7, Label5, "Go to the Ordwyn Web Site for more Stuff !!!"},
    };
    for (const Entry& entry : single) {
        std::string text = entry.text;
        controls::Label* label = &entry.label;
        entry.control.onMouseMove = [this, label, text] { describe(*label, text); };
    }
    auto selectAllText = [](const controls::CheckBox& box) {
        return box.value() == 1 ? "Remove check to clear all" : "Select all items in this Window";
    };
    Check1.onMouseMove = [this, selectAllText] { describe(lblInfo, selectAllText(Check1)); };
    chkVb.onMouseMove = [this, selectAllText] { describe(Label4, selectAllText(chkVb)); };

    const std::vector<std::pair<controls::PushButton*, const char*>> everywhere = {
        {&Command1, "Clean all selected items now"},
        {&Command2, "Close this program"},
        {&Command3, "Show Windows related frame"},
        {&Command4, "Show Programs related frame"},
        {&Command5, "About Brisko and Ordwyn"}};
    for (const auto& [button, text] : everywhere) {
        std::string copy = text;
        button->onMouseMove = [this, copy] { describeAll(copy); };
    }

    auto resetAll = [this] { describeAll(kDefaultDescription); };
    onMouseMove = resetAll;
    Label3.onMouseMove = resetAll;
    Frame1.onMouseMove = [this] { lblInfo.setCaption(kDefaultDescription); };
    Frame2.onMouseMove = [this] { Label4.setCaption(kDefaultDescription); };
    Frame3.onMouseMove = [this] { Label5.setCaption(kDefaultDescription); };
}

}  // namespace brisko::app
