# Sourced by scripts/release and scripts/make-saver, run from the tree's top, after shipping.sh:
# a saver's MSI packages, built with wixl from packaging/saver.wxs and signed as the programs are.
# The same inputs and SOURCE_DATE_EPOCH give the same bytes: every code is derived
# (packaging/rules), the clock wixl reads and the files' times are SOURCE_DATE_EPOCH, and the
# package code is set afterwards from a digest of the inputs.

# The version of the programs this tree builds.
tree_version() { sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt; }

text_code_page() { sed -n 's/^set(ORVANTA_TEXT_CODE_PAGE \([0-9]*\)).*/\1/p' "resources/text/$1/language.cmake"; }
# msi_text TEXTS ID KEY: the text of KEY in the package texts TEXTS, for product ID.
msi_text() { sed -n "s/^$3=//p" "$1" | ID=$2 perl -pe 's/\@ID\@/$ENV{ID}/g; chomp'; }
# msi_code KIND: a code of those package-codes printed into $codes.
msi_code() { sed -n "s/^$1=//p" <<<"$codes"; }

# write_msi PAIR SAVER ID NAME PUBLISHER LANGUAGE ICON VERSION OUT: OUT, the package of SAVER
# (<id>.scr of PAIR, x86_64 or x86) for product ID, with its programs-list entry's NAME,
# PUBLISHER (UTF-8) and ICON, in LANGUAGE (resources/text/<language>). Signed with $pkcs12
# (choose_signing) when it is set.
write_msi() {
  local pair=$1 saver=$2 id=$3 name=$4 publisher=$5 language=$6 icon=$7 version=$8 out=$9
  local texts=resources/text/$language/package-texts.txt work lcid digest codes
  lcid=$(msi_text "$texts" "$id" lcid)
  { [ -f build/native/build.ninja ] || cmake --preset native >/dev/null; } &&
    cmake --build --preset native --target package-codes >/dev/null || return 1
  digest=$( { sha256sum <"$saver"; sha256sum <"$icon"; cat packaging/saver.wxs "$texts";
    printf '%s\n' "$pair" "$id" "$name" "$publisher" "$version"; } | sha256sum | cut -c1-64)
  codes=$(build/native/packaging/package-codes "$id" "$version" "$pair" "$digest") || return 1

  work=$(mktemp -d) || return 1
  # wixl takes files relative to the folder it runs in. They go into the cabinet with their
  # times, as local times: both fixed.
  cp "$saver" "$work/$id.scr" && cp "$icon" "$work/product.ico" && cp packaging/saver.wxs "$work/" &&
    touch -d "@$SOURCE_DATE_EPOCH" "$work/$id.scr" "$work/product.ico" &&
    (cd "$work" && TZ=UTC faketime -f "@$(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T')" \
      wixl -a "$([ "$pair" = x86 ] && echo x86 || echo x64)" -o package.msi -D Pair="$pair" -D Id="$id" \
      -D Version="$version" -D Language="$lcid" -D UpgradeCode="$(msi_code upgrade)" \
      -D ProductCode="$(msi_code product)" -D ComponentCode="$(msi_code component)" \
      -D Saver="$id.scr" -D Icon=product.ico saver.wxs) &&
    write_msi_texts "$work" "$(text_code_page "$language")" "$name" "$publisher" \
      "$(msi_text "$texts" "$id" downgrade)" "$(msi_text "$texts" "$id" x86)" &&
    # The summary's strings stay ASCII: Windows reads them in a code page that libmsi's UTF-8
    # would not match.
    msibuild "$work/package.msi" -s "$id screen saver" "$id" \
      "$([ "$pair" = x86 ] && echo Intel || echo x64);$lcid" "$(msi_code package)" &&
    { [ -z "${pkcs12:-}" ] || cmake/sign "$work/package.msi" "$id screen saver package" "$pkcs12" "$SOURCE_DATE_EPOCH"; } &&
    mv "$work/package.msi" "$out"
  local rc=$?
  rm -rf "$work"
  return $rc
}

# write_msi_texts WORK CODEPAGE NAME PUBLISHER DOWNGRADE X86: WORK/package.msi's database in
# CODEPAGE, with the product's name and publisher and the messages in its language. Through
# tables imported whole, since the texts may hold any character SQL would have to quote.
write_msi_texts() {
  local msi=$1/package.msi tables=$1/tables
  mkdir -p "$tables"
  printf '\r\n\r\n%s\t_ForceCodepage\r\n' "$2" >"$tables/_ForceCodepage.idt"
  msiinfo export "$msi" Property | NAME=$3 PUBLISHER=$4 perl -pe '
    s/^ProductName\t.*/ProductName\t$ENV{NAME}\r/; s/^Manufacturer\t.*/Manufacturer\t$ENV{PUBLISHER}\r/' \
    >"$tables/Property.idt"
  msiinfo export "$msi" LaunchCondition | DOWNGRADE=$5 X86=$6 perl -pe '
    s/\tdowngrade\r$/\t$ENV{DOWNGRADE}\r/; s/\tx86\r$/\t$ENV{X86}\r/' >"$tables/LaunchCondition.idt"
  msibuild "$msi" -i "$tables/_ForceCodepage.idt" && msibuild "$msi" -i "$tables/Property.idt" &&
    msibuild "$msi" -i "$tables/LaunchCondition.idt"
}

# write_msis DIR ID NAME PUBLISHER LANGUAGE ICON: DIR/<pair>/<id>.msi beside each pair's
# DIR/<pair>/<id>.scr, of this tree's version.
write_msis() {
  local pair
  for pair in x86_64 x86; do
    write_msi "$pair" "$1/$pair/$2.scr" "$2" "$3" "$4" "$5" "$6" "$(tree_version)" "$1/$pair/$2.msi" ||
      { echo "msi: could not write $1/$pair/$2.msi" >&2; return 1; }
  done
}

# product_setting DIR NAME: ORVANTA_PRODUCT_<NAME> of DIR/product.cmake (files relative to DIR).
product_setting() { LC_ALL=C sed -n "s/^set(ORVANTA_PRODUCT_$2 \\([^ )]*\\)).*/\\1/p" "$1/product.cmake"; }

# write_product_msis DIR PRODUCT: write_msis for the product of the folder PRODUCT (cmake/Product.cmake's
# shape: resources/product, or the one scripts/make-saver writes): its programs-list name from its
# install script, its publisher from its texts (their resource escapes undone), both in its
# language's code page.
write_product_msis() {
  local product=$2 language codepage name publisher
  language=$(product_setting "$product" LANGUAGE)
  codepage=$(text_code_page "$language")
  name=$(LC_ALL=C sed -n 's/^DISPLAYNAME=\(.*\)\r$/\1/p' "$product/$(product_setting "$product" SCRIPT)" |
    iconv -f "CP$codepage" -t UTF-8)
  publisher=$(LC_ALL=C sed -n 's/^#define PRODUCT_PUBLISHER "\(.*\)"\r\?$/\1/p' "$product/texts.rch" |
    iconv -f "CP$codepage" -t UTF-8 | perl -pe 's/""/"/g; s/\\\\/\\/g')
  write_msis "$1" "$(product_setting "$product" ID)" "$name" "$publisher" "$language" \
    "$product/$(product_setting "$product" ICON)"
}
