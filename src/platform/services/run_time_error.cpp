// SPDX-License-Identifier: MIT
#include "platform/services/run_time_error.h"

#include "platform/services/application.h"
#include "platform/services/translation.h"

#include <QMessageBox>

#include <cstdio>

namespace tarvo::platform {

namespace {
RunTimeErrorReporter testReporter = nullptr;

void reportToPlayer(const RunTimeError& error) {
    const std::string text = runTimeErrorReport(error);
    std::fprintf(stderr, "tarvo: %s\n", text.c_str());
    std::fflush(stderr);
    QMessageBox::critical(nullptr, QString::fromUtf8(applicationTitle()), QString::fromStdString(text));
}
}  // namespace

RunTimeError::RunTimeError(std::string operation, std::string detail)
    : std::runtime_error(operation + ": " + detail),
      operation_(std::move(operation)),
      detail_(std::move(detail)) {}

std::string runTimeErrorReport(const RunTimeError& error) {
    return translated(TARVO_TEXT("Errors", "Run-time error in \"%1\": %2"),
                      {error.operation(), error.detail()});
}

void setRunTimeErrorReporter(RunTimeErrorReporter reporter) { testReporter = reporter; }

namespace detail {

bool handlersHalted() noexcept { return programEnding(); }

void raise(const RunTimeError& error) noexcept {
    if (testReporter) {
        testReporter(error);
        return;
    }
    // The box runs an event loop of its own: nothing of the game may run under it.
    haltHandlers();
    reportToPlayer(error);
    endProgram(1);
}

void raiseUnexpected(const char* what) noexcept { raise(RunTimeError("Internal error", what)); }

}  // namespace detail
}  // namespace tarvo::platform
