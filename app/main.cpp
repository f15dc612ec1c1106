#include "session/session.h"
#include "store/datamod.h"
#include "store/store_settings.h"
#include "ui/player_records.h"
#include "ui/tvlmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Tarvelo Group");
  // No display name: X11 would append it to every window's caption.
  QApplication::setApplicationName("Tarvelo");

  // The data module comes first: the session and the window read their settings
  // at creation, after settings of an older generation have been brought in once.
  tarvelo::TdmMain dmMain;
  dmMain.rfMain.MigrateSettings();
  tarvelo::TStoreSettings settings(dmMain.rfMain);

  // The profiles are read and the player chosen before anything is dealt or loaded.
  tarvelo::TPlayerRecords records(dmMain.rfMain, settings);
  records.SelectPlayerAtStart();
  tarvelo::TSessionHooks sessionHooks;
  records.AddTo(sessionHooks);
  tarvelo::TWindowHooks windowHooks;
  records.AddTo(windowHooks);

  tarvelo::TSession session(settings, sessionHooks);
  tarvelo::TfmTvlMain window(session, QApplication::arguments().mid(1), windowHooks);
  session.SetDisplay(&window);
  records.Attach(window);
  window.UseSavedGames(dmMain.rfMain.Locations().DataFolder);
  session.SeatComputer();
  window.show();
  return QApplication::exec();
}
