#!/usr/bin/env bash
# Checks the installed layout and the Debian package made from a configured, built tree:
# desktop entry and AppStream file valid, an install into a scratch DESTDIR holding every
# file, the .deb listing them and unpacking, and the unpacked program starting with an
# empty home and keeping its settings in the XDG data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

desktop-file-validate packaging/org.orvane.Orvane.desktop
appstreamcli validate --no-net packaging/org.orvane.Orvane.metainfo.xml >/dev/null
troff -man -ww -z packaging/orvane-cli.1 2>"$work/man.log"; [ ! -s "$work/man.log" ] || fail "man page: $(cat "$work/man.log")"

expected=(
  usr/bin/orvane usr/bin/orvane-cli
  usr/share/applications/org.orvane.Orvane.desktop
  usr/share/metainfo/org.orvane.Orvane.metainfo.xml
  usr/share/man/man1/orvane-cli.1
  usr/share/icons/hicolor/scalable/apps/org.orvane.Orvane.svg
  usr/share/icons/hicolor/48x48/apps/org.orvane.Orvane.png
  usr/share/icons/hicolor/256x256/apps/org.orvane.Orvane.png
  usr/share/orvane/amateur.txt
  usr/share/orvane/maps/world_0.png usr/share/orvane/maps/NOTICE
  usr/share/orvane/help/orvane_en.chm usr/share/orvane/help/orvane_fr.chm
  usr/share/orvane/help/getting_started.pdf usr/share/orvane/help/comment_demarrer.pdf
  usr/share/orvane/translations/orvane_de.qm usr/share/orvane/translations/tracking_it.qm
)

DESTDIR="$work/dest" cmake --install "$build" --prefix /usr >/dev/null
for f in "${expected[@]}"; do [ -f "$work/dest/$f" ] || fail "not installed: /$f"; done
[ "$(file -b --mime-type "$work/dest/usr/share/icons/hicolor/48x48/apps/org.orvane.Orvane.png" 2>/dev/null || echo image/png)" = image/png ] || fail "icon is not a PNG"

# Uncompressed and unstripped: the check is about content, and the test build is large.
(cd "$build" && cpack -G DEB -B "$work/deb" -D CPACK_STRIP_FILES=OFF \
    -D CPACK_DEBIAN_COMPRESSION_TYPE=none >/dev/null)
deb=$(ls "$work"/deb/orvane_*.deb)
dpkg-deb -c "$deb" >"$work/list"
for f in "${expected[@]}"; do grep -q " \./$f\$" "$work/list" || fail "not in the package: /$f"; done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6core6 libqt6widgets6 qt6-qpa-plugins; do
  [[ "$depends" == *"$d"* ]] || fail "Depends lacks $d: $depends"
done
dpkg -x "$deb" "$work/root"
ASAN_OPTIONS=detect_leaks=0 "$work/root/usr/bin/orvane-cli" list \
  --elements "$work/root/usr/share/orvane/amateur.txt" >"$work/cli.txt" || fail "orvane-cli from the package failed"
grep -q "ISS" "$work/cli.txt" || fail "orvane-cli from the package lists no ISS"

# The unpacked program, started with an empty home, then quit as a user would (Esc, Yes).
mkdir -p "$work/home"
cat >"$work/run.sh" <<RUN
#!/usr/bin/env bash
set -u
export HOME="$work/home" ASAN_OPTIONS=detect_leaks=0
unset XDG_DATA_HOME XDG_CONFIG_HOME QT_QPA_PLATFORM
data="\$HOME/.local/share/Orvane"
"$work/root/usr/bin/orvane" >"$work/orvane.log" 2>&1 &
pid=\$!
for _ in \$(seq 1 240); do [ -f "\$data/amateur.txt" ] && break; sleep 0.25; done
for _ in \$(seq 1 240); do
  wid=\$(xdotool search --onlyvisible --name '^ORVANE' 2>/dev/null | head -1)
  [ -n "\$wid" ] && break; sleep 0.25
done
[ -n "\$wid" ] || { echo "no window"; kill \$pid; exit 1; }
before=\$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)
xdotool windowfocus --sync "\$wid" key Escape
for _ in \$(seq 1 240); do
  [ "\$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)" -gt "\$before" ] && break; sleep 0.25
done
xdotool key Return
for _ in \$(seq 1 120); do kill -0 \$pid 2>/dev/null || break; sleep 0.25; done
kill \$pid 2>/dev/null && { echo "did not quit"; exit 1; }
wait \$pid
RUN
chmod +x "$work/run.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/run.sh" || fail "the installed program did not start and quit: $(tail -5 "$work/orvane.log")"
data="$work/home/.local/share/Orvane"
for f in Orvane.ini amateur.txt orvane_en.chm getting_started.pdf; do
  [ -f "$data/$f" ] || fail "not in the XDG data folder: $f"
done
[ ! -e "$work/root/usr/bin/Orvane.ini" ] || fail "settings written beside the installed program"
echo "check-package: desktop entry, metainfo, man page, install, .deb and first start all right"
