#!/usr/bin/env bash
# Installs what is missing, builds teaser with its tests and runs the whole suite.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

install_missing_packages
configure_and_build -DBUILD_TESTING=ON
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
