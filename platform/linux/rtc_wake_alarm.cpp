// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/rtc_wake_alarm.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace orvanta::platform {

RtcWakeAlarm::RtcWakeAlarm(std::filesystem::path alarmFile) : file_(std::move(alarmFile)) {}

bool RtcWakeAlarm::write(const std::string& text) {
    const int fd = ::open(file_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == EACCES || errno == EPERM || errno == EROFS) supported_ = false;
        return false;
    }
    const ssize_t written = ::write(fd, text.data(), text.size());
    ::close(fd);
    return written == static_cast<ssize_t>(text.size());
}

WakeArmResult RtcWakeAlarm::arm(std::time_t utcSeconds) {
    if (!supported_) return WakeArmResult::NotSupported;
    if (armed_ == utcSeconds) return WakeArmResult::Armed;
    // "0" clears an alarm that is set; the kernel refuses to move one.
    const bool done = write("0") && write(std::to_string(static_cast<long long>(utcSeconds)));
    if (!supported_) return WakeArmResult::NotSupported;
    if (!done) {
        armed_.reset();
        return WakeArmResult::Failed;
    }
    armed_ = utcSeconds;
    return WakeArmResult::Armed;
}

void RtcWakeAlarm::cancel() {
    if (!armed_ || !supported_) return;
    write("0");
    armed_.reset();
}

}  // namespace orvanta::platform
