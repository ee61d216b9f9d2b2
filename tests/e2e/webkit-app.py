#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Opens a page in WebKitGTK, Safari's engine, in a bare window of ours the
size of the program's window, at the top left of the display, titled as the
page, with nothing kept between runs and every host but 127.0.0.1 behind a
proxy that answers nothing:
  webkit-app.py URL
QT_SCALE_FACTOR, which the end-to-end cases set, becomes the device pixel
ratio (GDK_SCALE); the window's size comes from TOWERS_PLACES. Should WebKit's own web process end
(it aborted once in 23 starts in its graphics library), the page is loaded
once more, and this says so: a second end fails the run."""
import os
import re
import sys

os.environ['GDK_SCALE'] = os.environ.get('QT_SCALE_FACTOR', '1')
if os.getuid() == 0:  # as root on a test machine, WebKit runs only so
    os.environ['WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS'] = '1'

import gi  # noqa: E402

gi.require_version('Gtk', '3.0')
gi.require_version('WebKit2', '4.1')
from gi.repository import Gdk, Gtk, WebKit2  # noqa: E402

url = sys.argv[1]
with open(os.environ['TOWERS_PLACES'], encoding='utf-8') as places:  # in twips
    facts = places.read()
    twips_per_pixel = int(re.search(r'twips_per_pixel=(\d+)', facts).group(1))
    width, height = (int(twips) // twips_per_pixel for twips in
                     re.search(r'window_width=(\d+) window_height=(\d+)', facts).groups())
data = WebKit2.WebsiteDataManager.new_ephemeral()
data.set_network_proxy_settings(WebKit2.NetworkProxyMode.CUSTOM,
                                WebKit2.NetworkProxySettings.new('http://127.0.0.1:9', ['127.0.0.1']))
view = WebKit2.WebView.new_with_context(WebKit2.WebContext.new_with_website_data_manager(data))
window = Gtk.Window(decorated=False, resizable=False)
window.set_default_size(width, height)
window.move(0, 0)
window.add(view)
view.connect('notify::title', lambda *_: window.set_title(view.get_title() or ''))
window.connect('destroy', Gtk.main_quit)

ends = []


def on_web_process_end(_view, reason):
    ends.append(reason)
    print(f'webkit-app: the web process ended ({reason.value_nick}), {"" if len(ends) == 1 else "again, "}'
          f'{"loading the page once more" if len(ends) == 1 else "giving up"}', file=sys.stderr)
    if len(ends) == 1:
        view.load_uri(url)
    else:
        Gtk.main_quit()


view.connect('web-process-terminated', on_web_process_end)
# F5 reloads, as in any browser.
window.connect('key-press-event', lambda _window, event:
               event.keyval == Gdk.KEY_F5 and (view.reload() or True))
view.load_uri(url)
window.show_all()
Gtk.main()
sys.exit(1 if len(ends) > 1 else 0)
