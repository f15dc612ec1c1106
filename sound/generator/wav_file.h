#pragma once

#include <string>
#include <vector>

namespace tarvelo {

// A mono sound as samples in -1..1 at its rate.
struct TSamples {
  int Rate = 22050;
  std::vector<float> Values;
  double Seconds() const { return Rate > 0 ? static_cast<double>(Values.size()) / Rate : 0.0; }
};

// Writes 16-bit PCM mono; false when the file cannot be written.
bool WriteWav(const std::string& path, const TSamples& sound);
// Reads 16-bit PCM mono from a WAV image (a streamed one may give no sizes:
// the data then runs to the end). Empty on anything else.
TSamples ParseWav(const std::string& bytes);

}  // namespace tarvelo
