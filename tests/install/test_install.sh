#!/usr/bin/env bash
# Installs the finished build into a fresh folder (a blank in its name), checks the launcher,
# fills the folder as a user would, installs again and checks that the program was upgraded
# while archives, photos, attachments and the password file kept every byte.
#   test_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src="$1"
built="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
dest="$tmp/Il mio magazzino"
fail() { echo "FAIL: $*" >&2; exit 1; }

DEPOTTA_BUILT="$built" "$src/scripts/install" "$dest" >/dev/null
[ -x "$dest/depotta" ] || fail "no program"
cmp -s "$dest/depotta" "$built/depotta" || fail "program differs from the build"
cmp -s "$dest/Guida.pdf" "$built/Guida.pdf" || fail "guide differs from the build"
cmp -s "$dest/unins000.dll" "$src/resources/unins000.dll" || fail "no initial password file"

desktop="$HOME/.local/share/applications/depotta.desktop"
[ -f "$desktop" ] || fail "no launcher"
grep -qx 'Exec="'"$dest"'/depotta"' "$desktop" || fail "launcher command: $(grep ^Exec "$desktop")"
grep -qx 'Icon=depotta' "$desktop" || fail "launcher icon"
grep -qx 'Type=Application' "$desktop" || fail "launcher type"
for size in 16 22 24 32 48 64 128 256; do
  png="$HOME/.local/share/icons/hicolor/${size}x${size}/apps/depotta.png"
  [ "$(head -c 4 "$png" | od -An -tx1 | tr -d ' ')" = 89504e47 ] || fail "no PNG icon $size"
done
grep -q '<svg' "$HOME/.local/share/icons/hicolor/scalable/apps/depotta.svg" || fail "no SVG icon"

# The launcher's command starts the program (it keeps running until stopped). The shell
# execs it, so that timeout waits for the program itself to end: a program still ending
# would keep its file busy for the writes below.
cmd="$(sed -n 's/^Exec=//p' "$desktop")"
set +e
(cd "$tmp" && QT_QPA_PLATFORM=offscreen timeout -k 5 3 sh -c "exec $cmd" >/dev/null 2>&1)
rc=$?
set -e
[ "$rc" = 124 ] || fail "the launcher's command ended with $rc instead of running"

# A folder in use: archives, a photo, an attachment, a changed password, an old program.
printf 'archivio prodotti\0\1\2' > "$dest/Magazzino.pro"
printf 'clienti' > "$dest/Clienti.pro"
printf 'carichi' > "$dest/Operazioni_Carico.pro"
mkdir -p "$dest/Schedario" "$dest/Documenti_Allegati"
printf '\377\330foto' > "$dest/Schedario/Prodotto_1.jpg"
printf 'listino' > "$dest/Documenti_Allegati/listino.pdf"
printf '[Accesso]\r\nValore=6E296E2CC251\r\n' > "$dest/unins000.dll"
printf 'vecchio programma' > "$dest/depotta"
printf 'vecchia guida' > "$dest/Guida.pdf"
mkdir "$tmp/before"
cp -a "$dest/." "$tmp/before/"

DEPOTTA_BUILT="$built" "$src/scripts/install" "$dest" >/dev/null
for f in Magazzino.pro Clienti.pro Operazioni_Carico.pro Schedario/Prodotto_1.jpg \
         Documenti_Allegati/listino.pdf unins000.dll; do
  cmp -s "$dest/$f" "$tmp/before/$f" || fail "reinstall changed $f"
done
cmp -s "$dest/depotta" "$built/depotta" || fail "reinstall did not upgrade the program"
cmp -s "$dest/Guida.pdf" "$built/Guida.pdf" || fail "reinstall did not upgrade the guide"
[ -z "$(find "$dest" -name '*.new.*')" ] || fail "temporary files left behind"
echo "install and reinstall: ok"
