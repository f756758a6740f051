// SPDX-License-Identifier: MIT
#pragma once

#include "support/board.h"

#include <QObject>

namespace tarvo::testing {

// The fixture of the suites that play the board: each test starts a fresh board with a known
// code and a clock that stands still unless the test moves it, and ends with every window closed.
class BoardTest : public QObject {
    Q_OBJECT
public:
    explicit BoardTest(const char* code = "1234") : code_(code) {}

private slots:
    void init();
    void cleanup();

protected:
    FixedGame game_;

private:
    const char* code_;
};

}  // namespace tarvo::testing
