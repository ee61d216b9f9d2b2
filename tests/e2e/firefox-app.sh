#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Opens a page in Debian's Firefox ESR, in a window the size of the
# program's window whose toolbars are hidden (userChrome.css), at the top
# left of the display; with a profile of its own that goes with it, its
# first-run pages, telemetry, updates and translation off, and every host but
# 127.0.0.1 behind a proxy that answers nothing:
#   firefox-app.sh URL
# QT_SCALE_FACTOR, which the end-to-end cases set, becomes the device pixel
# ratio (layout.css.devPixelsPerPx).
. "$TOWERS_PLACES" # the window's size, in twips
profile=$(mktemp -d)
mkdir "$profile/chrome"
echo '#navigator-toolbox { visibility: collapse !important; }' >"$profile/chrome/userChrome.css"
cat >"$profile/user.js" <<PREFERENCES
user_pref("toolkit.legacyUserProfileCustomizations.stylesheets", true);
user_pref("layout.css.devPixelsPerPx", "${QT_SCALE_FACTOR:-1}.0");
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.aboutwelcome.enabled", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("startup.homepage_welcome_url.additional", "");
user_pref("browser.startup.firstrunSkipsHomepage", true);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("datareporting.healthreport.uploadEnabled", false);
user_pref("toolkit.telemetry.enabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.translations.enable", false);
user_pref("browser.translations.automaticallyPopup", false);
user_pref("app.update.enabled", false);
user_pref("app.update.auto", false);
user_pref("extensions.update.enabled", false);
user_pref("browser.safebrowsing.malware.enabled", false);
user_pref("browser.safebrowsing.phishing.enabled", false);
user_pref("browser.safebrowsing.downloads.enabled", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("browser.newtabpage.enabled", false);
user_pref("media.gmp-manager.updateEnabled", false);
user_pref("network.proxy.type", 1);
user_pref("network.proxy.http", "127.0.0.1");
user_pref("network.proxy.http_port", 9);
user_pref("network.proxy.ssl", "127.0.0.1");
user_pref("network.proxy.ssl_port", 9);
user_pref("network.proxy.no_proxies_on", "127.0.0.1");
PREFERENCES
TMPDIR="$profile" MOZ_CRASHREPORTER_DISABLE=1 firefox-esr --no-remote --profile "$profile" \
    --width $((window_width / twips_per_pixel)) --height $((window_height / twips_per_pixel)) "$1" \
    >/dev/null 2>&1 &
browser=$!
trap 'kill "$browser" 2>/dev/null; wait "$browser"; rm -rf "$profile"; exit 0' INT TERM
wait "$browser"
rm -rf "$profile"
