// SPDX-License-Identifier: GPL-3.0-or-later
// The imsakiye printed to an A4 PDF through Qt's text layout (QTextDocument)
// and PDF writer (QPdfWriter, which embeds the fonts it uses).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "reports/imsakiye.h"
#include "reports/reports.h"

namespace orvanta::reports {

// The imsakiye as the HTML that is laid out: one page per ImsakiyePage.
std::string imsakiyeHtml(const Imsakiye& imsakiye);

// Writes the PDF, replacing `file` whole or not at all; the Turkish message
// to show when it could not be written.
std::optional<std::string> writeImsakiyePdf(const Imsakiye& imsakiye, const std::filesystem::path& file);

// The desktop's command: the imsakiye of the kind for the month or year of
// (year, month), saved as imsakiyeFileName(...) in `folder` (made when
// missing) and handed to the viewer; the Turkish message when it was not.
std::optional<std::string> printImsakiye(const engine::Engine& engine, const settings::Settings& settings,
                                         const platform::SystemZone& zone, ImsakiyeKind kind, int year, int month,
                                         const std::filesystem::path& folder, ReportViewer& viewer);

}  // namespace orvanta::reports
