// SPDX-License-Identifier: GPL-3.0-or-later
// The date of the last religious-day notice, kept in the settings file
// under "Son Dini Gün", or in memory where nothing may be written.
#pragma once

#include <string>

#include "settings/ini_file.h"
#include "shell/scheduler.h"

namespace orvanta::shell {

class IniNoticeMemory : public NoticeMemory {
public:
    explicit IniNoticeMemory(settings::IniFile& file) : file_(file) {}
    std::string lastNoticeDate() override;
    // A failed write is ignored here: the notice was given, and at worst it
    // is given once more after a restart.
    void rememberNoticeDate(const std::string& date) override;

private:
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
