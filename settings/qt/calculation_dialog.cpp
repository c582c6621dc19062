// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/qt/calculation_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

#include "settings/place_database.h"
#include "settings/qt/controls.h"
#include "settings/qt/place_finder.h"
#include "ui_calculation_dialog.h"

namespace orvanta::settings {

namespace {

const QString kEarlierTemkin = QStringLiteral("0 ile -30 arası...");
const QString kLaterTemkin = QStringLiteral("0 ile +30 arası...");
const QString kDefaultsNote = QStringLiteral("Uygula tuşuna bastıktan sonra geçerli olur.");

// Help balloons by controlId.
const HelpTexts& helpTexts() {
    static const HelpTexts texts{
        {1074, kEarlierTemkin},
        {1075, kEarlierTemkin},
        {1077, kEarlierTemkin},
        {1081, kEarlierTemkin},
        {1076, kLaterTemkin},
        {1078, kLaterTemkin},
        {1079, kLaterTemkin},
        {1080, kLaterTemkin},
        {1082, kLaterTemkin},
        {1083, QStringLiteral("Hesaplama Modu 5 ise +60 ile +120 arası,\ndeğilse 0 ile +30 arası...")},
        {1084, QStringLiteral("Varsayılan temkin değerlerini geri yükler.\n") + kDefaultsNote},
        {1085, QStringLiteral("8000 yerleşim birimini içeren veri tabanı dosyasını açar.")},
        {1086, QStringLiteral("Veri tabanı listesini kullanmak için işaretleyin.\nEnlem, boylam ve saat farkını elle "
                              "girip, şehir/ülke adını kendiniz tanımlayacaksanız kutucuğu boş bırakın.")},
        {1087, QStringLiteral("Listeden istediğiniz yerleşimi bulun ve bu yerleşime ait satır no.sunu kutucuğa girip "
                              "Uygula tuşuna basın.\nYerleşime ilişkin bilgiler form üzerinde görüntülenecektir.\n"
                              "İmleç kutucuğun içindeyken, fare tekerleğiyle yukarı/aşağı hareket ettiğinizde "
                              "listedeki bir önceki/sonraki yerleşimi seçebilirsiniz.\nListedeki ilk 81 yerleşim, "
                              "Türkiye il plakalarına göre sıralanmıştır.")},
        {1088, QStringLiteral("Yerleşim biriminin adı.")},
        {1089, QStringLiteral("Yerleşim biriminin bulunduğu ülke.")},
        {1090, QStringLiteral("Yerleşim biriminin enlemi.\n-90 ile +90 arası...")},
        {1091, QStringLiteral("Yerleşim biriminin boylamı.\n-180 ile +180 arası...")},
        {1092, QStringLiteral("Yerleşim biriminin saat dilimi.\n-12 ile +14 arası...")},
        {1114, QStringLiteral("İşaretlenirse, Saat Farkı kutucuğunun içeriğinden bağımsız olarak sistem saat dilimi "
                              "kullanılır.")},
        {1094, QStringLiteral("Güneşin İmsak vaktindeki pozisyonu ile ufuk düzlemi ile arasındaki dikey açı.\n-15 ile "
                              "-20 arası...")},
        {1095, QStringLiteral("Güneşin Yatsı vaktindeki pozisyonu ile ufuk düzlemi ile arasındaki dikey açı.\n-10 ile "
                              "-20 arası...")},
        {1096, QStringLiteral("Vakitlerin hesabına ilişkin kriterleri belirler:\n0 = Salt Astronomik\n1 = Temkin "
                              "eklenmiş\n2 = 1 + En kısa gece/gündüz 3 saat\n3 = 1 + 2 + En geç Yatsı gecenin "
                              "1/2'sinde\n4 = 1 + 2 + En geç Yatsı gecenin 1/3'ünde\n5 = 1 + 2 + Yatsı Akşam'a bağlı "
                              "(Akşam'dan Yatsı temkini kadar sonra)")},
        {1097, QStringLiteral("İmsak/Yatsı açısı ve Hesaplama Modunun varsayılan değerlerini geri yükler.\n") +
                   kDefaultsNote},
        {1148, QStringLiteral("Diyanet İşleri Başkanlığının yayımladığı vakitlere en yakın sonucu veren temkin, açı "
                              "ve Hesaplama Modu değerlerini yükler (vakitlerin çoğu bir dakika içinde tutar).\n") +
                   kDefaultsNote},
        {1116, QStringLiteral("İşaretlenirse sistem saati kullanılır. Bu durumda tüm formlar ve grafikler otomatik "
                              "olarak güncellenir.\nGeçmiş veya gelecekteki bir tarihe yönelik analiz yapmak "
                              "istediğinizde kutucuğu boş bırakın.")},
        {1112, QStringLiteral("İstediğiniz tarihi GG/AA/YYYY formatında girin.\nİmleç kutucuğun içindeyken, fare "
                              "tekerleğiyle yukarı/aşağı hareket ettirerek tarihi ileri/geri alabilirsiniz.")},
        {1113, QStringLiteral("İstediğiniz saati SS:DD formatında girin.")},
        {1115, QStringLiteral("İşaretlenirse, Yaz Saati kutucuğunun içeriğinden bağımsız olarak sistem yaz saati esas "
                              "alınır.")},
        {1093, QStringLiteral("İleri saat (yaz saati) uygulanıyorsa işaretleyin.")},
        {1, QStringLiteral("Formdaki değerleri INI dosyasına kaydeder.")},
        {1098, QStringLiteral("Forma girilen değerleri programa aktarır.")},
        {2, QStringLiteral("Formda yapılan değişiklikler (Tarih/Saat hariç) iptal edilir ve INI dosyasındaki "
                           "değerlere geri dönülür.")},
    };
    return texts;
}

// Characters each edit is wide enough for ("-00.00" and the like).
const std::pair<Field, int> kFieldCharacters[] = {
    {Field::PlaceRow, 6},   {Field::PlaceName, 15}, {Field::CountryName, 15}, {Field::Latitude, 7},
    {Field::Longitude, 7},  {Field::TimeZone, 6},   {Field::ImsakAngle, 5},   {Field::YatsiAngle, 5},
    {Field::CalcMode, 2},   {Field::ViewDate, 10},  {Field::ViewTime, 5}};
constexpr int kTemkinCharacters = 4;
// Ticks before the views follow a date stepped with the wheel.
constexpr int kTicksAfterDateStep = 2;

}  // namespace

CalculationDialog::CalculationDialog(Settings& settings, CalculationHost& host, std::filesystem::path placeFile,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host), placeFile_(std::move(placeFile)),
      ui_(std::make_unique<Ui::CalculationDialog>()) {
    ui_->setupUi(this);
    attachHelpTexts(this, helpTexts());
    for (Field temkin : kTemkinFields) fitToCharacters(edit(temkin), kTemkinCharacters);
    for (const auto& [field, characters] : kFieldCharacters) fitToCharacters(edit(field), characters);

    connect(ui_->saveButton, &QPushButton::clicked, this, [this] {
        if (check(ui_->saveButton)) accept();
    });
    connect(ui_->applyButton, &QPushButton::clicked, this, [this] {
        if (!check(ui_->applyButton)) return;
        host_.apply(settings_);
        fill();
    });
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->defaultTemkins, &QPushButton::clicked, this, [this] {
        settings_.temkin = engine::defaultTemkin;
        settings_.diyanetMethod = false;
        fillTemkins();
    });
    connect(ui_->defaultAngles, &QPushButton::clicked, this, [this] {
        const Settings defaults;
        settings_.imsakAngle = defaults.imsakAngle;
        settings_.yatsiAngle = defaults.yatsiAngle;
        settings_.calcMode = defaults.calcMode;
        settings_.diyanetMethod = false;
        fillAngles();
    });
    connect(ui_->diyanetValues, &QPushButton::clicked, this, [this] {
        applyDiyanetPreset(settings_);
        fillTemkins();
        fillAngles();
    });
    connect(ui_->openPlaceList, &QPushButton::clicked, this, &CalculationDialog::choosePlace);
    connect(ui_->usePlaceList, &QCheckBox::clicked, this, [this](bool on) {
        settings_.usePlaceList = on;
        fillPlace();
    });
    connect(ui_->systemTimeZone, &QCheckBox::clicked, this, [this](bool on) {
        settings_.useSystemTimeZone = on;
        fillPlace();
    });
    connect(ui_->systemDaylightSaving, &QCheckBox::clicked, this, [this](bool on) {
        settings_.useSystemDaylightSaving = on;
        fillMoment();
    });
    connect(ui_->daylightSaving, &QCheckBox::clicked, this, [this](bool on) { settings_.daylightSaving = on; });
    connect(ui_->realTimeClock, &QCheckBox::clicked, this, &CalculationDialog::toggleRealTimeClock);
    fill();
}

CalculationDialog::~CalculationDialog() = default;

QLineEdit* CalculationDialog::edit(Field field) const {
    const Ui::CalculationDialog& ui = *ui_;
    switch (field) {
        case Field::CalcMode: return ui.calcMode;
        case Field::TemkinImsak: return ui.temkinImsak;
        case Field::TemkinGunes: return ui.temkinGunes;
        case Field::TemkinIsrak: return ui.temkinIsrak;
        case Field::TemkinIstiva: return ui.temkinIstiva;
        case Field::TemkinOgle: return ui.temkinOgle;
        case Field::TemkinIkindi: return ui.temkinIkindi;
        case Field::TemkinAsriSani: return ui.temkinAsriSani;
        case Field::TemkinIsfirar: return ui.temkinIsfirar;
        case Field::TemkinAksam: return ui.temkinAksam;
        case Field::TemkinYatsi: return ui.temkinYatsi;
        case Field::PlaceRow: return ui.placeRow;
        case Field::PlaceName: return ui.placeName;
        case Field::CountryName: return ui.countryName;
        case Field::Latitude: return ui.latitude;
        case Field::Longitude: return ui.longitude;
        case Field::TimeZone: return ui.timeZone;
        case Field::ImsakAngle: return ui.imsakAngle;
        case Field::YatsiAngle: return ui.yatsiAngle;
        case Field::ViewDate: return ui.viewDate;
        case Field::ViewTime: return ui.viewTime;
        default: return nullptr;  // a field of "Seçenekler"
    }
}

void CalculationDialog::setText(Field field, const std::string& text) {
    edit(field)->setText(QString::fromStdString(text));
}

void CalculationDialog::fill() {
    fillTemkins();
    fillPlace();
    fillAngles();
    fillMoment();
}

void CalculationDialog::fillTemkins() {
    for (int index = 0; index < engine::kComputedVakits; ++index) {
        setText(kTemkinFields[static_cast<std::size_t>(index)],
                std::to_string(settings_.temkin[static_cast<std::size_t>(index)]));
    }
    enableTemkins();
}

// The temkins are greyed in mode 0 (pure astronomy), yet still checked.
void CalculationDialog::enableTemkins() {
    for (Field temkin : kTemkinFields) edit(temkin)->setEnabled(settings_.calcMode != 0);
}

void CalculationDialog::fillPlace() {
    ui_->openPlaceList->setEnabled(std::filesystem::exists(placeFile_));
    ui_->usePlaceList->setChecked(settings_.usePlaceList);
    ui_->placeRow->setEnabled(settings_.usePlaceList);
    for (Field field : {Field::PlaceName, Field::CountryName, Field::Latitude, Field::Longitude}) {
        edit(field)->setEnabled(!settings_.usePlaceList);
    }
    ui_->timeZone->setEnabled(!settings_.usePlaceList && !settings_.useSystemTimeZone);
    setText(Field::PlaceRow, std::to_string(settings_.placeRow));
    setText(Field::PlaceName, settings_.placeName);
    setText(Field::CountryName, settings_.countryName);
    setText(Field::Latitude, degreesText(settings_.latitude));
    setText(Field::Longitude, degreesText(settings_.longitude));
    setText(Field::TimeZone, zoneHoursText(settings_.timeZoneMinutes));
    ui_->systemTimeZone->setChecked(settings_.useSystemTimeZone);
    fillZoneNote();
}

void CalculationDialog::fillZoneNote() {
    const std::string note = zoneNote(settings_, host_.systemZone());
    ui_->zoneNote->setText(QString::fromStdString(note));
    ui_->zoneNote->setVisible(!note.empty());
}

void CalculationDialog::fillAngles() {
    setText(Field::ImsakAngle, angleText(settings_.imsakAngle));
    setText(Field::YatsiAngle, angleText(settings_.yatsiAngle));
    setText(Field::CalcMode, std::to_string(settings_.calcMode));
    enableTemkins();
}

void CalculationDialog::fillMoment() {
    const bool realTime = host_.realTimeClock();
    ui_->realTimeClock->setChecked(realTime);
    const ViewMoment moment = host_.viewMoment();
    setText(Field::ViewDate, viewDateText(moment));
    setText(Field::ViewTime, viewTimeText(moment));
    ui_->viewDate->setEnabled(!realTime);
    ui_->viewTime->setEnabled(!realTime);
    ui_->systemDaylightSaving->setChecked(settings_.useSystemDaylightSaving);
    ui_->daylightSaving->setChecked(settings_.daylightSaving);
    // The place's zone brings its own summer time.
    const bool zoneGivesSummer = knownPlaceZone(settings_).has_value();
    ui_->daylightSaving->setEnabled(!settings_.useSystemDaylightSaving && !zoneGivesSummer);
}

bool CalculationDialog::check(QWidget* button) {
    const FieldReader read = focusingFieldReader([this](Field field) { return edit(field); });
    ViewMoment moment = host_.viewMoment();
    const bool realTime = host_.realTimeClock();
    const std::optional<Field> failed = storeCalculationFields(read, settings_, placeFile_, realTime, moment);
    if (failed) {
        signalFailure(button);
        return false;
    }
    if (!realTime) host_.setViewMoment(moment);
    return true;
}

void CalculationDialog::toggleRealTimeClock() {
    host_.setRealTimeClock(!host_.realTimeClock());
    fillMoment();
}

void CalculationDialog::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    // A turn towards the user (negative) moves on, away from the user back.
    const int direction = delta < 0 ? 1 : -1;
    QWidget* focus = focusWidget();
    if (focus == ui_->placeRow) {
        if (direction < 0 && settings_.placeRow <= 1) return;
        settings_.placeRow += direction;
        placeRowLoaded();
    } else if (focus == ui_->viewDate && !host_.realTimeClock()) {
        ViewMoment moment = host_.viewMoment();
        if (!stepViewDate(moment, direction)) return;
        host_.setViewMoment(moment);
        host_.recomputeAfterTicks(kTicksAfterDateStep);
        fill();
    }
    event->accept();
}

// The row's place (a row past the end is the last place) in the fields;
// a blank or unusable row leaves the place as it was.
void CalculationDialog::placeRowLoaded() {
    const PlaceRowResult loaded = loadPlaceRow(placeFile_, settings_);
    if (loaded.status == PlaceRowStatus::Loaded) settings_.placeRow = loaded.row;
    fill();
}

void CalculationDialog::choosePlace() {
    PlaceFinder finder(readPlaceList(placeFile_), this);
    connect(&finder, &PlaceFinder::openFileRequested, this, [this] { host_.openFile(placeFile_); });
    if (finder.exec() != QDialog::Accepted || !finder.chosenRow()) return;
    settings_.placeRow = *finder.chosenRow();
    settings_.usePlaceList = true;
    placeRowLoaded();
}

}  // namespace orvanta::settings
