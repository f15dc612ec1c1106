#pragma once

#include "store/store_locations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvelo {

// Every file of a test lives in its own temporary folder.
class TStoreTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;

  QString PathOf(const QString& relative) const { return Dir.filePath(relative); }

  TStoreLocations Locations() const {
    TStoreLocations l;
    l.UserFile = PathOf(QStringLiteral("config/Tarvelo Group/Tarvelo.conf"));
    l.MachineFile = PathOf(QStringLiteral("xdg/Velmora Studio/Tarvelo.conf"));
    l.LegacyFolder = PathOf(QStringLiteral("config"));
    l.DataFolder = PathOf(QStringLiteral("data"));
    return l;
  }

  static void WriteFile(const QString& path, const QByteArray& content) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(content), content.size());
  }

  static QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // A copy under a new name: QSettings keeps what it parsed per file name, so
  // only a copy shows what a fresh start of the program would read.
  QString FreshCopy(const QString& path) {
    const QString copy = PathOf(QStringLiteral("copy%1.conf").arg(++Copies_));
    EXPECT_TRUE(QFile::copy(path, copy));
    return copy;
  }

 private:
  int Copies_ = 0;
};

}  // namespace tarvelo

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
