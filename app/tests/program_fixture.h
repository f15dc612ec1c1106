#pragma once

// Whole programs as main() builds them, each over store locations of its own,
// with the modal windows they open noted and closed.
#include "app/program.h"
#include "app/tests/quick_expert_settings.h"
#include "sound/testing/fake_audio.h"
#include "ui/testing/qt_test_app.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tarvelo {

struct Programs : ::testing::Test {
  Programs() {
    TestApp();
    // Modal windows are noted and closed as they open, unless OnModal answered them.
    QObject::connect(&closer, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || (KeepOpen && KeepOpen(modal))) return;
      if (OnModal) OnModal(modal);
      if (!modal->isVisible()) return;  // OnModal answered it
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    closer.start(5);
  }
  QTimer closer;
  std::function<void(QWidget*)> OnModal;
  std::function<bool(QWidget*)> KeepOpen;  // a modal window the test leaves open
  std::unique_ptr<TProgram> program_;

  // The store of one user: the settings file, no machine-wide file, the data folder.
  static TStoreLocations LocationsIn(const QTemporaryDir& home) {
    return {home.filePath("config/Tarvelo Group/Tarvelo.conf"), home.filePath("machine/Tarvelo.conf"),
            home.filePath("config"), home.filePath("data/Tarvelo")};
  }
  static std::unique_ptr<TProgram> Make(const QTemporaryDir& home, const QStringList& arguments = {}) {
    auto program =
        std::make_unique<TProgram>(LocationsIn(home), arguments, [] { return std::make_unique<TFakeAudio>(); });
    WriteQuickExpertSettings(program->Settings());
    return program;
  }
  // Shows the window and runs the loop until the rest of the start is done.
  static void Start(TProgram& program) {
    program.Start();
    for (int spins = 0; spins < 100000 && !program.Started(); ++spins) QApplication::processEvents();
    ASSERT_TRUE(program.Started());
  }
  // The end of the splash: the first game is loaded or dealt.
  static const TTableState& FirstGame(TProgram& program) {
    program.Window().tmSplash.stop();
    program.Window().EndStartUp();
    return program.Session().Game().Table;
  }
};

}  // namespace tarvelo
