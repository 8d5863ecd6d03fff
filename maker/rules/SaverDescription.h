#pragma once

#include "ShowOptions.h"

#include <string>
#include <vector>

// A description of a saver to make: a UTF-8 INI file of three sections, [saver], [show] and
// [photos]. Paths stay as written, relative to the description's folder.

// A line of [photos]: a file, or a folder standing for the photos in it, and with caption=text
// the caption after " = ", which each of its photos shows.
struct PhotoEntry
{
    std::string m_strPath;
    int m_nLine;
    std::string m_strCaption;
};

enum CaptionMode
{
    CAPTION_NONE,
    CAPTION_TEXT,  // as the [photos] lines give them
    CAPTION_DATE,  // the date each photo was taken, from its EXIF
};

struct SaverDescription
{
    std::string m_strId;
    std::string m_strName;
    std::string m_strCredit;     // empty: the language's own
    std::string m_strPublisher;  // empty: the language's own
    std::string m_strPicture;    // empty: the first photo
    int m_nPictureLine = 0;
    std::string m_strIcon;  // empty: the product's own
    int m_nIconLine = 0;
    std::string m_strLanguage = "ja";
    ShowOptions m_show;
    int m_nCaption = CAPTION_NONE;
    int m_nMaxSize = 3840;
    std::vector<PhotoEntry> m_photos;
};

// Where a description breaks a rule; line 0 is the file as a whole.
struct DescriptionError
{
    int m_nLine = 0;
    std::string m_strMessage;
};

// Every rule of a description that needs no file: sections, keys, values and their ranges, the
// id, and texts that the language's code page can hold. False with the first fault found.
bool ReadSaverDescription(const std::string& strText, SaverDescription& description, DescriptionError& error);

// The code page that a language's texts are stored in: 932 for ja, 1252 for en.
int CodePageOf(const std::string& strLanguage);

// A folder's photos, by extension: .jpg, .jpeg, .png, .heic, .heif and .webp in any case, never
// a hidden file.
bool IsPhotoName(const std::string& strName);

// The order in which a folder's photos are shown: as a file browser sorts, digit runs by their
// value and letters without regard to case, so IMG_2 comes before IMG_10.
bool ComesBefore(const std::string& strA, const std::string& strB);
