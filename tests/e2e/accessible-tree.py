#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Prints the accessible tree of a running program as a screen reader reads it
# through AT-SPI, one object a line, indented by depth:
#   role | name | description | showing or hidden
#   accessible-tree.py APPLICATION_NAME
import sys

import pyatspi


def walk(node, depth):
    showing = node.getState().contains(pyatspi.STATE_SHOWING)
    print(f"{'  ' * depth}{node.getRoleName()} | {node.name} | {node.description} | "
          f"{'showing' if showing else 'hidden'}")
    for child in node:
        if child is not None:
            walk(child, depth + 1)


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == sys.argv[1]:
        for window in application:
            walk(window, 0)
        sys.exit(0)
sys.exit(f"no application {sys.argv[1]} on the accessibility bus")
