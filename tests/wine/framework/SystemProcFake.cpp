#include "SystemProcFake.h"

#include "SystemLibrary.h"

namespace {

CMissingExportsFake* s_pMissing = nullptr;

}  // namespace

CMissingExportsFake::CMissingExportsFake(std::set<std::string> names) : m_names(std::move(names))
{
    s_pMissing = this;
}

CMissingExportsFake::~CMissingExportsFake()
{
    s_pMissing = nullptr;
}

bool IsMissingExport(const char* pszName)
{
    if (s_pMissing == nullptr)
        return false;
    const std::string strName =
        IS_INTRESOURCE(pszName) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(pszName)) : std::string(pszName);
    if (s_pMissing->m_names.count(strName) == 0)
        return false;
    s_pMissing->m_refused.insert(strName);
    return true;
}

FARPROC FindSystemProc(HMODULE hModule, const char* pszName)
{
    return hModule && !IsMissingExport(pszName) ? ::GetProcAddress(hModule, pszName) : nullptr;
}
