// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/tally_dialog.h"

#include <QKeyEvent>

#include "settings/ini_file.h"
#include "settings/qt/controls.h"
#include "ui_tally_dialog.h"

namespace orvanta::shell {

namespace {

// Help balloons by controlId.
const settings::HelpTexts& helpTexts() {
    static const settings::HelpTexts texts{
        {1117, QStringLiteral("Çetele adını belirleyebilirsiniz.")},
        {1118, QStringLiteral("Başlangıç (mevcut) değeri girin.")},
        {1119, QStringLiteral("Artırma değeri girin.\nSayacı eksiltmek için eksi değer girmelisiniz.")},
        {6, QStringLiteral("Sayacın mevcut değerine artırma değerini ekler.")},
        {1, QStringLiteral("Sayacın mevcut değerini INI dosyasına kaydeder.")},
    };
    return texts;
}

std::int32_t fieldNumber(const QWidget* edit) {
    return settings::parseProfileInt(static_cast<const QLineEdit*>(edit)->text().toStdString());
}

}  // namespace

TallyDialog::TallyDialog(const settings::Tally& tally, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TallyDialog>()) {
    ui_->setupUi(this);
    settings::attachHelpTexts(this, helpTexts());
    ui_->nameEdit->setText(QString::fromStdString(tally.name));
    ui_->valueEdit->setText(QString::number(tally.value));
    ui_->incrementEdit->setText(QString::number(tally.increment));
    connect(ui_->addButton, &QPushButton::clicked, this, &TallyDialog::add);
    connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

TallyDialog::~TallyDialog() = default;

settings::Tally TallyDialog::fields() const {
    return settings::Tally{ui_->nameEdit->text().toStdString(), fieldNumber(ui_->valueEdit), fieldNumber(ui_->incrementEdit)};
}

void TallyDialog::add() {
    const auto sum = addIncrement(fieldNumber(ui_->valueEdit), fieldNumber(ui_->incrementEdit));
    if (!sum) {
        settings::signalFailure(ui_->addButton);
        return;
    }
    ui_->valueEdit->setText(QString::number(*sum));
}

void TallyDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

}  // namespace orvanta::shell
