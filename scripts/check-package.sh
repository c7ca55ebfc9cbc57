#!/usr/bin/env bash
# Installs a Mirevo package, tries it as an ordinary user (no MIREVO_HOME)
# and removes it again: the command line, the sample site's workbook, and a
# start of the window program that makes the user's data folder.
#
#   bash scripts/check-package.sh dist/mirevo_1.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$1
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)

"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
trap '"${sudo_cmd[@]}" dpkg -r mirevo >/dev/null' EXIT

user=nobody
home=$(mktemp -d)
cp examples/青空ビル新築工事.anz "$home/"
"${sudo_cmd[@]}" chown -R "$user" "$home"
as_user() { "${sudo_cmd[@]}" runuser -u "$user" -- env -u MIREVO_HOME HOME="$home" "$@"; }

test -x /usr/bin/mirevo
test -f "/usr/share/mirevo/安全書類(一覧).xlsx"
test -s "/usr/share/mirevo/Mirevo【取扱説明書】.pdf"
desktop-file-validate /usr/share/applications/jp.mirevo.Mirevo.desktop
appstreamcli validate --no-net /usr/share/metainfo/jp.mirevo.Mirevo.metainfo.xml >/dev/null
as_user mirevo --help | head -1
as_user mirevo generate "$home/青空ビル新築工事.anz" "$home/安全書類.xlsx"
test -s "$home/安全書類.xlsx"

# The window program, for a moment: it must still run when stopped, and it
# makes the data folder it keeps its files in.
set +e
as_user xvfb-run -a timeout 5 mirevo
status=$?
set -e
[[ $status -eq 124 ]] || { echo "the window program ended by itself ($status)"; exit 1; }
test -d "$home/.local/share/Mirevo"

"${sudo_cmd[@]}" dpkg -r mirevo >/dev/null
trap - EXIT
test ! -e /usr/bin/mirevo
echo "package installs, runs as $user and removes cleanly"
