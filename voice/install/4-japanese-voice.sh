#!/bin/sh
# Installation step: the Japanese voice data.
exec /bin/sh "$(dirname "$0")/install-missing.sh" espeak-ng-data
