#pragma once
// The sample pictures that the build generates (tests/samples/make-samples).
#include <string>

inline std::string SamplePath(const std::string& name) { return std::string(SKELVORA_SAMPLES) + "/" + name; }
