#!/usr/bin/env bash
# End to end, the owning tier of the release: release.sh DIST CA OTHER_DIST. Every signed file
# verifies against the test authority CA, SHA256SUMS holds, each installer's payload is the
# signed saver beside it, an install under Wine copies the signed installer as its uninstaller,
# and OTHER_DIST, the same tree released in another folder with the same certificate behind a
# password, has the same SHA256SUMS.
. "$(dirname "$0")/../tools/e2e.sh"
DIST=$1 CA=$2 OTHER_DIST=$3

signature_verifies() { osslsigncode verify -CAfile "$CA" -in "$1" >/dev/null; }
sums_hold() { (cd "$DIST" && sha256sum --quiet -c SHA256SUMS); }

# payload_is_saver PAIR: the installer's resource FILE 2 holds exactly the saver beside it.
payload_is_saver() {
  local zip
  zip=$(mktemp)
  wrestool -x --raw -t FILE -n 2 "$DIST/$1/installer.exe" >"$zip" &&
    unzip -p "$zip" Orvanta.scr | cmp -s - "$DIST/$1/Orvanta.scr"
  local rc=$?
  rm -f "$zip"
  return $rc
}

# msi_carries_saver PAIR: the package's one file is exactly the signed saver beside it.
msi_carries_saver() {
  local files
  files=$(mktemp -d)
  msiextract -C "$files" "$DIST/$1/Orvanta.msi" >/dev/null &&
    [ "$(find "$files" -type f | wc -l)" = 1 ] && cmp -s "$(find "$files" -type f)" "$DIST/$1/Orvanta.scr"
  local rc=$?
  rm -rf "$files"
  return $rc
}

# install_copies_installer PAIR WINEARCH: a silent install in a fresh prefix of that architecture.
install_copies_installer() (
  export ORVANTA_WINEARCH=$2
  E2E_FAILURES=0
  e2e_begin 1024x768
  e2e_check "$1: a silent install exits 0" wine "$DIST/$1/installer.exe" /S
  e2e_check "$1: the uninstaller it made is the signed installer" \
    cmp -s "$DIST/$1/installer.exe" "$WINEPREFIX/drive_c/Program Files/Orvanta/uninstall.exe"
)

for file in "$DIST"/*/installer.exe "$DIST"/*/Orvanta.scr "$DIST"/*/Orvanta.msi; do
  e2e_check "${file#"$DIST"/} is signed by the test authority" signature_verifies "$file"
done
e2e_check "SHA256SUMS holds" sums_hold
for pair in x86_64 x86; do
  e2e_check "$pair: the installer carries the signed saver" payload_is_saver $pair
  e2e_check "$pair: the MSI package carries the signed saver" msi_carries_saver $pair
  e2e_check "$pair: the MSI package built again in another folder is the same, byte for byte" \
    cmp "$DIST/$pair/Orvanta.msi" "$OTHER_DIST/$pair/Orvanta.msi"
done
install_copies_installer x86_64 win64 || e2e_fail "the x86_64 install"
if [ -z "${ORVANTA_64BIT_ONLY:-}" ]; then
  install_copies_installer x86 win32 || e2e_fail "the x86 install"
else
  echo "skip: x86: this machine runs no 32-bit code"
fi
e2e_check "the same tree built in another folder, signed through a password, gives the same SHA256SUMS" \
  cmp "$DIST/SHA256SUMS" "$OTHER_DIST/SHA256SUMS"
[ "$E2E_FAILURES" -eq 0 ] || { echo "e2e: $E2E_FAILURES check(s) failed"; exit 3; }
