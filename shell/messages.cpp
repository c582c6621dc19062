// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/messages.h"


#include <fmt/printf.h>

namespace orvanta::shell {

namespace {

std::string withNameAndMinutes(const char* format, std::string_view name, std::int32_t minutes) {
    return fmt::sprintf(format, name, minutes);
}

}  // namespace

std::string ezanMessage(std::string_view slotName) {
    return fmt::sprintf("\n\t%s EZANI VAKTİ...\n\nKıyamete kadar devam edecek olan namazın\nve şu en mükemmel davetin "
                  "Rabbi olan Allah'ım;\n\nMuhammed aleyhissalâtü vesselam'a cennette en yüksek makam olan "
                  "Vesile'yi,\nbütün mahlukat üstünde bir mertebe olan Fazilet'i ve en yüce dereceyi ver\nve onu "
                        "vaadettiğin Makam-ı Mahmud'a ulaştır.\n\nŞüphesiz sen vaadinden dönmezsin. Amin...\n",
                        slotName);
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
