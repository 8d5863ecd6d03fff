#pragma once

#include <string>

// The codes by which Windows Installer knows a saver's packages. They are derived from names,
// never drawn at random, so that the same product builds the same package anywhere and every
// package of one product, of any version, finds the others to upgrade.

// An RFC 4122 name-based UUID (version 5, SHA-1) of NAME in NAMESPACE (16 bytes), written as
// Windows Installer writes codes: upper case, in braces.
std::string NameBasedUuid(const unsigned char (&namespaceUuid)[16], const std::string& strName);

// One per product id, whatever its version or pair. Ids are compared as Windows compares file
// names, without case: two ids that differ only in case install the same file.
std::string UpgradeCode(const std::string& strId);
// One per id, version and pair (x86_64 or x86).
std::string ProductCode(const std::string& strId, const std::string& strVersion, const std::string& strPair);
// The saver file's component: one per id and pair, the same in every version.
std::string ComponentCode(const std::string& strId, const std::string& strPair);
// One per package's contents, given as a digest of everything it is built from.
std::string PackageCode(const std::string& strDigest);
