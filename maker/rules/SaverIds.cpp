#include "SaverIds.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

std::string Lower(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return str;
}

bool IsDeviceName(const std::string& strLower)
{
    static const std::set<std::string> names = {"con", "prn", "aux", "nul"};
    if (names.count(strLower) != 0)
        return true;
    return strLower.size() == 4 && (strLower.compare(0, 3, "com") == 0 || strLower.compare(0, 3, "lpt") == 0) &&
           strLower[3] >= '1' && strLower[3] <= '9';
}

// The .scr files, without the extension, that Windows puts in its system folder; only names of
// letters and digits can be ids (95 to ME name theirs in words, "Blank Screen.scr"). 3.1: scrnsave,
// ssflywin, ssmarque, ssmyst, ssstars; NT 3.5x to XP add ss3dfo, ssbezier, ssflwbox, ssmaze,
// sspipes, sstext3d and logon, 2000 and XP ssmypics; Vista to 11: Bubbles, Mystify, Ribbons,
// PhotoScreensaver, ssText3d and scrnsave, Vista also Aurora. Blank is the name people give the
// blank one.
const std::set<std::string>& WindowsSavers()
{
    static const std::set<std::string> names = {
        "scrnsave", "logon",    "ss3dfo", "ssbezier", "ssflwbox",         "ssflywin", "ssmarque",
        "ssmaze",   "ssmypics", "ssmyst", "sspipes",  "ssstars",          "sstext3d", "bubbles",
        "mystify",  "ribbons",  "aurora", "blank",    "photoscreensaver",
    };
    return names;
}

// Keys under Software and folders under Program Files that Windows makes, and those of makers
// whose programs and drivers come with many PCs, cameras and printers.
const std::set<std::string>& WellKnownNames()
{
    static const std::set<std::string> names = {
        "microsoft", "windows",     "classes",  "clients",
        "policies",  "wow6432node", "odbc",     "registeredapplications",
        "intel",     "amd",         "nvidia",   "realtek",
        "google",    "apple",       "adobe",    "mozilla",
        "oracle",    "java",        "canon",    "nikon",
        "sony",      "epson",       "hp",       "brother",
        "samsung",   "fujifilm",    "olympus",  "panasonic",
        "kodak",     "ricoh",       "lexmark",  "xerox",
        "dell",      "lenovo",      "acer",     "asus",
        "toshiba",   "fujitsu",     "logitech", "synaptics",
        "huawei",    "xiaomi",      "gopro",    "garmin",
    };
    return names;
}

}  // namespace

IdOwner OwnerOfId(const std::string& strId)
{
    const std::string strLower = Lower(strId);
    if (IsDeviceName(strLower))
        return ID_DEVICE;
    if (strLower == "orvanta")
        return ID_OURS;
    if (WindowsSavers().count(strLower) != 0)
        return ID_WINDOWS_SAVER;
    if (WellKnownNames().count(strLower) != 0)
        return ID_WELL_KNOWN_NAME;
    return ID_FREE;
}
