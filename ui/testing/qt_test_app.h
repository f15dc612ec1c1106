#pragma once

#include <QApplication>

// One QApplication for the whole test program, made on first use. It is never
// deleted: Qt's input devices outlive a static application object at exit and
// would crash the process after its tests passed.
inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "tarvelo-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
