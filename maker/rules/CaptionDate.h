#pragma once

#include <string>

// A photo's date taken as a caption in the saver's language: "2026年8月14日" (ja) or
// "14 August 2026" (en), in UTF-8, from EXIF's "YYYY:MM:DD HH:MM:SS". Empty for a date that is
// not one (cameras without a clock write zeros).
std::string DateCaption(const std::string& strExifDate, const std::string& strLanguage);
