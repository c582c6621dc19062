// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/qt/imsakiye_pdf.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <fmt/format.h>

namespace orvanta::reports {

namespace {

using engine::VakitType;

// A4 with 10 mm margins: 190 mm for the twelve columns.
constexpr qreal kMarginMillimetres = 10.0;
constexpr int kPdfDotsPerInch = 300;
// The times in 10 pt bold, a line of them 6 mm high: a wall timetable is
// read from across the room.
constexpr int kTimePoints = 10;
constexpr const char* kFontFamily = "DejaVu Sans";
constexpr const char* kFridayShade = "#e8eef8";
constexpr const char* kReligiousShade = "#fbe3c8";

std::string escaped(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        default: html += c;
        }
    }
    return html;
}

std::string headerRow() {
    std::string row = R"(<thead><tr style="background-color:#d9d9d9;white-space:nowrap"><th width="10%">Gün</th><th width="18%">Hicri Tarih</th>)";
    for (int t = static_cast<int>(VakitType::Imsak); t <= static_cast<int>(VakitType::Yatsi); ++t) {
        std::string title(engine::vakitTitles[static_cast<std::size_t>(t)]);
        if (const auto space = title.find(' '); space != std::string::npos) title.replace(space, 1, "<br>");
        row += R"(<th width="7.2%">)" + title + "</th>";
    }
    return row + "</tr></thead>";
}

std::string dayRow(const ImsakiyeDay& day) {
    const char* shade = !day.religiousDay.empty() ? kReligiousShade : day.isFriday() ? kFridayShade : nullptr;
    std::string row = shade != nullptr ? fmt::format(R"(<tr style="background-color:{}">)", shade) : "<tr>";
    const std::string weight = day.isFriday() || !day.religiousDay.empty() ? "font-weight:bold;" : "";
    row += fmt::format(R"(<td style="{}white-space:nowrap">{:02}.{:02} {}</td>)", weight, day.day, day.month,
                       engine::weekdayShortName(day.weekday));
    row += R"(<td style="font-size:8pt;white-space:nowrap">)" + escaped(day.hijriDate);
    if (!day.religiousDay.empty()) row += R"(<br><b style="font-size:7pt">)" + escaped(day.religiousDay) + "</b>";
    row += "</td>";
    for (const std::uint16_t minutes : day.times) {
        row += fmt::format(R"(<td align="center" style="font-size:{}pt;font-weight:bold;white-space:nowrap">{:02}:{:02}</td>)",
                           kTimePoints, minutes / 60, minutes % 60);
    }
    return row + "</tr>";
}

std::string pageHtml(const Imsakiye& imsakiye, const ImsakiyePage& page, bool first) {
    std::string html = fmt::format(R"(<h1 style="font-size:18pt;margin:0{}">İmsakiye — {}</h1>)",
                                   first ? "" : ";page-break-before:always", escaped(page.title));
    html += fmt::format(R"(<p style="font-size:10pt;margin-top:4px;margin-bottom:6px"><b>{}</b> · {}<br>{}</p>)",
                        escaped(imsakiye.place), escaped(imsakiye.clock), escaped(imsakiye.method));
    html += R"(<table width="100%" border="1" cellspacing="0" cellpadding="3" style="border-collapse:collapse;font-size:9pt">)";
    html += headerRow();
    for (const ImsakiyeDay& day : page.days) html += dayRow(day);
    html += "</table>";
    html += fmt::format(R"(<p style="font-size:8pt">Cumalar <span style="background-color:{}">mavi</span>, dini günler )"
                        R"(<span style="background-color:{}">turuncu</span> zeminde. Orvanta</p>)",
                        kFridayShade, kReligiousShade);
    return html;
}

}  // namespace

std::string imsakiyeHtml(const Imsakiye& imsakiye) {
    std::string html = "<html><body>";
    for (std::size_t i = 0; i < imsakiye.pages.size(); ++i) html += pageHtml(imsakiye, imsakiye.pages[i], i == 0);
    return html + "</body></html>";
}

std::optional<std::string> writeImsakiyePdf(const Imsakiye& imsakiye, const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    QSaveFile output(path);
    const QString failure = QStringLiteral("İmsakiye yazılamadı:\n%1").arg(path);
    if (!output.open(QIODevice::WriteOnly)) return failure.toStdString();
    {
        QPdfWriter writer(&output);
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                                   kMarginMillimetres),
                                         QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString("İmsakiye — " + imsakiye.place));
        writer.setCreator(QStringLiteral("Orvanta"));
        QTextDocument document;
        // Laid out in the writer's own dots, so points are the paper's
        // points and the pages are the writer's pages.
        document.documentLayout()->setPaintDevice(&writer);
        document.setPageSize(QSizeF(writer.width(), writer.height()));
        document.setDocumentMargin(0);
        document.setDefaultFont(QFont(QString::fromLatin1(kFontFamily)));
        document.setHtml(QString::fromStdString(imsakiyeHtml(imsakiye)));
        document.print(&writer);
    }
    if (!output.commit()) return failure.toStdString();
    return std::nullopt;
}

std::optional<std::string> printImsakiye(const engine::Engine& engine, const settings::Settings& settings,
                                         const platform::SystemZone& zone, ImsakiyeKind kind, int year, int month,
                                         const std::filesystem::path& folder, ReportViewer& viewer) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const auto file = folder / imsakiyeFileName(kind, settings.placeName, year, month, "pdf");
    if (auto failure = writeImsakiyePdf(buildImsakiye(engine, settings, zone, kind, year, month), file)) return failure;
    viewer.open(file);
    return std::nullopt;
}

}  // namespace orvanta::reports
