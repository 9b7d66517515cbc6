#!/bin/sh
# Installs the Debian packages the project builds and tests with, where missing.
# Without root or a reachable archive the build goes on; what needs a missing
# package reports itself as skipped.
need=""
for pkg in libwxgtk3.2-dev xvfb xauth x11-apps imagemagick; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need="$need $pkg"
done
[ -z "$need" ] && exit 0
if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null 2>&1; then
  echo "install-deps: cannot install$need (not root or no apt-get); continuing" >&2
  exit 0
fi
echo "install-deps: installing$need"
export DEBIAN_FRONTEND=noninteractive
(apt-get update -qq && apt-get install -y -qq $need) >/dev/null 2>&1 ||
  echo "install-deps: apt-get failed for$need; continuing" >&2
exit 0
