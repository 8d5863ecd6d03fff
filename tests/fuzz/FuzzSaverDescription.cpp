// Any bytes as a saver's description; what it reads must make a product folder or be refused,
// and a written folder's show options and install script read back as written.
#include "ProductFolder.h"
#include "SaverDescription.h"
#include "payload/InstallScript.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    SaverDescription description;
    DescriptionError error;
    if (!ReadSaverDescription(std::string(reinterpret_cast<const char*>(pData), nSize), description, error))
        return 0;
    MadeProduct product{description.m_strId,
                        description.m_strLanguage,
                        description.m_strName,
                        description.m_strCredit,
                        description.m_strPublisher,
                        description.m_show,
                        {}};
    for (const PhotoEntry& entry : description.m_photos)
        product.m_captions.push_back(entry.m_strCaption);
    ProductFiles files;
    std::string strFault;
    // What the reader took, the writer can write.
    if (!WriteProductFolder(product, files, strFault))
        __builtin_trap();
    const std::string& strShow = files["show.txt"];
    if (!(ParseShowOptions(strShow.data(), strShow.size()) == description.m_show))
        __builtin_trap();
    CInstallScript script;
    script.Parse(files["install.txt"].data(), files["install.txt"].size());
    if (script.m_files.size() != 1 || script.m_files[0].m_strSource != description.m_strId + ".scr")
        __builtin_trap();
    return 0;
}
