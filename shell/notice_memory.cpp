// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notice_memory.h"

#include "settings/keys.h"

namespace orvanta::shell {

namespace {
// "dd/mm/yyyy" and a terminating zero: the size of the stored date.
constexpr std::size_t kDateBuffer = 11;
}  // namespace

std::string IniNoticeMemory::lastNoticeDate() {
    return file_.readString(settings::keys::kOptionsSection, settings::keys::kLastReligiousDay, "", kDateBuffer);
}

void IniNoticeMemory::rememberNoticeDate(const std::string& date) {
    (void)file_.writeString(settings::keys::kOptionsSection, settings::keys::kLastReligiousDay, date);
}

}  // namespace orvanta::shell
