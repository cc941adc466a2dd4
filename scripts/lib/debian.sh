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
  local package=$1 folder
  # apt is run from inside the unpacked tree: the folder must not be relative.
  folder=$(mkdir -p "$2" && cd "$2" && pwd) || return 1
  local apt_dir=$folder/apt
  local apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
                     -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
                     -o Dir::Cache::Archives="$apt_dir/archives" -o APT::Sandbox::User=root)
  if [ ! -f "$apt_dir/updated" ]; then
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "deb-src http://deb.debian.org/debian $codename main" >"$apt_dir/sources.list"
    apt-get "${apt_options[@]}" update -qq --error-on=any ||
      { echo "could not fetch Debian's source package lists (for $package)" >&2; return 1; }
    touch "$apt_dir/updated"
  fi
  rm -rf "$folder/source/$package" && mkdir -p "$folder/source/$package"
  local tree=$folder/source/$package
  if ! (cd "$tree" && apt-get "${apt_options[@]}" source -qq "$package" >/dev/null 2>"$tree/errors"); then
    # A mirror may lack the Debian part (its patches are packaging only for the
    # libraries built here): the upstream tarball apt fetched and checked serves.
    local orig
    orig=$(find "$tree" -maxdepth 1 -name '*.orig.tar.*' | head -1)
    [ -n "$orig" ] || { cat "$tree/errors" >&2; echo "could not fetch Debian's source of $package" >&2; return 1; }
    mkdir "$tree/upstream" && tar -xf "$orig" -C "$tree/upstream"
    tree=$tree/upstream
  fi
  find "$tree" -mindepth 1 -maxdepth 1 -type d | head -1
}

# wine_command PREFIX [x86]: sets the array `wine` to the command that runs a
# 64-bit (or with x86, a 32-bit) Windows program in the private prefix PREFIX,
# quietly and with UTF-8 text. Debian's wine64 alone puts no `wine` on PATH;
# 32-bit programs need Debian's `wine` with `wine32:i386`.
wine_command() {
  local program
  if [ "${2:-}" = x86 ]; then
    program=$(command -v wine || echo /usr/lib/wine/wine)
  else
    program=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
  fi
  wine=(env WINEPREFIX="$1" WINEDEBUG=-all LANG=C.UTF-8 "$program")
}

# cmake_package PACKAGE CMAKE-OPTIONS...: Debian's source of PACKAGE built
# static for the target that the array `cross` names (CMake options) and
# installed into the folder `prefix`, unless done before; sources and builds
# go under the folder `third_party`.
cmake_package() {
  local package=$1
  shift
  [ -f "$prefix/done/$package" ] && return
  local source_dir
  source_dir=$(debian_source "$package" "$third_party")
  cmake -S "$source_dir" -B "$third_party/build/$package" "${cross[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
  cmake --build "$third_party/build/$package" -j"$(nproc)" >/dev/null
  cmake --install "$third_party/build/$package" >/dev/null
  mkdir -p "$prefix/done" && touch "$prefix/done/$package"
}

# The regular-expression matcher with JIT, 8-bit only, as cmake_package builds it.
pcre2_package() {
  cmake_package pcre2 -DPCRE2_SUPPORT_JIT=ON -DPCRE2_BUILD_PCRE2_8=ON -DPCRE2_BUILD_PCRE2_16=OFF \
    -DPCRE2_BUILD_PCRE2_32=OFF -DPCRE2_BUILD_PCRE2GREP=OFF -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_LIBBZ2=OFF \
    -DPCRE2_SUPPORT_LIBZ=OFF -DPCRE2_SUPPORT_LIBEDIT=OFF -DPCRE2_SUPPORT_LIBREADLINE=OFF
}

# lua_headers SOURCE: Lua's own C headers into the folder `prefix`, with a
# pkg-config file naming them. They come from the upstream tarball beside
# Debian's unpacked source SOURCE: Debian's luaconf.h includes a header that
# exists only for Debian's own targets.
lua_headers() {
  local tarball
  tarball=$(find "$1/.." "$1/../.." -maxdepth 1 -name 'lua5.3_*.orig.tar.*' | head -1)
  [ -n "$tarball" ] || { echo "no upstream Lua tarball beside $1" >&2; return 1; }
  mkdir -p "$prefix/include/lua5.3" "$prefix/lib/pkgconfig"
  tar -xf "$tarball" -C "$prefix/include/lua5.3" --strip-components=2 --wildcards \
    '*/src/lua.h' '*/src/luaconf.h' '*/src/lualib.h' '*/src/lauxlib.h' '*/src/lua.hpp'
  printf 'Name: lua5.3\nDescription: Lua headers\nVersion: 5.3\nCflags: -I%s\n' "$prefix/include/lua5.3" \
    >"$prefix/lib/pkgconfig/lua5.3.pc"
}
