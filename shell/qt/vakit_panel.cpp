// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/vakit_panel.h"

#include <QKeyEvent>
#include <QLabel>

#include "ui_vakit_panel.h"

namespace orvanta::shell {

namespace {

constexpr int kDeclinationLabelRow = 0;  // the first row of the astronomy group

}  // namespace

bool VakitPanel::expanded_ = false;

VakitPanel::VakitPanel(std::function<PanelTexts()> source, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::VakitPanel>()), source_(std::move(source)) {
    ui_->setupUi(this);
    // Values in columns: right-aligned numbers read like the fixed-width
    // fields they are.
    for (const auto& [value, text] : fields(PanelTexts{})) {
        const bool line = value == ui_->calendar || value == ui_->skyMessage || value == ui_->twilightRules;
        if (!line) value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->toggleButton, &QPushButton::clicked, this, &VakitPanel::toggleForm);
    refill();
}

VakitPanel::~VakitPanel() = default;

std::vector<std::pair<QLabel*, std::string>> VakitPanel::fields(const PanelTexts& texts) const {
    const Ui::VakitPanel& ui = *ui_;
    std::vector<std::pair<QLabel*, std::string>> fields{
        {ui.imsakTime, texts.times[0]},     {ui.gunesTime, texts.times[1]},    {ui.israkTime, texts.times[2]},
        {ui.istivaTime, texts.times[3]},    {ui.ogleTime, texts.times[4]},     {ui.ikindiTime, texts.times[5]},
        {ui.asriSaniTime, texts.times[6]},  {ui.isfirarTime, texts.times[7]},  {ui.aksamTime, texts.times[8]},
        {ui.yatsiTime, texts.times[9]},     {ui.calendar, texts.calendar},     {ui.twilightRules, texts.twilightRules},
        {ui.qibla, texts.qibla},            {ui.sunAzimuth, texts.sunAzimuth}, {ui.sunAltitude, texts.sunAltitude},
        {ui.magneticDeclination, texts.magneticDeclination},
        {ui.horizontalIntensity, texts.horizontalIntensity},
        {ui.moonAzimuth, texts.moonAzimuth},         {ui.moonAltitude, texts.moonAltitude},
        {ui.moonElongation, texts.moonElongation},   {ui.moonLatitude, texts.moonLatitude},
        {ui.moonDistance, texts.moonDistance},       {ui.sunDistance, texts.sunDistance},
        {ui.sunLongitude, texts.sunLongitude},       {ui.sunDeclination, texts.sunDeclination},
        {ui.noonDeviation, texts.noonDeviation},     {ui.skyMessage, texts.skyMessage}};
    return fields;
}

void VakitPanel::refill() {
    ui_->anglesGroup->setVisible(expanded_);
    ui_->rightColumn->setVisible(expanded_);
    ui_->toggleButton->setText(expanded_ ? QStringLiteral("<<") : QStringLiteral(">>"));
    const PanelTexts texts = source_();
    setWindowTitle(QString::fromStdString(texts.title));
    for (const auto& [value, text] : fields(texts)) value->setText(QString::fromStdString(text));
    ui_->magneticDeclination->setEnabled(texts.declinationEnabled);
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
