// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/qt/welcome_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "ui_welcome_dialog.h"
#include "common/qt/utf8_text.h"

namespace orvanta::settings {

namespace {

// More places than a person reads; typing narrows them.
constexpr std::size_t kMostShownPlaces = 200;
constexpr int kPlaceStep = 0;
constexpr int kCalculationStep = 1;

using common::qs;

QString placeLine(const PlaceRecord& place) {
    QString line = qs(place.placeName) + QStringLiteral(" — ");
    if (!place.regionName.empty() && place.regionName != place.placeName) line += qs(place.regionName) + QStringLiteral(", ");
    line += qs(place.countryName);
    if (!place.ianaZone.empty()) line += QStringLiteral("  (%1)").arg(qs(place.ianaZone));
    return line;
}

}  // namespace

WelcomeDialog::WelcomeDialog(std::vector<PlaceEntry> places, std::string systemZoneName, std::function<void()> listen,
                             QWidget* parent)
    : QDialog(parent), places_(std::move(places)), systemZoneName_(std::move(systemZoneName)),
      listen_(std::move(listen)), ui_(std::make_unique<Ui::WelcomeDialog>()) {
    ui_->setupUi(this);
    ui_->placeSearch->installEventFilter(this);
    connect(ui_->placeSearch, &QLineEdit::textChanged, this, &WelcomeDialog::search);
    connect(ui_->placeList, &QListWidget::currentRowChanged, this,
            [this](int row) { ui_->nextButton->setEnabled(row >= 0); });
    connect(ui_->placeList, &QListWidget::itemDoubleClicked, this, &WelcomeDialog::goOn);
    connect(ui_->nextButton, &QPushButton::clicked, this, &WelcomeDialog::goOn);
    connect(ui_->backButton, &QPushButton::clicked, this, [this] { showStep(kPlaceStep); });
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->handEntryButton, &QPushButton::clicked, this, [this] { done(kEnterByHand); });
    connect(ui_->listenButton, &QPushButton::clicked, this, [this] { listen_(); });

    const std::string guess = placeGuess(systemZoneName_);
    search(qs(guess));
    // The guess as the list writes it: "Istanbul" becomes "İstanbul".
    if (!shown_.empty() && searchKey(shown_.front()->place.placeName) == searchKey(guess)) {
        const QSignalBlocker quiet(ui_->placeSearch);
        ui_->placeSearch->setText(qs(shown_.front()->place.placeName));
    } else {
        const QSignalBlocker quiet(ui_->placeSearch);
        ui_->placeSearch->setText(qs(guess));
    }
    showStep(kPlaceStep);
}

WelcomeDialog::~WelcomeDialog() = default;

int WelcomeDialog::step() const { return ui_->steps->currentIndex(); }

void WelcomeDialog::search(const QString& query) {
    shown_ = rankedPlaces(places_, query.trimmed().toStdString(), systemZoneName_);
    ui_->placeList->clear();
    const std::size_t count = std::min(shown_.size(), kMostShownPlaces);
    for (std::size_t i = 0; i < count; ++i) ui_->placeList->addItem(placeLine(shown_[i]->place));
    ui_->placeList->setCurrentRow(count > 0 ? 0 : -1);
    ui_->nextButton->setEnabled(count > 0);
    if (shown_.empty()) {
        ui_->placeHint->setText(QStringLiteral(
            "Bu adla bir yer bulunamadı. Başka bir yazımı deneyin (ör. Koln ya da Cologne), yakındaki büyük bir "
            "şehri seçin ya da \"Elle gir\" ile enlem ve boylamı kendiniz girin."));
    } else if (shown_.size() > count) {
        ui_->placeHint->setText(QStringLiteral("%1 yer bulundu, ilk %2 tanesi gösteriliyor: aramayı daraltın.")
                                    .arg(static_cast<qulonglong>(shown_.size()))
                                    .arg(static_cast<qulonglong>(count)));
    } else {
        ui_->placeHint->setText(QStringLiteral("%1 yer bulundu.").arg(static_cast<qulonglong>(count)));
    }
}

bool WelcomeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->placeSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            // The list answers the key as if it had the focus.
            QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QCoreApplication::sendEvent(ui_->placeList, &copy);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

const PlaceEntry* WelcomeDialog::selectedPlace() const {
    const int row = ui_->placeList->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < shown_.size() ? shown_[static_cast<std::size_t>(row)] : nullptr;
}

void WelcomeDialog::showStep(int step) {
    ui_->steps->setCurrentIndex(step);
    const bool last = step == kCalculationStep;
    ui_->backButton->setVisible(last);
    ui_->nextButton->setText(last ? QStringLiteral("&Bitir") : QStringLiteral("İ&leri"));
    ui_->nextButton->setEnabled(last || selectedPlace() != nullptr);
    if (last) {
        if (const PlaceEntry* place = selectedPlace()) {
            ui_->chosenPlace->setText(QStringLiteral("Yer: %1").arg(placeLine(place->place)));
        }
        ui_->diyanetChoice->isChecked() ? ui_->diyanetChoice->setFocus() : ui_->ownChoice->setFocus();
    } else {
        ui_->placeSearch->setFocus();
        ui_->placeSearch->selectAll();
    }
}

void WelcomeDialog::goOn() {
    if (step() == kPlaceStep) {
        if (selectedPlace() != nullptr) showStep(kCalculationStep);
        return;
    }
    accept();
}

WelcomeChoice WelcomeDialog::choice() const {
    WelcomeChoice chosen;
    if (const PlaceEntry* place = selectedPlace()) chosen.place = *place;
    chosen.calculation = ui_->ownChoice->isChecked() ? CalculationChoice::Own : CalculationChoice::Diyanet;
    chosen.autostart = ui_->autostartCheck->isChecked();
    return chosen;
}

}  // namespace orvanta::settings
