#!/usr/bin/env bash
# Owns: the MSI packages under Windows Installer (their codes are the native table's, their bytes
# the release check's). The pair's package, built by scripts/lib/msi.sh from the built saver: a
# silent install puts the saver into the native system directory and lists the product with its
# name, publisher, version and icon, and leaves the desktop's choice alone; another product's
# package installs beside it; a newer version replaces it in place (one entry, one file) and the
# older one is then refused; a removal takes file and entry and leaves the other product. With
# "wow64", the x86 package on 64-bit Windows: refused, nothing installed.
. "$(dirname "$0")/../tools/e2e.sh"
e2e_begin 1024x768

cd "$ORVANTA_ROOT" && . scripts/lib/msi.sh
# The pair of the built saver, and the registry view its entries are in.
if x86_64-w64-mingw32-objdump -f "$ORVANTA_BIN/Orvanta.scr" | grep -q 'x86-64'; then
  pair=x86_64 view=/reg:64
else
  pair=x86 view=/reg:32
fi
export SOURCE_DATE_EPOCH=1765000000
work=$(mktemp -d)
trap 'rm -rf "$work"; e2e_end' EXIT
SYSTEM32=$WINEPREFIX/drive_c/windows/system32
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# package ID VERSION: $work/ID-VERSION.msi of the built saver under ID.
package() {
  cp "$ORVANTA_BIN/Orvanta.scr" "$work/$1.scr" &&
    write_msi "$pair" "$work/$1.scr" "$1" "$1 E2E スクリーンセイバー" "E2E 制作" ja resources/saver/icon.ico "$2" \
      "$work/$1-$2.msi"
}
product_code() { msiinfo export "$work/$1.msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }'; }
run_msiexec() { exit_code msiexec "$1" "$(winepath -w "$work/$2.msi")" /qn; }
# reg speaks the prefix's ANSI code page (932) into a pipe.
reg_query() { wine reg query "$@" $view 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r'; }
entry() { reg_query "$UNINSTALL\\$(product_code "$1")" /v "$2" | awk -v v="$2" '$1 == v { $1 = $2 = ""; sub(/^  /, ""); print }'; }
listed() { [ -n "$(entry "$1" DisplayName)" ]; }
# listed_as PACKAGE NAME PUBLISHER VERSION
listed_as() { [ "$(entry "$1" DisplayName)|$(entry "$1" Publisher)|$(entry "$1" DisplayVersion)" = "$2|$3|$4" ]; }
installed() { cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/$1.scr"; }
entries_of() { reg_query "$UNINSTALL" /s | grep -c "DisplayName.*$1 E2E"; }
nowhere() { [ ! -e "$SYSTEM32/$1.scr" ] && [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/$1.scr" ]; }
v1=$(tree_version)
e2e_require "the package is built" package E2eMsi "$v1"
if [ "${1:-}" = wow64 ]; then
  e2e_check "the x86 package is refused on 64-bit Windows" [ "$(run_msiexec /i "E2eMsi-$v1")" = 1603 ]
  e2e_check "and installs nothing" nowhere E2eMsi
  exit
fi
e2e_require "a newer version's package is built" package E2eMsi 1.0.1.0
e2e_require "another product's package is built" package E2eOther "$v1"

echo "# install"
desktop_saver() { wine reg query 'HKCU\Control Panel\Desktop' /v SCRNSAVE.EXE 2>/dev/null | tr -d '\r'; }
saver_before=$(desktop_saver)
e2e_check "msiexec /i /qn exits 0" [ "$(run_msiexec /i "E2eMsi-$v1")" = 0 ]
e2e_check "the saver is in the native system directory" installed E2eMsi
e2e_check "the programs list shows its name, publisher and version" \
  listed_as "E2eMsi-$v1" "E2eMsi E2E スクリーンセイバー" "E2E 制作" "$v1"
e2e_check "and its icon" \
  cmp -s resources/saver/icon.ico "$WINEPREFIX/drive_c/windows/Installer/$(product_code "E2eMsi-$v1")/product.ico"
e2e_check "the desktop's saver is left to the user or the policy" [ "$(desktop_saver)" = "$saver_before" ]
e2e_check "another product's package installs beside it" [ "$(run_msiexec /i "E2eOther-$v1")" = 0 ]
e2e_check "both savers are there" eval 'installed E2eOther && installed E2eMsi'

echo "# upgrade"
e2e_check "the newer version installs" [ "$(run_msiexec /i E2eMsi-1.0.1.0)" = 0 ]
e2e_check "one entry is left, of the newer version, and the saver" \
  eval '[ "$(entries_of E2eMsi):$(entry E2eMsi-1.0.1.0 DisplayVersion)" = 1:1.0.1.0 ] && installed E2eMsi'
e2e_check "the older version is then refused" [ "$(run_msiexec /i "E2eMsi-$v1")" = 1603 ]
e2e_check "and costs nothing" eval 'installed E2eMsi && listed E2eMsi-1.0.1.0'

echo "# removal"
e2e_check "msiexec /x /qn exits 0" [ "$(run_msiexec /x E2eMsi-1.0.1.0)" = 0 ]
e2e_check "the saver and its entry are gone" eval 'nowhere E2eMsi && [ "$(entries_of E2eMsi)" = 0 ]'
e2e_check "the other product stays" eval 'installed E2eOther && listed "E2eOther-$v1"'
