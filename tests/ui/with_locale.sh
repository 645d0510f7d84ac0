#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program under a locale whose decimal point is a comma. Where that locale
# is not installed the run would test nothing new, so it says why and exits 77, which
# CTest reports as a skipped test.
#   with_locale.sh LOCALE PROGRAM [ARGUMENTS...]
locale=$1
shift
point=$(LC_ALL=$locale locale decimal_point 2>/dev/null)
if [ "$point" != "," ]; then
  echo "SKIPPED: the locale $locale is not installed here (its decimal point would be a comma);" \
    "scripts/install-deps.sh makes it"
  exit 77
fi
LC_ALL=$locale exec "$@"
