// SPDX-License-Identifier: GPL-3.0-or-later
// "Çetele": one counter's name, value and increment; "Ekle" adds
// the increment to the value in the dialog, "Kapat" saves all three.
#pragma once

#include <QDialog>
#include <memory>

#include "shell/tally.h"

namespace Ui {
class TallyDialog;
}

namespace orvanta::shell {

class TallyDialog : public QDialog {
    Q_OBJECT
public:
    // tally: what the file holds, with the menu's caption as its name.
    explicit TallyDialog(const settings::Tally& tally, QWidget* parent = nullptr);
    ~TallyDialog() override;

    // The fields as "Kapat" saves them (text that is not a number reads 0).
    settings::Tally fields() const;

protected:
    // Esc does nothing: only "Kapat" ends the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void add();

    std::unique_ptr<Ui::TallyDialog> ui_;
};

}  // namespace orvanta::shell
