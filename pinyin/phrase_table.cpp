#include "pinyin/phrase_table.h"

#include <cstring>
#include <memory>

extern const unsigned char kPhraseTableFile[];
extern const std::size_t kPhraseTableFile_size;

namespace {

constexpr std::string_view kMagic = "ZYFP";
constexpr std::uint32_t kFormat = 1;

// A bounds-checked little-endian reader over the file; any read past the end fails it.
class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}
    bool ok() const { return ok_; }
    std::size_t pos() const { return pos_; }
    std::uint32_t U32() { return Number(4); }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Number(2)); }
    std::string_view Bytes(std::size_t n) {
        if (!ok_ || data_.size() - pos_ < n) {
            ok_ = false;
            return {};
        }
        const std::string_view b = data_.substr(pos_, n);
        pos_ += n;
        return b;
    }

private:
    std::uint32_t Number(std::size_t n) {
        const std::string_view b = Bytes(n);
        std::uint32_t v = 0;
        for (std::size_t i = b.size(); i > 0; --i) v = v << 8 | static_cast<unsigned char>(b[i - 1]);
        return v;
    }
    std::string_view data_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

std::uint32_t KeyOf(std::string_view fourBytes) {
    std::uint32_t k;
    std::memcpy(&k, fourBytes.data(), 4);
    return k;
}

std::size_t Slot(std::uint32_t key, std::size_t mask) { return (key * 0x9E3779B1u >> 7) & mask; }

constexpr std::size_t CharCode(unsigned char b1, unsigned char b2) {
    return static_cast<std::size_t>(b1 - 0x80) << 8 | b2;
}

}  // namespace

PhraseTable::PhraseTable(std::string_view file) {
    if (!Parse(file)) {
        syllables_.clear();
        readingIds_.clear();
        words_.clear();
        buckets_.clear();
        charCosts_.assign(0x8000, 0xFFFF);
        longest_ = 0;
    }
}

bool PhraseTable::Parse(std::string_view file) {
    charCosts_.assign(0x8000, 0xFFFF);
    if (file.empty()) return false;
    const std::size_t nl = file.find('\n');
    if (file[0] != '#' || nl == std::string_view::npos) return false;
    Reader r(file.substr(nl + 1));
    if (r.Bytes(4) != kMagic || r.U32() != kFormat) return false;
    const std::uint32_t syllableCount = r.U32(), syllableBytes = r.U32(), wordCount = r.U32();
    const std::uint32_t wordBytes = r.U32(), idCount = r.U32(), charCount = r.U32();
    const std::uint16_t singleCost = r.U16();
    longest_ = r.U16();
    r.U16();
    if (!r.ok()) return false;
    charCosts_.assign(0x8000, singleCost);

    std::vector<std::uint32_t> offsets(syllableCount + 1);
    for (auto& o : offsets) o = r.U32();
    const std::string_view pool = r.Bytes(syllableBytes);
    r.Bytes((4 - syllableBytes % 4) % 4);
    if (!r.ok()) return false;
    for (std::uint32_t i = 0; i < syllableCount; ++i) {
        if (offsets[i] > offsets[i + 1] || offsets[i + 1] > pool.size()) return false;
        syllables_.push_back(pool.substr(offsets[i], offsets[i + 1] - offsets[i]));
    }

    struct Raw {
        std::uint32_t offset, first;
        std::uint16_t cost, chars;
    };
    std::vector<Raw> raw(wordCount);
    for (Raw& w : raw) {
        w.offset = r.U32();
        w.first = r.U32();
        w.cost = r.U16();
        w.chars = r.U16();
    }
    for (std::uint32_t i = 0; i < charCount; ++i) {
        const std::uint16_t code = r.U16();
        const std::uint16_t cost = r.U16();
        if (code < 0x8000) continue;
        charCosts_[code - 0x8000] = cost;
    }
    readingIds_.resize(idCount);
    for (auto& id : readingIds_) {
        id = r.U16();
        if (id >= syllableCount) return false;
    }
    const std::string_view words = r.Bytes(wordBytes);
    if (!r.ok()) return false;

    words_.reserve(wordCount);
    for (const Raw& w : raw) {
        if (w.chars < 2 || w.chars > longest_ || w.offset > words.size() || words.size() - w.offset < 2u * w.chars) return false;
        if (w.first != kOwnReadings && (w.first > idCount || idCount - w.first < w.chars)) return false;
        const std::string_view bytes = words.substr(w.offset, 2u * w.chars);
        if (!words_.empty() && bytes <= words_.back().bytes) return false;  // sorted, no repeats
        words_.push_back({bytes, {w.chars, w.cost, w.first}});
    }

    // Sorted words sharing their first two characters lie side by side: one bucket a group.
    std::size_t size = 16;
    while (size < 2 * words_.size()) size *= 2;
    buckets_.assign(size, Bucket{});
    for (std::size_t i = 0; i < words_.size();) {
        const std::uint32_t key = KeyOf(words_[i].bytes);
        std::size_t j = i + 1;
        while (j < words_.size() && KeyOf(words_[j].bytes) == key) ++j;
        std::size_t s = Slot(key, size - 1);
        while (buckets_[s].key != 0) s = (s + 1) & (size - 1);
        buckets_[s] = {key, static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(j)};
        i = j;
    }
    return true;
}

const PhraseTable::Bucket* PhraseTable::Find(std::uint32_t key) const {
    if (buckets_.empty()) return nullptr;
    const std::size_t mask = buckets_.size() - 1;
    for (std::size_t s = Slot(key, mask);; s = (s + 1) & mask) {
        if (buckets_[s].key == key) return &buckets_[s];
        if (buckets_[s].key == 0) return nullptr;
    }
}

void PhraseTable::WordsAt(std::string_view text, std::vector<Word>& out) const {
    if (text.size() < 4) return;
    const Bucket* b = Find(KeyOf(text));
    if (!b) return;
    for (std::uint32_t i = b->begin; i < b->end; ++i) {
        const Entry& e = words_[i];
        if (e.bytes.size() <= text.size() && std::memcmp(e.bytes.data(), text.data(), e.bytes.size()) == 0) {
            out.push_back(e.word);
        }
    }
}

std::uint32_t PhraseTable::CharCost(unsigned char b1, unsigned char b2) const {
    return b1 >= 0x80 ? charCosts_[CharCode(b1, b2)] : 0xFFFF;
}

std::string_view PhraseTable::Reading(const Word& w, std::uint32_t k) const {
    return syllables_[readingIds_[w.firstReading + k]];
}

const PhraseTable& PhraseTable::Embedded() {
    static const auto table = std::make_unique<PhraseTable>(
        std::string_view(reinterpret_cast<const char*>(kPhraseTableFile), kPhraseTableFile_size));
    return *table;
}
