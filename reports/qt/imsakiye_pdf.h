// The imsakiye printed to an A4 PDF through Qt's text layout (QTextDocument)
// and PDF writer (QPdfWriter, which embeds the fonts it uses).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "reports/imsakiye.h"

namespace orvanta::reports {

// The imsakiye as the HTML that is laid out: one page per ImsakiyePage.
std::string imsakiyeHtml(const Imsakiye& imsakiye);

// Writes the PDF, replacing `file` whole or not at all; the Turkish message
// to show when it could not be written.
std::optional<std::string> writeImsakiyePdf(const Imsakiye& imsakiye, const std::filesystem::path& file);

}  // namespace orvanta::reports
