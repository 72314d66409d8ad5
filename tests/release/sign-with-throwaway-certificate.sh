#!/usr/bin/env bash
# Signs a copy of the updater the way a release is signed (scripts/sign-updater.sh), with a
# self-signed code-signing certificate made here and now, and checks the signature.
#
#   sign-with-throwaway-certificate.sh UPDATER FOLDER
#
# FOLDER receives the certificate, its key and the signed UpVelmora.exe. Fails if the signed copy
# does not verify, or if the unsigned one does (then verifying would prove nothing).
set -euo pipefail
updater="$1"; folder="$2"
here="$(cd "$(dirname "$0")" && pwd)"
rm -rf "$folder"
mkdir -p "$folder"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Velmora throwaway test signer" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$folder/key.pem" -out "$folder/certificate.pem" 2>/dev/null
"$here/../../scripts/sign-updater.sh" "$folder/certificate.pem" "$folder/key.pem" "$updater" "$folder/UpVelmora.exe"
osslsigncode verify -CAfile "$folder/certificate.pem" -in "$folder/UpVelmora.exe" >"$folder/verify.log" 2>&1 || {
    cat "$folder/verify.log"; echo "the signed updater does not verify"; exit 1; }
if osslsigncode verify -CAfile "$folder/certificate.pem" -in "$updater" >/dev/null 2>&1; then
    echo "the unsigned updater verifies as signed"; exit 1
fi
grep -E "Signature verification: ok|Number of verified signatures: 1" "$folder/verify.log"
rm -f "$folder/key.pem"  # a throwaway key is not kept
