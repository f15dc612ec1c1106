#pragma once

#include <QApplication>

namespace tarvelo::uitest {

// The one QApplication of the test run, made on first use; every Qt test calls this
// before it touches a pixmap or a widget.
inline void EnsureQtApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
}

}  // namespace tarvelo::uitest
