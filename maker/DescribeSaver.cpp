// describe-saver DESCRIPTION: checks a saver's description with the files it names and prints
// what the maker needs, one key=value line each (UTF-8; paths absolute; photos last, one line
// each, in the order they are shown). A fault is one line on stderr naming the file and line,
// and exit status 1.
#include "SaverDescription.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxPhotos = 9999;

struct Failure
{
    int m_nLine;
    std::string m_strMessage;
};

fs::path Resolve(const fs::path& folder, const std::string& strPath)
{
    return (folder / fs::u8path(strPath)).lexically_normal();
}

std::string RequireFile(const fs::path& folder, const std::string& strKey, const std::string& strPath, int nLine)
{
    const fs::path path = Resolve(folder, strPath);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw Failure{nLine, strKey + ": no such file: " + path.u8string()};
    return path.u8string();
}

// A folder stands for its photos (not those of folders within), in the order of ComesBefore;
// what is named like a photo is taken whatever it is, so that a dangling link or a folder so
// named is refused by name rather than passed over. The rest is counted in nSkipped.
std::vector<std::string> ExpandPhotos(const fs::path& folder, const PhotoEntry& entry, size_t& nSkipped)
{
    const fs::path path = Resolve(folder, entry.m_strPath);
    std::error_code ec;
    if (fs::is_regular_file(path, ec))
        return {path.u8string()};
    if (!fs::is_directory(path, ec))
        throw Failure{entry.m_nLine, "no such file or folder: " + path.u8string()};
    std::vector<std::string> names;
    for (const fs::directory_entry& file : fs::directory_iterator(path, ec)) {
        std::string strName = file.path().filename().u8string();
        if (IsPhotoName(strName))
            names.push_back(std::move(strName));
        else if (std::error_code ecKind; !file.is_directory(ecKind))
            ++nSkipped;
    }
    if (ec)
        throw Failure{entry.m_nLine, "cannot read the folder " + path.u8string()};
    if (names.empty())
        throw Failure{entry.m_nLine,
                      "the folder " + path.u8string() + " holds no .jpg, .jpeg, .png, .heic, .heif or .webp files"};
    std::sort(names.begin(), names.end(), ComesBefore);
    std::vector<std::string> photos;
    for (const std::string& strName : names)
        photos.push_back((path / fs::u8path(strName)).u8string());
    return photos;
}

void Print(const SaverDescription& d, const fs::path& folder)
{
    const std::string strPicture =
        d.m_strPicture.empty() ? "" : RequireFile(folder, "picture", d.m_strPicture, d.m_nPictureLine);
    const std::string strIcon = d.m_strIcon.empty() ? "" : RequireFile(folder, "icon", d.m_strIcon, d.m_nIconLine);
    std::vector<std::string> photos;
    size_t nSkipped = 0;
    for (const PhotoEntry& entry : d.m_photos) {
        for (std::string& strPhoto : ExpandPhotos(folder, entry, nSkipped))
            photos.push_back(std::move(strPhoto));
        if (photos.size() > kMaxPhotos)
            throw Failure{entry.m_nLine, "more than 9,999 photos: a saver shows at most 9,999"};
    }
    std::ostringstream out;
    out << "id=" << d.m_strId << "\nname=" << d.m_strName << "\ncredit=" << d.m_strCredit
        << "\npublisher=" << d.m_strPublisher << "\nlanguage=" << d.m_strLanguage
        << "\ncodepage=" << CodePageOf(d.m_strLanguage) << "\npicture=" << strPicture << "\nicon=" << strIcon
        << "\nhold=" << d.m_nHold << "\norder=" << d.m_strOrder << "\nfit=" << d.m_strFit
        << "\nmaxsize=" << d.m_nMaxSize << "\nskipped=" << nSkipped << "\n";
    for (const std::string& strPhoto : photos)
        out << "photo=" << strPhoto << "\n";
    std::cout << out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: describe-saver DESCRIPTION\n";
        return 2;
    }
    const std::string strFile = argv[1];
    std::ifstream in(strFile, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        std::cerr << strFile << ": cannot read the description\n";
        return 1;
    }
    SaverDescription description;
    DescriptionError error;
    try {
        if (!ReadSaverDescription(text.str(), description, error))
            throw Failure{error.m_nLine, error.m_strMessage};
        Print(description, fs::absolute(fs::u8path(strFile)).parent_path());
    } catch (const Failure& failure) {
        std::cerr << strFile << (failure.m_nLine > 0 ? ":" + std::to_string(failure.m_nLine) : "") << ": "
                  << failure.m_strMessage << "\n";
        return 1;
    }
    return 0;
}
