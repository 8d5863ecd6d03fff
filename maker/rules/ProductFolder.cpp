#include "ProductFolder.h"

#include "CodePageText.h"
#include "payload/InstallScript.h"
#include "ResourceText.h"
#include "SaverDescription.h"

namespace {

constexpr size_t kMaxCaptionBytes = 255;

struct Unwritable
{
    std::string m_strFault;
};

std::string InCodePage(const std::string& strKey, const std::string& strUtf8, int nCodePage)
{
    std::string str;
    if (!ToCodePage(strUtf8, nCodePage, str))
        throw Unwritable{strKey + ": cannot be written in code page " + std::to_string(nCodePage)};
    return str;
}

// Every resource of a made program under its language, the installer's too (the language's
// texts state theirs only for the saver).
std::string Texts(const MadeProduct& product, int nCodePage)
{
    const auto define = [&](const char* pszName, const std::string& strKey, const std::string& strUtf8) {
        return std::string("#define PRODUCT_") + pszName + " " +
               ResourceString(InCodePage(strKey, strUtf8, nCodePage), nCodePage) + "\r\n";
    };
    const bool bOwnPublisher = !product.m_strPublisher.empty();
    std::string str = "// The texts of " + product.m_strId + ", made by scripts/make-saver in code page " +
                      std::to_string(nCodePage) + ".\r\n#include \"language.rch\"\r\n";
    str += define("NAME", "name", product.m_strName);
    str += define("INTERNAL_NAME", "id", product.m_strId);
    str += define("CAPTION", "name", product.m_strName);
    str += define("CREDIT", "credit", product.m_strCredit);
    str += define("PUBLISHER", bOwnPublisher ? "publisher" : "name",
                  bOwnPublisher ? product.m_strPublisher : product.m_strName);
    str += define("COMMENTS", "credit", product.m_strCredit);
    return str;
}

std::string Script(const MadeProduct& product, int nCodePage)
{
    CInstallScript script;
    const std::string strSaver = "$(SYSTEMDIR)" + product.m_strId + ".scr";
    script.m_strDisplayName = InCodePage("name", product.m_strName, nCodePage);
    script.m_strExecFile = "control.exe desk.cpl,,1";
    script.m_strScreenSaver = strSaver;
    script.m_files.push_back(FileEntry{product.m_strId + ".scr", strSaver});
    std::string strText;
    if (!script.Write(strText))
        throw Unwritable{"name: cannot be written in an install script"};
    return strText;
}

std::string CaptionName(size_t nPhoto)
{
    return "caption-" + std::to_string(nPhoto) + ".txt";
}

std::string Pictures(const MadeProduct& product)
{
    std::string str = "// The pictures of " + product.m_strId +
                      ", made by scripts/make-saver.\r\n#include \"SaverResource.h\"\r\n#include "
                      "\"language.rch\"\r\n\r\nIDI_PRODUCT ICON \"icon.ico\"\r\n\r\n";
    for (size_t i = 1; i <= product.m_captions.size(); ++i)
        str += std::to_string(i) + " JPEG \"" + std::to_string(i) + ".jpg\"\r\n";
    str += "\r\n1 SHOW \"show.txt\"\r\n";
    // Type CAPTION written in lower case: windres reads CAPTION as the dialog statement, and
    // stores a type's name in upper case.
    for (size_t i = 1; i <= product.m_captions.size(); ++i)
        if (!product.m_captions[i - 1].empty())
            str += std::to_string(i) + " caption \"" + CaptionName(i) + "\"\r\n";
    return str;
}

std::string Definition(const MadeProduct& product)
{
    std::string strFiles = "icon.ico show.txt";
    for (size_t i = 1; i <= product.m_captions.size(); ++i)
        strFiles += " " + std::to_string(i) + ".jpg" + (product.m_captions[i - 1].empty() ? "" : " " + CaptionName(i));
    return "# " + product.m_strId +
           ", made by scripts/make-saver.\n"
           "set(ORVANTA_PRODUCT_ID " +
           product.m_strId +
           ")\n"
           "set(ORVANTA_PRODUCT_LANGUAGE " +
           product.m_strLanguage +
           ")\n"
           "set(ORVANTA_PRODUCT_SCRIPT install.txt)\n"
           "set(ORVANTA_PRODUCT_PICTURES pictures.rc)\n"
           "set(ORVANTA_PRODUCT_PICTURE_FILES " +
           strFiles +
           ")\n"
           "set(ORVANTA_PRODUCT_ICON icon.ico)\n"
           "set(ORVANTA_PRODUCT_BITMAP picture.bmp)\n";
}

std::string Replaced(std::string str, const std::string& strFrom, const std::string& strTo)
{
    for (size_t i = str.find(strFrom); i != std::string::npos; i = str.find(strFrom, i + strTo.size()))
        str.replace(i, strFrom.size(), strTo);
    return str;
}

bool IsId(const std::string& strId)
{
    return !strId.empty() && strId.find_first_not_of(
                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789") == std::string::npos;
}

}  // namespace

bool WriteProductFolder(const MadeProduct& product, ProductFiles& files, std::string& strFault)
{
    const int nCodePage = CodePageOf(product.m_strLanguage);
    files.clear();
    try {
        if (!IsId(product.m_strId))
            throw Unwritable{"id: \"" + product.m_strId + "\" is not letters and digits"};
        files["texts.rch"] = Texts(product, nCodePage);
        files["install.txt"] = Script(product, nCodePage);
        for (size_t i = 1; i <= product.m_captions.size(); ++i) {
            const std::string& strCaption = product.m_captions[i - 1];
            if (strCaption.empty())
                continue;
            if (strCaption.size() > kMaxCaptionBytes || !IsPlainUtf8(strCaption))
                throw Unwritable{"the caption of photo " + std::to_string(i) +
                                 " is not 1 to 255 bytes of UTF-8 without control characters"};
            files[CaptionName(i)] = strCaption;
        }
    } catch (const Unwritable& unwritable) {
        files.clear();
        strFault = unwritable.m_strFault;
        return false;
    }
    files["show.txt"] = WriteShowOptions(product.m_show);
    files["pictures.rc"] = Pictures(product);
    files["product.cmake"] = Definition(product);
    return true;
}

std::string FillPeopleText(const std::string& strTemplate, const MadeProduct& product)
{
    const std::pair<const char*, const std::string*> fields[] = {
        {"@ID@", &product.m_strId}, {"@NAME@", &product.m_strName}, {"@CREDIT@", &product.m_strCredit}};
    std::string str;
    // One pass, so that a value is never read as a field.
    for (size_t i = 0; i < strTemplate.size();) {
        bool bField = false;
        for (const auto& field : fields) {
            const std::string strField = field.first;
            if (strTemplate.compare(i, strField.size(), strField) == 0) {
                str += *field.second;
                i += strField.size();
                bField = true;
                break;
            }
        }
        if (!bField)
            str += strTemplate[i++];
    }
    return Replaced(Replaced(str, "\r\n", "\n"), "\n", "\r\n");
}
