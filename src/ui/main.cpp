// kelca: the desktop program.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <memory>

#include "QtPrompts.h"
#include "app/StartupSettings.h"
#include "app/Workspace.h"
#include "frmMain.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "kelca " KELCA_VERSION "\n";
    return 0;
  }
  QApplication app(argc, argv);
  auto ws = std::make_unique<kelca::Workspace>();
  QtPrompts prompts;
  frmMain window(*ws, prompts, kelca::StartupFoldersFromEnvironment());
  prompts.SetParent(&window);
  window.show();
  window.Startup();
  return app.exec();
}
