// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/accessibility/accessible_text_box.hpp"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QList>
#include <QLocale>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>

namespace ui {
namespace {

// Offsets an assistive tool may pass instead of a position (as IAccessible2 defines them).
constexpr int kOffsetOfEnd = -1;
constexpr int kOffsetOfCaret = -2;

struct Segment {
    int start = 0;
    int end = 0;
};

// The text cut into pieces of one boundary type, in order, covering it without gaps. A one-line
// box has one line and one paragraph.
QList<Segment> segmentsOf(const QString& text, QAccessible::TextBoundaryType type) {
    const int length = static_cast<int>(text.size());
    QList<Segment> segments;
    if (length == 0) {
        return segments;
    }
    std::optional<QTextBoundaryFinder::BoundaryType> finderType;
    switch (type) {
        case QAccessible::CharBoundary:
            finderType = QTextBoundaryFinder::Grapheme;
            break;
        case QAccessible::WordBoundary:
            finderType = QTextBoundaryFinder::Word;
            break;
        case QAccessible::SentenceBoundary:
            finderType = QTextBoundaryFinder::Sentence;
            break;
        case QAccessible::ParagraphBoundary:
        case QAccessible::LineBoundary:
        case QAccessible::NoBoundary:
            break;
    }
    if (!finderType) {
        segments.append({0, length});
        return segments;
    }
    // Walks forward only, and toNextBoundary() ends at -1 past the last boundary, so the loop
    // ends on every text. Breaks without a start or end of an item (between two blanks) are not
    // ends of a piece.
    QTextBoundaryFinder finder(*finderType, text);
    int start = 0;
    for (qsizetype position = finder.toNextBoundary(); position > 0 && position <= length;
         position = finder.toNextBoundary()) {
        const auto reasons = finder.boundaryReasons();
        const bool endsPiece =
            (reasons & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)) != 0U;
        if (endsPiece || position == length) {
            segments.append({start, static_cast<int>(position)});
            start = static_cast<int>(position);
        }
        if (position == length) {
            break;
        }
    }
    if (start < length) {
        segments.append({start, length});
    }
    return segments;
}

// One-line text boxes as assistive tools read and edit them.
class AccessibleTextBox final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
  public:
    explicit AccessibleTextBox(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(QString)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value) {
            return shownText();
        }
        QString text = QAccessibleWidget::text(type);
        if (text.isEmpty() && type == QAccessible::Description) {
            text = box()->placeholderText();
        }
        return text;
    }

    void setText(QAccessible::Text type, const QString& text) override {
        if (type == QAccessible::Value) {
            replaceText(0, characterCount(), text);
        } else {
            QAccessibleWidget::setText(type, text);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface

    QString text(int startOffset, int endOffset) const override {
        const QString shown = shownText();
        const int start = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
        const int end = endOffset < 0
                            ? static_cast<int>(shown.size())
                            : std::clamp(endOffset, start, static_cast<int>(shown.size()));
        return shown.mid(start, end - start);
    }

    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = static_cast<int>(box()->selectionStart());
            *endOffset = *startOffset + static_cast<int>(box()->selectionLength());
        }
    }

    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }

    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            box()->setSelection(startOffset, endOffset - startOffset);
        }
    }

    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            box()->deselect();
        }
    }

    // A position in a text of this length for an offset that may name the end or the caret.
    int positionOf(int offset, int length) const {
        if (offset == kOffsetOfCaret) {
            return cursorPosition();
        }
        return offset == kOffsetOfEnd ? length : offset;
    }

    // The box shows one font, so one run covers the whole text: a screen reader that trusted
    // a shorter run would speak "10" as "1". An empty text has the run 0..0.
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        const int length = characterCount();
        offset = positionOf(offset, length);
        if (offset < 0 || offset > length) {
            *startOffset = *endOffset = -1;
            return {};
        }
        *startOffset = 0;
        *endOffset = length;
        const QFont font = box()->font();
        // The bridge splits at ';' and ':' and fails on an empty value: every value is set.
        QString attributes = QStringLiteral("font-family:%1;font-size:%2pt;")
                                 .arg(font.family())
                                 .arg(font.pointSizeF());
        if (font.bold()) {
            attributes += QStringLiteral("font-weight:bold;");
        }
        return attributes + QStringLiteral("language:%1;").arg(widget()->locale().bcp47Name());
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        return piece(offset, type, 0, startOffset, endOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override {
        return piece(offset, type, -1, startOffset, endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override {
        return piece(offset, type, 1, startOffset, endOffset);
    }

    QRect characterRect(int offset) const override {
        const QString shown = shownText();
        if (offset < 0 || offset >= shown.size()) {
            return {};
        }
        // Measured from the caret, the one position the box tells its place of.
        const QRectF caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
        const QFontMetrics metrics(box()->font());
        const int caretOffset = cursorPosition();
        const int fromCaret =
            offset >= caretOffset
                ? metrics.horizontalAdvance(shown.mid(caretOffset, offset - caretOffset))
                : -metrics.horizontalAdvance(shown.mid(offset, caretOffset - offset));
        const QRect rect(static_cast<int>(caret.center().x()) + fromCaret,
                         static_cast<int>(caret.top()),
                         metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
        return {box()->mapToGlobal(rect.topLeft()), rect.size()};
    }

    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = box()->mapFromGlobal(point);
        if (!box()->rect().contains(local)) {
            return -1;
        }
        return box()->cursorPositionAt(local);
    }

    void scrollToSubstring(int startIndex, int endIndex) override {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    // QAccessibleEditableTextInterface: an edit goes through the box as a paste would, so the
    // box's limits and undo apply and its change signals reach the program. A read-only box
    // refuses every edit.

    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, QString());
    }

    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }

    void replaceText(int startOffset, int endOffset, const QString& text) override {
        QLineEdit* line = box();
        if (line->isReadOnly() || !line->isEnabled()) {
            return;
        }
        const int length = characterCount();
        const int start = std::clamp(startOffset, 0, length);
        const int end = endOffset < 0 ? length : std::clamp(endOffset, start, length);
        if (start == end && text.isEmpty()) {
            return;
        }
        line->setSelection(start, end - start);
        line->insert(text);
    }

  private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    // What the box lets be read: a password box shows nothing.
    QString shownText() const {
        return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString();
    }

    // The piece at the offset, or the one before (step -1) or after it (step 1). An offset at
    // the end of the text stands in the last word, sentence or line, as a caret after the last
    // digit does, but after the last character. Offsets outside the text give nothing, at -1.
    QString piece(int offset, QAccessible::TextBoundaryType type, int step, int* startOffset,
                  int* endOffset) const {
        const QString shown = shownText();
        const int length = static_cast<int>(shown.size());
        offset = positionOf(offset, length);
        *startOffset = *endOffset = -1;
        if (offset < 0 || offset > length) {
            return {};
        }
        const QList<Segment> segments = segmentsOf(shown, type);
        const auto count = static_cast<int>(segments.size());
        int index = count;
        if (offset == length) {
            if (type != QAccessible::CharBoundary && count > 0) {
                index = count - 1;
            }
        } else {
            index = static_cast<int>(
                std::find_if(segments.cbegin(), segments.cend(),
                             [offset](const Segment& s) { return offset < s.end; }) -
                segments.cbegin());
        }
        index += step;
        if (index < 0) {
            *startOffset = *endOffset = 0;
            return {};
        }
        if (index >= count) {
            *startOffset = *endOffset = length;
            return {};
        }
        *startOffset = segments.at(index).start;
        *endOffset = segments.at(index).end;
        return shown.mid(*startOffset, *endOffset - *startOffset);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        if (auto* box = qobject_cast<QLineEdit*>(object)) {
            return new AccessibleTextBox(box);
        }
    }
    // Qt gives a window made of a plain QWidget the role of a client area, so screen readers
    // meet no frame and place nothing relative to the window.
    if (className == QLatin1String("QWidget") && object->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(object);
        if (widget->windowType() == Qt::Window) {
            return new QAccessibleWidget(widget, QAccessible::Window);
        }
    }
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    QAccessible::installFactory(factory);
}

}  // namespace ui
