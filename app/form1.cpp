#include "app/form1.h"

#include "app/form1_clean_run.h"
#include "app/layout.h"
#include "app/texts.h"
#include "cleaner/format_kb.h"
#include "cleaner/get_win_dir_size.h"
#include "cleaner/numbers.h"
#include "cleaner/stored_choice.h"
#include "controls/program_windows.h"

namespace brisko::app {

using cleaner::FormatBytes;
using cleaner::GetWinDir;

std::string trim_data(const std::string& text, size_t skip, size_t leaveOff) {
    if (text.size() <= skip + leaveOff) return "";
    return text.substr(skip, text.size() - skip - leaveOff);
}

Form1::Form1(platform::Services& services, controls::ProgramWindows& windows)
    : controls::Form("Form1", kAppTitle), services_(services), windows_(windows) {
    for (controls::Widget* w : std::initializer_list<controls::Widget*>{
             &lblCaption,       &Frame1,     &Frame2,         &Frame3,     &Check1,
             &chIECache,        &chkCookies, &chkCookiesSel,  &chkHistory, &chkDocuments,
             &chkRunMenu,       &chkUrls,    &chkTemp,        &chkRecBin,  &chameleonButton1,
             &chameleonButton2, &lblSize,    &lblInfo,        &chkVb,      &chkWord,
             &chkExcel,         &chkAccess,  &chkPowerPoint,  &chkWzip1,   &chkWzip2,
             &chkWordPad,       &chkPbrush,  &chkMediaPlayer, &NetScape1,  &netscape2,
             &netscape3,        &Label8,     &Label4,         &Image1,     &Label2,
             &Label9,           &Label10,    &Command6,       &Command7,   &Label5,
             &Command1,         &Command3,   &Command4,       &Command5,   &Command2,
             &Label6,           &Label7,     &Label3,         &Animation1, &chkMenu,
             &chkFav,           &Check2,     &lblWin,         &lblDrv,     &Winder,
             &DrvLetter,        &lblTotSav,  &Label1})
        widgets.push_back(w);
    timers = {&Timer2, &Timer1};

    lblCaption.setCaption(kAppTitle);
    Frame1.setCaption("Clean Windows Items");
    Frame2.setCaption("Clean Programs Items");
    Frame3.setCaption("About Brisko");
    struct BoxCaption {
        controls::CheckBox& box;
        const char* caption;
    };
    for (auto& [box, caption] :
         std::initializer_list<BoxCaption>{{Check1, "Select All"},
                                           {chIECache, "Temporary Internet Files"},
                                           {chkCookies, "All Cookies"},
                                           {chkCookiesSel, "Select"},
                                           {chkHistory, "History"},
                                           {chkDocuments, "Recent Documents List"},
                                           {chkRunMenu, "Recent Items From Run Menu"},
                                           {chkUrls, "Internet Typed Web Address"},
                                           {chkTemp, "Temp Folder"},
                                           {chkRecBin, "Empty the Recycle Bin"},
                                           {chkMenu, "Alphabetize Menu"},
                                           {chkFav, "Alphabetize Favorites"},
                                           {chkVb, "Select All"},
                                           {chkWord, "Word"},
                                           {chkExcel, "Excel"},
                                           {chkAccess, "Access"},
                                           {chkPowerPoint, "PowerPoint"},
                                           {chkWzip1, "WinZip File"},
                                           {chkWzip2, "WinZip Extract"},
                                           {chkWordPad, "Word Pad"},
                                           {chkPbrush, "Paint"},
                                           {chkMediaPlayer, "Media Player"},
                                           {NetScape1, "Netscape Typed"},
                                           {netscape2, "Netscape Cache"},
                                           {netscape3, "Netscape Cookies"},
                                           {Check2, "Disclaimer accepted"}})
        box.setCaption(caption);
    struct ButtonText {
        controls::PushButton& button;
        const char* caption;
        const char* tip;
    };
    for (auto& [button, caption, tip] : std::initializer_list<ButtonText>{
             {Command1, "&Brisko", "Clean now"},
             {Command2, "Cl&ose", "Close program"},
             {Command3, "&Windows", "Windows programs"},
             {Command4, "&Programs", "Other programs"},
             {Command5, "&About", "About Brisko and Ordwyn"},
             {Command6, "&Mailiing List", "Join Ordwyn's Newsletter"},
             {Command7, "&Ordwyn Web Site", "Go there"},
             {chameleonButton1, "&Scan Drive", "Scan Drive for junk files"},
             {chameleonButton2, "Select", "Select Cookies to keep"}}) {
        button.setCaption(caption);
        button.toolTip = tip;
    }
    chameleonButton2.setEnabled(false);

    lblSize.setVisible(false);
    Label6.setCaption(kCleaningNotice);
    Label7.setCaption(kCleaningNotice);
    Label6.setVisible(false);
    Label7.setVisible(false);
    for (controls::Label* label : {&lblInfo, &Label4, &Label5})
        label->setCaption(kDefaultDescription);
    Label9.setCaption(kLegalNotice);
    Label10.setCaption(kOtherProgramsNote);
    Label3.setCaption(kTagLine);
    Animation1.setVisible(false);
    for (controls::Widget* hidden :
         std::initializer_list<controls::Widget*>{&chkMenu, &chkFav, &Check2, &lblWin, &lblDrv,
                                                  &Winder, &DrvLetter, &lblTotSav, &Label1})
        hidden->setVisible(false);

    // Change handling.
    Check1.onClick = [this] { windowsSelectAll(); };
    chkVb.onClick = [this] { programsSelectAll(); };
    chkCookiesSel.onClick = [this] { cookieSelection(); };
    chIECache.onClick = [this] { measure(SizedItem::IeCache, chIECache); };
    chkCookies.onClick = [this] { measure(SizedItem::Cookies, chkCookies); };
    chkTemp.onClick = [this] { measure(SizedItem::Temp, chkTemp); };
    chkHistory.onClick = [this] { measure(SizedItem::History, chkHistory); };
    chkRecBin.onClick = [this] { measure(SizedItem::RecycleBin, chkRecBin); };
    netscape2.onClick = [this] { measure(SizedItem::NetscapeCache, netscape2); };
    netscape3.onClick = [this] { measure(SizedItem::NetscapeCookies, netscape3); };
    NetScape1.onClick = [this] { measure(SizedItem::NetscapeTyped, NetScape1); };

    // Buttons.
    Command1.onClick = [this] { StartCleanRun(*this); };
    Timer2.onTick = [this] { CleanRunTick(*this); };
    Timer1.onTick = [this] { EndCleanDisplay(*this); };
    Command2.onClick = [this] { closeProgram(); };
    Command3.onClick = [this] { showPanel(1); };
    Command4.onClick = [this] { showPanel(2); };
    Command5.onClick = [this] { showPanel(3); };
    Command6.onClick = [this] { services_.shell.open(hwnd, "open", kMailingListAddress, "", 1); };
    Command7.onClick = [this] { services_.shell.open(hwnd, "open", kWebSiteAddress, "", 1); };
    chameleonButton1.onClick = [this] {
        hide();
        if (windows_.finder) windows_.finder->show();
    };
    chameleonButton2.onClick = [this] {
        hide();
        if (windows_.cookies) windows_.cookies->show();
        chkCookies.setValue(0);
    };
    Image1.onClick = [this] {
        if (windows_.disclaimer) windows_.disclaimer->showModal(services_.desktop);
    };
    onSystemClose = [this] { windows_.unloadAll(); };
    onHelp = [this] { showHelp(); };

    wireDescriptions();
    LayOutForm1(*this);
}

std::array<controls::CheckBox*, 24> Form1::restoreOrder() {
    return {&Check1,        &chkDocuments, &chkMediaPlayer, &chkPbrush,    &chkRecBin,
            &chkRunMenu,    &chkTemp,      &chkUrls,        &chkVb,        &chkCookies,
            &chkCookiesSel, &chIECache,    &chkHistory,     &chkMenu,      &chkWordPad,
            &chkWzip1,      &chkWzip2,     &NetScape1,      &netscape2,    &netscape3,
            &chkWord,       &chkExcel,     &chkAccess,      &chkPowerPoint};
}

std::array<controls::CheckBox*, 24> Form1::saveOrder() {
    return {&Check1,        &chkDocuments, &chkMediaPlayer, &chkPbrush,    &chkRecBin,
            &chkRunMenu,    &chkTemp,      &chkUrls,        &chkVb,        &chkCookies,
            &chkCookiesSel, &chIECache,    &chkHistory,     &chkWordPad,   &chkWzip1,
            &chkWzip2,      &NetScape1,    &netscape2,      &netscape3,    &chkMenu,
            &chkWord,       &chkExcel,     &chkAccess,      &chkPowerPoint};
}

void Form1::load() {
    Form::show();
    lblWin.setCaption(GetWinDir(services_.files));
    lblDrv.setCaption(cleaner::DrivePrefix(lblWin.caption()));
    Winder.setCaption(trim_data(lblWin.caption(), 3, 0));
    DrvLetter.setCaption(lblWin.caption().substr(0, 2));

    for (controls::CheckBox* box : restoreOrder())
        cleaner::RestoreCheck(services_, cleaner::kPresets, box->name(), *box);
    cleaner::RestoreCheck(services_, cleaner::kPresets, "Disclaimer", Check2);

    if (Check1.value() == 1) windowsSelectAll();
    if (chkVb.value() == 1) programsSelectAll();
    showPanel(1);
    updateEstimate();
    if (lblSize.caption() == "65 bytes Wasted Space") lblSize.setCaption("0 bytes Wasted Space");
    Label8.setCaption(lblSize.caption());
    if (Check2.value() == 0 && windows_.disclaimer) {
        windows_.disclaimer->showModal(services_.desktop);
        if (!loaded()) return;
    }
    showRunningTotal();
}

void Form1::showRunningTotal() {
    // Stored totals that went negative or out of range count as nothing, and their sum stays
    // showable.
    const double total = cleaner::AddTotals(
        cleaner::StoredTotal(services_.settings.get(kAppTitle, cleaner::kFilters, "Scnsv", "")),
        cleaner::StoredTotal(
            services_.settings.get(kAppTitle, cleaner::kPresets, "CleanSave", "")));
    if (auto text = FormatBytes(total, services_.desktop.decimalSeparator()))
        Label2.setCaption(*text + " Cleaned so far");
}

void Form1::shownAgain() {
    // Back from the finder, whose removals add to the total.
    showRunningTotal();
}

void Form1::saveChoices() {
    for (controls::CheckBox* box : saveOrder())
        services_.settings.save(kAppTitle, cleaner::kPresets, box->name(),
                                std::to_string(box->value()));
}

void Form1::closeProgram() {
    saveChoices();
    windows_.unloadAll();
    services_.desktop.endProgram();
}

void Form1::unloading() {
    saveChoices();
    services_.desktop.endProgram();
}

void Form1::showPanel(int panel) {
    Frame1.setVisible(panel == 1);
    Frame2.setVisible(panel == 2);
    Frame3.setVisible(panel == 3);
}

void Form1::showHelp() {
    if (windows_.mainHelp) windows_.mainHelp->showModal(services_.desktop);
}

void Form1::windowsSelectAll() {
    const int value = Check1.value() == 1 ? 1 : 0;
    for (controls::CheckBox* box : {&chkDocuments, &chkRunMenu, &chkUrls, &chkTemp, &chkRecBin,
                                    &chkCookies, &chkMenu, &chIECache, &chkHistory})
        box->setValue(value);
    Check1.setCaption(value ? "Clear All" : "Select All");
}

void Form1::programsSelectAll() {
    const int value = chkVb.value() == 1 ? 1 : 0;
    for (controls::CheckBox* box :
         {&chkWzip1, &chkWzip2, &chkMediaPlayer, &NetScape1, &netscape2, &netscape3, &chkWordPad,
          &chkPbrush, &chkWord, &chkExcel, &chkAccess, &chkPowerPoint})
        box->setValue(value);
    chkVb.setCaption(value ? "Clear All" : "Select All");
}

void Form1::cookieSelection() {
    if (chkCookiesSel.value() == 1) {
        chkCookies.setValue(0);
        chameleonButton2.setEnabled(true);
        chkCookiesSel.setValue(1);
    } else {
        chameleonButton2.setEnabled(false);
    }
}

cleaner::Where Form1::where() {
    return cleaner::ReadWhere(services_, Winder.caption(), DrvLetter.caption());
}

void Form1::measure(SizedItem item, controls::CheckBox& box) {
    const auto index = static_cast<size_t>(item);
    std::optional<cleaner::ItemMeasure> measured;
    if (box.value() == 1) measured = cleaner::MeasureItem(item, services_, where());
    if (!measured) {
        itemSize(item).reset();
        measuredFolders[index].clear();
        updateEstimate();
        return;
    }
    itemSize(item) = measured->bytes;
    measuredFolders[index] = std::move(measured->measured);
    lblSize.setVisible(true);
    updateEstimate();
}

void Form1::updateEstimate() {
    double sum = 0;
    for (const auto& size : itemSizes) sum += size.value_or(0);
    const auto text = FormatBytes(sum, services_.desktop.decimalSeparator());
    if (!text) return;
    lblSize.setCaption(*text + " Wasted Space");
    Label8.setCaption(lblSize.caption());
    lblTotSav.setCaption(*text);
    // Before pressing Brisko the user can see what it will empty.
    std::string measured;
    for (const auto& folders : measuredFolders)
        for (const std::string& folder : folders)
            measured += (measured.empty() ? "Measured:\r\n" : "\r\n") + folder;
    lblSize.setToolTip(measured);
    Label8.setToolTip(measured);
    services_.settings.save(kAppTitle, cleaner::kPresets, "TotSav", lblTotSav.caption());
}

}  // namespace brisko::app
