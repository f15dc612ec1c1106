#include "store/legacy_import.h"

#include "store/legacy_ini.h"
#include "store/registry_enhanced.h"

namespace tarvelo {

namespace {

// An old switch: the stored boolean is true when the old text is the "on" text.
struct TImportedSwitch {
  const char* IniKey;
  const char* OnText;  // also the default when the key is missing
  const char* Path;
};

// The stored names keep the spelling the old import always wrote; names are
// matched without regard to case, so the rules read them all the same.
constexpr TImportedSwitch kSwitches[] = {
    {"Music", "On", "Settings\\Music"},
    {"Sound", "Yes", "Settings\\Sound"},
    {"AutoSave", "Yes", "Settings\\AutoSave"},
    {"Canasta Required", "Yes", "Settings\\Canasta Required"},
    {"Draw Extra", "Yes", "Settings\\Draw Extra"},
    {"Three Block", "Yes", "Settings\\Three Block"},
    {"Add to Canasta", "Yes", "Settings\\Add to Canasta"},
    {"Top card counts", "Yes", "Settings\\Top card counts"},
    {"Initial block", "Yes", "Settings\\Initial block"},
    {"Natural pair", "Yes", "Settings\\Natural pair"},
};

// An old count: 1 when the text is "One" (also the default), else 2.
constexpr const char* kCounts[][2] = {
    {"Number of Canastas", "Settings\\Number of Canastas"},
    {"Number of Cards", "Settings\\Number of Cards"},
};

constexpr const char* kSection = "Tarvelo Settings";

}  // namespace

void ImportLegacySettings(const TLegacyIni& ini, TRegistryEnhanced& store) {
  const QString section = QString::fromLatin1(kSection);
  store.WriteValue(QStringLiteral("Settings\\Background Color"), 0x000080);
  for (const TImportedSwitch& s : kSwitches) {
    const QString on = QString::fromLatin1(s.OnText);
    store.WriteValue(QString::fromLatin1(s.Path), ini.Text(section, QString::fromLatin1(s.IniKey), on) == on);
  }
  for (const auto& [iniKey, path] : kCounts) {
    const QString one = QStringLiteral("One");
    store.WriteValue(QString::fromLatin1(path), ini.Text(section, QString::fromLatin1(iniKey), one) == one ? 1 : 2);
  }
}

}  // namespace tarvelo
