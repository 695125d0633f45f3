#pragma once
// The system's own words for an error code, for a person to read.
#include <cstdint>
#include <string>

std::string SystemErrorText(uint32_t errorCode);
