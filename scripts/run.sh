#!/usr/bin/env bash
# Builds everything and starts TAVRI full screen on the demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
program=build/program
export TAVRI_HOME="$PWD/$program"
# The demo narration folder sits on a pretend drive inside the program folder.
export TAVRI_DRIVES="$PWD/$program/drive"
export QT_MEDIA_BACKEND=gstreamer
exec "$program/tavri"
