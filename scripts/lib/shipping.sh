# Sourced by scripts/release and scripts/make-saver, run from the tree's top: how shipped
# programs are dated, signed and checksummed. Functions take the command's name for messages.

# SOURCE_DATE_EPOCH, exported: the commit's time unless given. Link and signing times are taken
# from it, so the same inputs give the same files anywhere.
choose_source_date_epoch() {
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) || { echo "$1: no commit: set SOURCE_DATE_EPOCH" >&2; exit 1; }
  fi
  export SOURCE_DATE_EPOCH
}

TEST_SIGNING=$PWD/build/test-signing
# A CA and a code-signing certificate of its own (no password), made once per tree and valid for
# a year; no Windows trusts them.
make_test_certificate() {
  local d=$TEST_SIGNING
  [ -f "$d/signer.p12" ] && openssl x509 -checkend 86400 -noout -in "$d/signer.pem" >/dev/null && return
  rm -rf "$d" && mkdir -p "$d"
  openssl req -x509 -newkey rsa:3072 -nodes -days 365 -subj "/CN=Orvanta test CA (not trusted)" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -keyout "$d/ca.key" -out "$d/ca.pem" 2>/dev/null
  openssl req -newkey rsa:3072 -nodes -subj "/CN=Orvanta test signer (not trusted)" \
    -keyout "$d/signer.key" -out "$d/signer.csr" 2>/dev/null
  printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature extendedKeyUsage=codeSigning >"$d/signer.ext"
  openssl x509 -req -in "$d/signer.csr" -CA "$d/ca.pem" -CAkey "$d/ca.key" -set_serial 1 -days 365 \
    -extfile "$d/signer.ext" -out "$d/signer.pem" 2>/dev/null
  openssl pkcs12 -export -inkey "$d/signer.key" -in "$d/signer.pem" -certfile "$d/ca.pem" \
    -passout pass: -out "$d/signer.p12"
}

# Sets pkcs12 (the file to sign with), certificate and test_signed: the certificate in
# $ORVANTA_SIGN_PKCS12 (password in $ORVANTA_SIGN_PASSWORD), else the throwaway test authority.
choose_signing() {
  if [ -n "${ORVANTA_SIGN_PKCS12:-}" ]; then
    pkcs12=$(realpath "$ORVANTA_SIGN_PKCS12")
    export ORVANTA_SIGN_PASSWORD=${ORVANTA_SIGN_PASSWORD:-}
    certificate=$(openssl pkcs12 -in "$pkcs12" -nokeys -clcerts -passin env:ORVANTA_SIGN_PASSWORD 2>/dev/null) ||
      { echo "$1: cannot open $pkcs12: is ORVANTA_SIGN_PASSWORD its password?" >&2; exit 1; }
    test_signed=
  else
    make_test_certificate
    pkcs12=$TEST_SIGNING/signer.p12
    certificate=
    unset ORVANTA_SIGN_PASSWORD
    test_signed=1
  fi
}

# What the signature is worth: said after the files are written.
report_signing() {
  if [ -n "$test_signed" ]; then
    local indent
    printf -v indent '%*s' $((${#1} + 2)) ''
    echo "$1: TEST-SIGNED with the throwaway authority $TEST_SIGNING/ca.pem, which no Windows"
    echo "${indent}trusts: these files are for testing, not for publishing."
  else
    echo "$1: signed with $pkcs12 ($(openssl x509 -noout -subject <<<"$certificate" 2>/dev/null))"
    # RSA signatures are a function of their input; ECDSA ones take a random number each time.
    if ! openssl x509 -noout -text <<<"$certificate" 2>/dev/null | grep -q 'Public Key Algorithm: rsaEncryption'; then
      echo "$1: the key is not RSA: its signatures, and so the signed files, differ on every build"
    fi
  fi
}

# SHA256SUMS over every other file of DIR, in a fixed order; every entry dated SOURCE_DATE_EPOCH.
seal_folder() {
  (cd "$1" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs -d '\n' sha256sum >SHA256SUMS)
  find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}
