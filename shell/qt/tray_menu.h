// SPDX-License-Identifier: GPL-3.0-or-later
// The tray popup menu built from its data table: every entry found by its
// command, checked, greyed or renamed through it.
#pragma once

#include <QHash>
#include <QMenu>
#include <QObject>
#include <array>
#include <vector>

#include "shell/menu_table.h"

namespace orvanta::shell {

class TrayMenu : public QObject {
    Q_OBJECT
public:
    explicit TrayMenu(const std::vector<MenuRow>& rows, QObject* parent = nullptr);
    // The table shipped with the program (resources/menu.tsv).
    static std::vector<MenuRow> builtInTable();

    QMenu* menu() { return &menu_; }
    QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
    // The commands that have an entry, in the enumerators' order.
    std::vector<Command> commands() const;

    void setChecked(Command command, bool checked);
    void setEnabled(Command command, bool enabled);
    void setText(Command command, const QString& text);

signals:
    void commandChosen(orvanta::shell::Command command);

private:
    QMenu* submenu(const QString& path);

    QMenu menu_;
    QHash<QString, QMenu*> submenus_;
    std::array<QAction*, kCommandCount> actions_{};
};

}  // namespace orvanta::shell
