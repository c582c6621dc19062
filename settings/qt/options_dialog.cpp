// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/qt/options_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "settings/dialog_fields.h"
#include "settings/qt/controls.h"
#include "settings/qt/file_download.h"
#include "ui_options_dialog.h"

namespace orvanta::settings {

namespace {

// Help balloons by controlId.
const HelpTexts& helpTexts() {
    static const HelpTexts texts{
        {1099, QStringLiteral("Sabah ezanı, güneşin doğmasından, girilen süre kadar daha önce okunur.")},
        {1100, QStringLiteral("Sabah ezanının, güneşin doğmasından kaç dakika önce okunacağını girin.\n10 ile 60 "
                              "arası...")},
        {1101, QStringLiteral("Sabah ezanı İmsak vaktinde okunur.\nGenellikle Ramazanda kullanılır.")},
        {1110, QStringLiteral("Cuma namazından, girilen süre kadar daha önce Salâ okur.")},
        {1107, QStringLiteral("Salânın, Cuma namazından kaç dakika önce okunacağını girin.\n10 ile 120 arası...")},
        {1111, QStringLiteral("İmsak'tan, girilen süre kadar daha önce Salâ okur.")},
        {1108, QStringLiteral("Salânın, İmsak'tan kaç dakika önce okunacağını girin.\n10 ile 120 arası...\n"
                              "Genellikle sahura kalkmak için kullanılır.")},
        {1, QStringLiteral("Formdaki değerleri INI dosyasına kaydeder.")},
        {2, QStringLiteral("Formda yapılan değişiklikler iptal edilir ve INI dosyasındaki değerlere geri dönülür.")},
        {1106, QStringLiteral("İşaretlenirse, hatırlatma vakti geldiğinde uyarı mesajı görüntülenir.")},
        {1105, QStringLiteral("Vaktin çıkmasına / kerahetin girmesine kaç dakika kala hatırlatılacağını girin.\n10 "
                              "ile 60 arası...\nYatsı ve Sabah dışındaki vakitlerde hatırlatma süresine temkin değeri "
                              "eklenerek gerçek vakit hesaplanır.")},
        {1109, QStringLiteral("İşaretlenirse, vakit çıkmadan önce salâ okunur.\nHer bir vakit, INI dosyasındaki "
                              "\"Salâ Vakitler\" değişkeni ile seçilebilir/iptal edilebilir.\nSalâ yerine başka bir "
                              "dosyayı açmak için INI dosyasındaki \"Hatırlatıcı Dosyası\" değişkenini "
                              "kullanabilirsiniz.")},
        {1051, QStringLiteral("İşaretlenirse, İkindi ezanı Asr-ı Sani'de okunur;\nayrıca Hatırlatıcı işlevinde ve "
                              "bir sonraki namaz vaktine kalan sürenin hesabında Asr-ı Sani esas alınır.\n"
                              "İşaretlenmediğinde ise Asr-ı Evvel esas alınır (Türkiye'deki uygulama).")},
        {1048, QStringLiteral("İşaretlenirse, simge üzerinde bir sonraki namaz/kerahet vaktine kalan süre "
                              "gösterilir.\nİşaretlenmediğinde ise bir sonraki namaz vaktine kalan süre gösterilir.")},
        {1049, QStringLiteral("İşaretlenirse, program ilk çalıştığında ve sonra her saat başında Internet Saatine "
                              "bağlanılır.\nSistem saati, kullanıcıya sorulmadan otomatik olarak düzeltilir.")},
        {1058, QStringLiteral("Masaüstü oturumu açıldığında programın otomatik olarak başlatılmasını sağlar.")},
    };
    return texts;
}

constexpr int kMinuteCharacters = 3;
// The salâ sound's path on the download server, and what a WAV file begins with.
constexpr char kSalaDownloadPath[] = "/orvanta/ezan/sala.wav";
const QByteArray kWaveStart = QByteArrayLiteral("RIFF");

}  // namespace

OptionsDialog::OptionsDialog(Settings& settings, OptionsHost& host, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host), ui_(std::make_unique<Ui::OptionsDialog>()) {
    ui_->setupUi(this);
    attachHelpTexts(this, helpTexts());
    for (QLineEdit* minutes : {ui_->sabahMinutes, ui_->reminderMinutes, ui_->cumaSalaMinutes, ui_->sahurSalaMinutes}) {
        fitToCharacters(minutes, kMinuteCharacters);
    }
    connect(ui_->sabahFromGunes, &QRadioButton::clicked, this, [this] {
        settings_.sabahEzanAtImsak = false;
        showSabahChoice();
    });
    connect(ui_->sabahAtImsak, &QRadioButton::clicked, this, [this] {
        settings_.sabahEzanAtImsak = true;
        showSabahChoice();
    });
    for (const auto& [box, flag] : flagBoxes()) {
        connect(box, &QCheckBox::clicked, this, [this, box = box, flag = flag](bool on) {
            settings_.*flag = on;
            ui_->cumaSalaMinutes->setEnabled(settings_.cumaSala);
            ui_->sahurSalaMinutes->setEnabled(settings_.sahurSala);
            if (box == ui_->autoCorrectClock && on) host_.correctClockSilently();
        });
    }
    connect(ui_->saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    fill();
}

OptionsDialog::~OptionsDialog() = default;

std::vector<std::pair<QCheckBox*, bool Settings::*>> OptionsDialog::flagBoxes() const {
    return {{ui_->reminderOn, &Settings::reminderOn},
            {ui_->salaBeforeEnd, &Settings::salaBeforeEnd},
            {ui_->cumaSala, &Settings::cumaSala},
            {ui_->sahurSala, &Settings::sahurSala},
            {ui_->ikindiAtAsrSani, &Settings::ikindiAtAsrSani},
            {ui_->remainingToAnyTime, &Settings::remainingToAnyTime},
            {ui_->autoCorrectClock, &Settings::autoCorrectClock},
            {ui_->autostart, &Settings::autostart}};
}

QLineEdit* OptionsDialog::edit(Field field) const {
    switch (field) {
        case Field::SabahMinutes: return ui_->sabahMinutes;
        case Field::ReminderMinutes: return ui_->reminderMinutes;
        case Field::CumaSalaMinutes: return ui_->cumaSalaMinutes;
        case Field::SahurSalaMinutes: return ui_->sahurSalaMinutes;
        default: return nullptr;  // a field of "Hesap Parametreleri"
    }
}

void OptionsDialog::fill() {
    ui_->sabahMinutes->setText(QString::number(settings_.sabahEzanMinutes));
    ui_->reminderMinutes->setText(QString::number(settings_.reminderMinutes));
    ui_->cumaSalaMinutes->setText(QString::number(settings_.cumaSalaMinutes));
    ui_->sahurSalaMinutes->setText(QString::number(settings_.sahurSalaMinutes));
    showSabahChoice();
    for (const auto& [box, flag] : flagBoxes()) box->setChecked(settings_.*flag);
    ui_->cumaSalaMinutes->setEnabled(settings_.cumaSala);
    ui_->sahurSalaMinutes->setEnabled(settings_.sahurSala);
}

void OptionsDialog::showSabahChoice() {
    ui_->sabahFromGunes->setChecked(!settings_.sabahEzanAtImsak);
    ui_->sabahAtImsak->setChecked(settings_.sabahEzanAtImsak);
    ui_->sabahMinutes->setEnabled(!settings_.sabahEzanAtImsak);
}

void OptionsDialog::save() {
    const FieldReader read = focusingFieldReader([this](Field field) { return edit(field); });
    if (storeOptionMinutes(read, settings_)) {
        signalFailure(ui_->saveButton);
        return;
    }
    if (salaFileNeeded(settings_) && !host_.salaFilePresent()) offerSalaFile();
    accept();
}

// Asks whether to fetch the missing salâ sound and fetches it. A build
// without a download address cannot, so it only says the file is missing.
void OptionsDialog::offerSalaFile() {
    const QString missing = QStringLiteral("Salâ dosyası bulunamadı...\n");
    const QUrl base = host_.salaDownloadAddress();
    if (base.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Orvanta"), missing);
        return;
    }
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Orvanta"), QStringLiteral("Salâ dosyası (sala.wav) yüklü değil.\nŞimdi yüklemek ister misiniz?\n"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) return;
    ui_->saveButton->setText(QStringLiteral("Yüklüyor..."));
    ui_->saveButton->setEnabled(false);
    ui_->cancelButton->setEnabled(false);
    QUrl address = base;
    address.setPath(address.path() + QLatin1String(kSalaDownloadPath));
    const DownloadResult result = downloadFile(address, host_.salaDownloadTarget(), kWaveStart, stallTimeoutMs_);
    if (!result.ok) {
        qWarning("salâ download from %s failed: %s", qPrintable(address.toString()), qPrintable(result.detail));
        QMessageBox::warning(this, QStringLiteral("Orvanta"), missing);
    }
}

}  // namespace orvanta::settings
