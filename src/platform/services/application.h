// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QApplication;

namespace tarvo::platform {

// The program: the toolkit's application object and its single event thread.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the start-up code, then the event loop until the program ends; returns the exit status.
    int run(void (*startUp)());

private:
    std::unique_ptr<QApplication> app_;
};

// The name the program shows in message boxes.
const char* applicationTitle() noexcept;

// End: unloads every form, runs no further handler and leaves the event loop with the given status.
void endProgram(int exitStatus = 0);

// True once End has run or a run-time error is being reported.
bool programEnding() noexcept;
int exitStatus() noexcept;

// Stops every further handler at once, ahead of End.
void haltHandlers() noexcept;

// Test hook: lets handlers run again after End, for the next test.
void resetProgramEndForTest() noexcept;

}  // namespace tarvo::platform
