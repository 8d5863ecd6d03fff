// photo-colour PHOTO PROFILE.icc: writes PROFILE.icc, an ICC profile made by lcms, when PHOTO (a
// PNG or HEIF file) tells its colours by a PNG's gAMA/cHRM or a HEIF's nclx alone and they are
// not sRGB's; else writes nothing. libvips reads embedded ICC profiles only: the maker gives it
// this one to convert from. Exit status 1 when PHOTO cannot be read or the profile written.
#include "PhotoColour.h"

#include <lcms2.h>

#include <fstream>
#include <iostream>
#include <iterator>

namespace {

// What comes before the image data: a PNG's chunks, a HEIF's meta box, as phones write them.
constexpr std::streamsize kHeadBytes = 1 << 20;

bool WriteProfile(const RgbSpace& space, const char* pszFile)
{
    const cmsCIExyY white = {space.m_xy[0], space.m_xy[1], 1};
    const cmsCIExyYTRIPLE primaries = {
        {space.m_xy[2], space.m_xy[3], 1}, {space.m_xy[4], space.m_xy[5], 1}, {space.m_xy[6], space.m_xy[7], 1}};
    cmsToneCurve* pCurve = cmsBuildParametricToneCurve(nullptr, 4, space.m_curve);
    if (pCurve == nullptr)
        return false;
    cmsToneCurve* curves[3] = {pCurve, pCurve, pCurve};
    cmsHPROFILE hProfile =
        space.m_bGrey ? cmsCreateGrayProfile(&white, pCurve) : cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(pCurve);
    if (hProfile == nullptr)
        return false;
    const bool bWritten = cmsSaveProfileToFile(hProfile, pszFile) != 0;
    cmsCloseProfile(hProfile);
    return bWritten;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: photo-colour PHOTO PROFILE.icc\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string strHead(kHeadBytes, '\0');
    in.read(&strHead[0], kHeadBytes);
    if (in.bad()) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    strHead.resize(static_cast<size_t>(in.gcount()));
    RgbSpace space;
    if ((ReadPngSpace(strHead, space) || ReadHeifSpace(strHead, space)) && !WriteProfile(space, argv[2])) {
        std::cerr << argv[2] << ": the colour profile could not be written\n";
        return 1;
    }
    return 0;
}
