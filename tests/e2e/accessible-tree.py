#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Prints the accessible tree of a running program as a screen reader reads it
# through AT-SPI, one object a line, indented by depth, as uia-tree.exe prints
# the Windows program's through UI Automation:
#   role | name | description | value | showing or hidden[ checked][ disabled]
# The value is an edit's text (a text or an entry), on one line and cut after
# 40 characters.
#   accessible-tree.py APPLICATION_NAME   the program's windows
#   accessible-tree.py --document TITLE   a browser's page of that title
import sys

import pyatspi


# The roles in one set of words, as AT-SPI's own names for them change from
# release to release (a push button is "button" on Debian 13).
ROLES = {
    pyatspi.ROLE_FRAME: "frame", pyatspi.ROLE_DOCUMENT_WEB: "document web", pyatspi.ROLE_PUSH_BUTTON: "push button",
    pyatspi.ROLE_RADIO_BUTTON: "radio button", pyatspi.ROLE_TEXT: "text", pyatspi.ROLE_ENTRY: "entry",
    pyatspi.ROLE_IMAGE: "image", pyatspi.ROLE_PANEL: "panel", pyatspi.ROLE_LABEL: "label",
    pyatspi.ROLE_FILLER: "filler", pyatspi.ROLE_SCROLL_BAR: "scroll bar",
}


def value(node):
    if node.getRole() not in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
        return ""
    line = " ".join(node.queryText().getText(0, -1).split())
    return line if len(line) <= 40 else line[:40] + "…"


def walk(node, depth):
    state = node.getState()
    states = "showing" if state.contains(pyatspi.STATE_SHOWING) else "hidden"
    if state.contains(pyatspi.STATE_CHECKED):
        states += " checked"
    if not state.contains(pyatspi.STATE_ENABLED):
        states += " disabled"
    role = ROLES.get(node.getRole(), node.getRoleName())
    print(f"{'  ' * depth}{role} | {node.name} | {node.description} | {value(node)} | {states}")
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def find_document(node, title, depth=0):
    if node.getRole() == pyatspi.ROLE_DOCUMENT_WEB and node.name == title:
        return node
    if depth > 30:
        return None
    for child in node:
        found = child is not None and find_document(child, title, depth + 1)
        if found:
            return found
    return None


if sys.argv[1] == "--document":
    for application in pyatspi.Registry.getDesktop(0):
        document = application is not None and find_document(application, sys.argv[2])
        if document:
            walk(document, 0)
            sys.exit(0)
    sys.exit(f"no page {sys.argv[2]} on the accessibility bus")
for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == sys.argv[1]:
        for window in application:
            walk(window, 0)
        sys.exit(0)
sys.exit(f"no application {sys.argv[1]} on the accessibility bus")
