#include "registration/SaverNames.h"

#include "FsRedirection.h"
#include "PathQuery.h"

std::vector<std::string> SaverNames(const std::string& strSaverPath)
{
    // The saver lies where its path leads the desktop: the native system directory.
    const CFsRedirectionGuard nativeFiles;
    const std::string strShort = QueryShortPath(strSaverPath);
    return {strSaverPath, strShort.empty() ? strSaverPath : strShort};
}
