#pragma once

#include "ShowOptions.h"

#include <map>
#include <string>
#include <vector>

// What a made saver is, in typed values: its product folder (cmake/Product.cmake reads it) is
// written from these alone.
struct MadeProduct
{
    std::string m_strId;        // letters and digits
    std::string m_strLanguage;  // ja or en
    std::string m_strName;      // UTF-8, as the other texts
    std::string m_strCredit;
    std::string m_strPublisher;
    ShowOptions m_show;
    std::vector<std::string> m_captions;  // one per photo, in show order; empty: none
};

// File name in the folder to its bytes.
using ProductFiles = std::map<std::string, std::string>;

// The product folder's scripts and texts: texts.rch, install.txt, show.txt, pictures.rc,
// product.cmake and caption-N.txt, each in the form its reader takes. Photo N is N.jpg; icon.ico
// and picture.bmp are the maker's to put beside. False, naming the value, for a text that its
// code page cannot hold or that holds a control character, or a caption that is not 1 to 255
// bytes of such UTF-8.
bool WriteProductFolder(const MadeProduct& product, ProductFiles& files, std::string& strFault);

// A text for the people who get the saver, from its template: @ID@, @NAME@ and @CREDIT@ filled
// in, CR LF lines.
std::string FillPeopleText(const std::string& strTemplate, const MadeProduct& product);
