// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF side of orvanta-cli report, in the helper orvanta-report-pdf:
// Qt's text layout needs a GUI application object (on the offscreen
// platform, so no display is needed).
#include <QGuiApplication>
#include <memory>
#include <ostream>

#include "reports/qt/imsakiye_pdf.h"
#include "tools/cli/cli.h"
#include "tools/cli/report_command.h"

namespace orvanta::cli {

namespace {

std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvanta-report-pdf";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

reports::ImsakiyeKind kindOf(const std::string& kind) {
    if (kind == "yearly") return reports::ImsakiyeKind::Year;
    if (kind == "ramadan") return reports::ImsakiyeKind::Ramadan;
    return reports::ImsakiyeKind::Month;
}

}  // namespace

int runReportPdf(std::span<const std::string> args, std::ostream& /*out*/) {
    const ReportRequest request = reportRequest(args);
    if (!request.pdf) throw UsageError("--format: the helper writes pdf only");
    const auto application = ensureGuiApplication();
    const reports::Imsakiye imsakiye = reports::buildImsakiye(request.engine, request.settings, request.zone,
                                                              kindOf(request.kind), request.year, request.month);
    if (const auto failure = reports::writeImsakiyePdf(imsakiye, request.out)) {
        throw CommandFailure("orvanta-cli report: " + *failure + "\n");
    }
    return kExitOk;
}

}  // namespace orvanta::cli
