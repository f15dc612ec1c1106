#include "app/computer_seat.h"
#include "store/datamod.h"
#include "store/store_settings.h"
#include "ui/tvlmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Tarvelo Group");
  QApplication::setApplicationName("Tarvelo");
  QApplication::setApplicationDisplayName("Tarvelo");

  // The data module comes first: the window reads its settings at creation,
  // after settings of an older generation have been brought in once.
  tarvelo::TdmMain dmMain;
  dmMain.rfMain.MigrateSettings();
  tarvelo::TStoreSettings settings(dmMain.rfMain);

  tarvelo::TfmTvlMain window(settings, QApplication::arguments().mid(1));
  window.UseSavedGames(dmMain.rfMain.Locations().DataFolder);

  tarvelo::TComputerPlayer computer(window.Game);
  tarvelo::SeatComputer(window, computer);
  window.show();
  return QApplication::exec();
}
