#pragma once

#include <QApplication>

// One QApplication for the whole test program, made on first use.
inline QApplication& TestApp() {
  static int argc = 1;
  static char name[] = "tarvelo-tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}
