#include "shell/messages.h"

#include <cstdio>

namespace orvanta::shell {

namespace {

std::string withNameAndMinutes(const char* format, std::string_view name, std::int32_t minutes) {
    char text[256];
    std::snprintf(text, sizeof text, format, std::string(name).c_str(), static_cast<int>(minutes));
    return text;
}

}  // namespace

std::string ezanMessage(std::string_view slotName) {
    char text[1024];
    std::snprintf(text, sizeof text,
                  "\n\t%s EZANI VAKTİ...\n\nKıyamete kadar devam edecek olan namazın\nve şu en mükemmel davetin "
                  "Rabbi olan Allah'ım;\n\nMuhammed aleyhissalâtü vesselam'a cennette en yüksek makam olan "
                  "Vesile'yi,\nbütün mahlukat üstünde bir mertebe olan Fazilet'i ve en yüce dereceyi ver\nve onu "
                  "vaadettiğin Makam-ı Mahmud'a ulaştır.\n\nŞüphesiz sen vaadinden dönmezsin. Amin...\n",
                  std::string(slotName).c_str());
    return text;
}

std::string reminderDialogText(std::string_view prayerName, std::int32_t reminderMinutes) {
    return withNameAndMinutes("%s vaktinin çıkmasına %d dakika kaldı!\n\nLütfen namazınızı kılınız...", prayerName,
                              reminderMinutes);
}

std::string reminderBalloonText(std::string_view prayerName, std::int32_t reminderMinutes) {
    return withNameAndMinutes("%s vaktinin çıkmasına %d dakika kaldı!", prayerName, reminderMinutes);
}

std::string cannotRunMessage(std::string_view file) { return std::string(file) + "\nçalıştırılamıyor..."; }

std::string relayPortMessage(std::int32_t portNumber, std::string_view devicePath) {
    const std::string port = devicePath.empty() ? "COM" + std::to_string(portNumber) : std::string(devicePath);
    return port + " açılamıyor...";
}

}  // namespace orvanta::shell
