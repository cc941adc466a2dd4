# Debian helpers for the build scripts; sourced, not run.

# Installs those of the named packages that are missing.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# as_root COMMAND...: runs COMMAND as root (through sudo unless root already).
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# add_architecture ARCH: lets apt install ARCH's packages (PACKAGE:ARCH) beside
# the machine's own (multiarch). Installing them may upgrade the machine's
# copies of the same libraries: the versions of both must be equal.
add_architecture() {
  dpkg --print-foreign-architectures | grep -qx "$1" || as_root dpkg --add-architecture "$1"
}

# debian_source PACKAGE FOLDER: unpacks Debian's source of PACKAGE under FOLDER
# and prints the unpacked tree. A private apt state with a deb-src entry, kept
# in FOLDER/apt: the machine's apt setup stays as it is.
debian_source() {
  local package=$1 folder=$2
  local apt_dir=$folder/apt
  local apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
                     -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
                     -o Dir::Cache::Archives="$apt_dir/archives" -o APT::Sandbox::User=root)
  if [ ! -f "$apt_dir/updated" ]; then
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src http://deb.debian.org/debian $codename main" >"$apt_dir/sources.list"
    apt-get "${apt_options[@]}" update -qq
    touch "$apt_dir/updated"
  fi
  rm -rf "$folder/source/$package" && mkdir -p "$folder/source/$package"
  local tree=$folder/source/$package
  if ! (cd "$tree" && apt-get "${apt_options[@]}" source -qq "$package" >/dev/null 2>"$tree/errors"); then
    # A mirror may lack the Debian part (its patches are packaging only for the
    # libraries built here): the upstream tarball apt fetched and checked serves.
    local orig
    orig=$(find "$tree" -maxdepth 1 -name '*.orig.tar.*' | head -1)
    [ -n "$orig" ] || { cat "$tree/errors" >&2; return 1; }
    mkdir "$tree/upstream" && tar -xf "$orig" -C "$tree/upstream"
    tree=$tree/upstream
  fi
  find "$tree" -mindepth 1 -maxdepth 1 -type d | head -1
}

# wine_command PREFIX: sets the array `wine` to the command that runs a Windows
# program in the private prefix PREFIX, quietly and with UTF-8 text. Debian's
# wine64 alone puts no `wine` on PATH.
wine_command() {
  wine=(env WINEPREFIX="$1" WINEDEBUG=-all LANG=C.UTF-8
        "$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)")
}
