// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/tray_menu.h"

#include <QActionGroup>
#include <QFile>

// The resources are compiled into this static library; a program that
// links it must register them before the first use.
static void registerResources() { Q_INIT_RESOURCE(resources); }

namespace orvanta::shell {

TrayMenu::TrayMenu(const std::vector<MenuRow>& rows, QObject* parent) : QObject(parent) {
    QHash<QString, QActionGroup*> groups;
    for (const MenuRow& row : rows) {
        QMenu* owner = submenu(QString::fromStdString(row.submenu));
        if (row.separator()) {
            owner->addSeparator();
            continue;
        }
        QAction* entry = owner->addAction(QString::fromStdString(row.text));
        entry->setData(row.id);
        actions_[static_cast<std::size_t>(*row.command)] = entry;
        const QString group = QString::fromStdString(row.checkGroup);
        if (!group.isEmpty()) entry->setCheckable(true);
        if (!group.isEmpty() && group != QLatin1String(kToggleGroup.data())) {
            QActionGroup*& actionGroup = groups[group];
            if (actionGroup == nullptr) {
                actionGroup = new QActionGroup(this);
                // At most one checked; none is allowed (no wallpaper mode).
                actionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            actionGroup->addAction(entry);
        }
        // Every command handler then sets the check marks of its entries
        // from its own flag, as when the command comes from the start-up
        // replay.
        connect(entry, &QAction::triggered, this, [this, command = *row.command] { emit commandChosen(command); });
    }
}

std::vector<MenuRow> TrayMenu::builtInTable() {
    registerResources();
    QFile file(QStringLiteral(":/orvanta/menu.tsv"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("the menu table is missing from the program");
    const QByteArray text = file.readAll();
    auto rows = parseMenuTable(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!rows) qFatal("the menu table is malformed");
    const std::string mismatch = menuTableMismatch(*rows);
    if (!mismatch.empty()) qFatal("the menu table does not fit the commands: %s", mismatch.c_str());
    return *rows;
}

QMenu* TrayMenu::submenu(const QString& path) {
    if (path.isEmpty()) return &menu_;
    QMenu*& found = submenus_[path];
    if (found == nullptr) found = menu_.addMenu(path);
    return found;
}

std::vector<Command> TrayMenu::commands() const {
    std::vector<Command> present;
    for (Command command : allCommands()) {
        if (action(command) != nullptr) present.push_back(command);
    }
    return present;
}

void TrayMenu::setChecked(Command command, bool checked) {
    if (QAction* entry = action(command)) entry->setChecked(checked);
}

void TrayMenu::setEnabled(Command command, bool enabled) {
    if (QAction* entry = action(command)) entry->setEnabled(enabled);
}

void TrayMenu::setText(Command command, const QString& text) {
    if (QAction* entry = action(command)) entry->setText(text);
}

}  // namespace orvanta::shell
