#include "app/program.h"

namespace brisko::app {

Program::Program(platform::Services& services)
    : main(services, windows),
      disclaimer(services),
      finder(services, windows),
      cookies(services, windows),
      extens(services, windows) {
    windows.main = &main;
    windows.disclaimer = &disclaimer;
    windows.finder = &finder;
    windows.cookies = &cookies;
    windows.extens = &extens;
    windows.all = {&main, &disclaimer, &finder, &cookies, &extens};
}

}  // namespace brisko::app
