#pragma once

#include "store/registry_enhanced.h"
#include "store/statistics.h"
#include "store/store_settings.h"
#include "ui/testing/qt_test_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tarvelo {

// The statistics over a settings file of their own, and a hand for the modal
// boxes the dialogs open.
class TStatisticsDialogTest : public ::testing::Test {
 protected:
  TStatisticsDialogTest() { TestApp(); }

  // Runs `answer` on the next modal window that opens (a box, an input).
  static void OnNextModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        timer->stop();
        timer->deleteLater();
        answer(modal);
      }
    });
    timer->start(5);
  }

  // Saves a picture of a window among the build's artifacts.
  static void Shoot(QWidget& window, const QString& name) {
    window.show();
    QCoreApplication::processEvents();
    const QString folder = QCoreApplication::applicationDirPath() + "/../artifacts/statistics";
    QDir().mkpath(folder);
    EXPECT_TRUE(window.grab().save(folder + "/" + name + ".png"));
  }

  QTemporaryDir Dir;
  TRegistryEnhanced Store{Dir.filePath("Tarvelo.conf"), QString()};
  TStoreSettings Settings{Store};
  TStatistics Stats{Store, Settings};
};

}  // namespace tarvelo
