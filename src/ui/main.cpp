// kelca: the desktop program.
#include <QApplication>
#include <memory>

#include "QtPrompts.h"
#include "app/StartupSettings.h"
#include "app/Workspace.h"
#include "frmMain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto ws = std::make_unique<kelca::Workspace>();
  QtPrompts prompts;
  frmMain window(*ws, prompts, kelca::SettingsFolderFromEnvironment());
  prompts.SetParent(&window);
  window.show();
  window.Startup();
  return app.exec();
}
