// SPDX-License-Identifier: MIT
#include "ui/about.h"

#include "platform/services/translation.h"
#include "ui/over_board.h"

#include <string>

namespace tarvo {

using namespace platform;

namespace {

constexpr ControlLook kText{.font = {"Verdana", 8.25, false}};

struct AboutLine {
    const char* name;
    TwipsRect rect;
    Text caption;
    int blanksAfter = 0;  // part of the caption, unseen, kept out of the translators' texts
};

// In tab order; the left column names the values on the right, which are the same in every
// language.
constexpr AboutLine kLinesBeforeOk[] = {
    {"Label1", {581, 120, 1455, 255}, TARVO_TEXT("About", "Author")},
    {"Label2", {581, 1200, 1455, 255}, TARVO_TEXT("About", "Created"), 15},
    {"Label3", {581, 840, 1455, 255}, TARVO_TEXT("About", "Version"), 16},
    {"Label4", {2388, 120, 2400, 255}, asItStands("The Tarvo project")},
    {"Label5", {2388, 1200, 2400, 255}, asItStands("16.02.2003.")},
    {"Label6", {2388, 840, 2400, 255}, asItStands("1.00")},
};
constexpr AboutLine kLinesAfterOk[] = {
    {"Label7", {581, 480, 1455, 255}, TARVO_TEXT("About", "E-Mail"), 1},
    {"Label8", {2388, 480, 2415, 255}, asItStands("tarvo@tarvo.example")},
};

}  // namespace

AboutWindow::AboutWindow() : Form(formOverBoard("Form2", "Tarvo", 5385, 2250)) {
    const auto addLine = [this](const AboutLine& line) {
        addLabel({.name = line.name,
                  .rect = line.rect,
                  .caption = translated(line.caption) + std::string(std::size_t(line.blanksAfter), ' '),
                  .look = kText});
    };
    for (const AboutLine& line : kLinesBeforeOk)
        addLine(line);
    Command1 = addCommandButton({.name = "Command1",
                                 .rect = {1965, 1680, 1455, 375},
                                 .caption = translated(TARVO_TEXT("About", "OK")),
                                 .look = {.mousePointer = MousePointer::PointingHand}});
    for (const AboutLine& line : kLinesAfterOk)
        addLine(line);

    Command1.onClick(Form2_Command1_Click);
    onClose(Form2_Command1_Click);
}

void aAbout_Click() { openOverBoard(Form2); }

void Form2_Command1_Click() { closeOverBoard(Form2); }

}  // namespace tarvo
