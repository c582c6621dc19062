// SPDX-License-Identifier: GPL-3.0-or-later
// The date of the last religious-day notice, kept in the settings
// ("Son Dini Gün", written to the file as it changes), or in memory where
// nothing may be written.
#pragma once

#include <string>

#include "settings/ini_file.h"
#include "settings/settings.h"
#include "shell/scheduler.h"

namespace orvanta::shell {

class SettingsNoticeMemory : public NoticeMemory {
public:
    SettingsNoticeMemory(settings::Settings& settings, settings::IniFile& file) : settings_(settings), file_(file) {}
    std::string lastNoticeDate() override { return settings_.lastNoticeDate; }
    // A failed write is ignored here: the notice was given, and at worst it
    // is given once more after a restart.
    void rememberNoticeDate(const std::string& date) override;

private:
    settings::Settings& settings_;
    settings::IniFile& file_;
};

class InMemoryNoticeMemory : public NoticeMemory {
public:
    std::string lastNoticeDate() override { return date_; }
    void rememberNoticeDate(const std::string& date) override { date_ = date; }

private:
    std::string date_;
};

}  // namespace orvanta::shell
