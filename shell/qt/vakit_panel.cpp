// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/vakit_panel.h"

#include <QKeyEvent>
#include <QLabel>

#include "settings/qt/controls.h"
#include "ui_vakit_panel.h"

namespace orvanta::shell {

namespace {

constexpr int kCalendarField = 1131;
constexpr int kSkyMessageField = 1146;
constexpr int kTwilightRulesField = 1149;
constexpr int kDeclinationField = 1144;
constexpr int kDeclinationLabelRow = 0;  // the first row of the astronomy group

}  // namespace

bool VakitPanel::expanded_ = false;

VakitPanel::VakitPanel(std::function<PanelTexts()> source, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::VakitDlg>()), source_(std::move(source)) {
    ui_->setupUi(this);
    // Values in columns: right-aligned numbers read like the fixed-width
    // fields they are.
    for (QLabel* value : findChildren<QLabel*>()) {
        const int id = value->property(settings::kControlIdProperty).toInt();
        if (id != 0 && id != kCalendarField && id != kSkyMessageField && id != kTwilightRulesField) value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->toggleButton, &QPushButton::clicked, this, &VakitPanel::toggleForm);
    refill();
}

VakitPanel::~VakitPanel() = default;

void VakitPanel::refill() {
    ui_->anglesGroup->setVisible(expanded_);
    ui_->rightColumn->setVisible(expanded_);
    ui_->toggleButton->setText(expanded_ ? QStringLiteral("<<") : QStringLiteral(">>"));
    const PanelTexts texts = source_();
    setWindowTitle(QString::fromStdString(texts.title));
    for (const auto& [id, text] : texts.fields) {
        if (auto* field = qobject_cast<QLabel*>(settings::findControl(this, id))) {
            field->setText(QString::fromStdString(text));
        }
    }
    settings::findControl(this, kDeclinationField)->setEnabled(texts.declinationEnabled);
    if (QWidget* label = ui_->astronomyRows->itemAt(kDeclinationLabelRow, QFormLayout::LabelRole)->widget()) {
        label->setEnabled(texts.declinationEnabled);
    }
    adjustSize();
}

void VakitPanel::toggleForm() {
    expanded_ = !expanded_;
    refill();
}

void VakitPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace orvanta::shell
