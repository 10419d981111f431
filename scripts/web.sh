#!/usr/bin/env bash
# Velmira in the browser: installs what is missing, builds the page, and serves it on 127.0.0.1 (port 8788,
# or the one given) until stopped.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build-web.sh"
exec node "$top/web/tools/serve.mjs" "${VELMIRA_BUILD_DIR:-$top/build}/web/site" "${1:-8788}"
