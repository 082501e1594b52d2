#include "app/program.h"

namespace brisko::app {

Program::Program(platform::Services& services)
    : main(services, windows),
      disclaimer(services),
      cookies(services, windows),
      extens(services, windows) {
    windows.main = &main;
    windows.disclaimer = &disclaimer;
    windows.cookies = &cookies;
    windows.extens = &extens;
    windows.all = {&main, &disclaimer, &cookies, &extens};
}

}  // namespace brisko::app
