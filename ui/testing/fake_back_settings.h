#pragma once

#include "ui/art/card_back.h"

#include <QMap>

#include <utility>
#include <vector>

namespace tarvelo::uitest {

// A settings store in memory that remembers every write in order.
struct TFakeBackSettings {
  QMap<QString, QVariant> values;
  std::vector<std::pair<QString, QVariant>> writes;

  SettingsReader reader() {
    return [this](const QString& path, const QVariant& def) { return values.value(path, def); };
  }
  SettingsWriter writer() {
    return [this](const QString& path, const QVariant& value) {
      values[path] = value;
      writes.emplace_back(path, value);
    };
  }
};

}  // namespace tarvelo::uitest
