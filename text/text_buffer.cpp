#include "text/text_buffer.h"

namespace {

bool IsCrLfAt(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && text[pos] == '\r' && text[pos + 1] == '\n';
}

enum class CharClass { Blank, Break, Word, Wide };

CharClass ClassAt(std::string_view text, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (CharWidthAt(text, pos) == 2) {
        return IsPinyinLetter(byte, static_cast<unsigned char>(text[pos + 1])) ? CharClass::Word : CharClass::Wide;
    }
    if (byte == '\r' || byte == '\n') return CharClass::Break;
    if (byte == ' ' || byte == '\t') return CharClass::Blank;
    return CharClass::Word;
}

// A caret never stands between CR and LF.
std::size_t CaretPosition(std::string_view text, std::size_t pos) {
    if (pos > text.size()) pos = text.size();
    pos = CharStartAtOrBefore(text, pos);
    if (pos > 0 && IsCrLfAt(text, pos - 1) && CharStartAtOrBefore(text, pos - 1) == pos - 1) --pos;
    return pos;
}

}  // namespace

std::size_t PreviousCharStart(std::string_view text, std::size_t pos) {
    if (pos == 0) return 0;
    if (pos > text.size()) return text.size();
    if (pos >= 2 && IsCrLfAt(text, pos - 2) && CharStartAtOrBefore(text, pos - 2) == pos - 2) return pos - 2;
    return CharStartAtOrBefore(text, pos - 1);
}

std::size_t NextCharStart(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    if (IsCrLfAt(text, pos)) return pos + 2;
    return pos + CharWidthAt(text, pos);
}

std::size_t NextWordStart(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    const CharClass first = ClassAt(text, pos);
    if (first == CharClass::Break) return NextCharStart(text, pos);
    if (first == CharClass::Wide) {
        pos = NextCharStart(text, pos);
    } else if (first == CharClass::Word) {
        while (pos < text.size() && ClassAt(text, pos) == CharClass::Word) pos = NextCharStart(text, pos);
    }
    while (pos < text.size() && ClassAt(text, pos) == CharClass::Blank) pos = NextCharStart(text, pos);
    return pos;
}

std::size_t PreviousWordStart(std::string_view text, std::size_t pos) {
    if (pos > text.size()) pos = text.size();
    std::size_t previous = PreviousCharStart(text, pos);
    while (pos > 0 && ClassAt(text, previous) == CharClass::Blank) {
        pos = previous;
        previous = PreviousCharStart(text, pos);
    }
    if (pos == 0) return 0;
    const CharClass kind = ClassAt(text, previous);
    if (kind != CharClass::Word) return previous;
    while (pos > 0 && ClassAt(text, previous) == CharClass::Word) {
        pos = previous;
        previous = PreviousCharStart(text, pos);
    }
    return pos;
}

std::pair<std::size_t, std::size_t> WordAround(std::string_view text, std::size_t pos) {
    pos = CaretPosition(text, pos);
    if (text.empty()) return {0, 0};
    if (pos == text.size()) pos = PreviousCharStart(text, pos);
    const CharClass kind = ClassAt(text, pos);
    if (kind == CharClass::Wide || kind == CharClass::Break) return {pos, NextCharStart(text, pos)};
    std::size_t first = pos;
    while (first > 0) {
        const std::size_t previous = PreviousCharStart(text, first);
        if (ClassAt(text, previous) != kind) break;
        first = previous;
    }
    std::size_t last = pos;
    while (last < text.size() && ClassAt(text, last) == kind) last = NextCharStart(text, last);
    return {first, last};
}

std::string_view TextBuffer::SelectedText() const {
    return std::string_view(text_).substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

TextChange TextBuffer::SetText(GbkText text) {
    const TextChange change{0, text_.size(), text.size()};
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    undo_ = {};
    modified_ = false;
    return change;
}

void TextBuffer::Select(std::size_t anchor, std::size_t caret) {
    anchor_ = CaretPosition(text_, anchor);
    caret_ = CaretPosition(text_, caret);
}

TextChange TextBuffer::ReplaceSelection(std::string_view text, bool typed, bool* cut) {
    // A text that ends in the first half of a two-byte character (another program's bytes on
    // the clipboard, an EM_REPLACESEL) loses that byte: kept, it would take the first byte
    // after it as its partner, leave the caret inside that character and re-pair the rest.
    if (!text.empty() && IsHighByte(static_cast<unsigned char>(text.back())) &&
        CharStartAtOrBefore(text, text.size() - 1) == text.size() - 1) {
        text.remove_suffix(1);
    }
    const std::size_t start = SelectionStart(), end = SelectionEnd();
    const std::size_t kept = text_.size() - (end - start);
    const std::size_t room = limit_ > kept ? limit_ - kept : 0;
    const bool tooLong = text.size() > room;
    if (cut) *cut = tooLong;
    if (tooLong) text = text.substr(0, CharStartAtOrBefore(text, room));
    if (text.empty() && start == end) return {};
    return Replace(start, end, text, typed ? EditKind::Typing : EditKind::Other);
}

TextChange TextBuffer::DeleteBackward() {
    if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), {}, EditKind::Other);
    if (caret_ == 0) return {};
    return Replace(PreviousCharStart(text_, caret_), caret_, {}, EditKind::Backspace);
}

TextChange TextBuffer::DeleteForward() {
    if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), {}, EditKind::Other);
    if (caret_ >= text_.size()) return {};
    return Replace(caret_, NextCharStart(text_, caret_), {}, EditKind::Delete);
}

TextChange TextBuffer::Undo() {
    if (undo_.kind == EditKind::None) return {};
    const std::size_t pos = undo_.pos, length = undo_.insertedLength;
    GbkText inserted = text_.substr(pos, length);
    text_.replace(pos, length, undo_.removed);
    const std::size_t restored = undo_.removed.size();
    undo_ = {EditKind::Other, pos, restored, std::move(inserted)};
    // The restored text may end in CR before an LF, or begin with LF after a CR.
    anchor_ = CaretPosition(text_, pos);
    caret_ = CaretPosition(text_, pos + restored);
    modified_ = true;
    return {pos, length, restored};
}

TextChange TextBuffer::Replace(std::size_t start, std::size_t end, std::string_view text, EditKind kind) {
    GbkText removed = text_.substr(start, end - start);
    // Steps of one kind that follow each other undo together, as typing a word does.
    if (kind == EditKind::Typing && undo_.kind == kind && removed.empty() &&
        undo_.pos + undo_.insertedLength == start) {
        undo_.insertedLength += text.size();
    } else if (kind == EditKind::Backspace && undo_.kind == kind && undo_.insertedLength == 0 && end == undo_.pos) {
        undo_.removed.insert(0, removed);
        undo_.pos = start;
    } else if (kind == EditKind::Delete && undo_.kind == kind && undo_.insertedLength == 0 && start == undo_.pos) {
        undo_.removed += removed;
    } else {
        undo_ = {kind, start, text.size(), std::move(removed)};
    }
    text_.replace(start, end - start, text);
    // A text that ends in CR put before an LF, or a deletion that brings CR and LF together,
    // would leave the caret between them.
    anchor_ = caret_ = CaretPosition(text_, start + text.size());
    modified_ = true;
    return {start, end - start, text.size()};
}
