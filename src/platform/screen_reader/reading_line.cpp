// SPDX-License-Identifier: MIT
#include "platform/screen_reader/reading_line.h"

#include "platform/controls/look.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvo::platform {

namespace {

// A text that is not edited, in a section: Orca brailles it as the text with the cursor cell at
// its caret, with no role or state words, and speaks it, with its role, only as it takes the focus.
class ReadingLineAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadingLineAccessible(ReadingLine* line) : QAccessibleWidget(line, QAccessible::Section) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override {
        return line()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(line()->text().size()); }
    int cursorPosition() const override { return line()->caret(); }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

    // The inherited text(QAccessible::Text) keeps its meaning beside the text interface's.
    using QAccessibleWidget::text;

private:
    ReadingLine* line() const { return static_cast<ReadingLine*>(widget()); }
};

}  // namespace

ReadingLine::ReadingLine(QWidget* parent) : QWidget(parent) {
    useAccessible<ReadingLine, ReadingLineAccessible>();
    setObjectName(QStringLiteral("ReadingLine"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ReadingLine::setLine(const QString& text, int caret) {
    text_ = text;
    caret_ = caret;
}

// Orca rebuilds the focused object's line from its live text on an insertion, and speaks what
// was inserted only after a key with Ctrl (as the one that silences it): blanks then, which sound
// like nothing. The toolkit sends no insertion of nothing.
void ReadingLine::showAnew() {
    QAccessibleTextInsertEvent inserted(this, 0, QStringLiteral("  "));
    QAccessible::updateAccessibility(&inserted);
}

}  // namespace tarvo::platform
