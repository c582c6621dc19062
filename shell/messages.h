// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the program's event windows and balloons.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::shell {

// The ezan box: the slot's name ("ÖĞLE") in the call to prayer's text.
std::string ezanMessage(std::string_view slotName);
// The balloon that stands in for the ezan box.
inline constexpr std::string_view kEzanBalloonText = "Ezan Vakti...";

// The reminder dialog's text and, in balloon mode, the balloon's text.
std::string reminderDialogText(std::string_view prayerName, std::int32_t reminderMinutes);
std::string reminderBalloonText(std::string_view prayerName, std::int32_t reminderMinutes);
inline constexpr std::string_view kReminderBalloonTitle = "Lütfen namazınızı kılınız...";
inline constexpr std::string_view kReminderButtonTooltip = "Buton metnini INI dosyasından değiştirebilirsiniz.";
// The title of a warning's balloon.
inline constexpr std::string_view kWarningBalloonTitle = "Hatırlatıcı";

// Titles of the program's windows.
inline constexpr std::string_view kEventWindowTitle = "Orvanta";
inline constexpr std::string_view kErrorTitle = "Hata";

// A sound file the desktop could not open.
std::string cannotRunMessage(std::string_view file);
// The relay's port could not be opened: "COM3 açılamıyor..." for port
// number 3, or the device path when the settings name one.
std::string relayPortMessage(std::int32_t portNumber, std::string_view devicePath);

}  // namespace orvanta::shell
