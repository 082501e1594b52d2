#include "app/program.h"

namespace brisko::app {

Program::Program(platform::Services& services)
    : main(services, windows),
      disclaimer(services),
      finder(services, windows),
      cookies(services, windows),
      extens(services, windows),
      mainHelp(MainHelp(), windows, /*kept=*/true),
      finderHelp(ScannerHelp(), windows),
      extensHelp(ExtensHelp(), windows),
      cookiesHelp(CookiesHelp(), windows) {
    windows.main = &main;
    windows.disclaimer = &disclaimer;
    windows.finder = &finder;
    windows.cookies = &cookies;
    windows.extens = &extens;
    windows.mainHelp = &mainHelp;
    windows.finderHelp = &finderHelp;
    windows.extensHelp = &extensHelp;
    windows.cookiesHelp = &cookiesHelp;
    windows.all = {&main,     &disclaimer, &finder,     &cookies,    &extens,
                   &mainHelp, &finderHelp, &extensHelp, &cookiesHelp};
}

}  // namespace brisko::app
