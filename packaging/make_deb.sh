#!/usr/bin/env bash
# Builds the Debian package of an already built tree: the programs, the plug-in bundle, the CUPS
# backend, the desktop entry, the manual page and the copyright file, installed under /usr, with
# the libraries they need declared by dpkg-shlibdeps. Needs no network. Prints the package's path.
# Usage: packaging/make_deb.sh <build folder> <output folder>
set -euo pipefail
build=$(realpath "${1:?usage: packaging/make_deb.sh <build folder> <output folder>}")
out=$(realpath "${2:?usage: packaging/make_deb.sh <build folder> <output folder>}")
here=$(cd "$(dirname "$0")" && pwd)
package=korvo-pde

for tool in dpkg-deb dpkg-shlibdeps dpkg-gencontrol; do
  command -v "$tool" > /dev/null || { echo "ERROR: $tool is not installed (apt-get install dpkg-dev)" >&2; exit 1; }
done
[ -x "$build/bin/korvo-pde" ] || { echo "ERROR: $build/bin/korvo-pde is not built" >&2; exit 1; }
version=$("$build/bin/korvo-pde" --version | awk '{print $2}')
[ -n "$version" ] || { echo "ERROR: $build/bin/korvo-pde --version gave no version" >&2; exit 1; }

# dpkg-shlibdeps and dpkg-gencontrol work on a source tree: debian/control, debian/changelog and
# the package's files under debian/<package>.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/debian/$package
DESTDIR=$root cmake --install "$build" --prefix /usr --strip > /dev/null

# Debian keeps manual pages and changelogs compressed, without a time stamp (-n), so that two
# builds of the same tree give the same bytes.
find "$root/usr/share/man" -type f -name '*.[0-9]' -exec gzip -9n {} +
doc=$root/usr/share/doc/$package
install -d -m 0755 "$doc"
install -m 0644 "$here/copyright" "$doc/copyright"
# The changelog's date is the last commit's when there is one, again for reproducible bytes.
date=$(git -C "$here" log -1 --format=%aD 2> /dev/null || date -R)
cat > "$work/debian/changelog" << EOF
$package ($version) unstable; urgency=medium

  * Packaged from the build tree.

 -- Korvo PDE maintainers <maintainers@users.noreply.c-seed-260d8218.example>  $date
EOF
cp "$work/debian/changelog" "$doc/changelog"
gzip -9n "$doc/changelog"

cat > "$work/debian/control" << 'EOF'
Source: korvo-pde
Section: text
Priority: optional
Maintainer: Korvo PDE maintainers <maintainers@users.noreply.c-seed-260d8218.example>
Standards-Version: 4.6.2
Rules-Requires-Root: no

Package: korvo-pde
Architecture: any
Depends: ${shlibs:Depends}, ${late:Depends}
Recommends: cups-daemon
Description: print dialog extension for Korvo production printers
 Six panels of production-printer settings (paper and output, special pages,
 image options, job notes, booklet and watermark, advanced) inside GTK's own
 print dialog, job-ticket export and import, the printer's stock library over
 IPP and watermarks with their Type 42 fonts.
 .
 The package holds the korvo-pde program and its window, the plug-in bundle,
 the "korvo" CUPS backend that forwards a Korvo queue's jobs with every
 attribute, and a desktop entry that offers the dialog for PDF files.
EOF

# cmake --install --strip leaves the bundle's module as built: it is copied as part of a folder.
strip --strip-unneeded --remove-section=.comment --remove-section=.note \
  "$root/usr/lib/KorvoFeatures.plugin/Contents/MacOS/korvo-features.so"

# Every file mode as Debian wants it, whatever the umask of the build: programs and folders 0755,
# the rest 0644; the bundle's module is loaded with dlopen and needs no execute bit.
find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root"/usr/bin/* "$root/usr/lib/cups/backend/korvo"

# The programs' own platform library is found in the package itself (-l), the system's through
# their shlibs and symbols files.
elves=()
while IFS= read -r -d '' file; do
  if [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = "177ELF" ]; then elves+=("$file"); fi
done < <(find "$root/usr" -type f -print0)
(cd "$work" && dpkg-shlibdeps -l"$root/usr/lib" "${elves[@]}" 2> "$work/shlibdeps.log") ||
  { echo "ERROR: dpkg-shlibdeps failed: $(cat "$work/shlibdeps.log")" >&2; exit 1; }

# The libraries the platform layer binds on first use (dlopen) are invisible to dpkg-shlibdeps;
# late_bound_library.cpp lists them in one table, and each is declared by the package that holds
# it on this machine.
late=()
for soname in $(grep -o 'lib[A-Za-z0-9_.+-]*\.so\.[0-9]*' "$here/../src/platform/late_bound_library.cpp" | sort -u); do
  owner=$(dpkg -S "*/$soname" 2> /dev/null | head -n 1 | cut -d: -f1)
  [ -n "$owner" ] || { echo "ERROR: no installed package holds $soname" >&2; exit 1; }
  late+=("$owner")
done
[ ${#late[@]} -gt 0 ] || { echo "ERROR: src/platform/late_bound_library.cpp names no library" >&2; exit 1; }
echo "late:Depends=$(printf '%s\n' "${late[@]}" | sort -u | paste -sd, | sed 's/,/, /g')" >> "$work/debian/substvars"

# The platform library sits in /usr/lib beside the bundle, where the programs' search path
# ($ORIGIN/../lib) finds it; ldconfig is told when it comes and goes. It is private to the package
# (no headers, no other users), so lintian's warnings that it lacks a versioned name
# (shared-library-lacks-version, package-name-doesnt-match-sonames) are expected, as is
# no-manual-page for korvo-pde-window, which only korvo-pde starts.
install -d -m 0755 "$root/DEBIAN"
echo "activate-noawait ldconfig" > "$root/DEBIAN/triggers"
chmod 0644 "$root/DEBIAN/triggers"
(cd "$work" && dpkg-gencontrol -p"$package" -P"$root")
arch=$(dpkg --print-architecture)
# Built beside its final name and renamed, so that a failed build leaves an earlier package whole.
deb=$out/${package}_${version}_${arch}.deb
dpkg-deb --root-owner-group --build "$root" "$out/.${package}.deb.partial" > /dev/null ||
  { rm -f "$out/.${package}.deb.partial"; echo "ERROR: dpkg-deb could not build $deb" >&2; exit 1; }
mv -f "$out/.${package}.deb.partial" "$deb"
echo "$deb"
