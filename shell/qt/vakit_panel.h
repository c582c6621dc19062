// SPDX-License-Identifier: GPL-3.0-or-later
// The "Vakitler" panel: the day's ten times, the calendar and,
// expanded, the qibla, sun, moon and field values. It shows what the
// engine holds; each refill asks its source again (the scheduler refills
// it after every pass that changed something). It never changes settings.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "shell/vakit_panel.h"

class QLabel;

namespace Ui {
class VakitPanel;
}

namespace orvanta::shell {

class VakitPanel : public QDialog {
    Q_OBJECT
public:
    explicit VakitPanel(std::function<PanelTexts()> source, QWidget* parent = nullptr);
    ~VakitPanel() override;

    // Asks the source and fills every field, in the compact or expanded form.
    void refill();
    // The form survives closing and reopening (not saved).
    static bool expanded() { return expanded_; }

protected:
    // Esc does nothing: only "Tamam" (or Enter) closes the panel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggleForm();
    // Each value field and its text.
    std::vector<std::pair<QLabel*, std::string>> fields(const PanelTexts& texts) const;

    std::unique_ptr<Ui::VakitPanel> ui_;
    std::function<PanelTexts()> source_;
    static bool expanded_;
};

}  // namespace orvanta::shell
