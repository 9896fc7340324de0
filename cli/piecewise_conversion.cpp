#include "cli/piecewise_conversion.h"

#include "text/gbk_char.h"
#include "text/hanzi.h"

std::size_t ConvertiblePrefix(std::string_view text) {
    for (std::size_t i = text.size(); i > 0; --i) {
        const auto b = static_cast<unsigned char>(text[i - 1]);
        if (b < 0x80 && b != ' ' && b != 0) return i;
    }
    return 0;
}

PiecewiseConverter::Piece PiecewiseConverter::Convert(std::string_view piece) {
    if (phrases_) return ConvertByPhrase(piece);
    const HanziList list = ExtractHanzi(piece);
    Piece result;
    if (list.Count() == 0) return result;
    result.spaceFirst = count_ > 0 && !mixed_ && mode_ != PinyinMode::WithTones;
    count_ += list.Count();
    result.text = ConvertHanziText(list.Joined(), mode_, mixed_);
    // A result never holds a broken group, so each piece is broken as the whole would be.
    if (perLine_) result.text = LineBreakGroups(result.text);
    return result;
}

void PiecewiseConverter::Skip(std::string_view piece) { count_ += ExtractHanzi(piece).Count(); }

void PiecewiseConverter::AppendRun(std::string_view run, Piece& result) {
    if (run.empty()) return;
    const bool spaced = !mixed_ && mode_ != PinyinMode::WithTones;
    if (spaced && written_ > 0) {
        if (result.text.empty()) {
            result.spaceFirst = true;
        } else {
            result.text += ' ';
        }
    }
    phrase_->Append(run, mode_, mixed_, result.text);
    written_ += run.size() / 2;
}

PiecewiseConverter::Piece PiecewiseConverter::Finished(Piece result) const {
    // A result never holds a broken group, so each piece is broken as the whole would be.
    if (perLine_) result.text = LineBreakGroups(result.text);
    return result;
}

PiecewiseConverter::Piece PiecewiseConverter::ConvertByPhrase(std::string_view piece) {
    Piece result;
    // About what the readings take, so the result seldom grows by copying itself.
    result.text.reserve(piece.size() * (mixed_ ? 5 : 3));
    const auto* const p = reinterpret_cast<const unsigned char*>(piece.data());
    for (std::size_t i = 0; i < piece.size();) {
        const unsigned char b = p[i];
        if (b == 0x80 || b == 0xFF) {
            // Such a byte makes the extraction restart its walk (see ExtractHanzi), so the
            // pairs seen here need not be its hanzi: this piece's hanzi are read as one run.
            AppendRun(openRun_, result);
            openRun_ = ExtractHanzi(piece).Joined();
            count_ += openRun_.size() / 2;
            AppendRun(openRun_, result);
            openRun_.clear();
            return Finished(std::move(result));
        }
        if (b < 0x80) {
            if (b != '\r' && b != '\n') {
                AppendRun(openRun_, result);
                openRun_.clear();
            }
            ++i;
            continue;
        }
        if (i + 1 == piece.size()) break;
        if (IsHanziPair(b, p[i + 1])) {
            openRun_.append(piece.data() + i, 2);
            ++count_;
        } else {
            AppendRun(openRun_, result);
            openRun_.clear();
        }
        i += 2;
    }
    return Finished(std::move(result));
}

PiecewiseConverter::Piece PiecewiseConverter::Finish() {
    Piece result;
    if (!phrases_) return result;
    AppendRun(openRun_, result);
    openRun_.clear();
    return Finished(std::move(result));
}
