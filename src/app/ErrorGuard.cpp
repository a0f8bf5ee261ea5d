#include "app/ErrorGuard.h"

#include "app/SystemInformation.h"
#include "errors/DetailedReport.h"
#include "errors/VerboseError.h"
#include "resources/Strings.h"

namespace {

constexpr uint32_t sorryPrefixText = 26;
constexpr uint32_t unknownErrorTextId = 27;

std::string silentEndText(const std::exception& error) {
    return std::string("ended without a report: ") + error.what();
}

} // namespace

std::string sorryText(const std::exception& error) {
    return Resources::loadString(sorryPrefixText) + error.what() + ".";
}

std::string unknownErrorText() {
    return Resources::loadString(unknownErrorTextId);
}

ErrorGuard::ErrorGuard(Reporter& reporter, GraphicsProbe probeDirectX, SilentErrorTest isSilent)
    : reporter_(reporter), probeDirectX_(std::move(probeDirectX)), isSilent_(std::move(isSilent)) {}

int ErrorGuard::run(const std::function<void()>& work) {
    try {
        work();
        return exitSuccess;
    } catch (...) {
        report(std::current_exception());
        return exitFailure;
    }
}

void ErrorGuard::report(const std::exception_ptr& error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& standardError) {
        try {
            reportStandardError(standardError);
        } catch (...) {
            reportPlainly(standardError.what());
        }
    } catch (...) {
        try {
            reporter_.showError(productCaption_, unknownErrorText());
        } catch (...) {
            reportPlainly("Unknown internal error.");
        }
    }
}

void ErrorGuard::reportStandardError(const std::exception& error) {
    if (isSilent_ && isSilent_(error)) {
        reporter_.noteSilentEnd(productCaption_, silentEndText(error));
        return;
    }
    if (const auto* verbose = dynamic_cast<const VerboseError*>(&error)) {
        const GraphicsVersion version = probeDirectX_ ? probeDirectX_() : GraphicsVersion{};
        reporter_.showDetailedReport(
            productCaption_, verbose->what(),
            detailedReportText(*verbose, systemInformation(productCaption_, version)));
        return;
    }
    reporter_.showError(productCaption_, sorryText(error));
}

void ErrorGuard::reportPlainly(const std::string& text) noexcept {
    try {
        reporter_.showError(productCaption_, text);
    } catch (...) {
        // Nothing is left to tell the user with; the program ends as it would anyway.
    }
}
