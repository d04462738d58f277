#!/usr/bin/env bash
# The batch tool runs in a copy of the installation folder and documents its commands.
source "$(dirname "$0")/e2e_lib.sh"

e2e_install_copy "$1"
version=$(./vostrane-batch version) || fail "version failed"
[[ "$version" == Vostrane\ * ]] || fail "unexpected version text: $version"
./vostrane-batch --help | grep -q "version" || fail "--help does not list version"
if ./vostrane-batch no-such-command 2>/dev/null; then fail "an unknown command succeeded"; fi
echo "batch tool: $version"
