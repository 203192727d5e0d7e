#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as the desktop sees it:
# the desktop entry passes desktop-file-validate, the MIME package is valid
# shared-mime-info XML, and once the MIME database of the prefix is built, boring
# XML files of either encoding and the legacy log files are of Tesmor's types (and
# open in Tesmor), while a plain XML file stays application/xml. Qt's MIME database
# (Qt file dialogs, KDE) is asked through MIME_PROBE.
#
#   check-desktop-install.sh BUILD_DIR SOURCE_DIR MIME_PROBE
set -euo pipefail
build=$1
source=$2
probe=$3

tools=(desktop-file-validate xmllint update-mime-database update-desktop-database xdg-mime mimetype gio)
missing() {
  for t in "${tools[@]}"; do command -v "$t" >/dev/null || return 0; done
  return 1
}
if missing; then
  echo "installing the desktop check tools (scripts/setup.sh)"
  "${source}/scripts/setup.sh"
fi
for t in "${tools[@]}"; do
  command -v "$t" >/dev/null || { echo "FAIL: $t is not installed (see scripts/setup.sh)"; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tesmor-install-XXXXXX")
trap 'rm -rf "${work}"' EXIT
prefix=${work}/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR='' cmake --install "${build}" --prefix "${prefix}" >"${work}/install.log"

for f in bin/tesmor share/applications/tesmor.desktop share/icons/hicolor/scalable/apps/tesmor.svg \
         share/mime/packages/tesmor.xml share/doc/tesmor/README.md; do
  [ -e "${prefix}/${f}" ] || fail "not installed: ${f}"
done
[ -x "${prefix}/bin/tesmor" ] && { "${prefix}/bin/tesmor" --version >/dev/null || fail "installed tesmor --version"; }

desktop=${prefix}/share/applications/tesmor.desktop
desktop-file-validate "${desktop}" || fail "desktop-file-validate ${desktop}"
grep -qx "Exec=${prefix}/bin/tesmor %f" "${desktop}" || fail "Exec= does not start ${prefix}/bin/tesmor: $(grep '^Exec=' "${desktop}")"

# The shared-mime-info DTD, as the freedesktop.org package carries it.
sed -n '/<!DOCTYPE mime-info \[/,/\]>/p' /usr/share/mime/packages/freedesktop.org.xml | sed '1d;$d' >"${work}/mime-info.dtd"
xmllint --noout --dtdvalid "${work}/mime-info.dtd" "${prefix}/share/mime/packages/tesmor.xml" ||
  fail "xmllint: the MIME package is not valid shared-mime-info XML"
xmllint --noout "${prefix}/share/icons/hicolor/scalable/apps/tesmor.svg" || fail "xmllint: the icon is not well-formed"

update-mime-database "${prefix}/share/mime" 2>/dev/null || fail "update-mime-database"
update-desktop-database -q "${prefix}/share/applications" || fail "update-desktop-database"

fixtures=${source}/tests/fixtures/real
cp "${fixtures}/KKRDB_BEDKK53350245015.sjis.xml" "${work}/soil.sjis.xml"
cp "${fixtures}/BOREHOLE_FUKUI_VER4_18000230652004105-BED0004.utf8.xml" "${work}/boring.utf8.xml"
printf '<?xml version="1.0" encoding="UTF-8"?>\n<config><item/></config>\n' >"${work}/plain.xml"
printf 'TPJ,5\r\n' >"${work}/log.JDW"
printf 'GTJ,5\r\n' >"${work}/log.gdw"
printf '$$_BTOKEN1\r\n' >"${work}/log.bdw"

mkdir -p "${work}/home" "${work}/config"
expect() {  # expect FILE TYPE
  local desktop_name type
  for desktop_name in "" GNOME; do  # mimetype (File::MimeInfo) and gio
    type=$(HOME=${work}/home XDG_CONFIG_HOME=${work}/config XDG_DATA_HOME=${prefix}/share XDG_DATA_DIRS=/usr/share \
           XDG_CURRENT_DESKTOP=${desktop_name} xdg-mime query filetype "$1")
    [ "${type}" = "$2" ] || fail "xdg-mime query filetype $(basename "$1") (desktop '${desktop_name}'): ${type}, expected $2"
  done
}
expect "${work}/soil.sjis.xml" application/x-boring-information+xml
expect "${work}/boring.utf8.xml" application/x-boring-information+xml
expect "${work}/plain.xml" application/xml
for f in log.JDW log.gdw log.bdw; do expect "${work}/${f}" application/x-boring-log; done

# Qt, with the prefix as the user's data folder: it must not take every XML file for
# a boring file. (Qt 6.4 lets the system folder's XML magic win over the prefix's, so
# boring XML files are plain XML to Qt in this setting.)
qt_types() {
  HOME=${work}/home XDG_DATA_HOME=$1 XDG_DATA_DIRS=$2 "${probe}" "${work}/plain.xml" "${work}/log.JDW" \
    "${work}/soil.sjis.xml" "${work}/boring.utf8.xml" | tr '\n' ' '
}
types=$(qt_types "${prefix}/share" /usr/share)
case "${types}" in
  "application/xml application/x-boring-log "*) ;;
  *) fail "Qt, prefix as the user's data folder: ${types}" ;;
esac
# Qt, with the package in the same folder as the system's types (a /usr install).
mkdir -p "${work}/system/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "${prefix}/share/mime/packages/tesmor.xml" "${work}/system/mime/packages/"
update-mime-database "${work}/system/mime" 2>/dev/null || fail "update-mime-database (system copy)"
types=$(qt_types "${work}/none" "${work}/system")
expected="application/xml application/x-boring-log application/x-boring-information+xml application/x-boring-information+xml "
[ "${types}" = "${expected}" ] || fail "Qt, one folder with the system's types: ${types}"

for type in application/x-boring-information+xml application/x-boring-log; do
  app=$(HOME=${work}/home XDG_CONFIG_HOME=${work}/config XDG_DATA_HOME=${prefix}/share XDG_DATA_DIRS=/usr/share \
        xdg-mime query default "${type}")
  [ "${app}" = tesmor.desktop ] || fail "xdg-mime query default ${type}: '${app}', expected tesmor.desktop"
done

if [ "${failures}" -ne 0 ]; then
  echo "${failures} desktop install check(s) failed"
  exit 1
fi
echo "desktop install into ${prefix}: all checks passed"
