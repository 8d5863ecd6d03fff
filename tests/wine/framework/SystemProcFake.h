#pragma once

#include <set>
#include <string>

// Links in place of the framework's FindSystemProc: while an object lives, the exports it names
// ("#410" for an ordinal) look missing to every run-time binding, as on an older Windows.
class CMissingExportsFake
{
public:
    explicit CMissingExportsFake(std::set<std::string> names);
    ~CMissingExportsFake();
    CMissingExportsFake(const CMissingExportsFake&) = delete;
    CMissingExportsFake& operator=(const CMissingExportsFake&) = delete;

    // The hidden exports that were asked for.
    const std::set<std::string>& Refused() const { return m_refused; }

private:
    friend bool IsMissingExport(const char* pszName);
    std::set<std::string> m_names;
    std::set<std::string> m_refused;
};
