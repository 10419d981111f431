#!/usr/bin/env bash
# Builds the page into build/web/site: the engine in WebAssembly (Debian's emscripten, from the same sources
# as the program), the skin the native skin generator draws, the menu and dialog texts of the resource
# scripts, the help pages, the page itself, its npm libraries, Debian's TimGM6mb SoundFont, the app's icons
# (the program's own) and its service worker, which caches every file of the site under the program's version.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMIRA_BUILD_DIR:-$top/build}
site=$build/web/site
# Debian's emscripten runs its JavaScript tools with the machine's Node.js, which looks for their modules
# (acorn) only where NODE_PATH says.
export NODE_PATH=/usr/share/nodejs

[ -f "$build/native/build.ninja" ] || cmake -S "$top" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/native" --target velmira_skin
[ -f "$build/web/build.ninja" ] || emcmake cmake -S "$top" -B "$build/web" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build/web" --target velmira-engine

# The page's npm packages, as package-lock.json pins them; installed again only when the lock changes.
if ! cmp -s "$top/web/package-lock.json" "$top/web/node_modules/.package-lock.json.installed" 2>/dev/null; then
  (cd "$top/web" && npm ci --no-audit --no-fund --loglevel=error)
  cp "$top/web/package-lock.json" "$top/web/node_modules/.package-lock.json.installed"
fi

mkdir -p "$site/lib"
cp "$top"/web/page/* "$build"/web/web/velmira-engine.{mjs,wasm} "$build"/native/skin/{Main,Mask,Button}.bmp "$site/"
mkdir -p "$site/help"
cp "$top"/resources/help/*.{html,css} "$site/help/"
node "$top/web/tools/menu-from-rc.mjs" "$top/resources" "$site/resources.json"
for package in spessasynth_lib spessasynth_core stb-vorbis; do
  mkdir -p "$site/lib/$package"
  cp "$top/web/node_modules/$package"/dist/*.js "$site/lib/$package/"
done
ln -sf /usr/share/sounds/sf2/TimGM6mb.sf2 "$site/TimGM6mb.sf2"
icotool -x -w 48 -o "$site/icon-48.png.part" "$build/native/skin/velmira.ico"
convert "$site/icon-48.png.part" -filter point -resize 192x192 "png:$site/icon-192.png.part"
mv "$site/icon-48.png.part" "$site/icon-48.png" && mv "$site/icon-192.png.part" "$site/icon-192.png"
# The program's name and version, as project() of CMakeLists.txt sets them, for the app's manifest and the cache.
name=$(sed -n 's/^project(\([A-Za-z]*\) VERSION.*/\1/p' "$top/CMakeLists.txt")
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
sed "s|@NAME@|$name|" "$top/web/page/manifest.webmanifest" >"$site/manifest.webmanifest.part"
mv "$site/manifest.webmanifest.part" "$site/manifest.webmanifest"
files=$(cd "$site" && find . -type f -o -type l | sed 's|^\./||' | grep -vx 'sw.js' | sort | tr '\n' ' ')
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|${files% }|" "$top/web/page/sw.js" >"$site/sw.js.part"
mv "$site/sw.js.part" "$site/sw.js"
