// The text of the program's own text box: GBK bytes with a caret, a selection and one level
// of undo. Positions are byte offsets from 0 and always stand on a character boundary under
// the character-wise rule of the text model: a byte 0x80..0xFF and the byte after it are one
// character, and CR LF counts as one step for the caret.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

#include "text/gbk_text.h"

// Where the text changed: [start, start + oldLength) of the old text became
// [start, start + newLength) of the new one.
struct TextChange {
    std::size_t start = 0;
    std::size_t oldLength = 0;
    std::size_t newLength = 0;
    bool Changed() const { return oldLength != 0 || newLength != 0; }
};

// The pinyin letters of row A8 (ā..ɡ) are letters like a..z: words are not broken around them.
inline bool IsPinyinLetter(unsigned char lead, unsigned char trail) {
    return lead == 0xA8 && trail >= 0xA1 && trail <= 0xC0;
}

// The start of the character before pos (pos itself a boundary); CR LF is stepped over whole.
std::size_t PreviousCharStart(std::string_view text, std::size_t pos);
// The boundary after the character at pos; CR LF is stepped over whole.
std::size_t NextCharStart(std::string_view text, std::size_t pos);
// Word steps of Ctrl+Left and Ctrl+Right: a run of single-byte letters and digits, or one
// two-byte character, is a word; blanks after a word belong to it.
std::size_t PreviousWordStart(std::string_view text, std::size_t pos);
std::size_t NextWordStart(std::string_view text, std::size_t pos);
// The word at pos, for a double-click: [first, second).
std::pair<std::size_t, std::size_t> WordAround(std::string_view text, std::size_t pos);

class TextBuffer {
public:
    const GbkText& Text() const { return text_; }
    std::size_t Size() const { return text_.size(); }

    // The anchor is where a selection began, the caret where it ends; equal when nothing is selected.
    std::size_t Anchor() const { return anchor_; }
    std::size_t Caret() const { return caret_; }
    std::size_t SelectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    std::size_t SelectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool HasSelection() const { return anchor_ != caret_; }
    std::string_view SelectedText() const;

    // A new text with the caret at its start and the undo level cleared.
    TextChange SetText(GbkText text);
    // Both ends are clamped to the text and moved back to the start of their character.
    void Select(std::size_t anchor, std::size_t caret);
    void MoveCaret(std::size_t caret, bool extend) { Select(extend ? anchor_ : caret, caret); }

    // Limit in bytes for what the user types or pastes; inserted text is cut to fit, on a
    // character boundary.
    void SetLimit(std::size_t limit) { limit_ = limit; }
    std::size_t Limit() const { return limit_; }

    // Typing, pasting and EM_REPLACESEL: the selection is replaced, the caret after the new text;
    // a final byte 0x80..0xFF without partner is dropped. Typed characters in a row make one
    // step of undo. *cut tells whether the limit cut the text.
    TextChange ReplaceSelection(std::string_view text, bool typed = false, bool* cut = nullptr);
    // Backspace and Delete: the selection, else the character before or after the caret.
    TextChange DeleteBackward();
    TextChange DeleteForward();

    bool CanUndo() const { return undo_.kind != EditKind::None; }
    // Swaps the text back to what it was before the last step; a second undo redoes it.
    TextChange Undo();
    void ClearUndo() { undo_ = {}; }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

private:
    enum class EditKind { None, Typing, Backspace, Delete, Other };
    // Undoing puts removed back at pos in place of the insertedLength bytes there.
    struct UndoStep {
        EditKind kind = EditKind::None;
        std::size_t pos = 0;
        std::size_t insertedLength = 0;
        GbkText removed;
    };

    TextChange Replace(std::size_t start, std::size_t end, std::string_view text, EditKind kind);

    GbkText text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t limit_ = 0x7FFFFFFE;
    UndoStep undo_;
    bool modified_ = false;
};
