#pragma once

namespace tarvelo {

class TLegacyIni;
class TRegistryEnhanced;

// Brings the settings of the legacy file's section "Tarvelo Settings" into the
// store. Texts are compared exactly: a "yes" in lower case is not "Yes".
void ImportLegacySettings(const TLegacyIni& ini, TRegistryEnhanced& store);

}  // namespace tarvelo
