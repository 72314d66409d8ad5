#!/usr/bin/env bash
# Signs the updater with Authenticode (SHA-256), so that Windows names the publisher in the
# elevation prompt instead of "Unknown publisher".
#
#   scripts/sign-updater.sh CERTIFICATE KEY INPUT OUTPUT
#
# CERTIFICATE: the code-signing certificate and its chain, PEM (or DER, .spc); KEY: its private
# key, PEM (or DER). Set VELMORA_SIGNING_KEY_PASSWORD if the key is protected, and
# VELMORA_TIMESTAMP_URL to have a time-stamping authority countersign (the signature then stays
# valid after the certificate expires). INPUT is left as it is; OUTPUT is the signed copy.
set -euo pipefail
if [ "$#" -ne 4 ]; then
    echo "usage: $0 CERTIFICATE KEY INPUT OUTPUT" >&2
    exit 2
fi
certificate="$1"; key="$2"; input="$3"; output="$4"
options=(-certs "$certificate" -key "$key" -h sha256 -n "Velmora updater")
if [ -n "${VELMORA_SIGNING_KEY_PASSWORD:-}" ]; then
    options+=(-readpass /dev/stdin)
fi
if [ -n "${VELMORA_TIMESTAMP_URL:-}" ]; then
    options+=(-ts "$VELMORA_TIMESTAMP_URL")
fi
rm -f "$output"
if [ -n "${VELMORA_SIGNING_KEY_PASSWORD:-}" ]; then
    printf '%s' "$VELMORA_SIGNING_KEY_PASSWORD" | osslsigncode sign "${options[@]}" -in "$input" -out "$output"
else
    osslsigncode sign "${options[@]}" -in "$input" -out "$output" </dev/null
fi
