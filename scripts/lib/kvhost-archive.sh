# The headless host's release archive, kvhost-linux-ARCH.tar.gz; sourced by
# scripts/release, whose variables (root, out, build, cache, zig_home, stem)
# and functions (linux_library, split) it uses; not run.
#
# The archive holds kvhost, its Lua 5.3 flavour and the one that exports Lua,
# the C library Python ReaScripts run on, the host's Python modules and the
# extension with its Lua file, Python wrapper and kv_cobalt package. Lua 5.3
# and 5.4, libsndfile (its own formats only: WAV, AIFF, AU, CAF, W64, RF64 and
# the other uncompressed ones, no FLAC, Ogg, Opus or MP3) and libebur128 are
# Debian's sources built static with the Zig toolchain of the Linux library,
# so the programs need only glibc 2.17's own libraries.

# lua_library VERSION COMPAT: Debian's Lua VERSION built static and
# position-independent (the C library links it too) into the folder `prefix`,
# with the options Debian builds it with; its search paths are Debian's for
# the target.
lua_library() {
  local version=$1 compat=$2 name=lua$1
  [ -f "$prefix/done/$name-library" ] && return
  local source_dir objects=$third_party/build/$name
  source_dir=$(debian_source "$name" "$third_party")
  printf '#define DEB_HOST_MULTIARCH "%s-linux-gnu"\n' "$arch" >"$source_dir/src/$name-deb-multiarch.h"
  rm -rf "$objects" && mkdir -p "$objects" "$prefix/lib/pkgconfig" "$prefix/include/$name" "$prefix/done"
  find "$source_dir/src" -name '*.c' ! -name lua.c ! -name luac.c -print0 | sort -z |
    xargs -0 -P"$(nproc)" -I{} sh -c '"$0" cc -target "$1" -std=gnu99 -O2 -fPIC -w -DLUA_USE_LINUX -D"$2" \
      -c "$3" -o "$4/$(basename "$3" .c).o"' "$zig" "$zig_target" "$compat" {} "$objects"
  rm -f "$prefix/lib/lib$name.a"
  llvm-ar-14 rcs "$prefix/lib/lib$name.a" "$objects"/*.o
  if [ ! -f "$prefix/lib/pkgconfig/$name.pc" ]; then
    cp "$source_dir"/src/{lua.h,luaconf.h,lualib.h,lauxlib.h,lua.hpp,$name-deb-multiarch.h} "$prefix/include/$name/"
    printf 'Name: %s\nDescription: Lua\nVersion: %s\nCflags: -I%s\nLibs: -L%s -l%s\n' "$name" "$version" \
      "$prefix/include/$name" "$prefix/lib" "$name" >"$prefix/lib/pkgconfig/$name.pc"
  fi
  touch "$prefix/done/$name-library"
}

# kvhost_programs: the host's programs and C library for the archive, built in
# linux_library's environment (its arch, zig_target, cross, prefix and
# third_party) into build/kvhost-linux-ARCH.
kvhost_programs() {
  lua_library 5.3 LUA_COMPAT_5_2
  lua_library 5.4 LUA_COMPAT_5_3
  cmake_package libsndfile -DCMAKE_POSITION_INDEPENDENT_CODE=ON -DENABLE_EXTERNAL_LIBS=OFF -DENABLE_MPEG=OFF \
    -DBUILD_PROGRAMS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF -DENABLE_CPACK=OFF -DENABLE_PACKAGE_CONFIG=OFF \
    -DINSTALL_MANPAGES=OFF -DBUILD_REGTEST=OFF
  cmake_package libebur128 -DCMAKE_POSITION_INDEPENDENT_CODE=ON
  cmake -S "$root" -B "$build/kvhost-linux-$arch" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release -DKV_HOST_ARCHIVE=ON \
    -DKV_BENCH=OFF -DKV_WERROR=ON -DKV_THIRD_PARTY_PREFIX="$prefix" >/dev/null
  cmake --build "$build/kvhost-linux-$arch" -j"$(nproc)" --target kvhost
}

# kvhost_archive KEY: kvhost-linux-ARCH.tar.gz for the platform ReaPack calls
# KEY (linux64, linux-aarch64), with the released library of that platform
# (made too, when this release has not made it yet).
kvhost_archive() {
  local arch=x86_64
  [ "$1" = linux64 ] || arch=aarch64
  linux_library $arch $arch-linux-gnu.2.17 kvhost_programs
  [ -f "$out/$stem-linux-$arch.so" ] ||
    split llvm-objcopy-14 llvm-strip-14 "$build/linux-$arch/$stem.release.so" "$stem-linux-$arch.so"
  local made=$build/kvhost-linux-$arch name=kvhost-linux-$arch
  local stage=$made/archive/$name
  rm -rf "$made/archive" && mkdir -p "$stage/python" "$stage/extension/kv_cobalt" "$stage/licenses"
  for program in kvhost kvhost-lua5.3 kvhost-export-lua; do
    llvm-strip-14 --strip-all -o "$stage/$program" "$made/$program"
  done
  llvm-strip-14 --strip-unneeded -o "$stage/libkvhost.so" "$made/libkvhost.so"
  cp "$root"/host/python/*.py "$root"/host/python/*.pyi "$stage/python/"
  cp "$out/$stem-linux-$arch.so" "$stage/extension/$stem.so"
  cp "$root/src/binding/lua/$stem.lua" "$root/src/binding/python/${stem}_python.py" \
    "$root/src/binding/python/${stem}_python.pyi" "$stage/extension/"
  find "$root/python/kv_cobalt" -maxdepth 1 -type f -exec cp {} "$stage/extension/kv_cobalt/" \;
  cp "$root/LICENSE" "$stage/"
  # Each library's terms: Debian's statement where its source came whole, else upstream's.
  local third_party=$cache/third-party-linux-$arch package terms
  for package in lua5.3 lua5.4 libsndfile libebur128 pcre2; do
    terms=$(find "$third_party/source/$package" -maxdepth 3 -path '*/debian/copyright' | head -1)
    [ -n "$terms" ] || terms=$(find "$third_party/source/$package" -maxdepth 3 -name COPYING | head -1)
    cp "$terms" "$stage/licenses/$package"
  done
  cp "$zig_home/zig/lib/libcxx/LICENSE.TXT" "$stage/licenses/libc++"
  tar -C "$made/archive" --sort=name --mtime=@"${SOURCE_DATE_EPOCH:-0}" --owner=0 --group=0 --numeric-owner \
    --mode='u+rwX,go+rX,go-w' -cf - "$name" | gzip -n -9 >"$out/$name.tar.gz"
}
