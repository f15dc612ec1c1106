#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace tarvelo {

// Saves a picture of a window among the build's artifacts (artifacts/<folder>),
// for a person to look at.
inline void SaveArtifactShot(QWidget& window, const QString& folder, const QString& name) {
  window.show();
  QCoreApplication::processEvents();
  const QString path = QCoreApplication::applicationDirPath() + "/../artifacts/" + folder;
  QDir().mkpath(path);
  EXPECT_TRUE(window.grab().save(path + "/" + name + ".png"));
}

}  // namespace tarvelo
