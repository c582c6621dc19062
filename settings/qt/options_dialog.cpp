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

// Help balloons, in the order they are attached.
const std::vector<std::pair<int, QString>>& helpTexts() {
    static const std::vector<std::pair<int, QString>> texts{
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

// Each check box and the flag it mirrors.
struct FlagBox {
    int id;
    bool Settings::*flag;
};
constexpr FlagBox kFlagBoxes[] = {
    {control::kReminderOn, &Settings::reminderOn},           {control::kSalaBeforeEnd, &Settings::salaBeforeEnd},
    {control::kCumaSala, &Settings::cumaSala},               {control::kSahurSala, &Settings::sahurSala},
    {control::kIkindiAtAsrSani, &Settings::ikindiAtAsrSani}, {control::kRemainingToAnyTime, &Settings::remainingToAnyTime},
    {control::kAutoCorrectClock, &Settings::autoCorrectClock}, {control::kAutostart, &Settings::autostart}};
constexpr int kMinuteCharacters = 3;
// The salâ sound's path on the download server, and what a WAV file begins with.
constexpr char kSalaDownloadPath[] = "/orvanta/ezan/sala.wav";
const QByteArray kWaveStart = QByteArrayLiteral("RIFF");

}  // namespace

OptionsDialog::OptionsDialog(Settings& settings, OptionsHost& host, QWidget* parent)
    : QDialog(parent), settings_(settings), host_(host), ui_(std::make_unique<Ui::SettingsDlg>()) {
    ui_->setupUi(this);
    for (const auto& [id, text] : helpTexts()) attachTooltip(this, id, text);
    for (int id : {control::kSabahMinutes, control::kReminderMinutes, control::kCumaSalaMinutes,
                   control::kSahurSalaMinutes}) {
        fitToCharacters(static_cast<QLineEdit*>(control(id)), kMinuteCharacters);
    }
    connect(ui_->sabahFromGunes, &QRadioButton::clicked, this, [this] {
        settings_.sabahEzanAtImsak = false;
        showSabahChoice();
    });
    connect(ui_->sabahAtImsak, &QRadioButton::clicked, this, [this] {
        settings_.sabahEzanAtImsak = true;
        showSabahChoice();
    });
    for (const FlagBox& box : kFlagBoxes) {
        connect(static_cast<QCheckBox*>(control(box.id)), &QCheckBox::clicked, this, [this, box](bool on) {
            settings_.*box.flag = on;
            control(control::kCumaSalaMinutes)->setEnabled(settings_.cumaSala);
            control(control::kSahurSalaMinutes)->setEnabled(settings_.sahurSala);
            if (box.id == control::kAutoCorrectClock && on) host_.correctClockSilently();
        });
    }
    connect(ui_->saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    fill();
}

OptionsDialog::~OptionsDialog() = default;

QWidget* OptionsDialog::control(int id) const { return findControl(this, id); }

void OptionsDialog::fill() {
    const auto setNumber = [this](int id, std::int32_t value) {
        static_cast<QLineEdit*>(control(id))->setText(QString::number(value));
    };
    setNumber(control::kSabahMinutes, settings_.sabahEzanMinutes);
    setNumber(control::kReminderMinutes, settings_.reminderMinutes);
    setNumber(control::kCumaSalaMinutes, settings_.cumaSalaMinutes);
    setNumber(control::kSahurSalaMinutes, settings_.sahurSalaMinutes);
    showSabahChoice();
    for (const FlagBox& box : kFlagBoxes) static_cast<QCheckBox*>(control(box.id))->setChecked(settings_.*box.flag);
    control(control::kCumaSalaMinutes)->setEnabled(settings_.cumaSala);
    control(control::kSahurSalaMinutes)->setEnabled(settings_.sahurSala);
}

void OptionsDialog::showSabahChoice() {
    ui_->sabahFromGunes->setChecked(!settings_.sabahEzanAtImsak);
    ui_->sabahAtImsak->setChecked(settings_.sabahEzanAtImsak);
    control(control::kSabahMinutes)->setEnabled(!settings_.sabahEzanAtImsak);
}

void OptionsDialog::save() {
    const FieldReader read = focusingFieldReader(this);
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
