// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notice_memory.h"

#include "settings/settings_file.h"

namespace orvanta::shell {

void SettingsNoticeMemory::rememberNoticeDate(const std::string& date) {
    settings_.lastNoticeDate = date;
    (void)settings::saveChoice(file_, settings_, &settings::Settings::lastNoticeDate);
}

}  // namespace orvanta::shell
