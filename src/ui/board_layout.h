// SPDX-License-Identifier: MIT
// The board window's layout at creation, in twips.
#pragma once

#include "platform/forms/form.h"

namespace tarvo::board_layout {

platform::FormSpec form();
// Where the line that a braille display shows stands: over the slots, which it speaks of.
platform::TwipsRect readingLine();

platform::LabelSpec codeLabel(int position);
platform::LabelSpec rowNumber(int row);
platform::LabelSpec slot(int row, int position);
platform::ImageSpec peg(int row, int position);
platform::LabelSpec tile(int digit);

platform::LabelSpec message();
platform::CommandButtonSpec showButton();
platform::TextBoxSpec clock();
platform::TimerSpec clockTimer();

}  // namespace tarvo::board_layout
