// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's file dialogs, behind an interface so tests can answer in
// the dialog's place.
#pragma once

#include <functional>
#include <string>

namespace orvanta::platform {

class FileChooser {
public:
    // The chosen file's full path, or an empty text when the user
    // cancelled.
    using Answer = std::function<void(const std::string& path)>;
    virtual ~FileChooser() = default;
    // filters: "Name (*.ext *.EXT);;Other (*)". initialPath: the file
    // proposed, or a folder to start in. Both return at once, the dialog on
    // screen blocking nothing; the answer comes when it is closed.
    virtual void fileToOpen(const std::string& title, const std::string& initialPath, const std::string& filters,
                            Answer answer) = 0;
    // Asks before an existing file is chosen to be replaced.
    virtual void fileToSave(const std::string& title, const std::string& initialPath, const std::string& filters,
                            Answer answer) = 0;
};

}  // namespace orvanta::platform
