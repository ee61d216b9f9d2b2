#pragma once

// Every word the window shows, kept together so that one file holds them all.

#include <QString>

namespace Texts {
QString windowTitle();
QString titleLabel();
QString showButton();
QString stepBackButton();
QString startOverButton();
QString instructions(); // ten lines, each ended by CR LF
} // namespace Texts
