// SPDX-License-Identifier: GPL-3.0-or-later
// The tray popup menu built from its data table: every entry found by its
// command id, checked, greyed or renamed through it.
#pragma once

#include <QHash>
#include <QMenu>
#include <QObject>
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
    QAction* action(int id) const { return actions_.value(id); }
    QList<int> ids() const { return actions_.keys(); }

    void setChecked(int id, bool checked);
    void setEnabled(int id, bool enabled);
    void setText(int id, const QString& text);

signals:
    void commandChosen(int id);

private:
    QMenu* submenu(const QString& path);

    QMenu menu_;
    QHash<QString, QMenu*> submenus_;
    QHash<int, QAction*> actions_;
};

}  // namespace orvanta::shell
