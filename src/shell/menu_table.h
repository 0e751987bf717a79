// The main window's menu bar as one table: every menu and command with its object name, caption
// and shortcut, in order. The window is built from it, and the help texts are checked against it.
#pragma once

#include <QKeyCombination>
#include <span>

namespace orvantis {

// The window connects a command's handler, and tests find the command, by its object name. A
// separator has the caption "-"; a command without a shortcut has kNoShortcut.
inline constexpr QKeyCombination kNoShortcut = Qt::Key_unknown;
struct MenuCommand {
    const char* name;
    const char* caption;  // with its & accelerator
    QKeyCombination shortcut = kNoShortcut;
};

// A menu of the bar, or a command on the bar itself when it has no commands.
struct MenuBarEntry {
    const char* name;
    const char* caption;
    std::span<const MenuCommand> commands;
};

std::span<const MenuBarEntry> MenuBarTable();

}  // namespace orvantis
