#!/usr/bin/env bash
# Installs the Debian package into a clean, minimal Debian 12 (a debootstrap chroot),
# starts the program there the way its desktop entry says (working directory and
# command line from the installed vell.desktop), writes a few strokes on it with real
# input events and saves a screenshot. The program inside the chroot draws on a private
# X server of the host, reached through the bind-mounted X socket.
#   packaging/check-in-chroot.sh DEB [CHROOT_DIR] [SCREENSHOT.png]
# Needs root. Takes a few minutes the first time (debootstrap); a chroot left by an
# earlier run is copied afresh from its pristine base, so every check starts clean.
set -euo pipefail
cd "$(dirname "$0")/.."
deb="$(realpath "$1")"
base="${2:-/tmp/vell-chroot}"
shot="${3:-build/chroot-check.png}"
# The Debian mirror apt on this machine already uses (the first "…/debian" address).
host_mirror() {
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -oE 'https?://[^ ]*/debian/?( |$)' | head -n1 | tr -d ' ' || true
}
mirror="$(host_mirror)"
mirror="${mirror:-http://deb.debian.org/debian}"

if [[ ! -x "$base/pristine/bin/sh" ]]; then
  echo "== debootstrap: a minimal Debian 12 from $mirror"
  debootstrap --variant=minbase bookworm "$base/pristine" "$mirror"
fi
root="$base/root"
rm -rf "$root"
cp -a "$base/pristine" "$root"

mounts=()
bind() {
  mkdir -p "$root$1"
  mount --bind "$1" "$root$1"
  mounts=("$root$1" "${mounts[@]}")
}
cleanup() {
  local m
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null || true; done
  [[ -n "${VELL_XVFB_PID:-}" ]] && kill "$VELL_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
bind /proc
bind /dev
bind /tmp/.X11-unix
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"

echo "== apt install ./$(basename "$deb") in the clean system"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -q
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")"
chroot "$root" dpkg -L vell

# The desktop entry's working directory and command (the file-name field dropped).
entry="$root/usr/share/applications/vell.desktop"
workdir="$(sed -n 's/^Path=//p' "$entry")"
command="$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[fFuU]//')"
echo "== starting '$command' in '$workdir', as the desktop entry does"
launcher="$(mktemp)"
cat > "$launcher" <<LAUNCH
#!/usr/bin/env bash
exec chroot "$root" env -i DISPLAY="\$DISPLAY" LIBGL_ALWAYS_SOFTWARE=1 HOME=/root LANG=C.UTF-8 \
  XDG_CONFIG_HOME=/tmp/vell-config /bin/sh -c 'cd "$workdir" && exec $command'
LAUNCH
chmod +x "$launcher"

source scripts/lib/xvfb.sh
start_xvfb --force
trap cleanup EXIT
mkdir -p "$(dirname "$shot")"
bash scripts/lib/demo-stroke.sh "$launcher" "$shot"
rm -f "$launcher"
echo "Screenshot of the installed program: $(realpath "$shot")"
