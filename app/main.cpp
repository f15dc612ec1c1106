#include "app/autoplay.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Tarvelo Group");
  // No display name: X11 would append it to every window's caption.
  QApplication::setApplicationName("Tarvelo");
  tarvelo::TProgram program(tarvelo::TStoreLocations::Default(), QApplication::arguments().mid(1));
  const auto autoplay = tarvelo::AutoplayFromEnvironment(program.Session());
  program.Start();
  return QApplication::exec();
}
