// describe-saver DESCRIPTION FOLDER RESOURCES: checks a saver's description with the files it
// names and writes the product folder FOLDER from it (scripts, texts, captions, the icon; the
// photos are the maker's to add as N.jpg), with dist/README.txt and dist/CREDITS.txt for the
// people who get it, filled in from RESOURCES/dist/made. For the maker's photo loop it writes
// maker.fields: the id, maxsize, the dialogs' picture (empty: the first photo), how many files
// of the photo folders were skipped and the photos in show order, each ending in a NUL, so that
// no name is read as text by the shell. A fault is one line on stderr naming the file and line,
// and exit status 1.
#include "CaptionDate.h"
#include "CodePageText.h"
#include "ProductFolder.h"
#include "SaverDescription.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

extern char** environ;

namespace {

constexpr size_t kMaxPhotos = 9999;

struct Failure
{
    int m_nLine;
    std::string m_strMessage;
};

struct Photo
{
    std::string m_strPath;
    std::string m_strCaption;
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

// A name as one line of a message: its control characters as '?'.
std::string Printable(std::string str)
{
    for (char& c : str)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return str;
}

// A folder stands for its photos (not those of folders within), in the order of ComesBefore;
// what is named like a photo is taken whatever it is, so that a dangling link or a folder so
// named is refused by name rather than passed over. The rest is counted in nSkipped.
std::vector<Photo> ExpandPhotos(const fs::path& folder, const PhotoEntry& entry, size_t& nSkipped)
{
    const fs::path path = Resolve(folder, entry.m_strPath);
    std::error_code ec;
    if (fs::is_regular_file(path, ec))
        return {Photo{path.u8string(), entry.m_strCaption}};
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
    std::vector<Photo> photos;
    for (const std::string& strName : names) {
        const std::string strPath = (path / fs::u8path(strName)).u8string();
        // A line break in a name would end it wherever a name is a line.
        if (!IsPlainUtf8(strName))
            throw Failure{entry.m_nLine,
                          "a file's name is not UTF-8 or holds a control character: " + Printable(strPath)};
        photos.push_back(Photo{strPath, entry.m_strCaption});
    }
    return photos;
}

// The photo's EXIF date taken as exiftool gives it, or empty; run without a shell.
std::string ExifDateTaken(const std::string& strPath)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw Failure{0, "cannot run exiftool"};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = {"exiftool", "-q", "-q", "-s3", "-DateTimeOriginal", strPath};
    std::vector<char*> argv;
    for (std::string& strArg : args)
        argv.push_back(&strArg[0]);
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int nError = posix_spawnp(&pid, "exiftool", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string strOut;
    char buffer[256];
    for (ssize_t n; nError == 0 && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        strOut.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int nStatus = 0;
    if (nError != 0 || waitpid(pid, &nStatus, 0) != pid)
        throw Failure{0, "cannot run exiftool (scripts/setup installs it)"};
    return strOut;
}

std::vector<Photo> AllPhotos(const SaverDescription& d, const fs::path& folder, size_t& nSkipped)
{
    std::vector<Photo> photos;
    for (const PhotoEntry& entry : d.m_photos) {
        for (Photo& photo : ExpandPhotos(folder, entry, nSkipped))
            photos.push_back(std::move(photo));
        if (photos.size() > kMaxPhotos)
            throw Failure{entry.m_nLine, "more than 9,999 photos: a saver shows at most 9,999"};
    }
    if (d.m_nCaption == CAPTION_DATE)
        for (Photo& photo : photos)
            photo.m_strCaption = DateCaption(ExifDateTaken(photo.m_strPath), d.m_strLanguage);
    return photos;
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf()))
        throw Failure{0, "cannot read " + path.u8string()};
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& strBytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << strBytes) || !out.flush())
        throw Failure{0, "cannot write " + path.u8string()};
}

std::string Icon(const SaverDescription& d, const fs::path& folder, const fs::path& resources)
{
    if (d.m_strIcon.empty())
        return ReadFile(resources / "saver" / "icon.ico");
    const std::string strPath = RequireFile(folder, "icon", d.m_strIcon, d.m_nIconLine);
    const std::string strIcon = ReadFile(fs::u8path(strPath));
    if (strIcon.compare(0, 4, std::string("\0\0\1\0", 4)) != 0)
        throw Failure{d.m_nIconLine, "icon: " + strPath + " is not a Windows icon (.ico)"};
    return strIcon;
}

void WriteProduct(const SaverDescription& d, const fs::path& folder, const fs::path& product, const fs::path& resources)
{
    const std::string strPicture =
        d.m_strPicture.empty() ? "" : RequireFile(folder, "picture", d.m_strPicture, d.m_nPictureLine);
    const std::string strIcon = Icon(d, folder, resources);
    size_t nSkipped = 0;
    const std::vector<Photo> photos = AllPhotos(d, folder, nSkipped);

    MadeProduct made{d.m_strId, d.m_strLanguage, d.m_strName, d.m_strCredit, d.m_strPublisher, d.m_show, {}};
    for (const Photo& photo : photos)
        made.m_captions.push_back(photo.m_strCaption);
    ProductFiles files;
    std::string strFault;
    if (!WriteProductFolder(made, files, strFault))
        throw Failure{0, strFault};
    const fs::path madeTexts = resources / "dist" / "made";
    const std::string strMark = "\xEF\xBB\xBF";  // by which Notepad knows UTF-8
    files["dist/README.txt"] = strMark + FillPeopleText(ReadFile(madeTexts / "README.txt"), made);
    std::string strCredits = FillPeopleText(ReadFile(madeTexts / "CREDITS.txt"), made);
    if (!d.m_strCredit.empty())
        strCredits += FillPeopleText(ReadFile(madeTexts / "CREDITS-photos.txt"), made);
    if (d.m_strIcon.empty())
        strCredits += FillPeopleText(ReadFile(madeTexts / "CREDITS-icon.txt"), made);
    files["dist/CREDITS.txt"] = strMark + strCredits;
    files["icon.ico"] = strIcon;
    std::string strFields = d.m_strId + '\0' + std::to_string(d.m_nMaxSize) + '\0' + strPicture + '\0' +
                            std::to_string(nSkipped) + '\0';
    for (const Photo& photo : photos)
        strFields += photo.m_strPath + '\0';
    files["maker.fields"] = strFields;

    std::error_code ec;
    fs::create_directories(product / "dist", ec);
    if (ec)
        throw Failure{0, "cannot make " + product.u8string()};
    for (const auto& file : files)
        WriteFile(product / file.first, file.second);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: describe-saver DESCRIPTION FOLDER RESOURCES\n";
        return 2;
    }
    const std::string strFile = argv[1];
    SaverDescription description;
    DescriptionError error;
    try {
        if (!ReadSaverDescription(ReadFile(strFile), description, error))
            throw Failure{error.m_nLine, error.m_strMessage};
        WriteProduct(description, fs::absolute(fs::u8path(strFile)).parent_path(), argv[2], argv[3]);
    } catch (const Failure& failure) {
        std::cerr << strFile << (failure.m_nLine > 0 ? ":" + std::to_string(failure.m_nLine) : "") << ": "
                  << failure.m_strMessage << "\n";
        return 1;
    }
    return 0;
}
